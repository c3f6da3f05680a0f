#include "platform/EndSignals.h"

#include "platform/Application.h"

#include <QCoreApplication>
#include <QTimer>

#if !defined(_WIN32)
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// How often the event loops are told again to return, for a modal dialog that
// opens after the first request.
constexpr int kLeaveLoopsIntervalMs = 50;

#if !defined(_WIN32)
// The pipe from the signal handler to the event loop; -1 while no object listens.
std::atomic<int> g_signalWriteFd{-1};

extern "C" void WriteSignalByte(int) {
    const int savedErrno = errno;
    if (const int fd = g_signalWriteFd.load(); fd >= 0) {
        const char byte = 1;
        // A full pipe already holds a request; a lost byte changes nothing.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
#endif

} // namespace

TEndSignals::TEndSignals(std::function<void()> AOnEnd, QObject* AParent)
    : QObject(AParent), FOnEnd(std::move(AOnEnd)) {
    FLeaveLoops = new QTimer(this);
    FLeaveLoops->setInterval(kLeaveLoopsIntervalMs);
    connect(FLeaveLoops, &QTimer::timeout, this, [] { QCoreApplication::exit(0); });
#if !defined(_WIN32)
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) {
        return;
    }
    g_signalWriteFd = fds[1];
    FNotifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this,
            [this] { Application::Guarded([this] { SignalArrived(); }); });

    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) {
        ::sigaction(signal, &action, nullptr);
    }
#endif
}

TEndSignals::~TEndSignals() {
#if !defined(_WIN32)
    if (FNotifier) {
        // The program is ending anyway: from now on the signals are ignored.
        struct sigaction action {};
        action.sa_handler = SIG_IGN;
        sigemptyset(&action.sa_mask);
        for (const int signal : kEndSignals) {
            ::sigaction(signal, &action, nullptr);
        }
        FNotifier->setEnabled(false);
        ::close(g_signalWriteFd.exchange(-1));
        ::close(static_cast<int>(FNotifier->socket()));
    }
#endif
}

void TEndSignals::SignalArrived() {
#if !defined(_WIN32)
    char buffer[16];
    while (::read(static_cast<int>(FNotifier->socket()), buffer, sizeof buffer) > 0) {
    }
#endif
    if (FEndRequested) {
        return;
    }
    FEndRequested = true;
    if (FOnEnd) {
        FOnEnd();
    }
    QCoreApplication::exit(0);
    FLeaveLoops->start();
}
