#include "platform/PlatformEngines.h"

#include "platform/DefaultEnginePlayer.h"
#include "platform/DeferredPlayer.h"
#include "platform/MediaModuleApi.h"
#include "platform/MediaModules.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace platform {

namespace {

using Missing = ports::MediaEngines::Missing;
using Module = MediaModules::Module;

bool libraryPresent(const QString& folder, const QString& file) {
    return QFileInfo::exists(QDir(folder).filePath(file));
}

// What video lessons need of Qt Multimedia and GStreamer, each with the Debian package that
// brings it. Only files are looked at (the module is loaded when a video is first opened).
void checkVideoParts(Missing* missing) {
    if (MediaModules::path(Module::QtMedia).isEmpty()) {
        MediaModules::load(Module::QtMedia, missing);
    }
    const QString qtPlugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    if (!libraryPresent(qtPlugins + QStringLiteral("/multimedia"),
                        QStringLiteral("libgstreamermediaplugin.so"))) {
        appendMissing(missing, QStringLiteral("Qt Multimedia 的 GStreamer 插件（播放视频课）"),
                      {QStringLiteral("libqt6multimedia6")});
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
            appendMissing(missing, QString::fromUtf8(part.component),
                          {QString::fromLatin1(part.package)});
        }
    }
}

} // namespace

bool PlatformEngines::defaultEngineAvailable() {
    missing_ = {};
    if (MediaModules::held() && !MediaModules::isLoaded(Module::ExactAudio)) {
        // At start-up, before the window has painted, the module is not read yet: only its file
        // is looked for. The programs ask again once loading is allowed, and the module is then
        // loaded and checked in full.
        if (MediaModules::path(Module::ExactAudio).isEmpty()) {
            MediaModules::load(Module::ExactAudio, &missing_);
        }
    } else if (const MediaModuleApi* exact = MediaModules::load(Module::ExactAudio, &missing_)) {
        exact->check(&missing_);
    }
    checkVideoParts(&missing_);
    return missing_.component.isEmpty();
}

void PlatformEngines::prepare(ports::MediaPlayer& player, Engine engine, Role role) {
    switch (role) {
    case Role::Sentence:
        player.setAutoStart(false);
        break;
    case Role::Word:
        player.setAutoStart(true);
        // The backup engine's word player keeps its own volume.
        if (engine == Engine::Default) {
            player.setVolume(wordVolume);
        }
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
        player = std::make_unique<DeferredPlayer>(ports::MediaPlayer::Unit::Seconds, [] {
            return MediaModules::createPlayer(MediaModules::Module::QtMedia);
        });
    } else if (engine == Engine::Default) {
        player = std::make_unique<DefaultEnginePlayer>(role == Role::Video
                                                           ? DefaultEnginePlayer::Use::PictureOnly
                                                           : DefaultEnginePlayer::Use::Sound);
    } else {
        player = std::make_unique<DeferredPlayer>(ports::MediaPlayer::Unit::Milliseconds, [] {
            return MediaModules::createPlayer(MediaModules::Module::Mpv);
        });
    }
    prepare(*player, engine, role);
    return player;
}

} // namespace platform
