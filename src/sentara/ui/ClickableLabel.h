#pragma once

#include <QLabel>

namespace sentara::ui {

// A label (text or picture) that reports a left click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // While the left button is held on it, the label's content sinks this far down and right
    // (a pressed link); its size stays the same. 0, the default, keeps it still.
    void setPressShift(int pixels);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void sink(bool down);

    int pressShift_ = 0;
};

} // namespace sentara::ui
