#pragma once

#include <QObject>

class QSocketNotifier;

namespace oralix::ui {

// Turns SIGTERM and SIGINT into a Qt signal on the interface thread (a self-pipe the handler
// writes one byte into), so the window can close as its exit command does.
class SignalCloser : public QObject {
    Q_OBJECT
public:
    explicit SignalCloser(QObject* parent = nullptr);
    ~SignalCloser() override;

signals:
    void closeRequested();

private:
    static void handle(int signal);
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace oralix::ui
