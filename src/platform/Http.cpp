#include "platform/Http.h"
#include "platform/HttpModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <utility>

namespace {

THttpHook& Hook()
{
    static THttpHook hook;
    return hook;
}

} // namespace

THttpModuleGet LoadHttpModule(const QString& Path)
{
    // The library stays loaded when this QLibrary goes: the function is used for the rest of the run.
    QLibrary library(Path);
    return reinterpret_cast<THttpModuleGet>(library.resolve(Http_Module_Get));
}

std::optional<QByteArray> HttpGet(const QUrl& url, const THttpHeaders& headers, int timeoutMs)
{
    if (Hook())
        return Hook()(url, headers);

    static const THttpModuleGet get =
        LoadHttpModule(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(Http_Module_Name)));
    QByteArray body;
    if (!get || !get(&url, &headers, timeoutMs, &body))
        return std::nullopt;
    return body;
}

void SetHttpHook(THttpHook hook)
{
    Hook() = std::move(hook);
}
