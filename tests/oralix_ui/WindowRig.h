#pragma once

#include "oralix/OralixRig.h"
#include "oralix/ui/OralixWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>

namespace oralix_test {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "oralix_ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

inline void press(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void release(QWidget* widget, const QPoint& at) {
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A key pressed and released on whatever widget has the keyboard focus, as the learner's
// keyboard would deliver it (the window's shortcuts see it first).
inline void typeKey(int key) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
}

struct WindowRig {
    Rig rig;
    std::unique_ptr<oralix::ui::OralixWindow> window;

    oralix::ui::OralixWindow& open() {
        application();
        oralix::OralixSession& s = rig.start();
        window = std::make_unique<oralix::ui::OralixWindow>(s);
        window->setQuietClose(true);
        window->show();
        window->activateWindow();
        window->render();
        QApplication::processEvents();
        return *window;
    }
};

} // namespace oralix_test
