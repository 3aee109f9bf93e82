#pragma once

#include <QString>

namespace sentara::ui {

// Keeps a box the learner types into in step with the text the session stores for it, without
// ever overwriting typing: the box takes the stored text only when what it belongs to (the
// lesson and sentence, or the word) or the stored text itself has changed since it last took it,
// or after reset() (the session cleared the input). A render that changes neither leaves the box
// as the learner left it.
class StoredTextSync {
public:
    // Whether the box should take `stored` now; `owner` names what the text belongs to.
    bool take(const QString& owner, const QString& stored) {
        if (taken_ && owner == owner_ && stored == stored_) {
            return false;
        }
        taken_ = true;
        owner_ = owner;
        stored_ = stored;
        return true;
    }
    // The next take() hands the stored text to the box whatever it is.
    void reset() { taken_ = false; }

private:
    bool taken_ = false;
    QString owner_;
    QString stored_;
};

} // namespace sentara::ui
