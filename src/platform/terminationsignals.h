#pragma once

#include <QObject>

class QSocketNotifier;

namespace parlora {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, kill, Ctrl+C in
// the terminal, a closed terminal) into a Qt signal delivered by the event
// loop, so the program can save the user's words and end normally instead
// of dying with them in memory. The signal handler only writes one byte to a
// pipe, which is all a handler may safely do; a socket notifier reads it.
// Only one may exist at a time: the handlers are process-wide.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace parlora
