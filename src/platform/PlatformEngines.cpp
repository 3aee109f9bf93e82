#include "platform/PlatformEngines.h"

#include "platform/MpvMediaPlayer.h"
#include "platform/QtMediaPlayer.h"
#include "platform/WavHeader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

namespace platform {

namespace {

constexpr int probeTimeoutMs = 5000;

} // namespace

bool PlatformEngines::defaultEngineAvailable() {
    if (!defaultAvailable_) {
        defaultAvailable_ = probeDefaultEngine();
    }
    return *defaultAvailable_;
}

bool PlatformEngines::probeDefaultEngine() {
    if (QCoreApplication::instance() == nullptr) {
        return false;
    }
    QMediaPlayer player;
    if (!player.isAvailable()) {
        return false;
    }
    // A tenth of a second of silence: the media backend must load it and know its length.
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return false;
    }
    const QString path = dir.filePath(QStringLiteral("probe.wav"));
    QFile file(path);
    WavHeader header;
    header.sampleRate = 8000;
    header.dataBytes = 1600;
    if (!file.open(QIODevice::WriteOnly) || file.write(header.bytes()) != WavHeader::size ||
        file.write(QByteArray(static_cast<int>(header.dataBytes), '\0')) !=
            static_cast<qint64>(header.dataBytes)) {
        return false;
    }
    file.close();

    QEventLoop loop;
    bool usable = false;
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop,
                     [&](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::LoadedMedia) {
                             usable = true;
                             loop.quit();
                         } else if (status == QMediaPlayer::InvalidMedia) {
                             loop.quit();
                         }
                     });
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(probeTimeoutMs, &loop, &QEventLoop::quit);
    player.setSource(QUrl::fromLocalFile(path));
    if (player.mediaStatus() == QMediaPlayer::LoadedMedia) {
        usable = true;
    } else if (player.error() == QMediaPlayer::NoError) {
        loop.exec();
    }
    player.setSource(QUrl());
    return usable;
}

std::unique_ptr<ports::MediaPlayer> PlatformEngines::createPlayer(Engine engine, Role role) {
    std::unique_ptr<ports::MediaPlayer> player;
    if (engine == Engine::Default) {
        player = std::make_unique<QtMediaPlayer>();
    } else {
        player = std::make_unique<MpvMediaPlayer>();
    }
    switch (role) {
    case Role::Sentence:
        player->setAutoStart(false);
        break;
    case Role::Word:
        player->setAutoStart(true);
        player->setVolume(wordVolume);
        break;
    case Role::Video:
        // The video window's twin is seen, not heard: the sentence player gives the sound.
        player->setAutoStart(false);
        player->setVolume(0);
        break;
    }
    return player;
}

} // namespace platform
