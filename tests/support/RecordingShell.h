#pragma once

#include "common/ports/Shell.h"

#include <QList>

namespace support {

// Records the web addresses opened and the programs started; succeeds unless told otherwise.
class RecordingShell : public ports::Shell {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };

    bool openUrl(const QString& url) override {
        urls_.append(url);
        return urlResult_;
    }
    bool startDetached(const QString& program, const QStringList& arguments = {}) override {
        started_.append(Started{program, arguments});
        return startResult_;
    }

    const QStringList& urls() const { return urls_; }
    const QList<Started>& started() const { return started_; }
    QStringList programs() const {
        QStringList result;
        for (const Started& s : started_)
            result << s.program;
        return result;
    }

    void setOpenUrlResult(bool ok) { urlResult_ = ok; }
    void setStartResult(bool ok) { startResult_ = ok; }

private:
    QStringList urls_;
    QList<Started> started_;
    bool urlResult_ = true;
    bool startResult_ = true;
};

} // namespace support
