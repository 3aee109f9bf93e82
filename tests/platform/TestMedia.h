#pragma once

#include <QString>
#include <QTemporaryDir>

namespace platformtest {

// Media files made once per test run in a temporary folder.
class TestMedia {
public:
    static TestMedia& instance();

    bool valid() const { return valid_; }
    QString error() const { return error_; }

    // 3 s of a 440 Hz tone, MP3 (as the lessons are).
    QString toneMp3() const { return dir_.filePath(QStringLiteral("tone.mp3")); }
    // 3 s of a rising sweep (sweepFrom + sweepPerSecond * t Hz), PCM WAV.
    QString sweepWav() const { return dir_.filePath(QStringLiteral("sweep.wav")); }
    static constexpr double sweepFrom = 500;
    static constexpr double sweepPerSecond = 1500;
    // 10.5 s of VBR MP3 without a length header: 0.6 s of loud noise, then a rising sweep
    // (unstatedFrom + unstatedPerSecond * t Hz, t from the file's start). The noise makes the
    // first frames dense, so a length guessed from their bit rate falls well short of 8 s.
    QString unstatedLengthMp3() const { return dir_.filePath(QStringLiteral("unstated.mp3")); }
    static constexpr double unstatedSeconds = 10.5;
    static constexpr double unstatedFrom = 200;
    static constexpr double unstatedPerSecond = 1000;
    // 1 s of a 660 Hz tone, PCM WAV (as the word recordings are).
    QString shortWav() const { return dir_.filePath(QStringLiteral("short.wav")); }
    // 2 s of WMV video with sound.
    QString clipWmv() const { return dir_.filePath(QStringLiteral("clip.wmv")); }
    QString missing() const { return dir_.filePath(QStringLiteral("no-such-file.mp3")); }
    QString folder() const { return dir_.path(); }

private:
    TestMedia();

    QTemporaryDir dir_;
    bool valid_ = false;
    QString error_;
};

} // namespace platformtest
