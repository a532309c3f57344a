#include "app/termination_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int socketPair[2] = {-1, -1};
constexpr int kHandledSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // Async-signal-safe; a full socket already holds a pending request.
    [[maybe_unused]] const ssize_t written = ::write(socketPair[0], &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onRequest, QObject* parent)
    : QObject(parent)
    , onRequest_(std::move(onRequest)) {
    if (socketPair[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, socketPair) != 0)
        return;
    ::fcntl(socketPair[0], F_SETFL, ::fcntl(socketPair[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(socketPair[1], F_SETFL, ::fcntl(socketPair[1], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(socketPair[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kHandledSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_)
        return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : kHandledSignals)
        ::sigaction(signal, &action, nullptr);
}

void TerminationSignals::drain() {
    char buffer[64];
    ssize_t count = 0;
    bool any = false;
    while ((count = ::read(socketPair[1], buffer, sizeof buffer)) > 0)
        any = true;
    if (any && onRequest_)
        onRequest_();
}
