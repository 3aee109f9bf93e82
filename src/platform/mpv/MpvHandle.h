#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

struct mpv_handle;

namespace platform {

// Owns one libmpv instance set up for sentence playback: audio to PulseAudio (else nowhere),
// exact seeks, paused at the end of the file instead of unloading it, no video until a window
// is given. mpv's wakeup callback only posts a queued call; the events are drained on the Qt
// thread. Every command and property write is asynchronous, so nothing here ever waits on mpv.
class MpvHandle : public QObject {
    Q_OBJECT
public:
    explicit MpvHandle(QObject* parent = nullptr);
    ~MpvHandle() override;
    MpvHandle(const MpvHandle&) = delete;
    MpvHandle& operator=(const MpvHandle&) = delete;

    bool isValid() const { return mpv_ != nullptr; }

    void command(const QStringList& args);
    // Supported values: bool, integers, double and strings.
    void setProperty(const char* name, const QVariant& value);
    // Observed properties arrive through propertyChanged; formats follow the value types above.
    enum class Format { Flag, Double, Int64, String };
    void observe(const char* name, Format format);

signals:
    // An invalid value means the property is unavailable (no file loaded).
    void propertyChanged(const QString& name, const QVariant& value);
    void fileLoaded();
    void playbackRestarted();
    // reason: 0 end of file, 2 stopped/replaced, 4 error (mpv's end-file reasons).
    void fileEnded(int reason);

private:
    static void wakeup(void* context);
    void drainEvents();

    mpv_handle* mpv_ = nullptr;
    quint64 nextReply_ = 1;
};

} // namespace platform
