#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace sentara::ui {

// Widgets shared by the mode panels.

// A command button with a pointing-hand cursor that never takes the keys.
QPushButton* command(const QString& name, const QString& caption, QWidget* parent);

// A label that shows its text as plain text.
QLabel* label(const QString& name, const QString& text, QWidget* parent);

// Sets the widget's point size and boldness, and its family when one is given.
void setPointSize(QWidget* widget, double points, bool bold = false,
                  const QString& family = QString());

} // namespace sentara::ui
