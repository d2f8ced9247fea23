#include "platform/Http.h"
#include "platform/HttpModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

// A one-request server on the loopback: answers with `reply`, or never when it is empty.
class LocalServer {
public:
    explicit LocalServer(QByteArray reply) : FReply(std::move(reply))
    {
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] {
            QTcpSocket* s = FServer.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                FRequest += s->readAll();
                if (!FRequest.contains("\r\n\r\n") || FReply.isEmpty())
                    return;
                s->write(FReply);
                s->disconnectFromHost();
            });
        });
        FServer.listen(QHostAddress::LocalHost);
    }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(FServer.serverPort()).arg(path));
    }
    QByteArray request() const { return FRequest; }

private:
    QTcpServer FServer;
    QByteArray FReply;
    QByteArray FRequest;
};

TEST(Http, ReturnsTheBodyAndSendsTheHeaders)
{
    LocalServer server("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVer. 1.002");
    const auto body = HttpGet(server.url("/v?nomesw=X"), {{"Accept", "text/html"}});
    ASSERT_TRUE(body.has_value());
    EXPECT_EQ(*body, "Ver. 1.002");
    EXPECT_TRUE(server.request().startsWith("GET /v?nomesw=X HTTP/1."));
    EXPECT_TRUE(server.request().contains("Accept: text/html\r\n"));
}

TEST(Http, FailuresGiveNothing)
{
    LocalServer notFound("HTTP/1.0 404 Not Found\r\n\r\nVer. 9.999");
    EXPECT_FALSE(HttpGet(notFound.url("/")).has_value());

    quint16 closedPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closedPort = probe.serverPort();
    }
    EXPECT_FALSE(HttpGet(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort))).has_value());
}

TEST(Http, ASilentServerEndsAtTheTimeOut)
{
    LocalServer silent("");
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(HttpGet(silent.url("/"), {}, 300).has_value());
    EXPECT_LT(t.elapsed(), 5000);
}

TEST(Http, TheHookAnswersInsteadOfTheNetwork)
{
    QUrl asked;
    SetHttpHook([&](const QUrl& url, const THttpHeaders&) -> std::optional<QByteArray> {
        asked = url;
        return QByteArray("canned");
    });
    const auto body = HttpGet(QUrl("http://example.invalid/x"));
    SetHttpHook({});
    EXPECT_EQ(asked, QUrl("http://example.invalid/x"));
    EXPECT_EQ(body.value_or("none"), "canned");
}

QString ModuleBesideThisProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(Http_Module_Name));
}

TEST(HttpModule, OnlyTheModuleGivesAnEntryPoint)
{
    EXPECT_NE(LoadHttpModule(ModuleBesideThisProgram()), nullptr);
    QTemporaryDir dir;
    const QString notALibrary = dir.filePath("libnot_a_module.so");
    QFile f(notALibrary);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("text");
    f.close();
    for (const QString& path : {dir.filePath("missing"), notALibrary})
        EXPECT_EQ(LoadHttpModule(path), nullptr) << path.toStdString();
}

// Started from a folder without the module, this test's own executable asks a working server and gets nothing.
TEST(HttpModule, WithoutItARequestFails)
{
    if (LoadHttpModule(ModuleBesideThisProgram())) {
        QTemporaryDir dir;
        const QString alone = dir.filePath("alone");
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), alone));
        QProcess p;
        p.start(alone, {"--gtest_filter=HttpModule.WithoutItARequestFails"});
        ASSERT_TRUE(p.waitForFinished(120000));
        const QByteArray out = p.readAllStandardOutput() + p.readAllStandardError();
        EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains("[       OK ] HttpModule.WithoutItARequestFails")) << out.toStdString();
        return;
    }
    LocalServer server("HTTP/1.0 200 OK\r\n\r\nVer. 1.002");
    EXPECT_EQ(HttpGet(server.url("/")), std::nullopt);
}

} // namespace
