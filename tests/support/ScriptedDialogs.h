#pragma once

#include "common/ports/Dialogs.h"

#include <QList>
#include <functional>
#include <optional>

namespace support {

// Records every message box and answers the colour chooser from a script.
class ScriptedDialogs : public ports::Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        bool operator==(const Message&) const = default;
    };

    void info(const QString& title, const QString& text) override;
    std::optional<int> chooseColour(int initial) override;

    const QList<Message>& messages() const { return messages_; }
    QStringList texts() const;
    void clear() { messages_.clear(); }

    // Answers for the next colour choices, in order; nullopt = cancelled. When the script is
    // used up the chooser is cancelled.
    void scriptColours(const QList<std::optional<int>>& answers) { colours_ = answers; }
    const QList<int>& colourRequests() const { return colourRequests_; }

    // Called while a box is "open" (inside info()), e.g. to check what the core did first.
    void onInfo(std::function<void(const Message&)> handler) { onInfo_ = std::move(handler); }

private:
    QList<Message> messages_;
    QList<std::optional<int>> colours_;
    QList<int> colourRequests_;
    std::function<void(const Message&)> onInfo_;
};

} // namespace support
