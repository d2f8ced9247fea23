#include "platform/Http.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>
#include <utility>

namespace {

THttpHook& Hook()
{
    static THttpHook hook;
    return hook;
}

} // namespace

std::optional<QByteArray> HttpGet(const QUrl& url, const THttpHeaders& headers, int timeoutMs)
{
    if (Hook())
        return Hook()(url, headers);

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(timeoutMs);

    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->isFinished()) {
        reply->abort();
        return std::nullopt;
    }
    if (reply->error() != QNetworkReply::NoError)
        return std::nullopt;
    return reply->readAll();
}

void SetHttpHook(THttpHook hook)
{
    Hook() = std::move(hook);
}
