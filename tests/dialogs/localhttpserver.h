#pragma once

#include <QByteArray>
#include <QTcpServer>

// A one-page HTTP server on 127.0.0.1 for the download tests: every request
// gets the same answer, or none at all when the server is told to hang.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    LocalHttpServer();

    void answer(QByteArray body, QByteArray status = "200 OK");
    // Accepts connections and reads requests but never answers.
    void hang() { m_hang = true; }
    // The server's address, e.g. "http://127.0.0.1:40123".
    QString address() const;
    int requestCount() const { return m_requests; }
    const QByteArray &lastRequest() const { return m_lastRequest; }

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    QByteArray m_status = "200 OK";
    QByteArray m_body;
    bool m_hang = false;
    int m_requests = 0;
    QByteArray m_lastRequest;
};
