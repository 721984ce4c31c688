#pragma once
// A small HTTP server on 127.0.0.1 for page-reader tests: it serves a body,
// breaks off a transfer, or accepts and never answers.
#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace webtest {

class LocalHttpServer {
public:
    enum Behaviour { Serve, BreakAfterBody, Hang, NotFound };

    LocalHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                m_sockets << socket;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
    }

    QString url(const QString& path = QStringLiteral("/page")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    int requests() const { return m_requests; }

    Behaviour behaviour = Serve;
    QByteArray body;

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++m_requests;
        switch (behaviour) {
        case Hang:
            return;  // never a byte back
        case NotFound:
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: " + QByteArray::number(body.size()) +
                          "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
            return;
        case BreakAfterBody:
            // Promise more than is sent, then drop the line.
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                          QByteArray::number(body.size() + 100000) + "\r\n\r\n" + body);
            socket->flush();
            socket->waitForBytesWritten(1000);
            socket->abort();
            return;
        case Serve:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
            return;
        }
    }

    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_sockets;
    QHash<QTcpSocket*, QByteArray> m_pending;
    int m_requests = 0;
};

} // namespace webtest
