#include "localhttpserver.h"

#include <QTcpSocket>

namespace {
// Small pieces, so a large body reaches the client in several reads.
constexpr qsizetype SendPieceSize = 1000;
} // namespace

LocalHttpServer::LocalHttpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void LocalHttpServer::answer(QByteArray body, QByteArray status)
{
    m_body = std::move(body);
    m_status = std::move(status);
}

QString LocalHttpServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    ++m_requests;
    m_lastRequest = request;
    if (m_hang)
        return;
    socket->write("HTTP/1.1 " + m_status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                  + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n");
    for (qsizetype at = 0; at < m_body.size(); at += SendPieceSize)
        socket->write(m_body.mid(at, SendPieceSize));
    socket->disconnectFromHost();
}
