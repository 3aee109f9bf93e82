#include "ScriptedDialogs.h"

#include <QStringList>

namespace support {

void ScriptedDialogs::info(const QString& title, const QString& text) {
    messages_.append(Message{title, text});
    if (onInfo_)
        onInfo_(messages_.last());
}

std::optional<int> ScriptedDialogs::chooseColour(int initial) {
    colourRequests_.append(initial);
    if (colours_.isEmpty())
        return std::nullopt;
    return colours_.takeFirst();
}

QStringList ScriptedDialogs::texts() const {
    QStringList result;
    for (const Message& message : messages_)
        result << message.text;
    return result;
}

} // namespace support
