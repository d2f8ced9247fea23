#pragma once
// One HTTP GET that always ends: the answer, a failure, or the time-out.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QUrl>
#include <functional>
#include <optional>

using THttpHeaders = QList<QPair<QByteArray, QByteArray>>;

constexpr int HttpDefaultTimeoutMs = 10000;

// The body of a successful answer, or nothing (network error, HTTP error status, time-out).
// User input is held back while waiting, so no window acts on a click meanwhile.
std::optional<QByteArray> HttpGet(const QUrl& url, const THttpHeaders& headers = {},
                                  int timeoutMs = HttpDefaultTimeoutMs);

// Test hook: while set, HttpGet asks it instead of the network. An empty function restores the network.
using THttpHook = std::function<std::optional<QByteArray>(const QUrl& url, const THttpHeaders& headers)>;
void SetHttpHook(THttpHook hook);
