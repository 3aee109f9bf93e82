#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

bool QtShell::openUrl(const QString& url) {
    const QUrl address = QUrl::fromUserInput(url);
    return address.isValid() && QDesktopServices::openUrl(address);
}

bool QtShell::startDetached(const QString& program, const QStringList& arguments) {
    // Started in its own folder, as a program of the course folder expects.
    const QFileInfo info(program);
    const QString folder = info.isFile() ? info.absolutePath() : QString();
    return QProcess::startDetached(program, arguments, folder);
}

} // namespace platform
