#include "ResultsPanel.h"

#include "PanelWidgets.h"

#include "sentara/dictation/ResultsReport.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace sentara::ui {

namespace {

void fill(QListWidget* list, const QStringList& rows) {
    QStringList current;
    for (int i = 0; i < list->count(); ++i) {
        current << list->item(i)->text();
    }
    if (current != rows) {
        list->clear();
        list->addItems(rows);
    }
}

} // namespace

ResultsPanel::ResultsPanel(ResultsReport& report, QWidget* parent)
    : QFrame(parent), report_(report) {
    setObjectName(QStringLiteral("ResultsPicture"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xFA, 0xFC, 0xFF));
    setPalette(palette);

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("ResultsTitleLabel"), QStringLiteral("听写成绩"), this);
    exit_ = new QToolButton(this);
    exit_->setObjectName(QStringLiteral("ExitResultsCommand"));
    exit_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    exit_->setToolTip(QStringLiteral("关闭"));
    exit_->setAutoRaise(true);
    exit_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(title_, 1);
    header->addWidget(exit_);

    const char* const captions[4] = {"本课未完成的句子", "本课已完成的句子", "本册已完成的课程",
                                     "本册未完成的课程"};
    QGridLayout* grids[2] = {new QGridLayout, new QGridLayout};
    for (int i = 0; i < 4; ++i) {
        lists_[i] = new QListWidget(this);
        lists_[i]->setObjectName(QStringLiteral("List%1").arg(i + 1));
        lists_[i]->setFocusPolicy(Qt::NoFocus);
        QGridLayout* grid = grids[i / 2];
        grid->addWidget(
            label(QStringLiteral("ListCaption%1").arg(i + 1), QString::fromUtf8(captions[i]), this),
            0, i % 2);
        grid->addWidget(lists_[i], 1, i % 2);
    }

    clearLesson_ =
        command(QStringLiteral("ClearResultsCommand"), QStringLiteral("清除本课成绩"), this);
    close_ = command(QStringLiteral("CloseResultsCommand"), QStringLiteral("关闭"), this);
    auto* lessonButtons = new QHBoxLayout;
    lessonButtons->addStretch(1);
    lessonButtons->addWidget(clearLesson_);
    lessonButtons->addWidget(close_);

    auto* counts = new QHBoxLayout;
    counts->addWidget(
        label(QStringLiteral("WriteLessonCountCaption"), QStringLiteral("已完成课数："), this));
    doneCount_ = label(QStringLiteral("WriteLessonCountLabel"), {}, this);
    counts->addWidget(doneCount_);
    counts->addSpacing(16);
    counts->addWidget(
        label(QStringLiteral("BookLessonCountCaption"), QStringLiteral("本册课数："), this));
    lessonCount_ = label(QStringLiteral("BookLessonCountLabel"), {}, this);
    counts->addWidget(lessonCount_);
    counts->addStretch(1);
    summary_ = label(QStringLiteral("ResultsSummaryLabel"), {}, this);
    bookBar_ = new QProgressBar(this);
    bookBar_->setObjectName(QStringLiteral("BookProgressBar"));
    bookBar_->setRange(0, 1000);
    bookBar_->setTextVisible(false);
    bookBar_->setMaximumHeight(12);
    problem_ = label(QStringLiteral("ResultsProblemLabel"), {}, this);
    problem_->setWordWrap(true);
    QPalette red = problem_->palette();
    red.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
    problem_->setPalette(red);

    clearBook_ =
        command(QStringLiteral("ClearBookResultsCommand"), QStringLiteral("清除本册成绩"), this);
    closeBook_ = command(QStringLiteral("Command4"), QStringLiteral("关闭"), this);
    auto* bookButtons = new QHBoxLayout;
    bookButtons->addStretch(1);
    bookButtons->addWidget(clearBook_);
    bookButtons->addWidget(closeBook_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addLayout(grids[0], 1);
    column->addLayout(lessonButtons);
    column->addSpacing(8);
    column->addLayout(grids[1], 1);
    column->addLayout(counts);
    column->addWidget(summary_);
    column->addWidget(bookBar_);
    column->addWidget(problem_);
    column->addLayout(bookButtons);
    setTextScale(1.0);
    hide();
    if (parent) {
        parent->installEventFilter(this); // stays in the middle when the window is resized
    }

    for (QPushButton* button : {close_, closeBook_}) {
        connect(button, &QPushButton::clicked, this, [this] { report_.close(); });
    }
    connect(exit_, &QToolButton::clicked, this, [this] { report_.close(); });
    connect(clearLesson_, &QPushButton::clicked, this, [this] { report_.clearLesson(); });
    connect(clearBook_, &QPushButton::clicked, this, [this] { report_.clearBook(); });
    for (QListWidget* sentences : {lists_[0], lists_[1]}) {
        connect(sentences, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { report_.openListedSentence(item->text()); });
    }
}

QListWidget* ResultsPanel::list(int number) const {
    return number >= 1 && number <= 4 ? lists_[number - 1] : nullptr;
}

void ResultsPanel::render() {
    const ResultsView view = report_.view();
    if (!view.visible) {
        // The next opening lists everything afresh, without the row clicked last selected.
        for (QListWidget* list : lists_) {
            list->clear();
        }
        hide();
        return;
    }
    fill(lists_[0], view.openSentences);
    fill(lists_[1], view.passedSentences);
    fill(lists_[2], view.doneLessons);
    fill(lists_[3], view.openLessons);
    doneCount_->setText(QString::number(view.doneLessonCount));
    lessonCount_->setText(QString::number(view.lessonCount));
    summary_->setText(view.summary);
    bookBar_->setValue(static_cast<int>(view.bookRatio * 1000 + 0.5));
    problem_->setText(view.problem);
    problem_->setVisible(!view.problem.isEmpty());
    centre();
    raise();
    show();
}

void ResultsPanel::centre() {
    const QWidget* holder = parentWidget();
    if (!holder) {
        return;
    }
    const QSize size(std::min(holder->width() - 40, std::max(560, holder->width() * 3 / 5)),
                     std::min(holder->height() - 40, std::max(460, holder->height() * 3 / 4)));
    resize(size);
    move((holder->width() - width()) / 2, (holder->height() - height()) / 2);
}

bool ResultsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) {
        centre();
    }
    return QFrame::eventFilter(watched, event);
}

void ResultsPanel::setTextScale(double scale) {
    setPointSize(title_, 12 * scale, true);
    for (QListWidget* list : lists_) {
        setPointSize(list, 10.5 * scale);
    }
    for (QLabel* text : {summary_, doneCount_, lessonCount_, problem_}) {
        setPointSize(text, 10.5 * scale);
    }
}

} // namespace sentara::ui
