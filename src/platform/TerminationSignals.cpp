#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

int socketEnds[2] = {-1, -1};

extern "C" void onTerminationSignal(int signalNumber) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(socketEnds[0], &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
    if (socketEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, socketEnds) != 0) {
        return;
    }
    for (int fd : socketEnds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    notifier_ = new QSocketNotifier(socketEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    for (const int signalNumber : kSignals) {
        struct sigaction previous {};
        ::sigaction(signalNumber, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = onTerminationSignal;
        sigemptyset(&action.sa_mask);
        // The first signal closes the program; a second one while it closes ends it.
        action.sa_flags = SA_RESTART | SA_RESETHAND;
        ::sigaction(signalNumber, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) {
        return;
    }
    for (const int signalNumber : kSignals) {
        struct sigaction current {};
        ::sigaction(signalNumber, nullptr, &current);
        if (current.sa_handler == onTerminationSignal) {
            ::signal(signalNumber, SIG_DFL);
        }
    }
    for (int& fd : socketEnds) {
        ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::drain() {
    std::array<unsigned char, 16> bytes{};
    for (;;) {
        const auto count = ::read(socketEnds[1], bytes.data(), bytes.size());
        if (count <= 0) {
            break;
        }
        for (ssize_t i = 0; i < count; ++i) {
            if (signal_ == 0) {
                signal_ = bytes[static_cast<std::size_t>(i)];
            }
            emit terminationRequested(bytes[static_cast<std::size_t>(i)]);
        }
    }
    // Every running event loop ends, the open message boxes' included; until exec() is
    // entered again, a new modal loop returns at once.
    QCoreApplication::exit(0);
}

int TerminationSignals::exec() {
    const int code = requested() ? 0 : QCoreApplication::exec();
    if (requested() && close_) {
        // Whatever the close shows (a failed save) must not wait for a learner who is gone.
        QCoreApplication::exit(0);
        close_();
    }
    return code;
}

} // namespace platform
