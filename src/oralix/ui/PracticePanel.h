#pragma once

#include "oralix/core/OralixView.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace oralix {
class OralixSession;
}

namespace oralix::ui {

class FullTextPanel;
class ReadAlongPanel;
class StudyPanel;

// Everything below the sentence bar: the book and lesson boxes, the five mode tabs, the mode's
// title and hint, the repeat count and interval, and the panel of the current mode.
class PracticePanel : public QWidget {
    Q_OBJECT
public:
    PracticePanel(OralixSession& session, QWidget* parent = nullptr);

    void render(const OralixView& view);

    StudyPanel* studyPanel() const { return study_; }
    FullTextPanel* fullTextPanel() const { return fullText_; }
    ReadAlongPanel* readAlongPanel() const { return readAlong_; }
    QPushButton* tab(int mode) const { return tabs_[mode - 1]; }

private:
    void focusPractice(); // the keys go back to the typing box or the full text

    OralixSession& session_;
    QComboBox* book_;
    QComboBox* lesson_;
    QPushButton* tabs_[5];
    QLabel* title_;
    QLabel* hint_;
    QWidget* boxes_;
    QComboBox* repeat_;
    QComboBox* interval_;
    StudyPanel* study_;
    FullTextPanel* fullText_;
    ReadAlongPanel* readAlong_;
};

} // namespace oralix::ui
