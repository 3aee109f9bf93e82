#pragma once

#include "oralix/core/OralixView.h"

#include <QWidget>

class QLabel;

namespace oralix::ui {

// The sentence-study lines: English above Chinese, sized to the sentence on display.
class SentenceBar : public QWidget {
    Q_OBJECT
public:
    explicit SentenceBar(QWidget* parent = nullptr);

    // Sizes the bar for the sentence; true when it had to be narrowed to the screen.
    bool render(const OralixView& view, int screenWidth);

    QLabel* englishLine() const { return english_; }
    QLabel* chineseLine() const { return chinese_; }

    static constexpr int kLineLeft = 8;

private:
    QLabel* english_;
    QLabel* chinese_;
};

} // namespace oralix::ui
