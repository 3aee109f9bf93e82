// Sentara's settings file (SETTING/Set.dat): 34 "/"-terminated values.
#include "FuzzCheck.h"

#include "common/TextCodec.h"
#include "sentara/settings/StudySettings.h"

#include <cmath>

using sentara::StudySettings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const common::TextCodec::Decoded decoded = common::TextCodec::decode(bytes);
    const QString& text = decoded.text;
    int values = 0;
    const StudySettings read = StudySettings::parse(text, &values);
    FUZZ_CHECK(values >= 0 && values <= StudySettings::kValueCount);
    FUZZ_CHECK(read.modeIndex >= 1 && read.modeIndex <= 9);
    FUZZ_CHECK(read.engineChoice == 1 || read.engineChoice == 2);
    for (int f = 0; f < sentara::kRepeatFamilyCount; ++f) {
        FUZZ_CHECK(read.pauseMs[f] >= 10 && read.readCount[f] >= 0);
    }
    // What the program writes has 34 values and reads back as the same settings, and a file
    // in the written form is written back byte for byte.
    const QString written = read.format();
    FUZZ_CHECK(written.count(u'/') == StudySettings::kValueCount && written.endsWith(u'/'));
    int writtenValues = 0;
    StudySettings back = StudySettings::parse(written, &writtenValues);
    // Panel positions are written with fifteen significant digits.
    for (auto position : {&StudySettings::sentencePanelTop, &StudySettings::sentenceHandleTop}) {
        FUZZ_CHECK(std::abs(back.*position - read.*position) <=
                   1e-13 * std::max(1.0, std::abs(read.*position)));
        back.*position = read.*position;
    }
    FUZZ_CHECK(back == read);
    FUZZ_CHECK(writtenValues == StudySettings::kValueCount);
    FUZZ_CHECK(StudySettings::parse(written).format() == written);
    FUZZ_CHECK(common::TextCodec::encode(written) == written.toLatin1());
    if (text == written && decoded.encoding == common::TextCodec::Encoding::Gb18030) {
        FUZZ_CHECK(bytes == written.toLatin1());
    }
    return 0;
}
