#pragma once

#include "sentara/course/SessionView.h"

#include <QString>
#include <optional>

namespace common {
class CourseFolder;
struct CourseContent;
} // namespace common

namespace sentara {

struct LessonRef {
    QString book;
    int lesson = 0;
    bool operator==(const LessonRef&) const = default;
};

// The catalogue tree: the Books of the course in order, each a Book node followed by one node
// per lesson. Node indexes count from 1 over the whole tree. Each Book's run has as many lesson
// nodes as the course content gives it, whatever its BookList file holds, so node indexes never
// shift; a title the file lacks reads "第<n>课".
class Catalogue {
public:
    Catalogue() = default;
    // Builds the tree from the course content and the BookList files (AddCatalogueBook per Book).
    static Catalogue build(const common::CourseContent& content,
                           const common::CourseFolder& folder);

    void AddCatalogueBook(const QString& title, int lessonCount, const QStringList& titles);

    // The lesson of a lesson node; nullopt for a Book node or an index outside the tree.
    std::optional<LessonRef> SelectCatalogueBook(int nodeIndex) const;
    // The node of a lesson; 0 when the Book or lesson is not in the tree.
    int nodeOf(const LessonRef& lesson) const;
    QString lessonTitle(int nodeIndex) const;
    int nodeCount() const { return nodeCount_; }
    const CatalogueView& view() const { return view_; }

private:
    CatalogueView view_;
    int nodeCount_ = 0;
};

} // namespace sentara
