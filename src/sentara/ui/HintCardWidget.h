#pragma once

#include <QFrame>

class QLabel;

namespace sentara {
struct HintCardView;
}

namespace sentara::ui {

class ClickableLabel;

// The hint card (WordCuePicture) of word recall, also used by the dictation test's hints: the
// meaning, the first letter, "点击复读", the phonetic transcription and the word, shown below the
// word it belongs to and kept inside the panel that holds it.
class HintCardWidget : public QFrame {
    Q_OBJECT
public:
    explicit HintCardWidget(QWidget* parent);

    // Shows the card below `anchor` (a word cell inside the card's parent) or hides it.
    void render(const HintCardView& view, const QWidget* anchor);
    void setTextScale(double scale);

signals:
    void readAgainClicked(); // "点击复读"

protected:
    // A click on the card is the card's: it does not reach the panel under it, where a click
    // closes the card.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyFonts(bool phoneticGiven, bool wordGiven);
    void placeBelow(const QWidget* anchor);

    QLabel* meaning_;
    QLabel* firstLetter_;
    ClickableLabel* readAgain_;
    QLabel* phonetic_;
    QLabel* word_;
    double scale_ = 1.0;
};

} // namespace sentara::ui
