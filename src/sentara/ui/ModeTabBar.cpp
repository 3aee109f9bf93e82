#include "ModeTabBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLayout>
#include <QToolButton>

namespace sentara::ui {

namespace {
// Left to right; the free-spelling tab stands where the dictation tab is when that one is hidden.
constexpr int kOrder[ModeTabBar::kModeCount] = {1, 2, 3, 4, 7, 8, 9, 6, 5};
constexpr int kMarkerHeight = 3;
} // namespace

ModeTabBar::ModeTabBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabRow"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, kMarkerHeight + 1);
    row->setSpacing(2);
    tabs_.resize(kModeCount);
    for (int mode : kOrder) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("TabImage(%1)").arg(mode));
        button->setText(caption(mode));
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, mode] { emit tabClicked(mode); });
        row->addWidget(button);
        tabs_[mode - 1] = button;
    }
    row->addStretch(1);
    marker_ = new QFrame(this);
    marker_->setObjectName(QStringLiteral("CurrentSelectImage"));
    marker_->setAutoFillBackground(true);
    QPalette palette = marker_->palette();
    palette.setColor(QPalette::Window, QColor(0x01, 0x4C, 0xB6));
    marker_->setPalette(palette);
    marker_->hide();
}

QString ModeTabBar::caption(int mode) {
    switch (mode) {
    case 1:
        return QStringLiteral("全文浏览");
    case 2:
        return QStringLiteral("句子浏览");
    case 3:
        return QStringLiteral("英汉互译");
    case 4:
        return QStringLiteral("听写测试");
    case 5:
        return QStringLiteral("视频学习");
    case 6:
        return QStringLiteral("听力训练");
    case 7:
        return QStringLiteral("自由拼写");
    case 8:
        return QStringLiteral("句子回想");
    case 9:
        return QStringLiteral("单词填空");
    default:
        return {};
    }
}

void ModeTabBar::setSelected(int mode) {
    selected_ = mode;
    // Each tab has the bar's font, the selected one in bold.
    for (int m = 1; m <= kModeCount; ++m) {
        QFont font = this->font();
        font.setBold(m == mode);
        if (tabs_[m - 1]->font() != font) {
            tabs_[m - 1]->setFont(font);
        }
    }
    placeMarker();
}

void ModeTabBar::setTabVisible(int mode, bool visible) {
    // Each render sets every tab: only a change moves the tabs.
    if (QToolButton* button = tab(mode); button && button->isHidden() == visible) {
        button->setVisible(visible);
        placeMarker();
    }
}

bool ModeTabBar::isTabVisible(int mode) const {
    const QToolButton* button = tab(mode);
    return button && !button->isHidden();
}

QToolButton* ModeTabBar::tab(int mode) const {
    return mode >= 1 && mode <= kModeCount ? tabs_[mode - 1] : nullptr;
}

void ModeTabBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeMarker();
}

void ModeTabBar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placeMarker();
}

void ModeTabBar::placeMarker() {
    QToolButton* button = tab(selected_);
    if (!button || button->isHidden()) {
        marker_->hide();
        return;
    }
    layout()->activate();
    const QRect area = button->geometry();
    marker_->setGeometry(area.left(), area.bottom() + 1, area.width(), kMarkerHeight);
    marker_->show();
    marker_->raise();
}

} // namespace sentara::ui
