#pragma once

#include "sentara/course/SessionView.h"

#include <QMainWindow>

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
class DictationPanel;
class ResultsPanel;
class SpellingPanel;
class EngineChooser;
class FillInPanel;
class ModeTabBar;
class OptionsMenu;
class PlaceholderPanel;
class RecallPanel;
class SentencePanel;
class VoicePanel;
class WordPanelWidget;

// The main window: the catalogue on the left, the mode tabs and one panel per study mode on the
// right. It renders the session's view and forwards the learner's clicks, keys and menu commands
// to the session. However it closes, the session shuts down once (which writes the settings).
class SentaraWindow : public QMainWindow {
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
    SentencePanel* sentencePanel() const { return sentence_; }
    VoicePanel* voicePanel() const { return voice_; }
    RecallPanel* recallPanel() const { return recall_; }
    FillInPanel* fillInPanel() const { return fillIn_; }
    OptionsMenu* sentenceMenu() const { return sentenceMenu_; }
    EngineChooser* engineChooser() const { return engine_; }
    WordPanelWidget* wordPanel() const { return wordPanel_; }
    DictationPanel* dictationPanel() const { return dictation_; }
    SpellingPanel* spellingPanel() const { return spelling_; }
    ResultsPanel* resultsPanel() const { return results_; }
    OptionsMenu* dictationMenu() const { return dictationMenu_; }
    OptionsMenu* spellingMenu() const { return spellingMenu_; }
    QWidget* modePanel(int mode) const;
    // Whether the mode has its own view here (the others show only their frame and title).
    bool hasView(int mode) const;

    // The colour behind the catalogue and the text panels.
    static QColor textPanelColour();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar(QWidget* parent, QVBoxLayout* column);
    void connectPanels();
    void connectDictation();
    void setTextScale(double scale);
    void shutdownOnce();

    SentaraSession& session_;
    const common::CourseFolder& folder_;
    CatalogueTree* tree_;
    ModeTabBar* tabs_;
    QStackedWidget* stack_;
    SentencePanel* sentence_;
    VoicePanel* voice_;
    RecallPanel* recall_;
    FillInPanel* fillIn_;
    QList<PlaceholderPanel*> placeholders_;
    OptionsMenu* sentenceMenu_;
    DictationPanel* dictation_;
    SpellingPanel* spelling_;
    ResultsPanel* results_ = nullptr;
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
