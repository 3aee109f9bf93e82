#pragma once

#include "FullTextWordLayout.h"

#include <QColor>
#include <QWidget>

namespace sentara::ui {

// The canvas of the full-text word view (AllWordMainPicture): every word of the lesson drawn
// where FullTextWordLayout puts it, the current sentence underlined, key words in their colour,
// and with the Chinese lines each sentence's horn and Chinese. It reports clicks on words, horns
// and beside the words.
class FullTextWordCanvas : public QWidget {
    Q_OBJECT
public:
    explicit FullTextWordCanvas(QWidget* parent = nullptr);

    // Shows the view's words; the places change only when the text or the layout changed.
    // Returns whether the canvas needs a new height.
    bool setContent(const FullTextView& view, const QColor& keyWordColour);
    void setTextScale(double scale);

    const FullTextWordLayout& layout() const { return layout_; }
    // Word i of the view (0-based) and the area of sentence s, in canvas coordinates.
    QRect wordRect(int i) const { return layout_.wordRect(i); }
    QRect sentenceRect(int sentence) const { return layout_.sentenceRect(sentence); }
    const QList<FullTextWord>& words() const { return words_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // A release of a mouse button on a word (its sentence and place in it).
    void wordClicked(int sentence, int position, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers);
    void wordDoubleClicked();
    void hornClicked(int sentence);
    void backgroundClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QFont wordFont() const;
    QFont chineseFont() const;
    void ensurePlaced(int width) const;

    // Placing is done lazily for the width asked for; the layout is a cache of the content.
    mutable FullTextWordLayout layout_;
    QList<FullTextWord> words_;
    QStringList chinese_;
    FullTextLayout arrangement_ = FullTextLayout::EnglishAndChinese;
    QColor keyWordColour_;
    double scale_ = 1.0;
    bool afterDoubleClick_ = false;
};

} // namespace sentara::ui
