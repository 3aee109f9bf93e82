#include "NoteBox.h"

namespace sentara::ui {

NoteBox::NoteBox(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("SenNoteText"));
    setTabChangesFocus(true);
}

void NoteBox::setNote(const QString& text) {
    if (toPlainText() != text) {
        setPlainText(text);
    }
}

void NoteBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit editingFinished(toPlainText());
}

} // namespace sentara::ui
