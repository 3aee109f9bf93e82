#include "PlaceholderPanel.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace sentara::ui {

PlaceholderPanel::PlaceholderPanel(const QString& objectName, const QString& modeCaption,
                                   QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    title_ = new QLabel(this);
    title_->setObjectName(objectName + QStringLiteral("Title"));
    title_->setTextFormat(Qt::PlainText);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QVBoxLayout(frame);
    caption_ = new QLabel(QStringLiteral("%1：此学习模式暂未开放").arg(modeCaption), frame);
    caption_->setAlignment(Qt::AlignCenter);
    QPalette grey = caption_->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    caption_->setPalette(grey);
    frameLayout->addWidget(caption_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(title_);
    column->addWidget(frame, 1);
    setTextScale(1.0);
}

void PlaceholderPanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void PlaceholderPanel::setTextScale(double scale) {
    QFont font = title_->font();
    font.setPointSizeF(11 * scale);
    font.setBold(true);
    title_->setFont(font);
    font.setBold(false);
    caption_->setFont(font);
}

} // namespace sentara::ui
