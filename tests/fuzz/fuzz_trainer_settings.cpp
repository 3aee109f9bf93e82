// Oralix's settings file (SETTING/mnset.dat, twelve "\"-terminated values) and the engine
// choice it takes from Sentara's Set.dat.
#include "FuzzCheck.h"

#include "common/TextCodec.h"
#include "oralix/core/TrainerSettings.h"

using oralix::TrainerSettings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = common::TextCodec::decode(fuzz::bytesOf(data, size)).text;
    int values = 0;
    const TrainerSettings read = TrainerSettings::parse(text, &values);
    FUZZ_CHECK(values >= 0 && values <= TrainerSettings::kValueCount);
    FUZZ_CHECK(read.backgroundColour >= 0 && read.backgroundColour <= 0xFFFFFF);
    FUZZ_CHECK(read.textColour >= 0 && read.textColour <= 0xFFFFFF);
    // What the program writes has twelve values and reads back as the same settings, except
    // that a title loses the separators it held.
    const QString written = read.format();
    FUZZ_CHECK(written.count(u'\\') == TrainerSettings::kValueCount);
    TrainerSettings expected = read;
    expected.endLessonTitle.remove(u'\\');
    expected.book.remove(u'\\');
    int writtenValues = 0;
    FUZZ_CHECK(TrainerSettings::parse(written, &writtenValues) == expected);
    FUZZ_CHECK(writtenValues == TrainerSettings::kValueCount);
    FUZZ_CHECK(TrainerSettings::parse(written).format() == written);
    (void)oralix::EngineChoice::parse(text);
    return 0;
}
