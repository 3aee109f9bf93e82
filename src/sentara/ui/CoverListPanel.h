#pragma once

#include "sentara/modes/CoverPractice.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace sentara::ui {

class CoverListCanvas;
class TextScroller;

// The full-text list (mode 3, TextModePicture): the cover mode's instruction, restore, the find
// box and the scrolled list of sentences. Shows a CoverView and reports the learner's actions;
// where the learner scrolls the list is reported for the settings file.
class CoverListPanel : public QWidget {
    Q_OBJECT
public:
    explicit CoverListPanel(QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    // `textPanelsMoved` changes when the session moved the list itself, to `storedTop` (the
    // list's top in twips, as the settings file keeps it).
    void render(const CoverView& view, int textPanelsMoved, double storedTop);
    void setTextScale(double scale);
    void focusSearch();

    CoverListCanvas* canvas() const { return canvas_; }
    TextScroller* scroller() const { return scroller_; }
    QLineEdit* search() const { return search_; }

signals:
    void linePressed(int sentence, sentara::CoverPart part);
    void lineReleased(int sentence, sentara::CoverPart part);
    void hornPressed(int sentence);
    void hornReleased(int sentence);
    void englishDoubleClicked(int sentence);
    void restoreClicked();
    void settingsClicked(const QPoint& globalPosition);
    void scrolledByCommand();
    void searchEdited(const QString& text); // every edit of the learner
    void searchEntered();
    // The list moved while on screen: its top and its thumb's top, in twips.
    void positionsChanged(double listTop, double handleTop);

private:
    QLabel* title_;
    QToolButton* settings_;
    QLabel* hint_;
    QPushButton* restore_;
    QLineEdit* search_;
    CoverListCanvas* canvas_;
    TextScroller* scroller_;
    int textPanelsMoved_ = -1;
    int keepInView_ = -1;
    int toTop_ = -1;
};

} // namespace sentara::ui
