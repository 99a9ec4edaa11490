#include "app/shutdownsignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace ashtally {

namespace {

// The write end of the pair; a signal handler may only do async-signal-safe work, so it writes
// one byte and the GUI thread does the rest.
int g_signalSocket[2] = {-1, -1};

extern "C" void OnShutdownSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalSocket[0], &byte, sizeof byte);
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSocket) != 0) {
        return;
    }
    m_notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownSignals::OnReadable);

    struct sigaction action {};
    action.sa_handler = OnShutdownSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    if (g_signalSocket[0] >= 0) {
        ::close(g_signalSocket[0]);
        ::close(g_signalSocket[1]);
        g_signalSocket[0] = g_signalSocket[1] = -1;
    }
}

void ShutdownSignals::OnReadable() {
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(g_signalSocket[1], &byte, sizeof byte);
    emit shutdownRequested();
}

} // namespace ashtally
