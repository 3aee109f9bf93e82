#pragma once

#include <QString>
#include <optional>

namespace ports {

// Modal dialogs. info() returns when the learner has closed the box.
// Colours are stored colour values: red + green * 256 + blue * 65536.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An information box with the information icon, an OK button and the given title.
    virtual void info(const QString& title, const QString& text) = 0;
    // The colour chooser; nullopt when cancelled.
    virtual std::optional<int> chooseColour(int initial) = 0;
};

} // namespace ports
