#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>

namespace parlora {

// One running Parlora per set of user files: a second start hands its
// command line to the first (which shows its window and looks up a word
// given there) and ends, so that two windows never keep two versions of the
// same personal dictionary.
//
// The first process holds a lock file for as long as it runs (a crashed one
// leaves a stale lock that the next start takes over) and listens on a local
// socket beside it.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // How long a second start waits for the first to take its command line.
    static constexpr std::chrono::milliseconds HandOverTimeout{5000};

    // key names the user files the instance guards; folder is where the lock
    // file and the socket go (the user's runtime folder).
    SingleInstance(const QString &key, const QString &folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // A key for a file path: the same path always gives the same key.
    static QString keyFor(const QString &guardedFile);
    // The user's runtime folder, or the temporary folder.
    static QString standardFolder();

    // True when this process is the first one for the key; it then receives
    // the command lines of later starts through argumentsReceived.
    bool claim();
    // Gives the arguments to the running instance. True when it took them.
    bool handOver(const QStringList &arguments, std::chrono::milliseconds timeout = HandOverTimeout);

signals:
    void argumentsReceived(const QStringList &arguments);

private:
    void takeConnection();

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace parlora
