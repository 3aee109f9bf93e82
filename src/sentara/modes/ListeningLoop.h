#pragma once

#include "sentara/settings/StudySettings.h"

#include <QObject>
#include <array>
#include <memory>

namespace ports {
class Clock;
class Timer;
} // namespace ports

namespace sentara {

class VoiceControl;

// What the listening loop needs of the session: the sentence on display, its span, the settings
// and the navigation commands it runs.
class ListeningHost {
public:
    virtual ~ListeningHost() = default;
    virtual int ModeIndex() const = 0;
    virtual int CurrentSentence() const = 0;
    virtual int SentenceCount() const = 0;
    virtual double SentenceStart() const = 0; // engine unit
    virtual double SentenceEnd() const = 0;   // engine unit
    virtual double LessonMediaStart() const = 0;
    virtual double LessonMediaSpan() const = 0;
    virtual const StudySettings& settings() const = 0;
    virtual void SenNextCommand_Click() = 0;
    virtual void SenBegainCommand_Click() = 0;
    // CurrentSentence := sentence, ShowSentence and the fill-in refresh, without playing.
    virtual void showSentenceAt(int sentence) = 0;
    // Something shown (play state, captions, sentence) changed.
    virtual void playbackChanged() = 0;
    // Continuous play reached the end of the lesson: every sentence marker line is hidden.
    virtual void hideSentenceMarkers() {}
};

// The listen-and-repeat engine: a sentence play (seek, play, watch its end every 10 ms), the
// gap timer of each repeat family, the automatic advance of the sentence view, read-all of the
// full-text view, continuous play and the delayed word pronunciation. All timing is on the
// Clock port.
class ListeningLoop : public QObject {
    Q_OBJECT
public:
    ListeningLoop(ports::Clock& clock, VoiceControl& voice, ListeningHost& host,
                  QObject* parent = nullptr);
    ~ListeningLoop() override;

    // Sets the pause of a family's gap timer (Timer3..Timer7); a pause below 10 ms becomes 10.
    void setPause(RepeatFamily family, int ms);
    int pause(RepeatFamily family) const;

    // One sentence play: seek to the sentence start, play, ReadTimer on, gap timers off.
    void playSentence();
    // The play command: CurrentReadCount := 0, then a sentence play.
    void SenPlayCommand();
    // CurrentReadCount := 0; a sentence play when the mode asks for it (modes 2, 8, 7, 4, 1 by
    // their read counts; always in 3, 5, 6; never in 9); then CloseTimer.
    void AutoPlaySentence();
    // Turns every gap timer off.
    void CloseTimer();
    // Everything stops (a mode switch): counts reset, all timers off, the player paused.
    void stopAll();

    // Continuous play from where the player is (the video mode's play command).
    void startContinuousPlay();
    void pauseContinuousPlay();
    // Continuous play from the start of `sentence` (a click on the progress strip).
    void playOnFrom(int sentence);
    // Both position watches off (ReadTimer and AllReadTimer).
    void stopWatches();
    bool continuousPlaying() const;

    // Read-all of the full-text word view: from sentence 1, each sentence played as often as the
    // full-text family says, then the next, until the last. Stopping pauses the player, stops
    // the watch and the pause between plays and returns to sentence 1 with every marker line of
    // the list hidden. Pausing while a pause between plays runs holds that pause; resuming starts
    // it again.
    void startReadAll();
    void stopReadAll();
    void togglePauseReadAll();
    bool readAllRunning() const { return readAllRunning_; }
    bool readAllPaused() const { return readAllPaused_; }

    // Pronounces a word after a 10 ms delay (so the click that asked for it finishes first).
    void ReadWord(const QString& word);

    int CurrentReadCount() const { return currentReadCount_; }
    void setCurrentReadCount(int count) { currentReadCount_ = count; }
    bool sentenceWatchRunning() const;
    void stopSentenceWatch(); // ReadTimer off
    bool anyTimerRunning() const;
    // The video mode's play/pause pair: true while VideoReadCommand (play) is the one shown.
    bool videoReadVisible() const { return videoReadVisible_; }
    void setVideoReadVisible(bool visible) { videoReadVisible_ = visible; }

signals:
    // A sentence play has reached the end of its sentence and paused (ReadTimer's end).
    void sentencePlayEnded();

private:
    // The player has passed `end`, or stands at the end of its media and cannot pass it.
    bool passed(double position, double end) const;
    void onReadTimer();
    void onAllReadTimer();
    void onGapTimer(RepeatFamily family);
    // Starts a family's gap timer for its pause, less the time since the sentence's end was
    // heard and the time the next play takes to be heard once asked for (never below the 10 ms
    // minimum): the silence heard is the pause, whenever the poll saw the end.
    void startGap(RepeatFamily family, double sinceEndMs);
    void onWordTimer();
    // Plays on a paused sentence play to the sentence's end.
    void resumeSentencePlay();

    VoiceControl& voice_;
    ListeningHost& host_;
    std::unique_ptr<ports::Timer> readTimer_;
    std::unique_ptr<ports::Timer> allReadTimer_;
    std::unique_ptr<ports::Timer> wordTimer_;
    std::array<std::unique_ptr<ports::Timer>, kRepeatFamilyCount> gapTimers_;
    std::array<int, kRepeatFamilyCount> pauses_{};
    int currentReadCount_ = 0;
    bool readAllRunning_ = false;
    bool readAllPaused_ = false;
    bool gapHeld_ = false; // read-all paused during the pause between two plays
    bool videoReadVisible_ = true;
    QString pendingWord_;
};

} // namespace sentara
