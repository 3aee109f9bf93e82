#include "EngineChooser.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace sentara::ui {

EngineChooser::EngineChooser(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("EnginePicture"));
    auto* caption = new QLabel(QStringLiteral("发音引擎："), this);
    backup_ = new QRadioButton(QStringLiteral("备用引擎"), this);
    backup_->setObjectName(QStringLiteral("Option3"));
    default_ = new QRadioButton(QStringLiteral("默认引擎"), this);
    default_->setObjectName(QStringLiteral("Option4"));
    default_->setToolTip(
        QStringLiteral("音频课：逐样本精确播放句子，变速时音调不变；视频课：Qt Multimedia"));
    backup_->setToolTip(QStringLiteral("音频课和视频课都由 libmpv 播放"));
    for (QRadioButton* option : {backup_, default_}) {
        option->setFocusPolicy(Qt::NoFocus);
        option->setCursor(Qt::PointingHandCursor);
    }
    auto* group = new QButtonGroup(this);
    group->addButton(backup_);
    group->addButton(default_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(caption);
    row->addWidget(backup_);
    row->addWidget(default_);
    connect(backup_, &QRadioButton::clicked, this, &EngineChooser::backupChosen);
    connect(default_, &QRadioButton::clicked, this, &EngineChooser::defaultChosen);
}

void EngineChooser::setEngine(int engineChoice) {
    (engineChoice == 1 ? backup_ : default_)->setChecked(true);
}

} // namespace sentara::ui
