#include "platform/Process.h"
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// A stand-in program: a shell script with the given body, executable unless asked otherwise.
QString WriteScript(const QTemporaryDir& dir, const QString& name, const QByteArray& body, bool executable = true)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    return path;
}

} // namespace

TEST(RunProgram, WaitsForTheEndAndIgnoresTheExitCode)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath("ran");
    const QString program = WriteScript(dir, "prog", "touch '" + marker.toUtf8() + "'\nexit 3\n");
    const TProgramResult r = Run_Program(program, 5000);
    EXPECT_EQ(r.Run, TProgramRun::prEnded);
    EXPECT_TRUE(r.Error.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(marker));
}

TEST(RunProgram, LeavesAProgramRunningAtTheLimit)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath("finished");
    const QString program = WriteScript(dir, "slow", "sleep 2\ntouch '" + marker.toUtf8() + "'\n");
    QElapsedTimer t;
    t.start();
    int waits = 0;
    const TProgramResult r = Run_Program(program, 200, [&] { ++waits; });
    EXPECT_EQ(r.Run, TProgramRun::prStillRunning);
    EXPECT_LT(t.elapsed(), 1500);
    EXPECT_GE(waits, 5);  // polled in small steps, handing control back each time
    EXPECT_FALSE(QFileInfo::exists(marker));
    // Not killed: it finishes its work after the wait gave up.
    for (int i = 0; i < 500 && !QFileInfo::exists(marker); ++i)
        QThread::msleep(10);
    EXPECT_TRUE(QFileInfo::exists(marker));
    // Once it has ended, it is collected: no ended child is left waiting (looked at without collecting it).
    bool zombie = true;
    for (int i = 0; i < 200 && zombie; ++i) {
        siginfo_t info{};
        zombie = ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
        if (zombie)
            QThread::msleep(10);
    }
    EXPECT_FALSE(zombie);
}

TEST(RunProgram, ReportsWhyAProgramCouldNotBeStarted)
{
    QTemporaryDir dir;
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {dir.filePath("missing"), QString::fromLocal8Bit(std::strerror(ENOENT))},
        {WriteScript(dir, "not_executable", "exit 0\n", false), QString::fromLocal8Bit(std::strerror(EACCES))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const TProgramResult r = Run_Program(c.path, 1000);
        EXPECT_EQ(r.Run, TProgramRun::prNotStarted);
        EXPECT_EQ(r.Error, c.reason);
    }
}
