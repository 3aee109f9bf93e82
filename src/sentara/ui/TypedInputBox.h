#pragma once

#include "StoredTextSync.h"

#include <QLineEdit>

namespace sentara::ui {

// A box the learner types into whose rules live in the session (the dictation word box, the
// free-spelling sentence box). Every edit of the learner is reported at once (textEdited); the
// box takes text and selection from the session only when the session's revision of it changes,
// so a render never overwrites typing. Keys with text are reported before the box handles them
// (keyTyped), and Enter is reported instead (enterPressed).
class TypedInputBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TypedInputBox(QWidget* parent = nullptr);

    // Any selected text empties the whole box before the next key is inserted (the dictation
    // word box: a wrong word is selected so that the next key replaces it).
    void setEmptySelectionBeforeKey(bool on) { emptySelection_ = on; }

    // What the session put into the box: taken only when `revision` changed. The selection is
    // `selectionLength` characters from `selectionStart`, or none with the caret at `start`.
    void showStored(int revision, const QString& text, int selectionStart, int selectionLength);

signals:
    void keyTyped();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StoredTextSync sync_;
    bool emptySelection_ = false;
};

} // namespace sentara::ui
