#include "common/CourseFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace common {

namespace {

QStringList components(const QString& relative) {
    QStringList parts;
    QString part;
    for (const QChar c : relative) {
        if (c == u'/' || c == u'\\') {
            if (!part.isEmpty() && part != u".")
                parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.isEmpty() && part != u".")
        parts << part;
    return parts;
}

// The entries of `folder` that `name` may mean: the exact name first when it exists, then every
// other entry equal to it ignoring case, in name order.
QStringList candidates(const QString& folder, const QString& name) {
    QStringList found;
    if (QFileInfo::exists(folder + u'/' + name))
        found << name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
            found << entry;
    }
    return found;
}

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

struct Resolved {
    QString path;
    int existing = 0; // how many components were found
};

// Resolves parts[i..] under `folder`. When several entries match a component ("Bitmap" and
// "bitmap"), the one under which more of the path exists wins, the exact name on a tie.
Resolved resolveFrom(const QString& folder, const QStringList& parts, qsizetype i) {
    if (i == parts.size())
        return {folder, 0};
    const QString& part = parts.at(i);
    const QStringList names = part == u".." ? QStringList() : candidates(folder, part);
    if (names.isEmpty()) {
        QString path = folder; // nothing below a missing folder exists: the rest as written
        for (qsizetype k = i; k < parts.size(); ++k)
            path = joined(path, parts.at(k));
        return {path, 0};
    }
    Resolved best;
    best.existing = -1;
    for (const QString& name : names) {
        Resolved below = resolveFrom(joined(folder, name), parts, i + 1);
        if (below.existing + 1 > best.existing) {
            best = {below.path, below.existing + 1};
            if (best.existing == parts.size() - i)
                break; // the whole rest exists
        }
    }
    return best;
}

} // namespace

CourseFolder::CourseFolder(QString root, QString programDir)
    : root_(QDir::cleanPath(std::move(root))),
      programDir_(programDir.isEmpty() ? root_ : QDir::cleanPath(std::move(programDir))) {
}

CourseFolder CourseFolder::fromApplication(const QStringList& arguments) {
    QString programDir;
    if (QCoreApplication::instance())
        programDir = QCoreApplication::applicationDirPath();
    else if (!arguments.isEmpty())
        programDir = QFileInfo(arguments.first()).absolutePath();
    else
        programDir = QDir::currentPath();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--course" && i + 1 < arguments.size())
            return CourseFolder(QFileInfo(arguments.at(i + 1)).absoluteFilePath(), programDir);
        if (argument.startsWith(u"--course="))
            return CourseFolder(QFileInfo(argument.mid(9)).absoluteFilePath(), programDir);
    }
    const QString fromEnvironment = qEnvironmentVariable("TRAINER_COURSE_DIR");
    if (!fromEnvironment.isEmpty())
        return CourseFolder(QFileInfo(fromEnvironment).absoluteFilePath(), programDir);
    return CourseFolder(programDir);
}

QString CourseFolder::resolve(const QString& relative) const {
    const QStringList parts = components(relative);
    // A path that exists as written is what the search below would choose (every component found,
    // the exact names first), so the folders need not be listed for it.
    QString asWritten = root_;
    for (const QString& part : parts) {
        asWritten = joined(asWritten, part);
    }
    if (QFileInfo::exists(asWritten)) {
        return asWritten;
    }
    return resolveFrom(root_, parts, 0).path;
}

bool CourseFolder::exists(const QString& relative) const {
    return QFileInfo::exists(resolve(relative));
}

QString CourseFolder::lessonFile(const QString& book, int lesson) const {
    return resolve(QStringLiteral("Book/") + book + u'/' + QString::number(lesson) +
                   QStringLiteral(".dat"));
}

QString CourseFolder::mediaFile(const QString& book, const QString& name) const {
    return resolve(QStringLiteral("Sound/") + book + u'/' + name);
}

QString CourseFolder::bookListFile(const QString& book) const {
    return resolve(QStringLiteral("SETTING/BookList/") + book + QStringLiteral(".dat"));
}

bool CourseFolder::isPresent(QString* error) const {
    if (QFileInfo(root_).isDir()) {
        return true;
    }
    if (error) {
        *error = QStringLiteral("课程文件夹“%1”已不存在（可能已被移走或删除），设置没有保存。")
                     .arg(root_);
    }
    return false;
}

QString CourseFolder::resultsFile(const QString& book) const {
    return resolve(QStringLiteral("SETTING/Results/") + book + QStringLiteral(".dat"));
}

QString CourseFolder::studySettingsFile() const {
    return resolve(QStringLiteral("SETTING/Set.dat"));
}

QString CourseFolder::trainerSettingsFile() const {
    return resolve(QStringLiteral("SETTING/mnset.dat"));
}

QString CourseFolder::interfaceSound(const QString& name) const {
    return resolve(QStringLiteral("SETTING/Sound/") + name);
}

QString CourseFolder::wordSound(const QString& word) const {
    // A word is one file name: anything that would leave the Word folder has no recording.
    if (word.isEmpty() || word.contains(u'/') || word.contains(u'\\') || word == u"." ||
        word == u"..")
        return QString();
    const qsizetype first = word.at(0).isHighSurrogate() && word.size() > 1 ? 2 : 1;
    return resolve(QStringLiteral("Word/") + word.left(first) + u'/' + word +
                   QStringLiteral(".wav"));
}

QString CourseFolder::picture(const QString& name) const {
    return resolve(QStringLiteral("Bitmap/") + name);
}

QString CourseFolder::dictionaryFile() const {
    return resolve(QStringLiteral("lib.dll"));
}

QString CourseFolder::recorderFile() const {
    return resolve(QStringLiteral("Recorder.wav"));
}

QString CourseFolder::contentFile() const {
    return resolve(QStringLiteral("SETTING/Content.json"));
}

QString CourseFolder::programFile(const QString& name) const {
    return CourseFolder(programDir_).resolve(name);
}

} // namespace common
