#include "VoicePanel.h"

#include "PanelWidgets.h"
#include "RecorderBar.h"
#include "platform/Fonts.h"
#include "sentara/course/SessionView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sentara::ui {

namespace {

QLabel* textLine(const QString& name, QWidget* parent) {
    QLabel* line = label(name, {}, parent);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignCenter);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

} // namespace

VoicePanel::VoicePanel(VoiceRecording& recording, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VoiceModePicture"));
    title_ = label(QStringLiteral("VoiceTitleLabel"), {}, this);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("VoiceTextFrame"));
    card->setFrameShape(QFrame::StyledPanel);
    auto* cardLayout = new QVBoxLayout(card);
    english_ = textLine(QStringLiteral("VoiceEnglishTextLabel"), card);
    chinese_ = textLine(QStringLiteral("VoiceChineseTextLabel"), card);
    cardLayout->addStretch(1);
    cardLayout->addWidget(english_);
    cardLayout->addSpacing(16);
    cardLayout->addWidget(chinese_);
    cardLayout->addStretch(1);

    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("VoiceCounterLabel"));
    counter_->setAlignment(Qt::AlignCenter);

    first_ = command(QStringLiteral("VoiceBegainCommand"), QStringLiteral("首句"), this);
    back_ = command(QStringLiteral("VoiceBackCommand1"), QStringLiteral("上一句"), this);
    next_ = command(QStringLiteral("VoiceNextCommand"), QStringLiteral("下一句"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {first_, back_, next_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    recorder_ = new RecorderBar(recording, this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(title_);
    column->addWidget(card, 1);
    column->addWidget(counter_);
    column->addLayout(buttons);
    column->addSpacing(8);
    column->addWidget(recorder_);
    setTextScale(1.0);

    connect(first_, &QPushButton::clicked, this, &VoicePanel::firstClicked);
    connect(back_, &QPushButton::clicked, this, &VoicePanel::backClicked);
    connect(next_, &QPushButton::clicked, this, &VoicePanel::nextClicked);
}

void VoicePanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void VoicePanel::render(const SentenceView& view) {
    english_->setText(view.english);
    chinese_->setText(view.chinese);
    counter_->setText(view.counterText);
    back_->setEnabled(view.backEnabled);
    next_->setEnabled(view.nextEnabled);
    first_->setEnabled(view.count > 0);
}

void VoicePanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(english_, 20 * scale, false, platform::Fonts::wordFamily());
    setPointSize(chinese_, 16 * scale);
    setPointSize(counter_, 10.5 * scale);
    recorder_->setTextScale(scale);
}

} // namespace sentara::ui
