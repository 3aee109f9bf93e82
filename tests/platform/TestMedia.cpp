#include "TestMedia.h"

#include "PlatformTestSupport.h"

namespace platformtest {

TestMedia& TestMedia::instance() {
    static TestMedia media;
    return media;
}

TestMedia::TestMedia() {
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    const QString toneWav = dir_.filePath(QStringLiteral("tone.wav"));
    if (!writeWav(toneWav, tone(3.0, 440, 0.5)) || !writeWav(shortWav(), tone(1.0, 660, 0.5)) ||
        !writeWav(sweepWav(), sweep(3.0, sweepFrom, sweepPerSecond))) {
        error_ = QStringLiteral("could not write WAV files");
        return;
    }
    const QString unstatedWav = dir_.filePath(QStringLiteral("unstated.wav"));
    std::vector<qint16> unstated = sweep(unstatedSeconds, unstatedFrom, unstatedPerSecond);
    quint32 noise = 12345;
    for (std::size_t i = 0; i < std::size_t(0.6 * 44100); ++i) {
        noise = noise * 1664525u + 1013904223u;
        unstated[i] = static_cast<qint16>(static_cast<int>(noise >> 16) - 32768);
    }
    if (!writeWav(unstatedWav, unstated)) {
        error_ = QStringLiteral("could not write WAV files");
        return;
    }
    const QString quiet = QStringLiteral("-loglevel");
    if (!runTool(QStringLiteral("ffmpeg"),
                 {quiet, QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"),
                  toneWav, QStringLiteral("-c:a"), QStringLiteral("libmp3lame"),
                  QStringLiteral("-b:a"), QStringLiteral("128k"), toneMp3()})) {
        error_ = QStringLiteral("ffmpeg could not make the MP3 file");
        return;
    }
    if (!runTool(QStringLiteral("ffmpeg"),
                 {quiet, QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"),
                  unstatedWav, QStringLiteral("-c:a"), QStringLiteral("libmp3lame"),
                  QStringLiteral("-q:a"), QStringLiteral("4"), QStringLiteral("-write_xing"),
                  QStringLiteral("0"), unstatedLengthMp3()})) {
        error_ = QStringLiteral("ffmpeg could not make the MP3 file without a length header");
        return;
    }
    if (!runTool(QStringLiteral("ffmpeg"),
                 {quiet, QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc=size=160x120:rate=25:duration=2"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("sine=frequency=440:duration=2"), QStringLiteral("-c:v"),
                  QStringLiteral("wmv2"), QStringLiteral("-c:a"), QStringLiteral("wmav2"),
                  QStringLiteral("-shortest"), clipWmv()})) {
        error_ = QStringLiteral("ffmpeg could not make the WMV file");
        return;
    }
    valid_ = true;
}

} // namespace platformtest
