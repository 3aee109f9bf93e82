#include "platform/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, QObject* context, std::function<void()> then)
        : QObject(context), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                deleteLater();
                then_();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

void whenFirstPainted(QWidget* window, QObject* context, std::function<void()> then) {
    new FirstPaintWatch(window, context, std::move(then));
}

} // namespace platform
