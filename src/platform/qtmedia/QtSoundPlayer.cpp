#include "platform/qtmedia/QtSoundPlayer.h"

#include "platform/WavHeader.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace platform {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    stop();
}

void QtSoundPlayer::play(const QString& path) {
    stop();
    QSoundEffect* effect = effectFor(path);
    if (effect == nullptr) {
        return;
    }
    current_ = effect;
    effect->play();
}

void QtSoundPlayer::stop() {
    if (current_ != nullptr) {
        current_->stop();
        current_ = nullptr;
    }
}

QSoundEffect* QtSoundPlayer::effectFor(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        return nullptr;
    }
    const QString key = info.absoluteFilePath();
    auto found = effects_.find(key);
    if (found == effects_.end()) {
        auto effect = std::make_shared<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(paddedCopy(key)));
        found = effects_.insert(key, effect);
    }
    return found->get();
}

QString QtSoundPlayer::paddedCopy(const QString& path) {
    QFile in(path);
    if (!copies_.isValid() || !in.open(QIODevice::ReadOnly)) {
        return path;
    }
    std::optional<WavHeader> header = WavHeader::read(in);
    if (!header || header->bytesPerFrame() <= 0) {
        return path;
    }
    const QByteArray samples = in.read(header->dataBytes);
    const qint64 silenceFrames = static_cast<qint64>(header->sampleRate) * trailingSilenceMs / 1000;
    const QByteArray silence(static_cast<int>(silenceFrames * header->bytesPerFrame()),
                             header->bitsPerSample == 8 ? '\x80' : '\0');
    header->dataBytes = static_cast<quint32>(samples.size() + silence.size());
    QFile out(copies_.filePath(QStringLiteral("sound%1.wav").arg(++copyCount_)));
    if (!out.open(QIODevice::WriteOnly) || out.write(header->bytes()) != WavHeader::size ||
        out.write(samples) != samples.size() || out.write(silence) != silence.size()) {
        return path;
    }
    return out.fileName();
}

} // namespace platform
