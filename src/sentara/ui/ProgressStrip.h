#pragma once

#include <QColor>
#include <QWidget>

namespace sentara::ui {

// One segment per sentence; the segments up to the current sentence are filled. A click on a
// segment reports its sentence; the strip never moves by itself on a click.
class ProgressStrip : public QWidget {
    Q_OBJECT
public:
    explicit ProgressStrip(QWidget* parent = nullptr);

    void setProgress(int current, int count);
    void setColours(const QColor& done, const QColor& open);
    // Whether a click on a segment means something here (hand cursor); clicks are reported
    // either way.
    void setClickable(bool clickable);
    int current() const { return current_; }
    int count() const { return count_; }
    QColor segmentColour(int index) const; // 1-based
    QRect segmentRect(int index) const;    // 1-based

    QSize sizeHint() const override { return {200, 12}; }
    QSize minimumSizeHint() const override { return {20, 8}; }

signals:
    void segmentClicked(int index);
    void segmentHovered(int index); // 0 when the pointer leaves the strip

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int segmentAt(const QPoint& point) const;

    int current_ = 0;
    int count_ = 0;
    int hovered_ = 0;
    QColor done_;
    QColor open_;
};

} // namespace sentara::ui
