#include "platform/mpv/MpvHandle.h"

#include <QByteArray>
#include <QMetaObject>
#include <QPointer>
#include <clocale>
#include <mpv/client.h>
#include <vector>

namespace platform {

namespace {

void setOption(mpv_handle* mpv, const char* name, const char* value) {
    mpv_set_option_string(mpv, name, value);
}

} // namespace

MpvHandle::MpvHandle(QObject* parent) : QObject(parent) {
    // libmpv refuses to start unless numbers are formatted the C way; the application object
    // sets the locale from the environment, so set it back for numbers only.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (mpv_ == nullptr) {
        return;
    }
    setOption(mpv_, "terminal", "no");
    setOption(mpv_, "msg-level", "all=no");
    setOption(mpv_, "config", "no");
    setOption(mpv_, "idle", "yes");
    setOption(mpv_, "ao", "pulse,null");
    setOption(mpv_, "hr-seek", "yes");
    setOption(mpv_, "keep-open", "yes");
    setOption(mpv_, "pause", "yes");
    setOption(mpv_, "vid", "no");
    setOption(mpv_, "audio-display", "no");
    setOption(mpv_, "force-window", "no");
    setOption(mpv_, "osc", "no");
    setOption(mpv_, "input-default-bindings", "no");
    setOption(mpv_, "input-vo-keyboard", "no");
    setOption(mpv_, "input-cursor", "no");
    setOption(mpv_, "vo", "gpu,x11,");
    setOption(mpv_, "gpu-context", "x11egl");
    setOption(mpv_, "hwdec", "no");
    setOption(mpv_, "audio-client-name", "trainers");
    if (mpv_initialize(mpv_) < 0) {
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        return;
    }
    mpv_set_wakeup_callback(mpv_, &MpvHandle::wakeup, this);
}

MpvHandle::~MpvHandle() {
    if (mpv_ != nullptr) {
        mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
        mpv_terminate_destroy(mpv_);
    }
}

void MpvHandle::wakeup(void* context) {
    // Runs on one of mpv's threads: post, never call back into mpv from here.
    QMetaObject::invokeMethod(static_cast<MpvHandle*>(context), &MpvHandle::drainEvents,
                              Qt::QueuedConnection);
}

void MpvHandle::command(const QStringList& args) {
    if (mpv_ == nullptr) {
        return;
    }
    std::vector<QByteArray> utf8;
    utf8.reserve(args.size());
    for (const QString& arg : args) {
        utf8.push_back(arg.toUtf8());
    }
    std::vector<const char*> argv;
    for (const QByteArray& arg : utf8) {
        argv.push_back(arg.constData());
    }
    argv.push_back(nullptr);
    mpv_command_async(mpv_, nextReply_++, argv.data());
}

void MpvHandle::setProperty(const char* name, const QVariant& value) {
    if (mpv_ == nullptr) {
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool: {
        int flag = value.toBool() ? 1 : 0;
        mpv_set_property_async(mpv_, nextReply_++, name, MPV_FORMAT_FLAG, &flag);
        break;
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        int64_t number = value.toLongLong();
        mpv_set_property_async(mpv_, nextReply_++, name, MPV_FORMAT_INT64, &number);
        break;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        double number = value.toDouble();
        mpv_set_property_async(mpv_, nextReply_++, name, MPV_FORMAT_DOUBLE, &number);
        break;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        const char* data = text.constData();
        mpv_set_property_async(mpv_, nextReply_++, name, MPV_FORMAT_STRING, &data);
        break;
    }
    }
}

void MpvHandle::observe(const char* name, Format format) {
    if (mpv_ == nullptr) {
        return;
    }
    mpv_format mpvFormat = MPV_FORMAT_STRING;
    switch (format) {
    case Format::Flag:
        mpvFormat = MPV_FORMAT_FLAG;
        break;
    case Format::Double:
        mpvFormat = MPV_FORMAT_DOUBLE;
        break;
    case Format::Int64:
        mpvFormat = MPV_FORMAT_INT64;
        break;
    case Format::String:
        mpvFormat = MPV_FORMAT_STRING;
        break;
    }
    mpv_observe_property(mpv_, 0, name, mpvFormat);
}

void MpvHandle::drainEvents() {
    // A receiver may delete this handle from one of the signals below: stop draining then.
    const QPointer<MpvHandle> alive(this);
    while (alive && mpv_ != nullptr) {
        const mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE) {
            break;
        }
        switch (event->event_id) {
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto* property = static_cast<const mpv_event_property*>(event->data);
            QVariant value;
            if (property->data != nullptr) {
                switch (property->format) {
                case MPV_FORMAT_FLAG:
                    value = *static_cast<const int*>(property->data) != 0;
                    break;
                case MPV_FORMAT_DOUBLE:
                    value = *static_cast<const double*>(property->data);
                    break;
                case MPV_FORMAT_INT64:
                    value = static_cast<qlonglong>(*static_cast<const int64_t*>(property->data));
                    break;
                case MPV_FORMAT_STRING:
                    value = QString::fromUtf8(*static_cast<char* const*>(property->data));
                    break;
                default:
                    break;
                }
            }
            emit propertyChanged(QString::fromUtf8(property->name), value);
            break;
        }
        case MPV_EVENT_FILE_LOADED:
            emit fileLoaded();
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            emit playbackRestarted();
            break;
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(event->data);
            emit fileEnded(static_cast<int>(end->reason));
            break;
        }
        case MPV_EVENT_SHUTDOWN:
            return;
        default:
            break;
        }
    }
}

} // namespace platform
