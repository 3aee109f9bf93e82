#include "sentara/dictation/ResultsStore.h"

#include "common/BookResultsFile.h"
#include "common/CourseFolder.h"
#include "common/TextFile.h"
#include "common/ports/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace sentara {

ResultsStore::ResultsStore(const common::CourseFolder& folder, ports::Dialogs& dialogs)
    : folder_(folder), dialogs_(dialogs) {
}

void ResultsStore::load(const QString& book) {
    if (unsaved_ && book == book_) {
        return; // the file does not hold the last change: the copy in memory is the record
    }
    book_ = book;
    path_ = folder_.resultsFile(book);
    unsaved_ = false;
    text_.clear();
    problem_.clear();
    readable_ = false;
    const QString shown = QDir::toNativeSeparators(path_);
    if (!QFileInfo::exists(path_)) {
        problem_ =
            QStringLiteral("找不到本册成绩文件“%1”，课程的完成情况无法显示和保存。").arg(shown);
        return;
    }
    QString error;
    if (const std::optional<QString> text = common::TextFile::read(path_, &error)) {
        text_ = *text;
        readable_ = true;
    } else {
        problem_ =
            QStringLiteral("本册成绩文件“%1”无法读取，课程的完成情况无法显示和保存。\r\n原因：%2")
                .arg(shown, error);
    }
}

bool ResultsStore::markDone(const QString& title) {
    return change(common::BookResultsFile::withLessonDone(text_, title));
}

bool ResultsStore::reopen(const QString& title) {
    return change(common::BookResultsFile::withLessonOpen(text_, title));
}

bool ResultsStore::reopenAll() {
    return change(common::BookResultsFile::withAllOpen(text_));
}

bool ResultsStore::change(const QString& updated) {
    if (!readable_) {
        dialogs_.info(QStringLiteral("提示"), problem_);
        return false;
    }
    if (updated == text_) {
        return !unsaved_;
    }
    text_ = updated;
    QString error;
    // The same atomic rewrite as the lesson files: a file removed since it was read is not made
    // anew, and a file that would not come back byte for byte is left as it is.
    if (common::TextFile::rewrite(path_, text_, &error)) {
        unsaved_ = false;
        return true;
    }
    unsaved_ = true;
    dialogs_.info(QStringLiteral("提示"),
                  QStringLiteral("本册成绩文件“%1”无法写入，刚才的成绩只保留在程序中，"
                                 "关闭程序后将会丢失。\r\n原因：%2")
                      .arg(QDir::toNativeSeparators(path_), error));
    return false;
}

} // namespace sentara
