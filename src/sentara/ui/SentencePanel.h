#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;
class QStackedLayout;
class QToolButton;

namespace common {
class CourseFolder;
}

namespace sentara {
struct SentenceView;
}

namespace sentara::ui {

class ClickableLabel;
class NoteBox;
class ProgressStrip;
class WordLine;

// The sentence view (mode 2): one sentence with its words, Chinese line, note, counters,
// progress strip and navigation. Shows a SentenceView and reports the learner's actions.
class SentencePanel : public QWidget {
    Q_OBJECT
public:
    SentencePanel(const common::CourseFolder& folder, QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    void render(const SentenceView& view, const QColor& keyWordColour);
    void setTextScale(double scale);
    // Puts the focus into the note box (after the placeholder was clicked).
    void focusNote();

    WordLine* words() const { return words_; }
    NoteBox* noteBox() const { return note_; }
    ProgressStrip* progress() const { return progress_; }

signals:
    void firstClicked();
    void backClicked();
    void nextClicked();
    void playClicked();
    void chineseToggleClicked();
    void placeholderClicked();
    void noteChanged(const QString& text); // every edit of the learner
    void noteEdited(const QString& text);  // the note box lost the focus
    void wordClicked(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void settingsClicked(const QPoint& globalPosition);
    void segmentClicked(int index);
    void segmentHovered(int index); // 0 when the pointer leaves the strip
    void backgroundClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const common::CourseFolder& folder_;
    QLabel* title_;
    QToolButton* settings_;
    WordLine* words_;
    QLabel* chinese_;
    QLabel* noteCaption_;
    QStackedLayout* noteStack_;
    QWidget* placeholderFrame_;
    ClickableLabel* placeholder_;
    NoteBox* note_;
    ClickableLabel* togglePicture_;
    ClickableLabel* toggleCaption_;
    QLabel* summary_;
    QLabel* counterCurrent_;
    QLabel* counterSeparator_;
    QLabel* counterTotal_;
    ProgressStrip* progress_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* next_;
    QString togglePictureName_;
};

} // namespace sentara::ui
