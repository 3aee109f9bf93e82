// The small services: engine availability, colour values, fonts and text measure, screen facts,
// the shell, WAV headers.
#include "PlatformTestSupport.h"
#include "support/ManualClock.h"
#include "support/SimulatedMedia.h"
#include "support/SimulatedPlayer.h"

#include "platform/Fonts.h"
#include "platform/MediaBackend.h"
#include "platform/PlatformEngines.h"
#include "platform/QtDialogs.h"
#include "platform/QtScreen.h"
#include "platform/QtShell.h"
#include "platform/QtTextMeasure.h"
#include "platform/WavHeader.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using FontRole = ports::TextMeasure::FontRole;

TEST(PlatformEngines, EveryCheckOfTheDefaultEngineLooksAgainAndNamesWhatIsMissing) {
    platformtest::ensureApplication();
    if (!platformtest::soundServerReachable()) {
        GTEST_SKIP() << platformtest::noSoundServer;
    }
    platform::PlatformEngines engines;
    EXPECT_TRUE(engines.defaultEngineAvailable());
    EXPECT_TRUE(engines.missing().component.isEmpty());

    // The sound server goes away: the next check says so, with the package that brings one.
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", QByteArrayLiteral("unix:/nonexistent/pulse/native"));
    EXPECT_FALSE(engines.defaultEngineAvailable());
    EXPECT_TRUE(engines.missing().component.contains(QStringLiteral("PulseAudio")))
        << engines.missing().component.toStdString();
    EXPECT_EQ(engines.missing().packages, QStringList{QStringLiteral("pulseaudio")});

    // Repaired: the next check finds it again.
    if (server.isEmpty()) {
        qunsetenv("PULSE_SERVER");
    } else {
        qputenv("PULSE_SERVER", server);
    }
    EXPECT_TRUE(engines.defaultEngineAvailable());
    EXPECT_EQ(
        engines
            .createPlayer(ports::MediaEngines::Engine::Backup, ports::MediaEngines::Role::Sentence)
            ->unit(),
        ports::MediaPlayer::Unit::Milliseconds);
}

// Only the default engine's players get the programs' volumes; the backup engine's players
// keep the volume they start with.
TEST(PlatformEngines, ANewPlayerIsSetUpForItsEngineAndRole) {
    using Engine = ports::MediaEngines::Engine;
    using Role = ports::MediaEngines::Role;
    const struct {
        Engine engine;
        Role role;
        bool autoStart;
        int volume;
    } cases[] = {
        {Engine::Default, Role::Sentence, false, 100}, {Engine::Default, Role::Word, true, 70},
        {Engine::Default, Role::Video, false, 0},      {Engine::Backup, Role::Sentence, false, 100},
        {Engine::Backup, Role::Word, true, 100},
    };
    support::ManualClock clock;
    support::SimulatedMedia media;
    for (const auto& c : cases) {
        support::SimulatedPlayer player(clock, media, ports::MediaPlayer::Unit::Seconds);
        player.setAutoStart(!c.autoStart);
        platform::PlatformEngines::prepare(player, c.engine, c.role);
        const std::string name = std::to_string(static_cast<int>(c.engine)) + "/" +
                                 std::to_string(static_cast<int>(c.role));
        EXPECT_EQ(player.autoStart(), c.autoStart) << name;
        EXPECT_EQ(player.volume(), c.volume) << name;
    }
}

TEST(MediaBackend, PinsGStreamerUnlessTheUserChoseABackend) {
    const QByteArray saved = qgetenv("QT_MEDIA_BACKEND");
    qunsetenv("QT_MEDIA_BACKEND");
    platform::pinGStreamerBackend();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), QByteArray("gstreamer"));
    qputenv("QT_MEDIA_BACKEND", QByteArrayLiteral("ffmpeg"));
    platform::pinGStreamerBackend();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), QByteArray("ffmpeg"));
    qputenv("QT_MEDIA_BACKEND", saved);
}

TEST(QtDialogs, ColourValuesAreRedPlusGreenTimes256PlusBlueTimes65536) {
    struct Case {
        QColor colour;
        int value;
    };
    const Case cases[] = {{QColor(255, 0, 0), 255},
                          {QColor(0, 255, 0), 65280},
                          {QColor(0, 0, 255), 16711680},
                          {QColor(12, 34, 56), 12 + 34 * 256 + 56 * 65536}};
    for (const Case& c : cases) {
        EXPECT_EQ(platform::QtDialogs::toColourValue(c.colour), c.value);
        EXPECT_EQ(platform::QtDialogs::fromColourValue(c.value), c.colour);
    }
}

TEST(Fonts, ChineseAndPhoneticTextHaveInstalledFontsThatShowThem) {
    platformtest::ensureApplication();
    const QFont chinese = platform::Fonts::ui();
    EXPECT_TRUE(QFontMetrics(chinese).inFont(QChar(0x542C))) << "听";
    const QFont phonetic = platform::Fonts::phonetic();
    for (const QChar symbol : QStringLiteral("ʃəŋθæ")) {
        EXPECT_TRUE(QFontMetrics(phonetic).inFont(symbol)) << int(symbol.unicode());
    }
    EXPECT_FALSE(platform::Fonts::wordFamily().isEmpty());
}

TEST(QtTextMeasure, WiderTextMeasuresWiderInEveryRole) {
    platformtest::ensureApplication();
    platform::QtTextMeasure measure;
    for (const FontRole role : {FontRole::Word, FontRole::Sentence, FontRole::Chinese,
                                FontRole::Phonetic, FontRole::Row}) {
        EXPECT_GT(measure.width(QStringLiteral("wonderful"), role),
                  measure.width(QStringLiteral("wonder"), role));
        EXPECT_EQ(measure.width(QString(), role), 0);
        EXPECT_GT(measure.lineHeight(role), 8);
    }
}

TEST(QtScreen, ReportsADpiAndAWorkArea) {
    platformtest::ensureApplication();
    platform::QtScreen screen;
    EXPECT_GT(screen.logicalDpi(), 0);
    EXPECT_FALSE(screen.workArea().isEmpty());
}

TEST(QtShell, StartsAProgramDetachedAndReportsAMissingOne) {
    platformtest::ensureApplication();
    QTemporaryDir folder;
    platform::QtShell shell;
    const QString marker = folder.filePath(QStringLiteral("started"));
    EXPECT_TRUE(
        shell.startDetached(QStringLiteral("/bin/sh"),
                            {QStringLiteral("-c"), QStringLiteral("touch '%1'").arg(marker)}));
    EXPECT_TRUE(platformtest::waitUntil([&] { return QFile::exists(marker); }, 5000));
    EXPECT_FALSE(shell.startDetached(folder.filePath(QStringLiteral("mini.exe"))));
}

TEST(WavHeader, WritesA44ByteHeaderAndReadsItBack) {
    platform::WavHeader header;
    header.sampleRate = 22050;
    header.channels = 2;
    header.dataBytes = 4000;
    QByteArray bytes = header.bytes();
    ASSERT_EQ(bytes.size(), 44);
    bytes.append(QByteArray(4000, '\1'));
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const auto read = platform::WavHeader::read(buffer);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->sampleRate, 22050);
    EXPECT_EQ(read->channels, 2);
    EXPECT_EQ(read->bitsPerSample, 16);
    EXPECT_EQ(read->dataBytes, 4000u);
    EXPECT_NEAR(read->seconds(), 1000.0 / 22050, 1e-9);
    EXPECT_EQ(buffer.pos(), 44);

    QByteArray notWav("ID3 this is an mp3 file");
    QBuffer other(&notWav);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_FALSE(platform::WavHeader::read(other).has_value());
}

} // namespace
