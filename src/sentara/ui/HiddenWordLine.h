#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace sentara::ui {

class FlowLayout;

// One sentence as a row of word cells, some of them hidden: the word-click recall view draws a
// hidden word as an empty light-grey box (RGB 240, 240, 240) over an underline, the fill-in view
// as a bare underline under which its typing box lies. A cell keeps its word's width hidden or
// not, so nothing moves when a word is revealed.
//
// Clicks: a click on a clickable word is reported once the double-click time has passed without
// a second click, or at once when another word is clicked first; a double click is reported
// alone and the clicks that belong to it are not. So a double click never also climbs the hint
// ladder twice. With setPlainClicks(true), a click on a word that is not clickable (punctuation,
// a number) is reported too, at once (after a click still waiting, so the order stays the
// learner's).
class HiddenWordLine : public QWidget {
    Q_OBJECT
public:
    enum class HiddenLook { Box, Underline };

    struct Word {
        QString text;
        bool clickable = false;  // hand cursor; clicks, double clicks and hovering are reported
        bool hidden = false;     // drawn as HiddenLook says, the text not shown
        bool underlined = false; // the underline shows (a revealed word keeps its room for it)
        bool keyWord = false;    // drawn in the key-word colour while shown
        bool operator==(const Word&) const = default;
    };

    // `cellName` names the cells: "<cellName>(<k>)" for word k counted from 1.
    HiddenWordLine(const QString& cellName, HiddenLook look, QWidget* parent = nullptr);

    void setWords(const QList<Word>& words, const QColor& keyWordColour = QColor());
    int cellCount() const { return static_cast<int>(cells_.size()); }
    QLabel* cell(int index) const; // 1-based
    // Keeps `overlay` (a child of this line) over cell `index` (0: hidden) whatever the layout.
    void setOverlay(QWidget* overlay, int index);
    // How long a click waits for a second click (the platform's double-click time by default).
    void setClickDelay(int ms) { clickTimer_.setInterval(ms); }
    void setPlainClicks(bool report) { plainClicks_ = report; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void wordClicked(int index); // 1-based
    void wordDoubleClicked(int index);
    void wordHovered(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void style(QLabel* cell, const Word& word) const;
    void placeOverlay();
    // Reports the click waiting for its double click, if any, now.
    void flushPendingClick();

    QString cellName_;
    HiddenLook look_;
    FlowLayout* layout_;
    QList<QLabel*> cells_;
    QList<Word> words_;
    QColor keyWordColour_;
    QTimer clickTimer_;
    int pendingClick_ = 0;
    bool swallowRelease_ = false;
    bool plainClicks_ = false;
    QPointer<QWidget> overlay_;
    int overlayIndex_ = 0;
};

} // namespace sentara::ui
