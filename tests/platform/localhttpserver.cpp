#include "localhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onNewConnection);
}

LocalHttpServer::~LocalHttpServer() = default;

bool LocalHttpServer::start()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 LocalHttpServer::port() const
{
    return m_server.serverPort();
}

QString LocalHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(port());
}

void LocalHttpServer::setResponse(const QString &path, const Response &response)
{
    m_responses.insert(path, response);
}

QStringList LocalHttpServer::requestedPaths() const
{
    return m_requested;
}

void LocalHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        m_pending.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket]() {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::onReadyRead(QTcpSocket *socket)
{
    if (!m_pending.contains(socket)) {
        socket->readAll();
        return;
    }
    QByteArray &buffer = m_pending[socket];
    buffer += socket->readAll();
    if (!buffer.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    m_pending.remove(socket);
    const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requested.append(path);

    Response response;
    if (m_responses.contains(path)) {
        response = m_responses.value(path);
    } else {
        response.status = 404;
        response.body = "not found";
        response.contentType = "text/plain";
    }
    if (response.silent)
        return;

    const QByteArray reason = response.status == 200 ? "OK" : "Error";
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason + "\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head + response.body);
    socket->disconnectFromHost();
}
