#include "oralix/ui/SentenceBar.h"

#include "oralix/core/SentenceBarLayout.h"
#include "oralix/ui/Colours.h"
#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QLabel>

namespace oralix::ui {

SentenceBar::SentenceBar(QWidget* parent)
    : QWidget(parent), english_(new QLabel(this)), chinese_(new QLabel(this)) {
    setObjectName(QStringLiteral("SentenceBar"));
    english_->setObjectName(QStringLiteral("Label1"));
    chinese_->setObjectName(QStringLiteral("Label2"));
    english_->setFont(platform::Fonts::word(15));
    chinese_->setFont(platform::Fonts::ui(13));
    for (QLabel* line : {english_, chinese_}) {
        line->setTextFormat(Qt::PlainText);
        line->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
}

bool SentenceBar::render(const OralixView& view, int screenWidth) {
    const SentenceStudyView& s = view.sentence;
    const QFontMetrics englishMetrics(english_->font());
    const QFontMetrics chineseMetrics(chinese_->font());
    SentenceBarLayout::Input in;
    in.englishWidth = s.englishVisible ? englishMetrics.horizontalAdvance(s.english) : 0;
    in.chineseWidth = s.chineseCheck ? chineseMetrics.horizontalAdvance(s.chinese) : 0;
    in.lineHeight = qMax(englishMetrics.height(), chineseMetrics.height());
    in.lineLeft = kLineLeft;
    in.screenWidth = screenWidth;
    in.chineseShown = s.chineseCheck;
    auto wrappedHeight = [](const QFontMetrics& metrics, const QString& text) {
        return [&metrics, text](int width) {
            return metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text)
                .height();
        };
    };
    in.englishWrappedHeight = wrappedHeight(englishMetrics, s.english);
    in.chineseWrappedHeight = wrappedHeight(chineseMetrics, s.chinese);
    const SentenceBarLayout bar = SentenceBarLayout::compute(in);

    const QString colour = QStringLiteral("color: %1;").arg(colourOf(view.textColour).name());
    english_->setStyleSheet(colour);
    chinese_->setStyleSheet(colour);
    english_->setText(s.english);
    chinese_->setText(s.chinese);
    english_->setToolTip(s.tooltip);
    chinese_->setToolTip(s.tooltip);
    english_->setWordWrap(bar.englishWrap > 0);
    chinese_->setWordWrap(bar.englishWrap > 0);
    const int lineWidth = bar.width - kLineLeft - SentenceBarLayout::kRightMargin;
    // The bar's own top margin is taken by the window's title strip.
    const int top = bar.englishTop - SentenceBarLayout::kEnglishTopWithChinese + 4;
    english_->setGeometry(kLineLeft, top, lineWidth, bar.englishHeight);
    chinese_->setGeometry(kLineLeft, top + bar.chineseTop - bar.englishTop, lineWidth,
                          bar.chineseHeight);
    english_->setVisible(s.englishVisible);
    chinese_->setVisible(s.chineseCheck);
    setFixedSize(bar.width, bar.height - bar.englishTop + top);
    return bar.wide;
}

} // namespace oralix::ui
