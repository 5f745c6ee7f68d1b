#include "platform/net/Download.h"

#include "platform/core/TextFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace Download {

Result toFile(const QUrl& url, const QString& path, std::chrono::milliseconds timeout, qint64 maxBytes) {
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(QNetworkRequest(url));

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // Stopped as soon as the announced or the received length passes the limit, so a huge answer is
    // never held in memory.
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (!tooLarge && (received > maxBytes || total > maxBytes)) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    deadline.start(timeout);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    Result result;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (timedOut) {
        result.error = QStringLiteral("timed out");
    } else if (tooLarge) {
        result.error =
            QStringLiteral("answer larger than ") + QString::number(maxBytes) + QStringLiteral(" bytes");
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else if (status != 0 && (status < 200 || status > 299)) {
        result.error = QStringLiteral("HTTP status ") + QString::number(status);
    } else {
        const QByteArray body = reply->readAll();
        if (body.isEmpty())
            result.error = QStringLiteral("empty answer");
        else if (body.size() > maxBytes)
            result.error =
                QStringLiteral("answer larger than ") + QString::number(maxBytes) + QStringLiteral(" bytes");
        else if (TextFile::writeBytes(path, body))
            result.ok = true;
        else
            result.error = QStringLiteral("cannot write ") + path;
    }
    delete reply;
    return result;
}

} // namespace Download
