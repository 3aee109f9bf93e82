#pragma once

#include "StoredTextSync.h"

#include <QPlainTextEdit>

namespace sentara::ui {

// The learner's note on a sentence. Every edit of the learner is reported at once (edited), and
// the text again when the box loses the focus (editingFinished). The stored note reaches the box
// only when the sentence or the stored note has changed, so a render never replaces typing.
class NoteBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NoteBox(QWidget* parent = nullptr);

    // The stored note of the sentence `owner` names; taken only when one of them changed.
    void showStored(const QString& owner, const QString& note);
    // Empties the box (the session cleared it); the next stored note is taken whatever it is.
    void clearInput();

signals:
    void edited(const QString& text);
    void editingFinished(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void replaceText(const QString& text);

    StoredTextSync sync_;
    bool filling_ = false;
};

} // namespace sentara::ui
