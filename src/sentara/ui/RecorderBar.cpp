#include "RecorderBar.h"

#include "PanelWidgets.h"

#include "sentara/modes/VoiceRecording.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace sentara::ui {

namespace {

constexpr int kMeterSteps = 100;
constexpr double kMeterRangeDb = 60;

} // namespace

RecorderBar::RecorderBar(VoiceRecording& recording, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RecorderBar"));
    record_ = command(QStringLiteral("RecordCommand"), {}, this);
    stop_ = command(QStringLiteral("RecordStopCommand"), {}, this);
    playOwn_ = command(QStringLiteral("UserVoiceCommand"), {}, this);
    playModel_ = command(QStringLiteral("SoftwareVoiceCommand"), {}, this);
    compare_ = command(QStringLiteral("RepeatCommand"), {}, this);
    record_->setToolTip(QStringLiteral("录下自己的声音（保存为程序文件夹中的 Recorder.wav）"));
    playOwn_->setToolTip(QStringLiteral("从头播放我的录音"));
    playModel_->setToolTip(QStringLiteral("播放本句的原音"));
    compare_->setToolTip(QStringLiteral("先播放本句原音，再播放我的录音"));

    levelCaption_ = label(QStringLiteral("RecordLevelLabel"), {}, this);
    meter_ = new QProgressBar(this);
    meter_->setObjectName(QStringLiteral("RecordLevelBar"));
    meter_->setRange(0, kMeterSteps);
    meter_->setTextVisible(false);
    meter_->setMaximumHeight(12);
    status_ = label(QStringLiteral("RecordStatusLabel"), {}, this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {record_, stop_, playOwn_, playModel_, compare_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* level = new QHBoxLayout;
    level->addStretch(1);
    level->addWidget(levelCaption_);
    level->addWidget(meter_, 2);
    level->addWidget(status_);
    level->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(buttons);
    column->addLayout(level);

    connect(record_, &QPushButton::clicked, this, [&recording] { recording.record(); });
    connect(stop_, &QPushButton::clicked, this, [&recording] { recording.stop(); });
    connect(playOwn_, &QPushButton::clicked, this, [&recording] { recording.playOwn(); });
    connect(playModel_, &QPushButton::clicked, this, [&recording] { recording.playModel(); });
    connect(compare_, &QPushButton::clicked, this, [&recording] { recording.compare(); });
    // The meter moves many times a second: it follows the level alone, without a full render.
    connect(&recording, &VoiceRecording::levelChanged, this, &RecorderBar::showLevel);
}

void RecorderBar::render(const VoiceRecordingView& view) {
    record_->setText(view.recordCaption);
    stop_->setText(view.stopCaption);
    playOwn_->setText(view.playOwnCaption);
    playModel_->setText(view.playModelCaption);
    compare_->setText(view.compareCaption);
    stop_->setEnabled(view.stopEnabled);
    playOwn_->setEnabled(view.playOwnEnabled);
    compare_->setEnabled(view.compareEnabled);
    playModel_->setEnabled(view.playModelEnabled);
    levelCaption_->setText(view.levelCaption);
    status_->setText(view.status);
    meter_->setEnabled(view.recording);
    showLevel(view.level);
}

void RecorderBar::showLevel(double level) {
    // Decibels from -60 (empty) to 0 (full), as loudness is heard: a voice fills most of it.
    const double decibels = level > 0 ? 20.0 * std::log10(std::min(level, 1.0)) : -kMeterRangeDb;
    const double share = std::clamp((decibels + kMeterRangeDb) / kMeterRangeDb, 0.0, 1.0);
    meter_->setValue(static_cast<int>(std::lround(share * kMeterSteps)));
}

void RecorderBar::setTextScale(double scale) {
    for (QWidget* text : {static_cast<QWidget*>(levelCaption_), static_cast<QWidget*>(status_)}) {
        setPointSize(text, 10.5 * scale);
    }
    // The status comes and goes; the meter keeps its place.
    status_->setMinimumWidth(
        status_->fontMetrics().horizontalAdvance(QStringLiteral("正在录音……")));
}

} // namespace sentara::ui
