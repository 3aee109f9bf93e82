#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace sentara {
class VoiceRecording;
struct VoiceRecordingView;
} // namespace sentara

namespace sentara::ui {

// The voice view's recorder: record, stop, the learner's recording, the model sentence, the
// model then the recording, and a meter of the microphone's loudness while recording.
class RecorderBar : public QWidget {
    Q_OBJECT
public:
    RecorderBar(VoiceRecording& recording, QWidget* parent = nullptr);

    void render(const VoiceRecordingView& view);
    void setTextScale(double scale);
    QProgressBar* meter() const { return meter_; }

private:
    void showLevel(double level);

    QPushButton* record_;
    QPushButton* stop_;
    QPushButton* playOwn_;
    QPushButton* playModel_;
    QPushButton* compare_;
    QLabel* levelCaption_;
    QProgressBar* meter_;
    QLabel* status_;
};

} // namespace sentara::ui
