#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace platform {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) into the program's own
// exit, whatever it is doing: at start-up, in its event loop, or with a message box open.
//
// The signal handler only writes one byte into a socket pair; on the interface thread the
// notifier then ends every running event loop, so an open message box returns and a box opened
// after it returns at once. exec() runs the program's event loop and, when a signal ended it
// (or came before it started), closes the program with `close`, as its exit command does:
// the settings are written once. A second signal while closing ends the process at once.
// Signals the process was started to ignore stay ignored. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void()> close, QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isInstalled() const { return notifier_ != nullptr; }
    bool requested() const { return signal_ != 0; }

    // QApplication::exec() unless a signal came first; then `close`. Returns exec's code.
    int exec();

signals:
    void terminationRequested(int signalNumber);

private:
    void drain();

    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
    int signal_ = 0;
};

} // namespace platform
