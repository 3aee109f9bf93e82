#pragma once

#include "sentara/modes/FullTextMode.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QStringList>

namespace sentara::ui {

// Where the full-text word view draws each word, horn and Chinese line for a canvas width.
// Measuring (setContent) is kept apart from placing (place), so a new width only places again.
class FullTextWordLayout {
public:
    static constexpr int kMargin = 12;      // left and right of the text
    static constexpr int kSentenceGap = 10; // below a sentence's Chinese line
    static constexpr int kUnderlineGap = 2; // between a word and its underline

    // The words and Chinese lines of the view, measured in the given fonts. Returns whether
    // anything that affects the places changed.
    bool setContent(const QList<FullTextWord>& words, const QStringList& chinese,
                    FullTextLayout layout, const QFont& wordFont, const QFont& chineseFont);
    // Places everything for a canvas `width` pixels wide.
    void place(int width);
    // The canvas height the last place() needs.
    int height() const { return height_; }
    int width() const { return width_; }

    int wordCount() const { return static_cast<int>(wordRects_.size()); }
    // Word i (0-based, as in the view); an empty rectangle for a space that starts a line.
    QRect wordRect(int i) const;
    // The horn and the Chinese line of sentence s (1-based); empty without Chinese lines.
    QRect hornRect(int sentence) const;
    QRect chineseRect(int sentence) const;
    // Everything of sentence s: its words, and its horn and Chinese line when shown.
    QRect sentenceRect(int sentence) const;
    // The word or horn under a point of the canvas: the word's index, or the horn's sentence;
    // -1 and 0 when none.
    int wordAt(const QPoint& point) const;
    int hornAt(const QPoint& point) const;

private:
    struct Item {
        int width = 0;
        int sentence = 0;
        bool space = false;
        bool endsLine = false;
        // On the first token of a run without spaces ("day" in "day."): the run's width, so a
        // line never breaks between a word and the punctuation after it.
        int runWidth = 0;
    };

    QList<FullTextWord> words_;
    QStringList chinese_;
    FullTextLayout layout_ = FullTextLayout::EnglishAndChinese;
    QFont wordFont_;
    QFont chineseFont_;
    QList<Item> items_;
    int wordHeight_ = 0;
    int spaceWidth_ = 0;
    int hornSize_ = 0;

    int width_ = -1;
    int height_ = 0;
    QList<QRect> wordRects_;
    QList<QRect> hornRects_;
    QList<QRect> chineseRects_;
    QList<QRect> sentenceRects_;
};

} // namespace sentara::ui
