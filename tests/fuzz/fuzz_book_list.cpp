// A Book's lesson-title list (SETTING/BookList/<book>.dat) as both trainers read it.
#include "FuzzCheck.h"

#include "common/BookListFile.h"
#include "common/TextCodec.h"

using namespace common;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TextCodec::Decoded decoded = TextCodec::decode(fuzz::bytesOf(data, size));
    const QString& text = decoded.text;
    const QStringList titles = BookListFile::parse(text);
    // Titles never hold the separator, so writing them and reading them back is lossless.
    const QString written = BookListFile::format(titles);
    FUZZ_CHECK(BookListFile::parse(written) == titles);
    for (const QString& title : titles) {
        FUZZ_CHECK(!title.contains(u'^'));
    }
    // A list in the program's own form ("^" title "^" ... "^") is written back unchanged.
    if (text.startsWith(u'^') && text.endsWith(u'^') && text.size() > 1) {
        FUZZ_CHECK(written == text);
    }
    return 0;
}
