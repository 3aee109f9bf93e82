#include "oralix/ui/SettingsWindow.h"

#include "oralix/core/OralixSession.h"
#include "oralix/ui/Colours.h"
#include "platform/Fonts.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace oralix::ui {

namespace {

constexpr int kCell = 18;

QFrame* colourBox(const QString& name, int size, QWidget* parent) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setFixedSize(size, size);
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

void paint(QFrame* box, int colour) {
    QPalette p = box->palette();
    p.setColor(QPalette::Window, colourOf(colour));
    box->setPalette(p);
}

} // namespace

SettingsWindow::SettingsWindow(OralixSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      form_(session) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("设置"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#Form2 { border: 1px solid #5A5A80; background: #F4F4F8; }"));
    setFont(platform::Fonts::ui(10.5));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* caption = new QLabel(QStringLiteral("设置"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);

    auto* look = new QGroupBox(QStringLiteral("界面设置"), this);
    look->setObjectName(QStringLiteral("Frame1"));
    auto* lookRow = new QHBoxLayout(look);
    background_ = colourBox(QStringLiteral("Picture6"), 28, look);
    text_ = colourBox(QStringLiteral("Picture8"), 28, look);
    lookRow->addWidget(new QLabel(QStringLiteral("背景颜色"), look));
    lookRow->addWidget(background_);
    lookRow->addSpacing(16);
    lookRow->addWidget(new QLabel(QStringLiteral("文字颜色"), look));
    lookRow->addWidget(text_);
    lookRow->addStretch();
    layout->addWidget(look);

    auto* course = new QGroupBox(QStringLiteral("课程设置"), this);
    course->setObjectName(QStringLiteral("Frame2"));
    auto* courseGrid = new QGridLayout(course);
    book_ = new QComboBox(course);
    book_->setObjectName(QStringLiteral("Combo1"));
    book_->addItems(form_.bookTitles());
    start_ = new QComboBox(course);
    start_->setObjectName(QStringLiteral("Combo2"));
    end_ = new QComboBox(course);
    end_->setObjectName(QStringLiteral("Combo5"));
    for (QComboBox* box : {start_, end_}) {
        box->setMinimumContentsLength(20);
    }
    courseGrid->addWidget(new QLabel(QStringLiteral("课程"), course), 0, 0);
    courseGrid->addWidget(book_, 0, 1);
    courseGrid->addWidget(new QLabel(QStringLiteral("起始课文"), course), 1, 0);
    courseGrid->addWidget(start_, 1, 1);
    courseGrid->addWidget(new QLabel(QStringLiteral("结束课文"), course), 2, 0);
    courseGrid->addWidget(end_, 2, 1);
    layout->addWidget(course);

    auto* play = new QGroupBox(QStringLiteral("播放设置"), this);
    play->setObjectName(QStringLiteral("Frame3"));
    auto* playRow = new QHBoxLayout(play);
    times_ = new QComboBox(play);
    times_->setObjectName(QStringLiteral("Combo3"));
    times_->addItems(TrainerSettingsForm::repeatItems());
    interval_ = new QComboBox(play);
    interval_->setObjectName(QStringLiteral("Combo4"));
    interval_->addItems(TrainerSettingsForm::intervalItems());
    playRow->addWidget(new QLabel(QStringLiteral("每句朗读"), play));
    playRow->addWidget(times_);
    playRow->addWidget(new QLabel(QStringLiteral("次"), play));
    playRow->addSpacing(16);
    playRow->addWidget(new QLabel(QStringLiteral("间隔"), play));
    playRow->addWidget(interval_);
    playRow->addWidget(new QLabel(QStringLiteral("秒"), play));
    playRow->addStretch();
    layout->addWidget(play);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // The palette floats over the window, under the swatch that opened it.
    palette_ = new QFrame(this);
    palette_->setObjectName(QStringLiteral("Picture7"));
    static_cast<QFrame*>(palette_)->setFrameShape(QFrame::Box);
    palette_->setAutoFillBackground(true);
    auto* grid = new QGridLayout(palette_);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(3);
    for (int i = 0; i < int(TrainerSettingsForm::palette().size()); ++i) {
        QFrame* cell = colourBox(QStringLiteral("Label2_%1").arg(i), kCell, palette_);
        paint(cell, TrainerSettingsForm::palette()[i]);
        cell->installEventFilter(this);
        cell->setMouseTracking(true);
        cells_.append(cell);
        grid->addWidget(cell, i / 8, i % 8);
    }
    palette_->adjustSize();
    palette_->hide();
    highlight_ = new QFrame(palette_);
    highlight_->setObjectName(QStringLiteral("Shape6"));
    highlight_->setFrameShape(QFrame::Box);
    highlight_->setStyleSheet(QStringLiteral("border: 2px solid #202020;"));
    highlight_->setFixedSize(kCell + 4, kCell + 4);
    highlight_->setAttribute(Qt::WA_TransparentForMouseEvents);
    highlight_->hide();

    background_->installEventFilter(this);
    text_->installEventFilter(this);
    look->installEventFilter(this);
    course->installEventFilter(this);
    play->installEventFilter(this);

    fillLessons();
    render();

    connect(book_, &QComboBox::activated, this, [this](int index) {
        form_.chooseBook(book_->itemText(index));
        fillLessons();
        render();
    });
    connect(start_, &QComboBox::activated, this, [this](int index) {
        form_.chooseStart(index);
        render();
    });
    connect(end_, &QComboBox::activated, this, [this](int index) {
        form_.chooseEnd(index);
        render();
    });
    connect(times_, &QComboBox::activated, this,
            [this](int index) { form_.chooseTimes(times_->itemText(index)); });
    connect(interval_, &QComboBox::activated, this,
            [this](int index) { form_.chooseInterval(interval_->itemText(index)); });
    connect(ok, &QPushButton::clicked, this, &SettingsWindow::confirm);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    if (parent) {
        move(parent->geometry().topLeft() + QPoint(40, 40));
    }
}

QFrame* SettingsWindow::swatch(TrainerSettingsForm::Swatch which) const {
    return which == TrainerSettingsForm::Swatch::Text ? text_ : background_;
}

QFrame* SettingsWindow::paletteCell(int cell) const {
    return cells_.value(cell);
}

void SettingsWindow::confirm() {
    form_.confirm();
    close();
}

void SettingsWindow::fillLessons() {
    const QSignalBlocker a(start_), b(end_);
    start_->clear();
    end_->clear();
    start_->addItems(form_.lessonTitles());
    end_->addItems(form_.lessonTitles());
}

void SettingsWindow::render() {
    const QSignalBlocker a(book_), b(start_), c(end_), d(times_), e(interval_);
    book_->setCurrentText(form_.book());
    start_->setCurrentIndex(form_.startIndex());
    if (form_.endIndex() >= 0) {
        end_->setCurrentIndex(form_.endIndex());
    } else {
        end_->setCurrentIndex(-1);
    }
    times_->setCurrentText(form_.times());
    interval_->setCurrentText(form_.interval());
    paint(background_, form_.background());
    paint(text_, form_.text());
    if (form_.paletteShown()) {
        QFrame* anchor = swatch(form_.activeSwatch());
        const QPoint at = anchor->mapTo(this, QPoint(0, anchor->height() + 2));
        palette_->move(qMin(at.x(), qMax(0, width() - palette_->width())), at.y());
        palette_->raise();
        palette_->show();
    } else {
        palette_->hide();
        highlight_->hide();
    }
}

void SettingsWindow::mousePressEvent(QMouseEvent* event) {
    if (form_.paletteShown()) {
        form_.hidePalette();
        render();
    }
    if (event->button() == Qt::LeftButton) {
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void SettingsWindow::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    const int cell = int(cells_.indexOf(static_cast<QFrame*>(watched)));
    if (cell >= 0) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            highlight_->move(cells_[cell]->pos() - QPoint(2, 2));
            highlight_->show();
            highlight_->raise();
        } else if (event->type() == QEvent::MouseButtonPress) {
            form_.pickColour(cell);
            render();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == background_ || watched == text_) {
            form_.openPalette(watched == background_ ? TrainerSettingsForm::Swatch::Background
                                                     : TrainerSettingsForm::Swatch::Text);
            render();
            return true;
        }
        // A click on a frame hides the palette.
        if (form_.paletteShown()) {
            form_.hidePalette();
            render();
        }
    }
    return false;
}

} // namespace oralix::ui
