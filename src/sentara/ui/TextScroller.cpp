#include "TextScroller.h"

#include "PanelWidgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace sentara::ui {

namespace {

// One notch of the wheel moves the canvas this far.
constexpr int kWheelStep = 60;

QPushButton* arrowCommand(const QString& name, const QString& caption, QWidget* parent) {
    QPushButton* button = command(name, caption, parent);
    button->setFixedWidth(18);
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    return button;
}

} // namespace

TextScroller::TextScroller(const Names& names, QWidget* canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    viewport_ = new QWidget(this);
    viewport_->setObjectName(names.viewport);
    canvas_->setParent(viewport_);
    canvas_->move(0, 0);
    up_ = arrowCommand(names.up, QStringLiteral("▲"), this);
    down_ = arrowCommand(names.down, QStringLiteral("▼"), this);
    thumb_ = new QScrollBar(Qt::Vertical, this);
    thumb_->setObjectName(names.thumb);
    thumb_->setFocusPolicy(Qt::NoFocus);
    thumb_->setFixedWidth(18);
    thumb_->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: #E3E9F0; width: 18px; margin: 0; }"
        "QScrollBar::handle:vertical { background: #9CB2CB; min-height: 28px; margin: 0 3px;"
        " border-radius: 5px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    QSizePolicy thumbPolicy = thumb_->sizePolicy();
    thumbPolicy.setRetainSizeWhenHidden(true);
    thumb_->setSizePolicy(thumbPolicy);

    auto* bar = new QVBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);
    bar->addWidget(up_);
    bar->addWidget(thumb_, 1);
    bar->addWidget(down_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(viewport_, 1);
    row->addLayout(bar);

    viewport_->installEventFilter(this);
    canvas_->installEventFilter(this);
    connect(up_, &QPushButton::clicked, this, [this] {
        scrollByLearner(-kCommandStep);
        emit scrolledByCommand();
    });
    connect(down_, &QPushButton::clicked, this, [this] {
        scrollByLearner(kCommandStep);
        emit scrolledByCommand();
    });
    connect(thumb_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!settingThumb_) {
            scrollByLearner(value - offset_);
        }
    });
}

int TextScroller::maximum() const {
    return std::max(0, canvas_->height() - viewport_->height());
}

void TextScroller::scrollToTop() {
    aim_ = Aim::Top;
    apply();
}

void TextScroller::scrollToOffset(int offset) {
    aim_ = Aim::Offset;
    aimOffset_ = offset;
    apply();
}

void TextScroller::keepInView(std::function<QRect()> area) {
    aim_ = Aim::Keep;
    keepArea_ = std::move(area);
    apply();
}

void TextScroller::relayout() {
    const int width = viewport_->width();
    const int height = std::max(viewport_->height(), canvas_->heightForWidth(width));
    if (canvas_->width() != width || canvas_->height() != height) {
        canvas_->resize(width, height);
    }
    const int max = maximum();
    settingThumb_ = true;
    thumb_->setRange(0, max);
    thumb_->setPageStep(std::max(1, viewport_->height()));
    thumb_->setSingleStep(kCommandStep);
    settingThumb_ = false;
    const bool scrollable = max > 0;
    up_->setVisible(scrollable);
    down_->setVisible(scrollable);
    thumb_->setVisible(scrollable);
    apply();
}

void TextScroller::apply() {
    if (!isVisible()) {
        return; // a hidden frame has no real size yet: the aim is applied when it is shown
    }
    const int max = maximum();
    int target = offset_;
    switch (aim_) {
    case Aim::Free:
        break;
    case Aim::Top:
        target = 0;
        break;
    case Aim::Offset:
        target = aimOffset_;
        break;
    case Aim::Keep: {
        const QRect area = keepArea_ ? keepArea_() : QRect();
        const int view = viewport_->height();
        if (area.isValid() && (area.top() < offset_ || area.bottom() > offset_ + view)) {
            target = area.height() > view ? area.top() : area.center().y() - view / 2;
        }
        break;
    }
    }
    moveTo(std::clamp(target, 0, max));
}

void TextScroller::moveTo(int offset) {
    const bool changed = offset != offset_ || canvas_->y() != -offset;
    offset_ = offset;
    canvas_->move(0, -offset_);
    settingThumb_ = true;
    thumb_->setValue(offset_);
    settingThumb_ = false;
    if (changed && isVisible()) {
        emit moved();
    }
}

void TextScroller::scrollByLearner(int delta) {
    aim_ = Aim::Free;
    moveTo(std::clamp(offset_ + delta, 0, maximum()));
}

double TextScroller::canvasTopTwips() const {
    return -double(offset_) * kTwipsPerPixel;
}

double TextScroller::handleTopTwips() const {
    const int max = maximum();
    if (max <= 0) {
        return kHandleStartTwips;
    }
    const int percent = offset_ * 100 / max;
    QStyleOptionSlider option;
    option.initFrom(thumb_);
    option.orientation = Qt::Vertical;
    option.minimum = thumb_->minimum();
    option.maximum = thumb_->maximum();
    option.sliderPosition = thumb_->sliderPosition();
    option.sliderValue = thumb_->value();
    option.pageStep = thumb_->pageStep();
    option.singleStep = thumb_->singleStep();
    const QRect groove = thumb_->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarGroove, thumb_);
    const QRect slider = thumb_->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarSlider, thumb_);
    const int travel = std::max(0, groove.height() - slider.height());
    return kHandleStartTwips + double(percent) * travel * kTwipsPerPixel / 100.0;
}

bool TextScroller::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize) {
        relayout();
    } else if ((watched == viewport_ || watched == canvas_) && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0) {
            scrollByLearner(-notches * kWheelStep);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TextScroller::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    relayout();
    emit moved();
}

} // namespace sentara::ui
