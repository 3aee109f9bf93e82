#pragma once

#include <QString>
#include <QStringList>

namespace ports {

// The desktop shell: web pages and other programs.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address in the default browser; false when nothing could open it.
    virtual bool openUrl(const QString& url) = 0;
    // Starts a program detached; false when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments = {}) = 0;
};

} // namespace ports
