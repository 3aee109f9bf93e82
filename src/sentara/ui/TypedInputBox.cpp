#include "TypedInputBox.h"

#include <QKeyEvent>

namespace sentara::ui {

TypedInputBox::TypedInputBox(QWidget* parent) : QLineEdit(parent) {
}

void TypedInputBox::showStored(int revision, const QString& text, int selectionStart,
                               int selectionLength) {
    if (!sync_.take(QString::number(revision), text)) {
        return;
    }
    if (this->text() != text) {
        setText(text);
    }
    if (selectionLength > 0) {
        setSelection(selectionStart, selectionLength);
    } else {
        deselect();
        setCursorPosition(selectionStart);
    }
}

void TypedInputBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    if (!event->text().isEmpty()) {
        if (emptySelection_ && hasSelectedText() && !text().isEmpty()) {
            clear();
            emit textEdited(QString());
        }
        emit keyTyped();
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace sentara::ui
