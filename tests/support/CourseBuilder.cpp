#include "CourseBuilder.h"

#include "common/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace support {

CourseBuilder::CourseBuilder() {
    if (!dir_.isValid())
        ADD_FAILURE() << "CourseBuilder: no temporary folder: " << dir_.errorString().toStdString();
}

QString CourseBuilder::path(const QString& relative) const {
    return dir_.path() + u'/' + relative;
}

CourseBuilder& CourseBuilder::file(const QString& relative, const QByteArray& bytes) {
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        ADD_FAILURE() << "CourseBuilder: cannot write " << target.toStdString() << ": "
                      << out.errorString().toStdString();
    return *this;
}

CourseBuilder& CourseBuilder::textFile(const QString& relative, const QString& text) {
    const std::optional<QByteArray> bytes = common::TextFile::encode(text);
    if (!bytes) {
        ADD_FAILURE() << "CourseBuilder: text of " << relative.toStdString() << " has no GBK form";
        return *this;
    }
    return file(relative, *bytes);
}

CourseBuilder& CourseBuilder::bookList(const QString& book, const QStringList& titles) {
    QString text = QStringLiteral("^");
    for (const QString& title : titles)
        text += title + u'^';
    return bookListText(book, text);
}

CourseBuilder& CourseBuilder::bookListText(const QString& book, const QString& text) {
    return textFile(QStringLiteral("SETTING/BookList/") + book + QStringLiteral(".dat"), text);
}

QString CourseBuilder::lessonTextOf(const QList<SentenceSpec>& sentences) {
    QString text = QStringLiteral("*");
    for (const SentenceSpec& sentence : sentences)
        text += sentence.record() + u'*';
    return text;
}

CourseBuilder& CourseBuilder::lesson(const QString& book, int n,
                                     const QList<SentenceSpec>& sentences) {
    return lessonText(book, n, lessonTextOf(sentences));
}

CourseBuilder& CourseBuilder::lessonText(const QString& book, int n, const QString& text) {
    return textFile(
        QStringLiteral("Book/") + book + u'/' + QString::number(n) + QStringLiteral(".dat"), text);
}

CourseBuilder& CourseBuilder::media(const QString& book, const QString& name, qint64 durationMs,
                                    int loadDelayMs) {
    const QString relative = QStringLiteral("Sound/") + book + u'/' + name;
    file(relative, QByteArray());
    if (durationMs >= 0)
        media_.add(path(relative), durationMs, loadDelayMs);
    return *this;
}

CourseBuilder& CourseBuilder::studySettings(const QString& text) {
    return textFile(QStringLiteral("SETTING/Set.dat"), text);
}

CourseBuilder& CourseBuilder::trainerSettings(const QString& text) {
    return textFile(QStringLiteral("SETTING/mnset.dat"), text);
}

CourseBuilder& CourseBuilder::results(const QString& book, const QString& text) {
    return textFile(QStringLiteral("SETTING/Results/") + book + QStringLiteral(".dat"), text);
}

CourseBuilder& CourseBuilder::dictionary(const QString& text) {
    return textFile(QStringLiteral("lib.dll"), text);
}

CourseBuilder& CourseBuilder::content(const QByteArray& json) {
    return file(QStringLiteral("SETTING/Content.json"), json);
}

} // namespace support
