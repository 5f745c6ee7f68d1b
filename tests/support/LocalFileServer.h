#pragma once

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QUrl>

// A minimal HTTP file server on 127.0.0.1 for tests: GET of a known path answers its bytes, any
// other path 404. With `stall` set it accepts connections and never answers.
class LocalFileServer : public QObject {
    Q_OBJECT
public:
    LocalFileServer();

    QUrl url(const QString& path) const;

    QMap<QString, QByteArray> files;
    bool stall = false;
    int requests = 0;

private:
    void serve(QTcpSocket* socket);

    QTcpServer server;
};
