#pragma once

#include <QColor>
#include <QWidget>
#include <array>

class QLabel;
class QFrame;
class QPushButton;
class QToolButton;

namespace sentara {
class SentaraSession;
struct SessionView;
} // namespace sentara

namespace sentara::ui {

class FillInBox;
class HiddenWordLine;
class OptionsMenu;

// The word fill-in view (mode 9, "单词填空"): the sentence with its fill-in word hidden under the
// typing box, the cue lines, the notice line, the progress over the lesson's key words, the
// commands and the mode's menu "单词填空设置". Renders session.fillIn()'s view and forwards the
// learner's typing and clicks to it.
class FillInPanel : public QWidget {
    Q_OBJECT
public:
    FillInPanel(SentaraSession& session, QWidget* parent = nullptr);

    void render(const SessionView& view, const QColor& keyWordColour);
    void setTextScale(double scale);
    // Gives the typing box the focus (once the panel is shown).
    void focusInput();

    HiddenWordLine* words() const { return words_; }
    FillInBox* input() const { return input_; }
    QLabel* notice() const { return notice_; }
    OptionsMenu* menu() const { return menu_; }
    QPushButton* commandButton(int number) const; // 1, 5, 6, 7, 8, 9

private:
    SentaraSession& session_;
    QLabel* title_;
    QToolButton* settings_;
    HiddenWordLine* words_;
    FillInBox* input_;
    std::array<QLabel*, 3> cues_{};
    QFrame* noticeFrame_;
    QLabel* notice_;
    QLabel* progress_;
    QPushButton* first_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* pronounce_;
    QPushButton* play_;
    QPushButton* answer_;
    OptionsMenu* menu_;
};

} // namespace sentara::ui
