#include "platform/Process.h"
#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

TProgramResult Run_Program(const QString& path, int limitMs, const std::function<void()>& onWait)
{
    const QByteArray file = QFile::encodeName(path);
    char* const argv[] = {const_cast<char*>(file.constData()), nullptr};
    pid_t pid = 0;
    if (const int error = ::posix_spawn(&pid, file.constData(), nullptr, nullptr, argv, environ))
        return {TProgramRun::prNotStarted, QString::fromLocal8Bit(std::strerror(error))};

    QElapsedTimer clock;
    clock.start();
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return {TProgramRun::prEnded, QString()};
        if (clock.elapsed() >= limitMs) {
            // Nobody waits for it any more: collect its end in the background so it leaves no zombie behind.
            std::thread([pid] {
                int ignored = 0;
                while (::waitpid(pid, &ignored, 0) < 0 && errno == EINTR) {
                }
            }).detach();
            return {TProgramRun::prStillRunning, QString()};
        }
        ::usleep(10000);
        if (onWait)
            onWait();
    }
}
