#ifndef LOCALHTTPSERVER_H
#define LOCALHTTPSERVER_H

// A minimal HTTP/1.1 server on 127.0.0.1 for the update tests: fixed answers
// by path, 404 for any other path, and paths that accept the request but
// never answer. Each answer closes its connection.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
        bool silent = false; // read the request, never answer
    };

    explicit LocalHttpServer(QObject *parent = nullptr);
    ~LocalHttpServer() override;

    // Listens on 127.0.0.1 on a free port.
    bool start();
    quint16 port() const;
    // "http://127.0.0.1:<port>/"
    QString baseUrl() const;

    void setResponse(const QString &path, const Response &response);
    // Paths of the requests received so far, in order.
    QStringList requestedPaths() const;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, Response> m_responses;
    QHash<QTcpSocket *, QByteArray> m_pending;
    QStringList m_requested;
};

#endif // LOCALHTTPSERVER_H
