#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace sentara {
class DictationTest;
}

namespace sentara::ui {

class BlankLine;
class ClickableLabel;
class HintCardWidget;
class TypedInputBox;

// The dictation test (mode 4, WritePicture): the Chinese line, the sentence with its blanks and
// the typing box over the current one, the hint card, the hint and restart commands, the score
// and its counters, the key legend, the lesson's dictation progress with the results icon, and
// the navigation. It renders the DictationTest's view and forwards every action to it.
class DictationPanel : public QWidget {
    Q_OBJECT
public:
    DictationPanel(DictationTest& test, QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    void render();
    void setTextScale(double scale);
    // The focus into the typing box (when it is shown).
    void focusBox();

    BlankLine* words() const { return words_; }
    TypedInputBox* box() const;
    HintCardWidget* card() const { return card_; }

signals:
    void settingsClicked(const QPoint& globalPosition); // WriteSetImage, WriteSetLabel
    void resultsClicked();                              // Image1 beside the progress bar

private:
    DictationTest& test_;
    QLabel* title_;
    QToolButton* settings_;
    ClickableLabel* settingsCaption_;
    QLabel* chinese_;
    BlankLine* words_;
    HintCardWidget* card_;
    QPushButton* progressiveHint_;
    QPushButton* directHint_;
    QPushButton* restart_;
    QLabel* score_;
    QLabel* wrongCount_;
    QLabel* nextCueCount_;
    QLabel* wordCueCount_;
    QLabel* passMark_;
    QLabel* legend_;
    QLabel* progressText_;
    QProgressBar* progress_;
    QLabel* doneBadge_;
    QToolButton* resultsIcon_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* next_;
};

} // namespace sentara::ui
