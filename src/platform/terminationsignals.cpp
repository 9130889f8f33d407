#include "platform/terminationsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace parlora {

namespace {

constexpr std::array HandledSignals = {SIGTERM, SIGINT, SIGHUP};

// The write end of the pipe, for the handler. A signal handler has no way to
// reach an object, so this one file descriptor is the process-wide state the
// class needs; it is set before the handlers are installed and cleared after
// they are removed.
volatile sig_atomic_t signalPipeWriteEnd = -1;

extern "C" void writeSignalByte(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Nothing can be done about a full pipe here: one byte already waiting
    // ends the program just the same.
    [[maybe_unused]] const ssize_t written = ::write(signalPipeWriteEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (signalPipeWriteEnd != -1 || ::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    signalPipeWriteEnd = m_pipe[1];
    struct sigaction action {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : HandledSignals)
        ::sigaction(signalNumber, &action, nullptr);

    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : HandledSignals)
        ::sigaction(signalNumber, &action, nullptr);
    signalPipeWriteEnd = -1;
    delete m_notifier;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void TerminationSignals::readSignal()
{
    unsigned char byte = 0;
    if (::read(m_pipe[0], &byte, 1) == 1)
        emit terminationRequested(byte);
}

} // namespace parlora
