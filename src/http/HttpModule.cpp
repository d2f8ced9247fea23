#include "platform/HttpModule.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

extern "C" Q_DECL_EXPORT bool VxHttpGet(const QUrl* Url, const THttpHeaders* Headers, int TimeoutMs,
                                        QByteArray* Body)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(*Url);
    for (const auto& [name, value] : *Headers)
        request.setRawHeader(name, value);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(TimeoutMs);

    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(TimeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->isFinished()) {
        reply->abort();
        return false;
    }
    if (reply->error() != QNetworkReply::NoError)
        return false;
    *Body = reply->readAll();
    return true;
}
