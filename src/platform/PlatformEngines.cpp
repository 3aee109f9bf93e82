#include "platform/PlatformEngines.h"

#include "platform/DefaultEnginePlayer.h"
#include "platform/MpvMediaPlayer.h"
#include "platform/PulseOutput.h"
#include "platform/QtMediaPlayer.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace platform {

namespace {

using Missing = ports::MediaEngines::Missing;

bool libraryPresent(const QString& folder, const QString& file) {
    return QFileInfo::exists(QDir(folder).filePath(file));
}

// What the default engine needs, each with the Debian package that brings it. Only files and
// a connection are looked at, so the check is quick enough for every click on the engine.
QList<Missing> missingParts() {
    QList<Missing> missing;
    if (avcodec_find_decoder(AV_CODEC_ID_MP3) == nullptr ||
        avcodec_find_decoder(AV_CODEC_ID_PCM_S16LE) == nullptr) {
        missing.append({QStringLiteral("FFmpeg 音频解码库"),
                        {QStringLiteral("libavcodec59"), QStringLiteral("libavformat59")}});
    }
    if (!PulseOutput::serverReachable()) {
        missing.append({QStringLiteral("声音服务（PulseAudio，或 PipeWire 的 PulseAudio 接口）"),
                        {QStringLiteral("pulseaudio")}});
    }
    const QString qtPlugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    if (!libraryPresent(qtPlugins + QStringLiteral("/multimedia"),
                        QStringLiteral("libgstreamermediaplugin.so"))) {
        missing.append({QStringLiteral("Qt Multimedia 的 GStreamer 插件（播放视频课）"),
                        {QStringLiteral("libqt6multimedia6")}});
    }
    const QString gst =
        QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/gstreamer-1.0");
    const struct {
        const char* file;
        const char* component;
        const char* package;
    } gstreamerParts[] = {
        {"libgstplayback.so", "GStreamer 基础插件（播放视频课）", "gstreamer1.0-plugins-base"},
        {"libgstpulseaudio.so", "GStreamer 的 PulseAudio 插件（视频课的声音）",
         "gstreamer1.0-plugins-good"},
        {"libgstasf.so", "GStreamer 的 WMV 读取插件（视频课）", "gstreamer1.0-plugins-ugly"},
        {"libgstlibav.so", "GStreamer 的 libav 解码插件（视频课）", "gstreamer1.0-libav"},
    };
    for (const auto& part : gstreamerParts) {
        if (!libraryPresent(gst, QString::fromLatin1(part.file))) {
            missing.append(
                {QString::fromUtf8(part.component), {QString::fromLatin1(part.package)}});
        }
    }
    return missing;
}

} // namespace

bool PlatformEngines::defaultEngineAvailable() {
    missing_ = {};
    for (const Missing& part : missingParts()) {
        if (!missing_.component.isEmpty()) {
            missing_.component += QStringLiteral("、");
        }
        missing_.component += part.component;
        missing_.packages += part.packages;
    }
    return missing_.component.isEmpty();
}

void PlatformEngines::prepare(ports::MediaPlayer& player, Role role) {
    switch (role) {
    case Role::Sentence:
        player.setAutoStart(false);
        break;
    case Role::Word:
        player.setAutoStart(true);
        player.setVolume(wordVolume);
        break;
    case Role::Video:
        // The video window's twin is seen, not heard: the sentence player gives the sound.
        player.setAutoStart(false);
        player.setVolume(0);
        break;
    }
}

std::unique_ptr<ports::MediaPlayer> PlatformEngines::createPlayer(Engine engine, Role role) {
    std::unique_ptr<ports::MediaPlayer> player;
    if (engine == Engine::Default && qtForAudio_) {
        player = std::make_unique<QtMediaPlayer>();
    } else if (engine == Engine::Default) {
        player = std::make_unique<DefaultEnginePlayer>(role == Role::Video
                                                           ? DefaultEnginePlayer::Use::PictureOnly
                                                           : DefaultEnginePlayer::Use::Sound);
    } else {
        player = std::make_unique<MpvMediaPlayer>();
    }
    prepare(*player, role);
    return player;
}

} // namespace platform
