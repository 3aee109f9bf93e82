#include "sentara/course/Catalogue.h"

#include "common/BookListFile.h"
#include "common/CourseContent.h"
#include "common/CourseFolder.h"

namespace sentara {

Catalogue Catalogue::build(const common::CourseContent& content,
                           const common::CourseFolder& folder) {
    Catalogue catalogue;
    for (const common::CourseContent::Book& book : content.books) {
        const QStringList titles =
            common::BookListFile::read(folder.bookListFile(book.title)).value_or(QStringList{});
        catalogue.AddCatalogueBook(book.title, book.lessonCount, titles);
    }
    return catalogue;
}

void Catalogue::AddCatalogueBook(const QString& title, int lessonCount, const QStringList& titles) {
    CatalogueBookView book;
    book.title = title;
    book.bookNode = nodeCount_ + 1;
    for (int k = 1; k <= lessonCount; ++k) {
        book.lessonTitles.append(k <= titles.size() ? titles[k - 1]
                                                    : QStringLiteral("第%1课").arg(k));
    }
    nodeCount_ += 1 + lessonCount;
    view_.books.append(book);
}

std::optional<LessonRef> Catalogue::SelectCatalogueBook(int nodeIndex) const {
    for (const CatalogueBookView& book : view_.books) {
        // 64-bit: a node index read from a damaged settings file may be near the int limits.
        const qint64 lesson = qint64(nodeIndex) - book.bookNode;
        if (lesson >= 1 && lesson <= book.lessonTitles.size()) {
            return LessonRef{book.title, static_cast<int>(lesson)};
        }
    }
    return std::nullopt;
}

int Catalogue::nodeOf(const LessonRef& lesson) const {
    for (const CatalogueBookView& book : view_.books) {
        if (book.title == lesson.book && lesson.lesson >= 1 &&
            lesson.lesson <= book.lessonTitles.size()) {
            return book.bookNode + lesson.lesson;
        }
    }
    return 0;
}

QString Catalogue::lessonTitle(int nodeIndex) const {
    for (const CatalogueBookView& book : view_.books) {
        const qint64 lesson = qint64(nodeIndex) - book.bookNode;
        if (lesson >= 1 && lesson <= book.lessonTitles.size()) {
            return book.lessonTitles[lesson - 1];
        }
    }
    return {};
}

} // namespace sentara
