#include "oralix/ui/OralixWindow.h"

#include "oralix/core/OralixSession.h"
#include "oralix/ui/Colours.h"
#include "oralix/ui/PanelButton.h"
#include "oralix/ui/PracticePanel.h"
#include "oralix/ui/SentenceBar.h"
#include "oralix/ui/SettingsWindow.h"
#include "oralix/ui/StudyPanel.h"
#include "oralix/ui/TypingBox.h"
#include "platform/Fonts.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace oralix::ui {

namespace {

QPushButton* headerButton(const QString& caption, const QString& name, QWidget* parent) {
    QPushButton* b = panelButton(caption, name, parent);
    b->setFlat(true);
    b->setFixedSize(24, 20);
    return b;
}

} // namespace

OralixWindow::OralixWindow(OralixSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      session_(session), screen_(this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Oralix"));
    setFont(platform::Fonts::ui(10.5));
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    header_ = new QWidget(this);
    auto* headerRow = new QHBoxLayout(header_);
    headerRow->setContentsMargins(6, 2, 2, 0);
    headerRow->setSpacing(2);
    auto* logo = new QLabel(QStringLiteral("◆"), header_);
    logo->setObjectName(QStringLiteral("Image21"));
    logo->setCursor(Qt::PointingHandCursor);
    logo->installEventFilter(this);
    title_ = new QLabel(QStringLiteral("英语口语练习"), header_);
    title_->setObjectName(QStringLiteral("Label27"));
    title_->installEventFilter(this);
    panelToggle_ = headerButton(QStringLiteral("▲"), QStringLiteral("PanelToggle"), header_);
    panelToggle_->setToolTip(QStringLiteral("收起或展开练习面板"));
    auto* minimise = headerButton(QStringLiteral("－"), QStringLiteral("Command17_1"), header_);
    auto* close = headerButton(QStringLiteral("×"), QStringLiteral("Command17_0"), header_);
    headerRow->addWidget(logo);
    headerRow->addWidget(title_);
    headerRow->addStretch();
    headerRow->addWidget(panelToggle_);
    headerRow->addWidget(minimise);
    headerRow->addWidget(close);
    layout->addWidget(header_);

    bar_ = new SentenceBar(this);
    bar_->englishLine()->installEventFilter(this);
    bar_->chineseLine()->installEventFilter(this);
    layout->addWidget(bar_);
    practice_ = new PracticePanel(session_, this);
    practice_->setAutoFillBackground(true);
    layout->addWidget(practice_);

    connect(panelToggle_, &QPushButton::clicked, this,
            [this] { setPracticePanelShown(!practice_->isVisible()); });
    connect(minimise, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&session_, &OralixSession::changed, this, &OralixWindow::render);

    buildMenu();
    addShortcuts();
    const QRect area = screen()->availableGeometry();
    move(area.left() + 6, area.top() + 4);
    render();
}

void OralixWindow::buildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("AR1"));
    auto add = [this](const QString& caption, const QString& name) {
        QAction* action = menu_->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    connect(add(QStringLiteral("上一句(&B)"), QStringLiteral("AR2")), &QAction::triggered,
            &session_, &OralixSession::previousSentence);
    connect(add(QStringLiteral("下一句(&N)"), QStringLiteral("AR3")), &QAction::triggered,
            &session_, &OralixSession::nextSentence);
    connect(add(QStringLiteral("朗读(&R)"), QStringLiteral("AR6")), &QAction::triggered, &session_,
            &OralixSession::playSentence);
    QAction* chinese = add(QStringLiteral("中文(&C)"), QStringLiteral("AR9"));
    chinese->setCheckable(true);
    connect(chinese, &QAction::triggered, &session_, &OralixSession::setChineseLineShown);
    menu_->addSeparator();
    connect(add(QStringLiteral("选项(&S)"), QStringLiteral("AR5")), &QAction::triggered, this,
            &OralixWindow::openSettings);
    connect(add(QStringLiteral("退出(&E)"), QStringLiteral("AR4")), &QAction::triggered, this,
            &QWidget::close);
}

void OralixWindow::addShortcuts() {
    auto key = [this](QKeySequence sequence, auto slot) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_PageUp), [this] { session_.previousSentence(); });
    key(QKeySequence(Qt::Key_PageDown), [this] { session_.nextSentence(); });
    key(QKeySequence(Qt::Key_F1), [this] { session_.firstSentence(); });
    key(QKeySequence(Qt::Key_F8), [this] { session_.playSentence(); });
    key(QKeySequence(Qt::Key_F9), [this] {
        session_.peek();
        practice_->studyPanel()->typingBox()->setFocus();
    });
}

void OralixWindow::render() {
    const OralixView& view = session_.view();
    QPalette p = palette();
    p.setColor(QPalette::Window, colourOf(view.backgroundColour));
    setPalette(p);
    QPalette panelPalette = practice_->palette();
    panelPalette.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF8));
    practice_->setPalette(panelPalette);

    bar_->setVisible(view.modeInfo.sentenceLines);
    const bool wide = bar_->render(view, screen_.workArea().width());
    practice_->render(view);
    for (QAction* action : menu_->actions()) {
        if (action->objectName() == QLatin1String("AR2")) {
            action->setEnabled(view.sentence.previousEnabled);
        } else if (action->objectName() == QLatin1String("AR3")) {
            action->setEnabled(view.sentence.nextEnabled);
        } else if (action->objectName() == QLatin1String("AR9")) {
            action->setChecked(view.sentence.chineseCheck);
        }
    }
    if (wide && view.modeInfo.sentenceLines) {
        move(screen_.workArea().left() + 10, y());
    }
}

void OralixWindow::setPracticePanelShown(bool shown) {
    practice_->setVisible(shown);
    panelToggle_->setText(shown ? QStringLiteral("▲") : QStringLiteral("▼"));
}

void OralixWindow::openSettings() {
    if (!settings_) {
        settings_ = new SettingsWindow(session_, this);
    }
    settings_->show();
    settings_->raise();
}

void OralixWindow::focusTypingBox() {
    practice_->studyPanel()->typingBox()->setFocus();
}

void OralixWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        if (settings_) {
            settings_->close();
        }
        QString error;
        if (!session_.shutdown(&error)) {
            qWarning("Oralix: the settings could not be saved: %s", qPrintable(error));
            if (!quietClose_) {
                QMessageBox::information(this, QStringLiteral("提示"),
                                         QStringLiteral("无法保存设置：") + error);
            }
        }
    }
    event->accept();
}

void OralixWindow::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
}

void OralixWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void OralixWindow::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void OralixWindow::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

bool OralixWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched->objectName() == QLatin1String("Image21")) {
        if (event->type() == QEvent::MouseButtonRelease) {
            session_.openLogoPage();
            return true;
        }
        return false;
    }
    // The title and the sentence lines drag the window like its background does.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mousePressEvent(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::MouseMove:
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(static_cast<QMouseEvent*>(event));
        return false;
    default:
        return false;
    }
}

} // namespace oralix::ui
