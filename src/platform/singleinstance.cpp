#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace parlora {

namespace {

const QString NamePrefix = QStringLiteral("parlora-");
// Enough of the hash to tell folders apart, short enough for a socket path.
constexpr qsizetype KeyLength = 16;
constexpr char Acknowledgement = '1';
// Between attempts to reach a first instance that is still starting up.
constexpr std::chrono::milliseconds RetryPause{50};
// A received command line larger than this is not one.
constexpr qint64 MaxMessageBytes = 64 * 1024;

} // namespace

SingleInstance::SingleInstance(const QString &key, const QString &folder, QObject *parent)
    : QObject(parent), m_socketPath(folder + QLatin1Char('/') + NamePrefix + key + QStringLiteral(".socket")),
      m_lock(folder + QLatin1Char('/') + NamePrefix + key + QStringLiteral(".lock"))
{
    // The lock is held for the whole run; only a lock whose process is gone
    // is stale, however old it is.
    m_lock.setStaleLockTime(0);
    // Only this user may hand over command lines.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
}

QString SingleInstance::keyFor(const QString &guardedFile)
{
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(guardedFile).toUtf8(), QCryptographicHash::Sha256).toHex();
    return QString::fromLatin1(hash.left(KeyLength));
}

QString SingleInstance::standardFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0))
        return false;
    // A socket file left by a crashed run would refuse the new server.
    QLocalServer::removeServer(m_socketPath);
    // Without a server the program still runs; later starts then run beside
    // it, and the saves' merge keeps both sets of words.
    m_server.listen(m_socketPath);
    return true;
}

bool SingleInstance::handOver(const QStringList &arguments, std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    // The first instance may hold the lock before it listens.
    for (;;) {
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(RetryPause.count()));
    }
    QByteArray message;
    {
        QDataStream stream(&message, QIODevice::WriteOnly);
        stream << arguments;
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.read(1).front() == Acknowledgement;
}

void SingleInstance::takeConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > MaxMessageBytes) {
                socket->abort();
                return;
            }
            QDataStream stream(socket);
            stream.startTransaction();
            QStringList arguments;
            stream >> arguments;
            if (!stream.commitTransaction())
                return; // the rest is still on its way
            socket->write(&Acknowledgement, 1);
            socket->flush();
            emit argumentsReceived(arguments);
        });
    }
}

} // namespace parlora
