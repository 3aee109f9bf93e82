#include "oralix/core/TrainerSettingsForm.h"

#include "oralix/core/OralixSession.h"

namespace oralix {

namespace {

constexpr int rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

} // namespace

const std::array<int, 16>& TrainerSettingsForm::palette() {
    static const std::array<int, 16> colours = {
        rgb(0x00, 0x00, 0x00), rgb(0xFF, 0xFF, 0xFF), rgb(0x80, 0x80, 0x00), rgb(0xC0, 0x00, 0x00),
        rgb(0x00, 0x00, 0x80), rgb(0x1D, 0x38, 0x5B), rgb(0x80, 0x80, 0x80), rgb(0xFF, 0xFF, 0x00),
        rgb(0xC0, 0xC0, 0xC0), rgb(0xFF, 0x00, 0xFF), rgb(0x80, 0x80, 0xC0), rgb(0xF0, 0xF7, 0xFF),
        rgb(0xFF, 0x00, 0x00), rgb(0x00, 0x00, 0xFF), rgb(0x00, 0x80, 0x80), rgb(0x00, 0xFF, 0x00),
    };
    return colours;
}

QStringList TrainerSettingsForm::repeatItems() {
    QStringList items;
    for (int i = 0; i <= 10; ++i) {
        items << QString::number(i);
    }
    return items;
}

QStringList TrainerSettingsForm::intervalItems() {
    return repeatItems() << QStringLiteral("20") << QStringLiteral("30") << QStringLiteral("60");
}

TrainerSettingsForm::TrainerSettingsForm(OralixSession& session) : session_(session) {
    const OralixView& v = session.view();
    background_ = v.backgroundColour;
    text_ = v.textColour;
    book_ = v.lessons.book;
    times_ = v.repeatText;
    interval_ = v.intervalText;
    lessonTitles_ = v.lessons.titles;
    start_ = qBound(0, session.startLessonIndex(), qMax(0, int(lessonTitles_.size()) - 1));
    endTitle_ = session.endLessonTitle();
    end_ = int(lessonTitles_.indexOf(endTitle_));
}

QStringList TrainerSettingsForm::bookTitles() const {
    QStringList titles;
    for (const common::CourseContent::Book& b : session_.content().books) {
        titles << b.title;
    }
    return titles;
}

QString TrainerSettingsForm::endTitle() const {
    return end_ >= 0 && end_ < lessonTitles_.size() ? lessonTitles_[end_] : endTitle_;
}

void TrainerSettingsForm::chooseBook(const QString& title) {
    session_.settingsBookChanged(title);
    book_ = session_.view().lessons.book;
    lessonTitles_ = session_.view().lessons.titles;
    start_ = 0;
    end_ = lessonTitles_.isEmpty() ? -1 : 0;
}

void TrainerSettingsForm::chooseStart(int index) {
    if (index < 0 || index >= lessonTitles_.size()) {
        return;
    }
    start_ = index;
    end_ = index;
}

void TrainerSettingsForm::chooseEnd(int index) {
    if (index < 0 || index >= lessonTitles_.size()) {
        return;
    }
    end_ = qMax(index, start_);
}

void TrainerSettingsForm::chooseTimes(const QString& text) {
    times_ = text;
    session_.setRepeatText(text);
}

void TrainerSettingsForm::chooseInterval(const QString& text) {
    interval_ = text;
    session_.setIntervalText(text);
}

void TrainerSettingsForm::openPalette(Swatch swatch) {
    swatch_ = swatch;
}

void TrainerSettingsForm::pickColour(int cell) {
    if (cell < 0 || cell >= int(palette().size())) {
        return;
    }
    if (swatch_ == Swatch::Background) {
        background_ = palette()[cell];
    } else if (swatch_ == Swatch::Text) {
        text_ = palette()[cell];
    }
    swatch_ = Swatch::None;
}

void TrainerSettingsForm::confirm() {
    session_.applySettings(book_, start_, endTitle(), background_, text_);
}

} // namespace oralix
