#pragma once

#include <QFrame>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace sentara {
class ResultsReport;
}

namespace sentara::ui {

// The dictation results (ResultsPicture), laid over the middle of the main window: the lesson's
// open and passed sentences (List1, List2), the Book's done and open lessons (List3, List4), the
// counts, the summary line and the Book's bar, the two clearing commands and the close buttons.
// A click on a sentence row goes to that sentence. It renders the ResultsReport's view.
class ResultsPanel : public QFrame {
    Q_OBJECT
public:
    ResultsPanel(ResultsReport& report, QWidget* parent);

    void render();
    void setTextScale(double scale);

    QListWidget* list(int number) const; // 1..4

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre();

    ResultsReport& report_;
    QLabel* title_;
    QToolButton* exit_;
    QListWidget* lists_[4];
    QLabel* doneCount_;
    QLabel* lessonCount_;
    QLabel* summary_;
    QProgressBar* bookBar_;
    QLabel* problem_;
    QPushButton* clearLesson_;
    QPushButton* clearBook_;
    QPushButton* close_;
    QPushButton* closeBook_;
};

} // namespace sentara::ui
