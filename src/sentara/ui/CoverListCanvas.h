#pragma once

#include "sentara/modes/CoverPractice.h"

#include <QList>
#include <QRect>
#include <QWidget>
#include <optional>

namespace sentara::ui {

// The canvas of the full-text list (MainPicture): per sentence its number ("1."), its horn, its
// English and under it its Chinese, a covered line drawn as a blank block, the current sentence
// with its marker line on the left. It reports presses and releases on lines and horns (a
// release goes to what the press hit, wherever the pointer is then) and double clicks on English.
class CoverListCanvas : public QWidget {
    Q_OBJECT
public:
    explicit CoverListCanvas(QWidget* parent = nullptr);

    void setLines(const QList<CoverLine>& lines);
    void setTextScale(double scale);

    // Where sentence s's parts are (1-based), in canvas coordinates.
    QRect englishRect(int sentence) const;
    QRect chineseRect(int sentence) const;
    QRect hornRect(int sentence) const;
    QRect sentenceRect(int sentence) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void linePressed(int sentence, sentara::CoverPart part);
    void lineReleased(int sentence, sentara::CoverPart part);
    void hornPressed(int sentence);
    void hornReleased(int sentence);
    void englishDoubleClicked(int sentence);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Place {
        QRect number, horn, english, chinese, row;
    };
    struct Hit {
        int sentence = 0;
        bool horn = false;
        CoverPart part = CoverPart::English;
    };
    QFont englishFont() const;
    QFont chineseFont() const;
    void ensurePlaced(int width) const;
    std::optional<Hit> hitAt(const QPoint& point) const;

    QList<CoverLine> lines_;
    double scale_ = 1.0;
    mutable int placedWidth_ = -1;
    mutable int height_ = 0;
    mutable QList<Place> places_;
    std::optional<Hit> pressed_;
    bool afterDoubleClick_ = false;
};

} // namespace sentara::ui
