#pragma once

#include "sentara/course/SessionView.h"

#include <QObject>
#include <array>
#include <functional>

class QStackedWidget;

namespace common {
class CourseFolder;
}

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class CoverListPanel;
class DictationPanel;
class FillInPanel;
class FullTextWordPanel;
class OptionsMenu;
class RecallPanel;
class SentencePanel;
class SpellingPanel;
class VideoPanel;
class VoicePanel;

// The menus the mode panels open from their settings picture; each gives its menu, made the
// first time it is asked for.
struct PanelMenus {
    std::function<OptionsMenu*()> sentence;
    std::function<OptionsMenu*()> fullText;
    std::function<OptionsMenu*()> cover;
    std::function<OptionsMenu*()> dictation;
    std::function<OptionsMenu*()> spelling;
};

// The nine study modes' panels in the window's stack. A panel is built the first time its mode
// is shown or it is asked for, so the program starts with only the panel of the mode the learner
// left open; a new panel is connected to the session, scaled and rendered at once. The video
// panel is the exception: players draw into its video area even while another mode is shown, so
// it is made at the start, and joins the stack when its mode is first shown.
class ModePanels : public QObject {
    Q_OBJECT
public:
    static constexpr int kModeCount = 9;

    ModePanels(SentaraSession& session, const common::CourseFolder& folder, QStackedWidget* stack,
               const PanelMenus& menus);

    // The mode's panel (built if need be); nullptr for a number that is no mode.
    QWidget* panel(int mode);
    bool isBuilt(int mode) const;

    FullTextWordPanel* fullText();
    SentencePanel* sentence();
    CoverListPanel* cover();
    DictationPanel* dictation();
    VideoPanel* video() const { return video_; }
    VoicePanel* voice();
    SpellingPanel* spelling();
    RecallPanel* recall();
    FillInPanel* fillIn();

    // Renders every panel built so far; of the video panel while it is hidden, only its picture
    // area (it is rendered in full when shown, as the window makes it current before it renders).
    void render(const SessionView& view);
    void setTextScale(double scale);

private:
    QWidget* build(int mode);
    void connectSentencePanel();
    void connectVoicePanel();
    void renderPanel(int mode, const SessionView& view);
    void scalePanel(int mode);

    SentaraSession& session_;
    const common::CourseFolder& folder_;
    QStackedWidget* stack_;
    PanelMenus menus_;
    double scale_ = 1.0;
    std::array<QWidget*, kModeCount + 1> built_{};
    FullTextWordPanel* fullText_ = nullptr;
    SentencePanel* sentence_ = nullptr;
    CoverListPanel* cover_ = nullptr;
    DictationPanel* dictation_ = nullptr;
    VideoPanel* video_ = nullptr;
    VoicePanel* voice_ = nullptr;
    SpellingPanel* spelling_ = nullptr;
    RecallPanel* recall_ = nullptr;
    FillInPanel* fillIn_ = nullptr;
};

} // namespace sentara::ui
