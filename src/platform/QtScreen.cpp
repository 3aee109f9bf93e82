#include "platform/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

namespace {

QScreen* screenOf(const QWidget* window) {
    if (window != nullptr && window->screen() != nullptr) {
        return window->screen();
    }
    return QGuiApplication::primaryScreen();
}

} // namespace

int QtScreen::logicalDpi() const {
    const QScreen* screen = screenOf(window_);
    return screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : 96;
}

QRect QtScreen::workArea() const {
    const QScreen* screen = screenOf(window_);
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace platform
