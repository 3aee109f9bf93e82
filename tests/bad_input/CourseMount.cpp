#include "CourseMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <unistd.h>

namespace badinput {

namespace {

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

bool CourseMount::available() {
    static const bool works = [] {
        if (::geteuid() != 0) {
            return false;
        }
        const QString probe = QDir::temp().filePath(QStringLiteral("course-mount-probe"));
        QDir().mkpath(probe);
        const bool ok =
            run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", probe}) &&
            run(QStringLiteral("umount"), {probe});
        QDir(probe).removeRecursively();
        return ok;
    }();
    return works;
}

CourseMount::CourseMount(QString root, int sizeKiB)
    : root_(std::move(root)), side_(root_ + QStringLiteral(".files")) {
    if (!available() || !QDir().mkpath(side_) || !run("cp", {"-a", root_ + "/.", side_ + "/"}) ||
        !run("mount",
             {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(sizeKiB), "tmpfs", root_})) {
        return;
    }
    mounted_ = run("cp", {"-a", side_ + "/.", root_ + "/"});
}

CourseMount::~CourseMount() {
    if (!mounted_) {
        QDir(side_).removeRecursively();
        return;
    }
    // What the program left on the mount goes back into the folder.
    QFile::remove(root_ + QStringLiteral("/.filler"));
    QDir(side_).removeRecursively();
    QDir().mkpath(side_);
    run("cp", {"-a", root_ + "/.", side_ + "/"});
    run("umount", {root_});
    run("cp", {"-a", side_ + "/.", root_ + "/"});
    QDir(side_).removeRecursively();
}

bool CourseMount::makeReadOnly() {
    return mounted_ && run("mount", {"-o", "remount,ro", root_});
}

bool CourseMount::fill() {
    // dd stops with an error once the file system is full; that is the point.
    run("dd", {"if=/dev/zero", "of=" + root_ + "/.filler", "bs=4k"});
    return mounted_;
}

} // namespace badinput
