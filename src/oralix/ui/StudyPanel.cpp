#include "oralix/ui/StudyPanel.h"

#include "oralix/core/OralixSession.h"
#include "oralix/ui/PanelButton.h"
#include "oralix/ui/TypingBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace oralix::ui {

StudyPanel::StudyPanel(OralixSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("StudyPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* lines = new QHBoxLayout;
    englishCheck_ = new QCheckBox(QStringLiteral("显示英文句子"), this);
    englishCheck_->setObjectName(QStringLiteral("Check1"));
    chineseCheck_ = new QCheckBox(QStringLiteral("显示中文句子"), this);
    chineseCheck_->setObjectName(QStringLiteral("Check2"));
    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("Frame1"));
    // The toggles leave the keys with the typing box.
    englishCheck_->setFocusPolicy(Qt::NoFocus);
    chineseCheck_->setFocusPolicy(Qt::NoFocus);
    lines->addWidget(englishCheck_);
    lines->addWidget(chineseCheck_);
    lines->addStretch();
    lines->addWidget(counter_);
    layout->addLayout(lines);

    auto* nav = new QHBoxLayout;
    previous_ = panelButton(QStringLiteral("上一句"), QStringLiteral("Command2"), this);
    next_ = panelButton(QStringLiteral("下一句"), QStringLiteral("Command1"), this);
    auto* first = panelButton(QStringLiteral("第一句"), QStringLiteral("Command3"), this);
    auto* play = panelButton(QStringLiteral("朗读"), QStringLiteral("Command4"), this);
    nextLesson_ = panelButton(QStringLiteral("下一课"), QStringLiteral("Command22"), this);
    for (QPushButton* b : {previous_, next_, first, play, nextLesson_}) {
        nav->addWidget(b);
    }
    layout->addLayout(nav);

    auto* speed = new QHBoxLayout;
    speed->addWidget(new QLabel(QStringLiteral("语速调节："), this));
    const QString names[3] = {QStringLiteral("慢速"), QStringLiteral("常速"),
                              QStringLiteral("快速")};
    for (int i = 0; i < 3; ++i) {
        speeds_[i] = new QRadioButton(names[i], this);
        speeds_[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        speeds_[i]->setFocusPolicy(Qt::NoFocus);
        speed->addWidget(speeds_[i]);
        connect(speeds_[i], &QRadioButton::clicked, this, [this, i] { session_.setSpeed(i); });
    }
    speed->addStretch();
    layout->addLayout(speed);

    auto* typingRow = new QHBoxLayout;
    typingRow->addWidget(new QLabel(QStringLiteral("请在此拼写，按回车键检查："), this));
    typing_ = new TypingBox(this);
    typing_->setMinimumWidth(220);
    typingRow->addWidget(typing_, 1);
    auto* peek = panelButton(QStringLiteral("提示(F9)"), QStringLiteral("Command5"), this);
    typingRow->addWidget(peek);
    layout->addLayout(typingRow);

    connect(englishCheck_, &QCheckBox::toggled, &session_, &OralixSession::setEnglishLineShown);
    connect(chineseCheck_, &QCheckBox::toggled, &session_, &OralixSession::setChineseLineShown);
    connect(previous_, &QPushButton::clicked, &session_, &OralixSession::previousSentence);
    connect(next_, &QPushButton::clicked, &session_, &OralixSession::nextSentence);
    connect(first, &QPushButton::clicked, &session_, &OralixSession::firstSentence);
    connect(play, &QPushButton::clicked, &session_, &OralixSession::playSentence);
    connect(nextLesson_, &QPushButton::clicked, &session_, &OralixSession::nextLesson);
    connect(peek, &QPushButton::clicked, this, [this] {
        session_.peek();
        typing_->setFocus();
    });
    connect(typing_, &TypingBox::keyTyped, &session_, &OralixSession::typingKey);
    connect(typing_, &TypingBox::checkRequested, this, [this](const QString& attempt) {
        const TypingCheck result = session_.checkTyping(attempt);
        if (result.correct) {
            return; // the box was cleared for the next sentence, or the lesson is done
        }
        if (result.selectionLength > 0) {
            typing_->setSelection(result.selectionStart, result.selectionLength);
        } else {
            typing_->setCursorPosition(result.selectionStart);
        }
    });
    connect(&session_, &OralixSession::typingCleared, typing_, &QLineEdit::clear);
}

void StudyPanel::render(const OralixView& view) {
    const SentenceStudyView& s = view.sentence;
    {
        const QSignalBlocker a(englishCheck_), b(chineseCheck_);
        englishCheck_->setChecked(s.englishCheck);
        chineseCheck_->setChecked(s.chineseCheck);
    }
    counter_->setText(s.counter);
    previous_->setEnabled(s.previousEnabled);
    next_->setEnabled(s.nextEnabled);
    nextLesson_->setEnabled(view.lessons.nextLessonEnabled);
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(speeds_[i]);
        speeds_[i]->setChecked(i == s.speed);
    }
}

} // namespace oralix::ui
