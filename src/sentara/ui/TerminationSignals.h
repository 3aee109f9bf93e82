#pragma once

#include <QObject>

class QSocketNotifier;

namespace sentara::ui {

// Turns SIGTERM and SIGINT (a logout, Ctrl+C in a terminal) into a Qt signal on the event loop,
// so the program ends through its ordinary close path and its settings are written. The signal
// handler only writes one byte into a pipe; the notifier reads it on the Qt thread.
// One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isInstalled() const { return notifier_ != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace sentara::ui
