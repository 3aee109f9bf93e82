#include "FullTextWordLayout.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <limits>

namespace sentara::ui {

namespace {

bool isSpace(const QString& text) {
    return !text.isEmpty() && text.trimmed().isEmpty();
}

} // namespace

bool FullTextWordLayout::setContent(const QList<FullTextWord>& words, const QStringList& chinese,
                                    FullTextLayout layout, const QFont& wordFont,
                                    const QFont& chineseFont) {
    bool same = layout == layout_ && chinese == chinese_ && wordFont == wordFont_ &&
                chineseFont == chineseFont_ && words.size() == words_.size();
    for (qsizetype i = 0; same && i < words.size(); ++i) {
        const FullTextWord& a = words.at(i);
        const FullTextWord& b = words_.at(i);
        same = a.text == b.text && a.sentence == b.sentence && a.endsLine == b.endsLine;
    }
    words_ = words;
    if (same) {
        return false;
    }
    chinese_ = chinese;
    layout_ = layout;
    wordFont_ = wordFont;
    chineseFont_ = chineseFont;
    const QFontMetrics metrics(wordFont_);
    wordHeight_ = metrics.height() + kUnderlineGap + 4;
    spaceWidth_ = metrics.horizontalAdvance(u' ');
    hornSize_ = QFontMetrics(chineseFont_).height();
    // Words repeat a lot in a lesson: each different text is measured once.
    QHash<QString, int> measured;
    items_.clear();
    items_.reserve(words_.size());
    for (const FullTextWord& word : words_) {
        auto found = measured.constFind(word.text);
        if (found == measured.constEnd()) {
            found = measured.insert(word.text, metrics.horizontalAdvance(word.text));
        }
        items_.append({*found, word.sentence, isSpace(word.text), word.endsLine, 0});
    }
    // Runs end at a space, at a sentence's end and after a token that ends a line.
    int run = 0;
    for (qsizetype i = items_.size() - 1; i >= 0; --i) {
        Item& item = items_[i];
        const bool last = i + 1 == items_.size() || items_.at(i + 1).sentence != item.sentence ||
                          items_.at(i + 1).space || item.endsLine;
        run = item.space ? 0 : item.width + (last ? 0 : run);
        const bool first = i == 0 || items_.at(i - 1).sentence != item.sentence ||
                           items_.at(i - 1).space || items_.at(i - 1).endsLine;
        item.runWidth = first ? run : 0;
    }
    // Nothing is placed until place() runs for the new content.
    width_ = -1;
    height_ = 0;
    wordRects_.clear();
    hornRects_.clear();
    chineseRects_.clear();
    sentenceRects_.clear();
    return true;
}

void FullTextWordLayout::place(int width) {
    width_ = width;
    const int sentences = static_cast<int>(chinese_.size());
    wordRects_ = QList<QRect>(items_.size());
    hornRects_ = QList<QRect>(sentences);
    chineseRects_ = QList<QRect>(sentences);
    sentenceRects_ = QList<QRect>(sentences);
    const int right = std::max(kMargin + 1, width - kMargin);
    const QFontMetrics chineseMetrics(chineseFont_);
    const bool withChinese = layout_ == FullTextLayout::EnglishAndChinese;

    int x = kMargin;
    int y = kMargin / 2;
    auto newLine = [&] {
        if (x > kMargin) {
            x = kMargin;
            y += wordHeight_;
        }
    };
    qsizetype i = 0;
    for (int s = 1; s <= sentences; ++s) {
        if (withChinese) {
            newLine();
        } else if (x > kMargin) {
            x += spaceWidth_; // sentences flowing on one line are a space apart
        }
        QRect english;
        for (; i < items_.size() && items_.at(i).sentence == s; ++i) {
            const Item& item = items_.at(i);
            // A run that does not fit goes to the next line whole; a run wider than a line
            // breaks between its tokens.
            const int needed =
                item.runWidth > 0 && item.runWidth <= right - kMargin ? item.runWidth : item.width;
            if (x + needed > right && x > kMargin) {
                newLine();
            }
            if (item.space && x == kMargin) {
                wordRects_[i] = QRect(x, y, 0, wordHeight_); // no space at the start of a line
                continue;
            }
            wordRects_[i] = QRect(x, y, item.width, wordHeight_);
            english = english.united(wordRects_[i]);
            x += item.width;
            if (layout_ == FullTextLayout::Text && item.endsLine) {
                newLine();
            }
        }
        sentenceRects_[s - 1] = english;
        if (withChinese) {
            newLine();
            const int left = kMargin + hornSize_ + 6;
            const int textWidth = std::max(1, right - left);
            const QRect text = chineseMetrics.boundingRect(
                QRect(0, 0, textWidth, std::numeric_limits<int>::max() / 2), Qt::TextWordWrap,
                chinese_.at(s - 1));
            hornRects_[s - 1] = QRect(kMargin, y, hornSize_, hornSize_);
            chineseRects_[s - 1] =
                QRect(left, y, textWidth, std::max(text.height(), chineseMetrics.height()));
            sentenceRects_[s - 1] = english.united(hornRects_[s - 1]).united(chineseRects_[s - 1]);
            y = chineseRects_[s - 1].bottom() + 1 + kSentenceGap;
        }
    }
    height_ = (x > kMargin ? y + wordHeight_ : y) + kMargin;
}

QRect FullTextWordLayout::wordRect(int i) const {
    return i >= 0 && i < wordRects_.size() ? wordRects_.at(i) : QRect();
}

QRect FullTextWordLayout::hornRect(int sentence) const {
    return sentence >= 1 && sentence <= hornRects_.size() ? hornRects_.at(sentence - 1) : QRect();
}

QRect FullTextWordLayout::chineseRect(int sentence) const {
    return sentence >= 1 && sentence <= chineseRects_.size() ? chineseRects_.at(sentence - 1)
                                                             : QRect();
}

QRect FullTextWordLayout::sentenceRect(int sentence) const {
    return sentence >= 1 && sentence <= sentenceRects_.size() ? sentenceRects_.at(sentence - 1)
                                                              : QRect();
}

int FullTextWordLayout::wordAt(const QPoint& point) const {
    for (qsizetype i = 0; i < wordRects_.size(); ++i) {
        const QRect& r = wordRects_.at(i);
        if (r.width() > 0 && r.contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int FullTextWordLayout::hornAt(const QPoint& point) const {
    for (qsizetype s = 0; s < hornRects_.size(); ++s) {
        if (hornRects_.at(s).contains(point)) {
            return static_cast<int>(s) + 1;
        }
    }
    return 0;
}

} // namespace sentara::ui
