// A Book's dictation results (SETTING/Results/<book>.dat): the entries, the summary and the star
// changes the dictation and the results panel make.
#include "FuzzCheck.h"

#include "common/BookResultsFile.h"
#include "common/TextCodec.h"

#include <algorithm>

using namespace common;

namespace {

// Two texts of one length that differ only at the given entries' first characters (their stars).
bool differOnlyInStars(const QString& a, const QString& b,
                       const QList<BookResultsFile::Entry>& entries) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) {
            continue;
        }
        const bool atStar =
            std::any_of(entries.begin(), entries.end(),
                        [i](const BookResultsFile::Entry& e) { return e.position == i; });
        if (!atStar) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = TextCodec::decode(fuzz::bytesOf(data, size)).text;
    const QList<BookResultsFile::Entry> entries = BookResultsFile::entries(text);
    qsizetype previousEnd = -1;
    for (const BookResultsFile::Entry& entry : entries) {
        FUZZ_CHECK(entry.position > previousEnd);
        FUZZ_CHECK(text.mid(entry.position, entry.text.size()) == entry.text);
        FUZZ_CHECK(!entry.text.contains(u'^'));
        previousEnd = entry.position + entry.text.size();
    }

    const BookResultsFile::Summary summary = BookResultsFile::summarize(text);
    FUZZ_CHECK(summary.lessons == summary.done.size() + summary.open.size());
    for (const QString& title : summary.done) {
        FUZZ_CHECK(!title.contains(QChar(kDoneStar)));
    }
    for (const QString& title : summary.open) {
        FUZZ_CHECK(!title.contains(QChar(kOpenStar)));
    }

    // Clearing the Book turns stars only, keeps the count and is idempotent.
    const QString cleared = BookResultsFile::withAllOpen(text);
    FUZZ_CHECK(differOnlyInStars(text, cleared, entries));
    FUZZ_CHECK(BookResultsFile::summarize(cleared).done.isEmpty());
    FUZZ_CHECK(BookResultsFile::summarize(cleared).lessons == summary.lessons);
    FUZZ_CHECK(BookResultsFile::withAllOpen(cleared) == cleared);

    // Marking a lesson done and reopening it touches only stars, and reopening undoes the mark
    // (the first entries only: each edit walks the whole text).
    for (const BookResultsFile::Entry& entry :
         entries.first(std::min<qsizetype>(entries.size(), 8))) {
        if (entry.text.isEmpty()) {
            continue;
        }
        const QString title = entry.text.mid(1);
        const QString done = BookResultsFile::withLessonDone(text, title);
        FUZZ_CHECK(differOnlyInStars(text, done, entries));
        FUZZ_CHECK(BookResultsFile::withLessonDone(done, title) == done);
        FUZZ_CHECK(BookResultsFile::withLessonOpen(done, title) ==
                   BookResultsFile::withLessonOpen(text, title));
        if (entry.isOpen()) {
            FUZZ_CHECK(done != text);
        }
    }
    return 0;
}
