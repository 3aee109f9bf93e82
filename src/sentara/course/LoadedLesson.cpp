#include "sentara/course/LoadedLesson.h"

namespace sentara {

namespace {

bool startsWithLetter(QStringView text) {
    if (text.isEmpty()) {
        return false;
    }
    const QChar c = text.front().toLower();
    return c >= u'a' && c <= u'z';
}

} // namespace

WordCell wordCell(const common::WordToken& token) {
    return wordCell(QStringView(token.raw));
}

WordCell wordCell(QStringView token) {
    WordCell cell;
    const qsizetype first = token.indexOf(u'$');
    if (first < 0) {
        cell.caption = token.toString();
    } else {
        cell.caption = token.left(first).toString();
        const qsizetype second = token.indexOf(u'$', first + 1);
        cell.lookupForm =
            (second < 0 ? token.mid(first + 1) : token.mid(first + 1, second - first - 1))
                .toString();
        cell.keyWord = token.contains(QChar(common::kKeyWordMarker));
    }
    cell.clickable = startsWithLetter(token);
    return cell;
}

LoadedLesson::LoadedLesson(QString book, int lesson, int node, const QString& text)
    : loaded_(true), book_(std::move(book)), lesson_(lesson), node_(node),
      records_(common::LessonText::split(text)), frame_(common::LessonText::frameOf(text)) {
    cells_.resize(records_.size());
    english_.resize(records_.size());
    chinese_.resize(records_.size());
    for (qsizetype i = 0; i < records_.size(); ++i) {
        parse(i);
    }
    recount();
}

void LoadedLesson::parse(qsizetype index) {
    // The tokens of the English field (as SentenceRecord::tokens() cuts them), read in place.
    const QString& raw = records_.at(index).raw;
    const qsizetype hash = raw.indexOf(u'#');
    const QStringView field = hash < 0 ? QStringView(raw) : QStringView(raw).left(hash);
    QList<WordCell> cells;
    cells.reserve(field.count(u'^'));
    QString english;
    english.reserve(field.size());
    for (qsizetype from = field.indexOf(u'^'); from >= 0;) {
        const qsizetype to = field.indexOf(u'^', from + 1);
        if (to < 0) {
            break;
        }
        cells.append(wordCell(field.mid(from + 1, to - from - 1)));
        english += cells.back().caption;
        from = to;
    }
    cells_[index] = std::move(cells);
    english_[index] = std::move(english);
    chinese_[index] = records_.at(index).chinese();
}

void LoadedLesson::recount() {
    keyWordCount_ = 0;
    for (const common::SentenceRecord& record : records_) {
        keyWordCount_ += common::LessonText::keyWordCount(record.raw);
    }
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
    parse(i - 1);
    recount();
}

QString LoadedLesson::LessonText() const {
    return common::LessonText::rebuild(records_, frame_);
}

QList<WordCell> LoadedLesson::words(int i) const {
    return i >= 1 && i <= cells_.size() ? cells_.at(i - 1) : QList<WordCell>();
}

QString LoadedLesson::displayEnglish(int i) const {
    return i >= 1 && i <= english_.size() ? english_.at(i - 1) : QString();
}

QString LoadedLesson::chinese(int i) const {
    return i >= 1 && i <= chinese_.size() ? chinese_.at(i - 1) : QString();
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

QList<SentenceItem> LoadedLesson::sentences(int currentSentence) const {
    QList<SentenceItem> items;
    for (int i = 1; i <= records_.size(); ++i) {
        const common::SentenceRecord& r = records_[i - 1];
        SentenceItem item;
        item.number = i;
        item.english = english_.at(i - 1);
        item.chinese = chinese_.at(i - 1);
        item.words = cells_.at(i - 1);
        item.dictated = r.dictationDone();
        item.current = i == currentSentence;
        items.append(item);
    }
    return items;
}

double LoadedLesson::lastEndSeconds() const {
    return records_.isEmpty() ? 0.0 : records_.back().endSeconds();
}

} // namespace sentara
