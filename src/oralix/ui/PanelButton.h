#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace oralix::ui {

// A command button of the trainer's panels: it never takes the keys, so typing and the arrow keys
// stay with the typing box or the full text.
QPushButton* panelButton(const QString& caption, const QString& name, QWidget* parent);

} // namespace oralix::ui
