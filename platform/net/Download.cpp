#include "platform/net/Download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace Download {

Result toFile(const QUrl& url, const QString& path, std::chrono::milliseconds timeout) {
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(QNetworkRequest(url));

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
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
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else if (status != 0 && (status < 200 || status > 299)) {
        result.error = QStringLiteral("HTTP status ") + QString::number(status);
    } else {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(reply->readAll()) >= 0 && file.commit())
            result.ok = true;
        else
            result.error = file.errorString();
    }
    delete reply;
    return result;
}

} // namespace Download
