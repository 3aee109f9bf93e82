#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace common {
class CourseFolder;
}

namespace sentara {
struct FullTextView;
}

namespace sentara::ui {

class ClickableLabel;
class FullTextWordCanvas;
class TextScroller;

// The full-text word view (mode 1, AllWordModePicture): the find box, the Chinese-lines switch,
// read-all and its pause, the tip, and the scrolled canvas of the lesson's words. Shows a
// FullTextView and reports the learner's actions.
class FullTextWordPanel : public QWidget {
    Q_OBJECT
public:
    FullTextWordPanel(const common::CourseFolder& folder, QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    // `textPanelsMoved` changes when the session put the text panels back at their top.
    void render(const FullTextView& view, const QColor& keyWordColour, int textPanelsMoved);
    void setTextScale(double scale);
    void focusSearch();

    FullTextWordCanvas* canvas() const { return canvas_; }
    TextScroller* scroller() const { return scroller_; }
    QLineEdit* search() const { return search_; }

signals:
    void wordClicked(int sentence, int position, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers);
    void wordDoubleClicked();
    void hornClicked(int sentence);
    void backgroundClicked();
    void chineseToggleClicked();
    void readAllClicked();
    void pauseClicked();
    void settingsClicked(const QPoint& globalPosition);
    void scrolledByCommand();
    void searchEdited(const QString& text); // every edit of the learner
    void searchEntered();

private:
    const common::CourseFolder& folder_;
    QLabel* title_;
    QToolButton* settings_;
    QLineEdit* search_;
    ClickableLabel* togglePicture_;
    ClickableLabel* toggleCaption_;
    QPushButton* readAll_;
    QPushButton* pause_;
    QWidget* tip_;
    QLabel* tipText_;
    FullTextWordCanvas* canvas_;
    TextScroller* scroller_;
    QString togglePictureName_;
    int textPanelsMoved_ = -1;
    int keepInView_ = -1;
    int current_ = 0;
};

} // namespace sentara::ui
