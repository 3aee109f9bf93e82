#include "oralix/ui/PracticePanel.h"

#include "oralix/core/OralixSession.h"
#include "oralix/core/TrainerSettingsForm.h"
#include "oralix/ui/FullTextCanvas.h"
#include "oralix/ui/FullTextPanel.h"
#include "oralix/ui/ReadAlongPanel.h"
#include "oralix/ui/StudyPanel.h"
#include "oralix/ui/TypingBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace oralix::ui {

PracticePanel::PracticePanel(OralixSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("PracticePanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);

    auto* lessonRow = new QHBoxLayout;
    book_ = new QComboBox(this);
    book_->setObjectName(QStringLiteral("Combo1"));
    for (const common::CourseContent::Book& b : session_.content().books) {
        book_->addItem(b.title);
    }
    lesson_ = new QComboBox(this);
    lesson_->setObjectName(QStringLiteral("List1"));
    lesson_->setMinimumContentsLength(18);
    lessonRow->addWidget(new QLabel(QStringLiteral("课程："), this));
    lessonRow->addWidget(book_);
    lessonRow->addWidget(lesson_, 1);
    layout->addLayout(lessonRow);

    auto* tabRow = new QHBoxLayout;
    tabRow->setSpacing(2);
    for (int mode = 1; mode <= StudyModeTable::kModeCount; ++mode) {
        auto* tab = new QPushButton(StudyModeTable::info(mode).title, this);
        tab->setObjectName(QStringLiteral("Label14_%1").arg(mode));
        tab->setCheckable(true);
        tab->setFocusPolicy(Qt::NoFocus);
        tabs_[mode - 1] = tab;
        tabRow->addWidget(tab);
        connect(tab, &QPushButton::clicked, this, [this, mode] {
            session_.setStudyMode(mode);
            focusPractice();
        });
    }
    layout->addLayout(tabRow);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("Label7_12"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("Label7_13"));
    hint_->setWordWrap(true);
    layout->addWidget(title_);
    layout->addWidget(hint_);

    boxes_ = new QWidget(this);
    boxes_->setObjectName(QStringLiteral("Frame2"));
    auto* boxRow = new QHBoxLayout(boxes_);
    boxRow->setContentsMargins(0, 0, 0, 0);
    repeat_ = new QComboBox(boxes_);
    repeat_->setObjectName(QStringLiteral("Combo2"));
    repeat_->addItems(TrainerSettingsForm::repeatItems());
    interval_ = new QComboBox(boxes_);
    interval_->setObjectName(QStringLiteral("Combo3"));
    interval_->addItems(TrainerSettingsForm::intervalItems());
    boxRow->addWidget(new QLabel(QStringLiteral("朗读次数"), boxes_));
    boxRow->addWidget(repeat_);
    boxRow->addSpacing(12);
    boxRow->addWidget(new QLabel(QStringLiteral("间隔时间"), boxes_));
    boxRow->addWidget(interval_);
    boxRow->addWidget(new QLabel(QStringLiteral("秒"), boxes_));
    boxRow->addStretch();
    layout->addWidget(boxes_);

    study_ = new StudyPanel(session_, this);
    fullText_ = new FullTextPanel(session_, this);
    readAlong_ = new ReadAlongPanel(session_, this);
    layout->addWidget(study_);
    layout->addWidget(fullText_);
    layout->addWidget(readAlong_);

    connect(book_, &QComboBox::activated, this, [this](int index) {
        session_.chooseBook(book_->itemText(index));
        focusPractice();
    });
    connect(lesson_, &QComboBox::activated, this, [this](int index) {
        session_.chooseLesson(index);
        focusPractice();
    });
    connect(repeat_, &QComboBox::activated, this, [this](int index) {
        session_.setRepeatText(repeat_->itemText(index));
        focusPractice();
    });
    connect(interval_, &QComboBox::activated, this, [this](int index) {
        session_.setIntervalText(interval_->itemText(index));
        focusPractice();
    });
}

void PracticePanel::focusPractice() {
    // The typing box in sentence study, the scroll keys of the full text otherwise.
    const int mode = session_.view().mode;
    if (mode == StudyModeTable::SentenceStudy) {
        study_->typingBox()->setFocus();
    } else if (StudyModeTable::info(mode).fullText) {
        fullText_->canvas()->setFocus();
    }
}

void PracticePanel::render(const OralixView& view) {
    const StudyModeInfo& info = view.modeInfo;
    {
        const QSignalBlocker a(book_), b(lesson_), c(repeat_), d(interval_);
        const int bookIndex = book_->findText(view.lessons.book);
        if (bookIndex < 0 && !view.lessons.book.isEmpty()) {
            book_->addItem(view.lessons.book);
        }
        book_->setCurrentText(view.lessons.book);
        QStringList current;
        for (int i = 0; i < lesson_->count(); ++i) {
            current << lesson_->itemText(i);
        }
        if (current != view.lessons.titles) {
            lesson_->clear();
            lesson_->addItems(view.lessons.titles);
        }
        lesson_->setCurrentIndex(view.lessons.index);
        lesson_->setToolTip(view.lessons.listTooltip);
        repeat_->setCurrentText(view.repeatText);
        interval_->setCurrentText(view.intervalText);
    }
    for (int mode = 1; mode <= StudyModeTable::kModeCount; ++mode) {
        tabs_[mode - 1]->setChecked(mode == view.mode);
        tabs_[mode - 1]->setEnabled(mode != view.mode);
    }
    title_->setText(info.title);
    hint_->setText(info.hint);
    hint_->setVisible(!info.hint.isEmpty());
    boxes_->setVisible(info.repeatAndInterval);
    study_->setVisible(info.navigation);
    fullText_->setVisible(info.fullText);
    readAlong_->setVisible(info.readAlong);
    study_->render(view);
    fullText_->render(view);
    readAlong_->render(view);
}

} // namespace oralix::ui
