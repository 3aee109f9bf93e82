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
    if (keyHook_ && keyHook_(event->key() == Qt::Key_Space || event->text() == QStringLiteral(" "),
                             hasSelectedText())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace sentara::ui
