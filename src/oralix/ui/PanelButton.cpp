#include "oralix/ui/PanelButton.h"

#include <QPushButton>

namespace oralix::ui {

QPushButton* panelButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace oralix::ui
