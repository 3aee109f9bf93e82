#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace common {
class CourseFolder;
}

namespace sentara {
class SentaraSession;
struct VideoView;
} // namespace sentara

namespace sentara::ui {

class ClickableLabel;
class ProgressStrip;
class VideoArea;
class WordLine;

// The video mode (mode 5): the lesson's video with the sentence's words and Chinese under it,
// the two line toggles (a hidden line gives its height to the video), the progress strip with
// its hover tip, and the play, pause and navigation commands. Renders the video mode's view and
// forwards the learner's actions to it.
class VideoPanel : public QWidget {
    Q_OBJECT
public:
    VideoPanel(SentaraSession& session, const common::CourseFolder& folder,
               QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    void render(const VideoView& view, const QColor& keyWordColour);
    // Only what players use while the panel is hidden: which picture its area shows.
    void renderPicture(const VideoView& view);
    void setTextScale(double scale);

    VideoArea* area() const { return area_; }
    WordLine* words() const { return words_; }
    ProgressStrip* progress() const { return progress_; }
    QFrame* tip() const { return tip_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setPicture(ClickableLabel* toggle, QString& shown, const QString& name, bool on);
    void placeTip();

    SentaraSession& session_;
    const common::CourseFolder& folder_;
    QLabel* title_;
    QLabel* counter_;
    VideoArea* area_;
    QFrame* englishLine_;
    WordLine* words_;
    QFrame* chineseLine_;
    ClickableLabel* chinese_;
    ProgressStrip* progress_;
    QFrame* tip_;
    QLabel* tipText_;
    int tipSegment_ = 0;
    ClickableLabel* englishToggle_;
    ClickableLabel* chineseToggle_;
    QString englishPicture_;
    QString chinesePicture_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* read_;
    QPushButton* pause_;
    QPushButton* play_;
    QPushButton* next_;
};

} // namespace sentara::ui
