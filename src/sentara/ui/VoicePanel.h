#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace sentara {
struct SentenceView;
class VoiceRecording;
} // namespace sentara

namespace sentara::ui {

class RecorderBar;

// The voice view (mode 6): the English and the Chinese of the sentence with its own first, back
// and next commands (each new sentence is played once by the session), and the recorder.
class VoicePanel : public QWidget {
    Q_OBJECT
public:
    explicit VoicePanel(VoiceRecording& recording, QWidget* parent = nullptr);

    void setLessonTitle(const QString& title);
    void render(const SentenceView& view);
    void setTextScale(double scale);
    RecorderBar* recorder() const { return recorder_; }

signals:
    void firstClicked();
    void backClicked();
    void nextClicked();

private:
    QLabel* title_;
    QLabel* english_;
    QLabel* chinese_;
    QLabel* counter_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* next_;
    RecorderBar* recorder_;
};

} // namespace sentara::ui
