#include "oralix/ui/ReadAlongPanel.h"

#include "oralix/core/OralixSession.h"
#include "oralix/ui/PanelButton.h"
#include "platform/Fonts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace oralix::ui {

ReadAlongPanel::ReadAlongPanel(OralixSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("Picture4"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    english_ = new QLabel(this);
    english_->setObjectName(QStringLiteral("Label10"));
    english_->setFont(platform::Fonts::word(13));
    chinese_ = new QLabel(this);
    chinese_->setObjectName(QStringLiteral("Label11"));
    chinese_->setFont(platform::Fonts::ui(11));
    for (QLabel* l : {english_, chinese_}) {
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        l->setFixedWidth(520);
        layout->addWidget(l);
    }
    chineseHint_ = new QCheckBox(QStringLiteral("句子中文提示"), this);
    chineseHint_->setObjectName(QStringLiteral("Check4"));
    chineseHint_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(chineseHint_);

    auto* grid = new QGridLayout;
    auto* record = panelButton(QStringLiteral("录音"), QStringLiteral("Command8"), this);
    compare_ = panelButton(QStringLiteral("对比"), QStringLiteral("Command9"), this);
    stop_ = panelButton(QStringLiteral("停止"), QStringLiteral("Command10"), this);
    auto* model = panelButton(QStringLiteral("原音"), QStringLiteral("Command11"), this);
    playRecording_ = panelButton(QStringLiteral("播放录音"), QStringLiteral("Command12"), this);
    previous_ = panelButton(QStringLiteral("上一句"), QStringLiteral("Command13"), this);
    next_ = panelButton(QStringLiteral("下一句"), QStringLiteral("Command14"), this);
    auto* first = panelButton(QStringLiteral("第一句"), QStringLiteral("Command15"), this);
    const QList<QPushButton*> buttons = {record,         compare_,  stop_, model,
                                         playRecording_, previous_, next_, first};
    for (int i = 0; i < buttons.size(); ++i) {
        grid->addWidget(buttons[i], i / 5, i % 5);
    }
    layout->addLayout(grid);
    auto* volume = new QLabel(QStringLiteral("录音音量调节>>"), this);
    volume->setToolTip(QStringLiteral("录音音量请在系统的声音设置中调节"));
    layout->addWidget(volume);

    connect(chineseHint_, &QCheckBox::toggled, &session_, &OralixSession::setReadAlongChineseHint);
    connect(record, &QPushButton::clicked, &session_, &OralixSession::record);
    connect(compare_, &QPushButton::clicked, &session_, &OralixSession::compare);
    connect(stop_, &QPushButton::clicked, &session_, &OralixSession::stopRecording);
    connect(model, &QPushButton::clicked, &session_, &OralixSession::playSentence);
    connect(playRecording_, &QPushButton::clicked, &session_, &OralixSession::playRecording);
    connect(previous_, &QPushButton::clicked, &session_, &OralixSession::readAlongPrevious);
    connect(next_, &QPushButton::clicked, &session_, &OralixSession::readAlongNext);
    connect(first, &QPushButton::clicked, &session_, &OralixSession::firstSentence);
}

void ReadAlongPanel::render(const OralixView& view) {
    english_->setText(view.sentence.english);
    chinese_->setText(view.sentence.chinese);
    chinese_->setVisible(view.readAlong.chineseHint);
    {
        const QSignalBlocker block(chineseHint_);
        chineseHint_->setChecked(view.readAlong.chineseHint);
    }
    compare_->setEnabled(view.readAlong.compareEnabled);
    stop_->setEnabled(view.readAlong.stopEnabled);
    playRecording_->setEnabled(view.readAlong.playRecordingEnabled);
    previous_->setEnabled(view.sentence.previousEnabled);
    next_->setEnabled(view.sentence.nextEnabled);
}

} // namespace oralix::ui
