#include "app/TerminationSignals.h"

#include <QSocketNotifier>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <iterator>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
constexpr int watchedSignals[] = { SIGTERM, SIGHUP, SIGINT };

// Written by the handler, read by the notifier: [0] is the write end.
int g_socketPair[2] = { -1, -1 };
// The handlers in place before the watcher, restored after it.
struct sigaction g_previous[std::size(watchedSignals)];

extern "C" void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full socket already holds a wake-up; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(g_socketPair[0], &number, 1);
    errno = savedErrno;
}
#endif

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (g_socketPair[0] >= 0)
        return; // another watcher has them
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_socketPair) != 0) {
        g_socketPair[0] = g_socketPair[1] = -1;
        return;
    }
    for (int fd : g_socketPair) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }

    m_notifier = new QSocketNotifier(qintptr(g_socketPair[1]), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    m_watching = true;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i) {
        // A signal ignored at start (nohup, a background job) stays ignored.
        if (::sigaction(watchedSignals[i], nullptr, &g_previous[i]) != 0 || g_previous[i].sa_handler == SIG_IGN)
            continue;
        if (::sigaction(watchedSignals[i], &action, nullptr) != 0)
            m_watching = false;
    }
#endif
}

TerminationSignals::~TerminationSignals()
{
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i)
        ::sigaction(watchedSignals[i], &g_previous[i], nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(g_socketPair[0]);
    ::close(g_socketPair[1]);
    g_socketPair[0] = g_socketPair[1] = -1;
#endif
}

void TerminationSignals::readSignal()
{
#ifdef Q_OS_UNIX
    unsigned char number = 0;
    int last = 0;
    while (::read(g_socketPair[1], &number, 1) == 1)
        last = number;
    if (last == 0)
        return;
    m_received = true;
    emit received(last);
#endif
}
