#include "NoteBox.h"

namespace sentara::ui {

NoteBox::NoteBox(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("SenNoteText"));
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) {
            emit edited(toPlainText());
        }
    });
}

void NoteBox::showStored(const QString& owner, const QString& note) {
    if (sync_.take(owner, note)) {
        replaceText(note);
    }
}

void NoteBox::clearInput() {
    sync_.reset();
    replaceText(QString());
}

void NoteBox::replaceText(const QString& text) {
    if (toPlainText() == text) {
        return;
    }
    filling_ = true;
    setPlainText(text);
    filling_ = false;
}

void NoteBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit editingFinished(toPlainText());
}

} // namespace sentara::ui
