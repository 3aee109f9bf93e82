#pragma once

#include <QLayout>
#include <QList>

namespace sentara::ui {

// Lays its items out left to right and wraps to a new line when the width is used up, like words
// in a paragraph.
class FlowLayout : public QLayout {
public:
    FlowLayout(QWidget* parent = nullptr, int horizontalSpacing = 4, int verticalSpacing = 4);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int place(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    int horizontalSpacing_;
    int verticalSpacing_;
};

} // namespace sentara::ui
