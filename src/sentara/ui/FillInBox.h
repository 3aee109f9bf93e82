#pragma once

#include "StoredTextSync.h"

#include <QLineEdit>
#include <functional>

namespace sentara::ui {

// The typing box of the word fill-in mode (CurrentWordWriteText), laid over the hidden word.
// Every edit of the learner is reported at once (QLineEdit::textEdited); the drill's text
// reaches the box only when the word, the drill's text or its emptying changed, so a render
// never replaces typing. Each key that types or rubs out is shown to the drill before the box
// handles it.
class FillInBox : public QLineEdit {
    Q_OBJECT
public:
    // Returns true when the key is swallowed (space: textSelected is whether text is selected).
    using KeyHook = std::function<bool(bool space, bool textSelected)>;

    explicit FillInBox(QWidget* parent = nullptr);

    void setKeyHook(KeyHook hook) { keyHook_ = std::move(hook); }
    // The drill's text for the word `owner` names; `selectAllCount` selects all when it changes.
    void showStored(const QString& owner, const QString& text, int selectAllCount);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StoredTextSync sync_;
    KeyHook keyHook_;
    int selectAllCount_ = 0;
};

} // namespace sentara::ui
