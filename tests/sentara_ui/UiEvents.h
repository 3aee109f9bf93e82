#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace uitest {

// A left click (press and release) at a point of a widget, delivered like a real one.
inline void click(QWidget* widget, QPoint at = {}, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = {}) {
    if (at.isNull()) {
        at = widget->rect().center();
    }
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, modifiers);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, modifiers);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

// A key pressed and released on a widget.
inline void key(QWidget* widget, int code, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, code, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

// Text typed into a widget key by key, as a keyboard would deliver it.
inline void typeText(QWidget* widget, const QString& text) {
    for (const char32_t codePoint : text.toUcs4()) {
        const QString c = QString::fromUcs4(&codePoint, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, c);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, c);
        QApplication::sendEvent(widget, &release);
    }
    QApplication::processEvents();
}

} // namespace uitest
