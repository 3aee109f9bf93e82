#include "sentara/course/LoadedLesson.h"

namespace sentara {

namespace {

bool startsWithLetter(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    const QChar c = text.front().toLower();
    return c >= u'a' && c <= u'z';
}

} // namespace

WordCell wordCell(const common::WordToken& token) {
    WordCell cell;
    cell.caption = token.display();
    cell.lookupForm = token.lookupForm();
    cell.clickable = startsWithLetter(token.raw);
    cell.keyWord = token.raw.contains(u'$') && token.raw.contains(common::kKeyWordMarker);
    return cell;
}

LoadedLesson::LoadedLesson(QString book, int lesson, int node, const QString& text)
    : loaded_(true), book_(std::move(book)), lesson_(lesson), node_(node),
      records_(common::LessonText::split(text)), frame_(common::LessonText::frameOf(text)) {
    recount();
}

void LoadedLesson::recount() {
    keyWordCount_ = common::LessonText::keyWordCount(LessonText());
    dictatedCount_ = common::LessonText::dictatedCount(records_);
}

common::SentenceRecord LoadedLesson::record(int i) const {
    if (i < 1 || i > records_.size()) {
        return {};
    }
    return records_[i - 1];
}

void LoadedLesson::setRecord(int i, const common::SentenceRecord& record) {
    if (i < 1 || i > records_.size()) {
        return;
    }
    records_[i - 1] = record;
    recount();
}

QString LoadedLesson::LessonText() const {
    return common::LessonText::rebuild(records_, frame_);
}

QList<WordCell> LoadedLesson::words(int i) const {
    QList<WordCell> cells;
    for (const common::WordToken& token : record(i).tokens()) {
        cells.append(wordCell(token));
    }
    return cells;
}

QList<FullTextItem> LoadedLesson::fullText(int currentSentence) const {
    QList<FullTextItem> items;
    for (int i = 1; i <= records_.size(); ++i) {
        const bool current = i == currentSentence;
        for (const WordCell& cell : words(i)) {
            items.append({cell, false, i, current});
        }
        FullTextItem marker;
        const QString& raw = records_[i - 1].raw;
        const qsizetype hash = raw.indexOf(u'#');
        marker.word.caption = hash < 0 ? QStringLiteral("#") : raw.mid(hash);
        marker.marker = true;
        marker.sentence = i;
        // The current sentence is underlined from the marker before it to its own marker.
        marker.underlined = current || i + 1 == currentSentence;
        items.append(marker);
    }
    return items;
}

QList<SentenceItem> LoadedLesson::sentences(int currentSentence, int hideMode) const {
    QList<SentenceItem> items;
    for (int i = 1; i <= records_.size(); ++i) {
        const common::SentenceRecord& r = records_[i - 1];
        SentenceItem item;
        item.number = i;
        item.english = r.displayEnglish();
        item.chinese = r.chinese();
        item.words = words(i);
        item.dictated = r.dictationDone();
        item.current = i == currentSentence;
        item.chineseCovered = hideMode == 1 || hideMode == 3;
        item.englishCovered = hideMode == 2 || hideMode == 3;
        items.append(item);
    }
    return items;
}

double LoadedLesson::lastEndSeconds() const {
    return records_.isEmpty() ? 0.0 : records_.back().endSeconds();
}

} // namespace sentara
