#include "sentara/ui/FullTextWordLayout.h"
#include "platform/Fonts.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using sentara::FullTextLayout;
using sentara::FullTextWord;
using sentara::ui::FullTextWordLayout;

namespace {

// Two sentences as tokens; "|" ends a line of the text layout.
QList<FullTextWord> twoSentences() {
    const QList<QStringList> sentences{
        {"Roses", " ", "are", " ", "red", ",|", " ", "violets", " ", "are", " ", "blue", ".|"},
        {"Sugar", " ", "is", " ", "sweet", "."},
    };
    QList<FullTextWord> words;
    for (int s = 0; s < sentences.size(); ++s) {
        for (int k = 0; k < sentences[s].size(); ++k) {
            FullTextWord word;
            word.text = sentences[s][k];
            word.endsLine = word.text.contains(u'|');
            word.text.remove(u'|');
            word.sentence = s + 1;
            word.position = k + 1;
            words << word;
        }
    }
    return words;
}

// The tops of the words' lines, left to right: one letter per word ("a" first line, ...),
// spaces that start a line as "_".
QString lines(const FullTextWordLayout& layout, const QList<FullTextWord>& words) {
    QString text;
    int top = -1;
    int line = -1;
    for (int i = 0; i < layout.wordCount(); ++i) {
        const QRect r = layout.wordRect(i);
        if (words.at(i).text.trimmed().isEmpty()) {
            if (r.width() == 0) {
                text += u'_';
            }
            continue;
        }
        if (r.top() != top) {
            top = r.top();
            ++line;
        }
        text += QChar(u'a' + line);
    }
    return text;
}

} // namespace

TEST(FullTextWordLayout, EachLayoutBreaksLinesWhereItShould) {
    const QFont wordFont = platform::Fonts::word(14);
    const QFont chineseFont = platform::Fonts::ui(11.5);
    const QList<FullTextWord> words = twoSentences();
    const QList<std::pair<FullTextLayout, QString>> cases{
        {FullTextLayout::EnglishOnly, "aaaaaaaaaaaa"},
        {FullTextLayout::Text, "aaaa_bbbbcccc"},
        {FullTextLayout::EnglishAndChinese, "aaaaaaaabbbb"},
    };
    for (const auto& [arrangement, expected] : cases) {
        FullTextWordLayout layout;
        layout.setContent(words, {QStringLiteral("玫瑰"), QStringLiteral("糖")}, arrangement,
                          wordFont, chineseFont);
        layout.place(2000);
        EXPECT_EQ(lines(layout, words), expected) << int(arrangement);
        EXPECT_EQ(layout.wordRect(0).left(), FullTextWordLayout::kMargin);
        const QRect sugar = layout.wordRect(13);
        if (arrangement == FullTextLayout::EnglishAndChinese) {
            // Each sentence starts a line; its horn and Chinese line come under it.
            EXPECT_EQ(sugar.left(), FullTextWordLayout::kMargin);
            EXPECT_GT(layout.hornRect(1).top(), layout.wordRect(12).top());
            EXPECT_LT(layout.chineseRect(1).bottom(), sugar.top());
            EXPECT_EQ(layout.hornAt(layout.hornRect(2).center()), 2);
            EXPECT_TRUE(layout.sentenceRect(2).contains(layout.chineseRect(2)));
        } else {
            EXPECT_TRUE(layout.hornRect(1).isNull());
            EXPECT_EQ(layout.hornAt(QPoint(FullTextWordLayout::kMargin + 2, 40)), 0);
        }
        EXPECT_EQ(layout.wordAt(layout.wordRect(4).center()), 4);
        EXPECT_GE(layout.height(), layout.wordRect(18).bottom());
    }
}

TEST(FullTextWordLayout, ALineNeverBreaksBetweenAWordAndItsPunctuation) {
    const QFont wordFont = platform::Fonts::word(14);
    const QFont chineseFont = platform::Fonts::ui(11.5);
    const QFontMetrics metrics(wordFont);
    const QList<FullTextWord> words = twoSentences();
    FullTextWordLayout layout;
    layout.setContent(words, {QStringLiteral("玫瑰"), QStringLiteral("糖")},
                      FullTextLayout::EnglishOnly, wordFont, chineseFont);
    // "Roses are red" fits the line exactly, "red," does not: "red" goes on with its comma.
    int exact = 2 * FullTextWordLayout::kMargin;
    for (int i = 0; i < 5; ++i) {
        exact += metrics.horizontalAdvance(words.at(i).text);
    }
    layout.place(exact);
    EXPECT_NE(layout.wordRect(4).top(), layout.wordRect(0).top());
    EXPECT_EQ(layout.wordRect(5).top(), layout.wordRect(4).top());
    EXPECT_EQ(layout.wordRect(4).left(), FullTextWordLayout::kMargin);

    for (int width = 90; width <= 500; width += 7) {
        layout.place(width);
        for (int i = 0; i < layout.wordCount(); ++i) {
            const QString text = words.at(i).text;
            if (text == u"," || text == u".") {
                EXPECT_GT(layout.wordRect(i).left(), FullTextWordLayout::kMargin)
                    << "token " << i << " at width " << width;
            }
        }
    }
}
