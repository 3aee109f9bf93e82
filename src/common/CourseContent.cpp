#include "common/CourseContent.h"

#include "common/CourseFolder.h"
#include "common/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

namespace common {

namespace {

// Reads the keys of a content object over `content`. Each reader returns false and sets
// *error when a present key has the wrong shape; absent keys keep their value. Errors name a key
// by its path: the reader's prefix ("trainer.") followed by the key.
class ContentReader {
public:
    explicit ContentReader(QString* error, const QString& prefix = QString())
        : error_(error), prefix_(prefix) {}

    bool fail(const QString& key, const QString& expected) {
        if (error_)
            *error_ = QStringLiteral("课程内容文件有误：“%1”应为%2。").arg(key, expected);
        return false;
    }

    // The object under `key`; an absent key leaves `target` empty, so every key read from it
    // keeps its value.
    bool object(const QJsonObject& parent, const QString& key, QJsonObject& target) {
        if (!parent.contains(key))
            return true;
        const QJsonValue value = parent.value(key);
        if (!value.isObject())
            return fail(prefix_ + key, QStringLiteral("对象"));
        target = value.toObject();
        return true;
    }

    bool string(const QJsonObject& object, const QString& key, QString& target) {
        if (!object.contains(key))
            return true;
        const QJsonValue value = object.value(key);
        if (!value.isString())
            return fail(prefix_ + key, QStringLiteral("文本"));
        target = value.toString();
        return true;
    }

    bool strings(const QJsonObject& object, const QString& key, QStringList& target) {
        const QString path = prefix_ + key;
        if (!object.contains(key))
            return true;
        const QJsonValue value = object.value(key);
        if (!value.isArray())
            return fail(path, QStringLiteral("文本的列表"));
        QStringList list;
        for (const QJsonValue item : value.toArray()) {
            if (!item.isString())
                return fail(path, QStringLiteral("文本的列表"));
            list << item.toString();
        }
        target = list;
        return true;
    }

    bool integer(const QJsonValue& value, int& target) {
        if (!value.isDouble())
            return false;
        const double number = value.toDouble();
        if (number != static_cast<double>(static_cast<int>(number)))
            return false;
        target = static_cast<int>(number);
        return true;
    }

    bool rangesOf(const QJsonValue& value, QList<LessonRange>& target, const QString& path) {
        const QString expected =
            QStringLiteral("由 {\"first\", \"last\", \"file\"} 整数组成的列表");
        if (!value.isArray())
            return fail(path, expected);
        QList<LessonRange> ranges;
        for (const QJsonValue item : value.toArray()) {
            const QJsonObject range = item.toObject();
            LessonRange parsed;
            if (!item.isObject() || !integer(range.value(u"first"), parsed.first) ||
                !integer(range.value(u"last"), parsed.last) ||
                !integer(range.value(u"file"), parsed.file))
                return fail(path, expected);
            ranges << parsed;
        }
        target = ranges;
        return true;
    }

    bool ranges(const QJsonObject& object, const QString& key, QList<LessonRange>& target) {
        return !object.contains(key) || rangesOf(object.value(key), target, prefix_ + key);
    }

    bool books(const QJsonObject& object, QList<CourseContent::Book>& target) {
        if (!object.contains(u"books"))
            return true;
        const QString expected = QStringLiteral("由 {\"title\", \"lessons\"} 组成的列表");
        const QJsonValue value = object.value(u"books");
        if (!value.isArray())
            return fail(QStringLiteral("books"), expected);
        QList<CourseContent::Book> list;
        for (const QJsonValue item : value.toArray()) {
            const QJsonObject book = item.toObject();
            CourseContent::Book parsed;
            if (!item.isObject() || !book.value(u"title").isString() ||
                !integer(book.value(u"lessons"), parsed.lessonCount) || parsed.lessonCount < 0)
                return fail(QStringLiteral("books"), expected);
            parsed.title = book.value(u"title").toString();
            list << parsed;
        }
        target = list;
        return true;
    }

    bool groupedAudio(const QJsonObject& object, QHash<QString, QList<LessonRange>>& target) {
        if (!object.contains(u"groupedAudio"))
            return true;
        const QJsonValue value = object.value(u"groupedAudio");
        if (!value.isObject())
            return fail(QStringLiteral("groupedAudio"), QStringLiteral("以书名为键的对象"));
        QHash<QString, QList<LessonRange>> table;
        const QJsonObject titles = value.toObject();
        for (auto it = titles.begin(); it != titles.end(); ++it) {
            QList<LessonRange> list;
            if (!rangesOf(it.value(), list, QStringLiteral("groupedAudio.") + it.key()))
                return false;
            table.insert(it.key(), list);
        }
        target = table;
        return true;
    }

private:
    QString* error_;
    QString prefix_;
};

bool apply(const QJsonObject& root, CourseContent& content, QString* error) {
    ContentReader read(error);
    if (!read.books(root, content.books) || !read.groupedAudio(root, content.groupedAudio) ||
        !read.strings(root, u"videoTitles"_qs, content.videoTitles) ||
        !read.string(root, u"videoSeriesPrefix"_qs, content.videoSeriesPrefix) ||
        !read.string(root, u"videoCourseTitle"_qs, content.videoCourseTitle) ||
        !read.strings(root, u"videoWindowTitles"_qs, content.videoWindowTitles) ||
        !read.strings(root, u"volume50Titles"_qs, content.volume50Titles) ||
        !read.strings(root, u"volume70Titles"_qs, content.volume70Titles) ||
        !read.strings(root, u"textLayoutTitles"_qs, content.textLayoutTitles) ||
        !read.string(root, u"compactTrainerProgram"_qs, content.compactTrainerProgram))
        return false;

    QJsonObject trainer;
    ContentReader inTrainer(error, QStringLiteral("trainer."));
    if (!read.object(root, u"trainer"_qs, trainer) ||
        !inTrainer.string(trainer, u"titleSetA"_qs, content.titleSetA) ||
        !inTrainer.ranges(trainer, u"titleSetARanges"_qs, content.titleSetARanges) ||
        !inTrainer.string(trainer, u"titleSetB"_qs, content.titleSetB) ||
        !inTrainer.ranges(trainer, u"titleSetBRanges"_qs, content.titleSetBRanges) ||
        !inTrainer.strings(trainer, u"videoTitles"_qs, content.trainerVideoTitles) ||
        !inTrainer.string(trainer, u"volume70Title"_qs, content.trainerVolume70Title) ||
        !inTrainer.string(trainer, u"volume50Title"_qs, content.trainerVolume50Title))
        return false;

    QJsonObject urls;
    ContentReader inUrls(error, QStringLiteral("urls."));
    return read.object(root, u"urls"_qs, urls) &&
           inUrls.string(urls, u"dictionary"_qs, content.dictionaryUrl) &&
           inUrls.string(urls, u"help"_qs, content.helpUrl) &&
           inUrls.string(urls, u"logo"_qs, content.logoUrl);
}

std::optional<CourseContent> parseOver(const CourseContent& base, const QByteArray& json,
                                       QString* error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("课程内容文件不是有效的 JSON（第 %1 个字节附近：%2）。")
                         .arg(parseError.offset)
                         .arg(parseError.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        if (error)
            *error = QStringLiteral("课程内容文件有误：最外层应为一个 JSON 对象。");
        return std::nullopt;
    }
    CourseContent content = base;
    if (!apply(document.object(), content, error))
        return std::nullopt;
    return content;
}

// JSON is UTF-8; a file saved in the system code page (GBK) is converted first.
QByteArray asUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return bytes;
    return TextFile::decode(bytes).toUtf8();
}

} // namespace

bool CourseContent::isVideoTitle(const QString& title) const {
    return videoTitles.contains(title) ||
           (!videoSeriesPrefix.isEmpty() && title.startsWith(videoSeriesPrefix));
}

std::optional<int> CourseContent::rangeFile(const QList<LessonRange>& ranges, int lesson) {
    for (const LessonRange& range : ranges) {
        if (lesson >= range.first && lesson <= range.last)
            return range.file;
    }
    return std::nullopt;
}

CourseContent CourseContent::defaults() {
    static const CourseContent demo = [] {
        QFile file(QStringLiteral(":/course/Content.json"));
        if (!file.open(QIODevice::ReadOnly))
            return CourseContent{};
        QString error;
        const std::optional<CourseContent> parsed =
            parseOver(CourseContent{}, asUtf8(file.readAll()), &error);
        if (!parsed)
            qWarning("The compiled-in course content is not valid: %s", qPrintable(error));
        return parsed.value_or(CourseContent{});
    }();
    return demo;
}

std::optional<CourseContent> CourseContent::fromJson(const QByteArray& json, QString* error) {
    return parseOver(defaults(), asUtf8(json), error);
}

CourseContent CourseContent::load(const CourseFolder& folder, QString* error) {
    const QString path = folder.contentFile();
    if (!QFileInfo::exists(path))
        return defaults();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("无法读取课程内容文件“%1”：%2").arg(path, file.errorString());
        return defaults();
    }
    QString parseError;
    const std::optional<CourseContent> content = fromJson(file.readAll(), &parseError);
    if (!content) {
        if (error)
            *error = parseError + QStringLiteral("（%1）已改用默认内容。").arg(path);
        return defaults();
    }
    return *content;
}

} // namespace common
