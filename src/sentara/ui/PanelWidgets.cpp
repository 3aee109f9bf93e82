#include "PanelWidgets.h"

#include <QLabel>
#include <QPushButton>

namespace sentara::ui {

QPushButton* command(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(name);
    result->setTextFormat(Qt::PlainText);
    return result;
}

void setPointSize(QWidget* widget, double points, bool bold, const QString& family) {
    QFont font = widget->font();
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace sentara::ui
