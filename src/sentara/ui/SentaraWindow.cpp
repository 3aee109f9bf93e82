#include "SentaraWindow.h"

#include "CatalogueTree.h"
#include "ClickableLabel.h"
#include "CoverListPanel.h"
#include "DictationPanel.h"
#include "EngineChooser.h"
#include "FillInPanel.h"
#include "FullTextWiring.h"
#include "FullTextWordPanel.h"
#include "ModePanels.h"
#include "ModeTabBar.h"
#include "NoteBox.h"
#include "OptionsMenu.h"
#include "RecallPanel.h"
#include "RecorderBar.h"
#include "ResultsPanel.h"
#include "SentencePanel.h"
#include "SpellingPanel.h"
#include "StoredColour.h"
#include "VideoArea.h"
#include "VideoPanel.h"
#include "VideoWindow.h"
#include "VoicePanel.h"
#include "WordPanelWidget.h"

#include "platform/VideoFrameSlot.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/dictation/DictationTest.h"
#include "sentara/dictation/ResultsReport.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"
#include "sentara/modes/SentenceBrowsing.h"
#include "sentara/modes/VideoMode.h"
#include "sentara/modes/VoiceRecording.h"
#include "sentara/modes/WordPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace sentara::ui {

namespace {

std::optional<ShortcutKey> shortcutOf(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        return ShortcutKey::Backspace;
    case Qt::Key_Control:
        return ShortcutKey::Ctrl;
    case Qt::Key_PageUp:
        return ShortcutKey::PageUp;
    case Qt::Key_PageDown:
        return ShortcutKey::PageDown;
    case Qt::Key_Home:
        return ShortcutKey::Home;
    case Qt::Key_F1:
        return ShortcutKey::F1;
    case Qt::Key_F2:
        return ShortcutKey::F2;
    case Qt::Key_F3:
        return ShortcutKey::F3;
    case Qt::Key_F4:
        return ShortcutKey::F4;
    case Qt::Key_F5:
        return ShortcutKey::F5;
    case Qt::Key_F6:
        return ShortcutKey::F6;
    case Qt::Key_F7:
        return ShortcutKey::F7;
    case Qt::Key_F8:
        return ShortcutKey::F8;
    case Qt::Key_F9:
        return ShortcutKey::F9;
    case Qt::Key_F10:
        return ShortcutKey::F10;
    case Qt::Key_F12:
        return ShortcutKey::F12;
    default:
        return std::nullopt;
    }
}

} // namespace

SentaraWindow::SentaraWindow(SentaraSession& session, const common::CourseFolder& folder,
                             QWidget* parent)
    : QMainWindow(parent), session_(session), folder_(folder) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sentara 英语句子训练"));

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(6, 6, 6, 6);
    buildTopBar(central, column);

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setChildrenCollapsible(false);
    tree_ = new CatalogueTree(splitter);
    tree_->setBackground(textPanelColour());

    auto* right = new QWidget(splitter);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    tabs_ = new ModeTabBar(right);
    stack_ = new QStackedWidget(right);
    stack_->setObjectName(QStringLiteral("ModePanels"));
    stack_->setAutoFillBackground(true);
    QPalette panelPalette = stack_->palette();
    panelPalette.setColor(QPalette::Window, textPanelColour());
    stack_->setPalette(panelPalette);
    // The catalogue and the tabs take their fonts before the splitter first measures them.
    scaleCatalogueAndTabs(1.0);
    rightColumn->addWidget(tabs_);
    rightColumn->addWidget(stack_, 1);
    splitter->addWidget(tree_);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 760});
    column->addWidget(splitter, 1);
    setCentralWidget(central);

    modes_ = new ModePanels(session_, folder_, stack_,
                            {[this] { return sentenceMenu(); }, [this] { return fullTextMenu(); },
                             [this] { return coverMenu(); }, [this] { return dictationMenu(); },
                             [this] { return spellingMenu(); }});
    wordPanel_ = new WordPanelWidget(this);
    videoWindow_ = new VideoWindow(this);
    videoOpenClose_ = new QAction(this);
    videoOpenClose_->setObjectName(QStringLiteral("VideoOpenClose"));
    connectMenus();
    setTextScale(1.0);

    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    quit->setContext(Qt::ApplicationShortcut);
    connect(quit, &QShortcut::activated, this, &QWidget::close);

    connect(&session_, &SentaraSession::changed, this, &SentaraWindow::render);
    connect(&session_, &SentaraSession::focusRequested, this, &SentaraWindow::applyFocus);
    connect(&session_, &SentaraSession::largeLayoutRequested, this, &SentaraWindow::setLargeLayout);
    connect(&session_, &SentaraSession::inputCleared, this, &SentaraWindow::clearInput);
    qApp->installEventFilter(this);
    resize(1100, 680);
    setMinimumSize(760, 480);
}

SentaraWindow::~SentaraWindow() {
    qApp->removeEventFilter(this);
    // The players outlive the window: they must not draw into its surfaces once they are gone.
    session_.setVideoSurfaces(nullptr);
}

QColor SentaraWindow::textPanelColour() {
    return QColor(0xF3, 0xF7, 0xFB);
}

void SentaraWindow::buildTopBar(QWidget* parent, QVBoxLayout* column) {
    auto* bar = new QHBoxLayout;
    auto* name = new QLabel(QStringLiteral("英语句子训练"), parent);
    QFont font = name->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    name->setFont(font);
    engine_ = new EngineChooser(parent);
    mini_ = new ClickableLabel(QStringLiteral("迷你窗口"), parent);
    mini_->setObjectName(QStringLiteral("MiniLabel"));
    mini_->setToolTip(QStringLiteral("保存设置并打开迷你训练窗口"));
    layoutCommand_ = new QPushButton(QStringLiteral("大界面"), parent);
    layoutCommand_->setObjectName(QStringLiteral("MaxCommand"));
    layoutCommand_->setFocusPolicy(Qt::NoFocus);
    exitCommand_ = new QPushButton(QStringLiteral("退出"), parent);
    exitCommand_->setObjectName(QStringLiteral("ExitCommand"));
    exitCommand_->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(name);
    bar->addStretch(1);
    bar->addWidget(engine_);
    bar->addSpacing(12);
    bar->addWidget(mini_);
    bar->addWidget(layoutCommand_);
    bar->addWidget(exitCommand_);
    column->addLayout(bar);

    connect(engine_, &EngineChooser::backupChosen, this, [this] { session_.Option3_MouseUp(); });
    connect(engine_, &EngineChooser::defaultChosen, this, [this] { session_.Option4_MouseUp(); });
    connect(mini_, &ClickableLabel::clicked, this, [this] { session_.MiniLabel_MouseUp(); });
    connect(layoutCommand_, &QPushButton::clicked, this,
            [this] { session_.setLargeLayout(!large_); });
    connect(exitCommand_, &QPushButton::clicked, this, &QWidget::close);
}

void SentaraWindow::connectMenus() {
    connect(tree_, &CatalogueTree::nodeClicked, this, [this](int node) {
        session_.TreeView1_NodeClick(node);
        // A Book node, or a lesson whose file is missing, leaves the loaded lesson selected.
        tree_->selectNode(session_.view().lesson.selectedNode, false);
    });
    connect(tabs_, &ModeTabBar::tabClicked, this,
            [this](int mode) { session_.TabImage_Click(mode); });
    connect(wordPanel_, &WordPanelWidget::dictionaryLinkClicked, this,
            [this] { session_.wordPanel().openOnlineDictionary(); });

    VideoMode& video = session_.videoMode();
    connect(videoWindow_, &VideoWindow::closeClicked, this,
            [&video] { video.closeFloatingWindow(); });
    connect(videoOpenClose_, &QAction::triggered, this, [&video] { video.toggleFloatingWindow(); });
    session_.setVideoSurfaces(this);
}

OptionsMenu* SentaraWindow::sentenceMenu() {
    return madeMenu(sentenceMenu_, &OptionsMenu::sentenceMenu);
}

OptionsMenu* SentaraWindow::fullTextMenu() {
    return madeMenu(fullTextMenu_, &OptionsMenu::fullTextMenu);
}

OptionsMenu* SentaraWindow::coverMenu() {
    return madeMenu(coverMenu_, &OptionsMenu::coverMenu);
}

OptionsMenu* SentaraWindow::dictationMenu() {
    return madeMenu(dictationMenu_, &OptionsMenu::dictationMenu);
}

OptionsMenu* SentaraWindow::spellingMenu() {
    return madeMenu(spellingMenu_, &OptionsMenu::spellingMenu);
}

OptionsMenu* SentaraWindow::madeMenu(OptionsMenu*& slot, OptionsMenu* (*make)(QWidget*)) {
    if (slot != nullptr) {
        return slot;
    }
    OptionsMenu* menu = make(this);
    slot = menu;
    if (menu == fullTextMenu_ || menu == coverMenu_) {
        wireFullTextMenu(session_, menu, this);
    } else {
        connect(menu, &OptionsMenu::familyChosen, this,
                [this](OptionFamily family, int index) { session_.selectOption(family, index); });
        connect(menu, &OptionsMenu::toggleChosen, this,
                [this](OptionToggle toggle) { session_.toggleOption(toggle); });
    }
    if (menu == fullTextMenu_) {
        // Its last entry: the floating video window put away or brought back.
        menu->addAction(videoOpenClose_);
    }
    if (menu == dictationMenu_) {
        connect(menu->entry(QStringLiteral("WriteSet6")), &QAction::triggered, this,
                [this] { session_.WriteSet6_Click(); });
        connect(menu->entry(QStringLiteral("LookResults")), &QAction::triggered, this,
                [this] { session_.results().ShowResults(); });
    }
    menu->render(session_.view().options);
    return menu;
}

void SentaraWindow::showCatalogue() {
    QList<CatalogueTree::Book> books;
    for (const CatalogueBookView& book : session_.catalogue().books) {
        books.append({book.title, book.lessonTitles});
    }
    tree_->setBooks(books);
    tree_->setBackground(textPanelColour());
    catalogueShown_ = true;
    render();
}

void SentaraWindow::render() {
    const SessionView view = session_.view();
    if (catalogueShown_ && renderedNode_ != view.lesson.selectedNode) {
        renderedNode_ = view.lesson.selectedNode;
        tree_->selectNode(renderedNode_);
    }

    for (int mode = 1; mode <= ModeTabBar::kModeCount; ++mode) {
        tabs_->setTabVisible(mode, view.mode.tabVisible[static_cast<std::size_t>(mode)]);
    }
    tabs_->setSelected(view.mode.selectedTab);
    // The panel of the mode shown is built before it is first seen.
    if (QWidget* panel = modes_->panel(view.mode.modeIndex)) {
        stack_->setCurrentWidget(panel);
    }
    modes_->render(view);

    const VideoView video = session_.videoMode().view();
    videoWindow_->render(video);
    videoOpenClose_->setText(video.menuEntryCaption);
    videoOpenClose_->setVisible(video.menuEntryVisible);
    for (OptionsMenu* menu :
         {sentenceMenu_, fullTextMenu_, coverMenu_, dictationMenu_, spellingMenu_}) {
        if (menu != nullptr) {
            menu->render(view.options);
        }
    }
    // The results panel is made the first time it is opened.
    if (results_ == nullptr && session_.results().view().visible) {
        results_ = new ResultsPanel(session_.results(), this);
        results_->setTextScale(textScale_);
    }
    if (results_ != nullptr) {
        results_->render();
    }
    wordPanel_->render(view.wordPanel);
    engine_->setEngine(view.mode.engineChoice);
    if (view.mode.largeLayout != large_) {
        setLargeLayout(view.mode.largeLayout);
    }
}

QWidget* SentaraWindow::modePanel(int mode) {
    return modes_->panel(mode);
}

SentencePanel* SentaraWindow::sentencePanel() {
    return modes_->sentence();
}

VoicePanel* SentaraWindow::voicePanel() {
    return modes_->voice();
}

RecallPanel* SentaraWindow::recallPanel() {
    return modes_->recall();
}

FillInPanel* SentaraWindow::fillInPanel() {
    return modes_->fillIn();
}

VideoPanel* SentaraWindow::videoPanel() const {
    return modes_->video();
}

FullTextWordPanel* SentaraWindow::fullTextPanel() {
    return modes_->fullText();
}

CoverListPanel* SentaraWindow::coverPanel() {
    return modes_->cover();
}

DictationPanel* SentaraWindow::dictationPanel() {
    return modes_->dictation();
}

SpellingPanel* SentaraWindow::spellingPanel() {
    return modes_->spelling();
}

QObject* SentaraWindow::surface(ports::MediaEngines::Engine engine, Place place) const {
    const bool backup = engine == ports::MediaEngines::Engine::Backup;
    if (place == Place::ModeArea) {
        VideoArea* area = modes_->video()->area();
        return backup ? static_cast<QObject*>(area->nativeSurface()) : area->frames();
    }
    // The backup engine has no floating window.
    return backup ? nullptr : videoWindow_->frames();
}

bool SentaraWindow::hasView(int mode) {
    return mode >= 1 && mode <= ModePanels::kModeCount;
}

void SentaraWindow::applyFocus(FocusTarget target) {
    if (target == FocusTarget::NoteBox) {
        modes_->sentence()->focusNote();
    } else if (target == FocusTarget::FillInInput) {
        modes_->fillIn()->focusInput();
    } else if (target == FocusTarget::FullTextSearch) {
        modes_->fullText()->focusSearch();
    } else if (target == FocusTarget::ListSearch) {
        modes_->cover()->focusSearch();
    } else if (target == FocusTarget::DictationInput) {
        modes_->dictation()->focusBox();
    } else if (target == FocusTarget::SpellingInput) {
        modes_->spelling()->focusBox();
    }
}

void SentaraWindow::clearInput(FocusTarget target) {
    // A note box not built yet takes the stored note when it is.
    if (target == FocusTarget::NoteBox && modes_->isBuilt(2)) {
        modes_->sentence()->noteBox()->clearInput();
    }
}

void SentaraWindow::setLargeLayout(bool large) {
    if (large == large_ && (large ? isMaximized() : !isMaximized())) {
        return;
    }
    large_ = large;
    layoutCommand_->setText(large ? QStringLiteral("普通界面") : QStringLiteral("大界面"));
    setTextScale(large ? 1.3 : 1.0);
    if (large) {
        if (const QScreen* screen = this->screen()) {
            setGeometry(screen->availableGeometry());
        }
        showMaximized();
    } else {
        showNormal();
    }
}

void SentaraWindow::setTextScale(double scale) {
    textScale_ = scale;
    modes_->setTextScale(scale);
    if (results_ != nullptr) {
        results_->setTextScale(scale);
    }
    wordPanel_->setTextScale(scale);
    scaleCatalogueAndTabs(scale);
}

void SentaraWindow::scaleCatalogueAndTabs(double scale) {
    tree_->setMinimumWidth(static_cast<int>(200 * scale));
    QFont treeFont = tree_->font();
    treeFont.setPointSizeF(QApplication::font().pointSizeF() * scale);
    tree_->setFont(treeFont);
    QFont tabFont = tabs_->font();
    tabFont.setPointSizeF(QApplication::font().pointSizeF() * scale * 1.1);
    tabs_->setFont(tabFont);
    tabs_->setSelected(tabs_->selected());
}

void SentaraWindow::shutdownOnce() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    session_.shutdown();
}

void SentaraWindow::closeEvent(QCloseEvent* event) {
    // The note being edited is kept before the settings are written.
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused)) {
        focused->clearFocus();
    }
    shutdownOnce();
    event->accept();
}

void SentaraWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized()) {
        session_.videoMode().mainWindowMinimized();
    } else if (change->oldState().testFlag(Qt::WindowMinimized)) {
        session_.videoMode().mainWindowRestored();
    }
}

bool SentaraWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        if (!key->isAutoRepeat()) {
            session_.KeyUp();
        }
        return QMainWindow::eventFilter(watched, event);
    }
    if (const std::optional<ShortcutKey> shortcut = shortcutOf(key->key())) {
        if (session_.KeyDown(*shortcut)) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace sentara::ui
