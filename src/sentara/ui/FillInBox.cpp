#include "FillInBox.h"

#include <QKeyEvent>

namespace sentara::ui {

FillInBox::FillInBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("CurrentWordWriteText"));
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    setMinimumWidth(28);
    setStyleSheet(QStringLiteral("QLineEdit { background: #FFFDF0; border-bottom: 2px solid "
                                 "#404040; }"));
}

void FillInBox::showStored(const QString& owner, const QString& text, int selectAllCount) {
    if (sync_.take(owner, text) && this->text() != text) {
        setText(text); // the caret goes after the text
    }
    if (selectAllCount != selectAllCount_) {
        selectAllCount_ = selectAllCount;
        selectAll();
    }
}

void FillInBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Only keys that type or rub out reach the drill: Shift, the arrows, Home and End move the
    // caret or the selection and leave a too-long spelling to be corrected.
    const bool space = event->key() == Qt::Key_Space || text == QStringLiteral(" ");
    const bool typing =
        space || event->key() == Qt::Key_Backspace || (!text.isEmpty() && text.front().isPrint());
    if (keyHook_ && typing && keyHook_(space, hasSelectedText())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace sentara::ui
