#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class QLabel;

namespace sentara::ui {

class FlowLayout;
class TypedInputBox;

// The dictation test's sentence: one cell per word token (WriteWordLabel(k)), wrapping like a
// paragraph. A blank still to be typed shows its underline and keeps its text invisible (drawn in
// the background colour, so the cell has the word's width); a revealed blank and every other
// token are drawn in black without underline. The typing box (WriteWordText) lies over the
// current blank, as high as it and slightly wider.
class BlankLine : public QWidget {
    Q_OBJECT
public:
    struct Cell {
        QString text;
        bool hidden = false;
        bool operator==(const Cell&) const = default;
    };

    explicit BlankLine(QWidget* parent = nullptr);

    void setCells(const QList<Cell>& cells);
    // The box over cell `index` (1-based), or hidden when `index` is 0 or `visible` is false.
    void placeBox(int index, bool visible);

    TypedInputBox* box() const { return box_; }
    int cellCount() const { return static_cast<int>(cells_.size()); }
    QLabel* cell(int index) const; // 1-based

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void style(QLabel* label, bool hidden);
    void moveBox();

    FlowLayout* layout_;
    QList<QLabel*> cells_;
    QList<Cell> shown_;
    TypedInputBox* box_;
    int boxIndex_ = 0;
};

} // namespace sentara::ui
