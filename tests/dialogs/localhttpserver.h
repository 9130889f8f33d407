#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

// A one-page HTTP server on 127.0.0.1 for the download tests: every request
// gets the same answer, sent in small pieces so that a large body reaches the
// client in several reads, or no answer at all once the server is told to hang.
class LocalHttpServer {
public:
    LocalHttpServer()
    {
        // The client must reach this server directly, whatever proxy the
        // environment names.
        for (const char *name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    void answer(QByteArray body, QByteArray status = "200 OK")
    {
        m_body = std::move(body);
        m_status = std::move(status);
    }
    void hang() { m_hang = true; }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    const QByteArray &lastRequest() const { return m_lastRequest; }

private:
    void serve(QTcpSocket *socket)
    {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        m_lastRequest = request;
        if (m_hang)
            return;
        socket->write("HTTP/1.1 " + m_status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                      + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n");
        for (qsizetype at = 0; at < m_body.size(); at += 1000)
            socket->write(m_body.mid(at, 1000));
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_status = "200 OK";
    QByteArray m_body;
    bool m_hang = false;
    QByteArray m_lastRequest;
};
