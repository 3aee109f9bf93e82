#include "platform/MediaModules.h"

#include "platform/FirstPaint.h"

#include "platform/MediaModuleApi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <utility>

namespace platform {

namespace {

using Module = MediaModules::Module;

// A window that has not painted within this time no longer holds the engines back.
constexpr int longestHoldMs = 3000;

struct Waiting {
    QPointer<QObject> context;
    std::function<void()> then;
};

struct Modules {
    std::array<const MediaModuleApi*, 3> apis{};
    bool held = false;
    QList<Waiting> waiting;
};

Modules& modules() {
    static Modules state;
    return state;
}

std::size_t indexOf(Module module) {
    return static_cast<std::size_t>(module);
}

void release() {
    Modules& state = modules();
    if (!state.held) {
        return;
    }
    state.held = false;
    const QList<Waiting> waiting = std::exchange(state.waiting, {});
    for (const Waiting& entry : waiting) {
        if (entry.context) {
            entry.then();
        }
    }
}

// Holds loading back while it lives; a window closed before it ever painted holds nothing back.
class PaintGate : public QObject {
public:
    using QObject::QObject;
    ~PaintGate() override { release(); }
};

QString unavailable(Module module, const QString& why) {
    const QString file = MediaModules::fileName(module);
    const QString what = module == Module::ExactAudio
                             ? QStringLiteral("精确音频播放模块")
                             : QStringLiteral("备用引擎的 libmpv 播放模块");
    return why.isEmpty() ? QStringLiteral("%1（%2）").arg(what, file)
                         : QStringLiteral("%1（%2：%3）").arg(what, file, why);
}

QStringList packagesOf(Module module) {
    switch (module) {
    case Module::ExactAudio:
        return {QStringLiteral("libavformat59"), QStringLiteral("libavcodec59"),
                QStringLiteral("libswresample4"), QStringLiteral("libsoundtouch1"),
                QStringLiteral("libpulse0")};
    case Module::Mpv:
        return {QStringLiteral("libmpv2")};
    case Module::QtMedia:
        break;
    }
    return {QStringLiteral("libqt6multimedia6"), QStringLiteral("libqt6multimediawidgets6")};
}

} // namespace

QString MediaModules::fileName(Module module) {
    switch (module) {
    case Module::ExactAudio:
        return QStringLiteral("libtrainers_exact_audio.so");
    case Module::Mpv:
        return QStringLiteral("libtrainers_mpv.so");
    case Module::QtMedia:
        break;
    }
    return QStringLiteral("libtrainers_qtmedia.so");
}

QString MediaModules::path(Module module) {
    QStringList folders;
    if (QCoreApplication::instance() != nullptr) {
        folders << QCoreApplication::applicationDirPath();
    }
    // Tests and benchmarks run from their own folders of the build: the modules are in the
    // program folder of the same build.
    folders << QStringLiteral(TRAINERS_MODULE_DIR);
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(fileName(module)));
        if (file.isFile()) {
            return file.absoluteFilePath();
        }
    }
    return {};
}

const MediaModuleApi* MediaModules::load(Module module, ports::MediaEngines::Missing* why) {
    const MediaModuleApi*& api = modules().apis[indexOf(module)];
    if (api != nullptr) {
        return api;
    }
    const QString file = path(module);
    if (file.isEmpty()) {
        appendMissing(why, unavailable(module, QStringLiteral("文件不存在")), {});
        return nullptr;
    }
    QLibrary library(file);
    // Players made by the module live until the program ends: it is never unloaded.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load()) {
        appendMissing(why, unavailable(module, library.errorString()), packagesOf(module));
        return nullptr;
    }
    using Entry = const MediaModuleApi* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(mediaModuleEntry));
    const MediaModuleApi* table = entry != nullptr ? entry() : nullptr;
    if (table == nullptr || table->version != MediaModuleApi::currentVersion) {
        appendMissing(why, unavailable(module, QStringLiteral("版本不符")), {});
        return nullptr;
    }
    api = table;
    return api;
}

bool MediaModules::isLoaded(Module module) {
    return modules().apis[indexOf(module)] != nullptr;
}

std::unique_ptr<ports::MediaPlayer> MediaModules::createPlayer(Module module) {
    ports::MediaEngines::Missing why;
    const MediaModuleApi* api = load(module, &why);
    if (api == nullptr) {
        qWarning("%s", qPrintable(why.component));
        return nullptr;
    }
    return std::unique_ptr<ports::MediaPlayer>(api->createPlayer());
}

std::unique_ptr<ports::Recorder>
MediaModules::createRecorder(std::unique_ptr<ports::MediaPlayer> playback) {
    ports::MediaEngines::Missing why;
    const MediaModuleApi* api = load(Module::QtMedia, &why);
    if (api == nullptr || api->createRecorder == nullptr) {
        qWarning("%s", qPrintable(why.component));
        return nullptr;
    }
    return std::unique_ptr<ports::Recorder>(api->createRecorder(playback.release()));
}

std::unique_ptr<ports::SoundPlayer> MediaModules::createSoundPlayer() {
    ports::MediaEngines::Missing why;
    const MediaModuleApi* api = load(Module::QtMedia, &why);
    if (api == nullptr || api->createSoundPlayer == nullptr) {
        qWarning("%s", qPrintable(why.component));
        return nullptr;
    }
    return std::unique_ptr<ports::SoundPlayer>(api->createSoundPlayer());
}

QWidget* MediaModules::createVideoWidget(QWidget* parent) {
    const MediaModuleApi* api = load(Module::QtMedia);
    return api != nullptr && api->createVideoWidget != nullptr ? api->createVideoWidget(parent)
                                                               : nullptr;
}

void MediaModules::holdUntilShown(QWidget* window) {
    Modules& state = modules();
    if (window == nullptr || state.held) {
        return;
    }
    state.held = true;
    // Loading goes on once the window has painted (from the event loop, after the paint), or
    // after the longest hold.
    auto* gate = new PaintGate(window);
    const auto open = [gate] {
        release();
        gate->deleteLater();
    };
    whenFirstPainted(window, gate, open);
    QTimer::singleShot(longestHoldMs, gate, open);
}

bool MediaModules::held() {
    return modules().held;
}

void MediaModules::whenAllowed(QObject* context, std::function<void()> then) {
    if (!modules().held) {
        then();
        return;
    }
    modules().waiting.append({QPointer<QObject>(context), std::move(then)});
}

} // namespace platform
