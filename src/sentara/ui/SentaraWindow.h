#pragma once

#include "common/ports/VideoSurfaces.h"
#include "sentara/course/SessionView.h"

#include <QMainWindow>

class QAction;
class QStackedWidget;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace common {
class CourseFolder;
}

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class CatalogueTree;
class ClickableLabel;
class CoverListPanel;
class DictationPanel;
class ResultsPanel;
class SpellingPanel;
class EngineChooser;
class FillInPanel;
class FullTextWordPanel;
class ModePanels;
class ModeTabBar;
class OptionsMenu;
class RecallPanel;
class SentencePanel;
class VideoPanel;
class VideoWindow;
class VoicePanel;
class WordPanelWidget;

// The main window: the catalogue on the left, the mode tabs and one panel per study mode on the
// right. It renders the session's view and forwards the learner's clicks, keys and menu commands
// to the session. However it closes, the session shuts down once (which writes the settings).
// It hosts the places where video lessons are seen (the video mode's area, the floating video
// window); the session decides which player draws where and which is seen.
class SentaraWindow : public QMainWindow, public ports::VideoSurfaces {
    Q_OBJECT
public:
    SentaraWindow(SentaraSession& session, const common::CourseFolder& folder,
                  QWidget* parent = nullptr);
    ~SentaraWindow() override;

    // Renders the catalogue (once) and the current view; call after the session has started.
    void showCatalogue();
    void render();
    void applyFocus(sentara::FocusTarget target);
    // Empties an input box the session cleared.
    void clearInput(sentara::FocusTarget target);
    void setLargeLayout(bool large);
    bool isLargeLayout() const { return large_; }

    CatalogueTree* catalogue() const { return tree_; }
    ModeTabBar* tabs() const { return tabs_; }
    QStackedWidget* panels() const { return stack_; }
    // The mode panels are built the first time they are shown or asked for.
    SentencePanel* sentencePanel();
    VoicePanel* voicePanel();
    RecallPanel* recallPanel();
    FillInPanel* fillInPanel();
    VideoPanel* videoPanel() const;
    VideoWindow* videoWindow() const { return videoWindow_; }
    // The full-text menu's "关闭视频"/"打开视频" entry (VideoOpenClose, after "选择发音引擎"):
    // its caption and visibility follow the video mode; the full-text view's menu adds it.
    QAction* videoOpenCloseAction() const { return videoOpenClose_; }
    // The options menus are made the first time they are opened or asked for.
    OptionsMenu* sentenceMenu();
    FullTextWordPanel* fullTextPanel();
    CoverListPanel* coverPanel();
    OptionsMenu* fullTextMenu();
    OptionsMenu* coverMenu();
    EngineChooser* engineChooser() const { return engine_; }
    WordPanelWidget* wordPanel() const { return wordPanel_; }
    DictationPanel* dictationPanel();
    SpellingPanel* spellingPanel();
    // nullptr until the results are first opened.
    ResultsPanel* resultsPanel() const { return results_; }
    OptionsMenu* dictationMenu();
    OptionsMenu* spellingMenu();
    // The mode's panel; nullptr for a number that is no mode.
    QWidget* modePanel(int mode);
    // Whether the mode has its own view here.
    static bool hasView(int mode);

    // The colour behind the catalogue and the text panels.
    static QColor textPanelColour();

    QObject* surface(ports::MediaEngines::Engine engine, Place place) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildTopBar(QWidget* parent, QVBoxLayout* column);
    void connectMenus();
    // The menu in `slot`, made by `make`, connected and rendered, if it is not made yet.
    OptionsMenu* madeMenu(OptionsMenu*& slot, OptionsMenu* (*make)(QWidget*));
    void setTextScale(double scale);
    void scaleCatalogueAndTabs(double scale);
    void shutdownOnce();

    SentaraSession& session_;
    const common::CourseFolder& folder_;
    CatalogueTree* tree_;
    ModeTabBar* tabs_;
    QStackedWidget* stack_;
    ModePanels* modes_ = nullptr;
    VideoWindow* videoWindow_ = nullptr;
    QAction* videoOpenClose_ = nullptr;
    OptionsMenu* sentenceMenu_ = nullptr;
    OptionsMenu* fullTextMenu_ = nullptr;
    OptionsMenu* coverMenu_ = nullptr;
    ResultsPanel* results_ = nullptr; // made when first opened
    double textScale_ = 1.0;
    OptionsMenu* dictationMenu_ = nullptr;
    OptionsMenu* spellingMenu_ = nullptr;
    WordPanelWidget* wordPanel_ = nullptr;
    EngineChooser* engine_ = nullptr;
    ClickableLabel* mini_ = nullptr;
    QPushButton* layoutCommand_ = nullptr;
    QPushButton* exitCommand_ = nullptr;
    bool large_ = false;
    bool shutDown_ = false;
    bool catalogueShown_ = false;
    int renderedNode_ = 0;
};

} // namespace sentara::ui
