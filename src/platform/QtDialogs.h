#pragma once

#include "common/ports/Dialogs.h"

#include <QColor>

class QWidget;

namespace platform {

// Modal message boxes and the colour chooser, over the given window.
class QtDialogs : public ports::Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void info(const QString& title, const QString& text) override;
    std::optional<int> chooseColour(int initial) override;

    // Stored colour values are red + green * 256 + blue * 65536.
    static int toColourValue(const QColor& colour);
    static QColor fromColourValue(int value);

private:
    QWidget* parent_;
};

} // namespace platform
