#pragma once
// Starting an external program and waiting for it with a limit.
#include <QString>
#include <functional>

enum class TProgramRun { prNotStarted, prEnded, prStillRunning };

struct TProgramResult {
    TProgramRun Run = TProgramRun::prNotStarted;
    QString Error;  // why it could not be started
};

// Starts `path` without arguments and polls every 10 ms for its end, at most `limitMs`. A program still running
// at the limit is left running and collected in the background when it ends. Its exit code is not looked at.
// `onWait` is called after every poll.
TProgramResult Run_Program(const QString& path, int limitMs, const std::function<void()>& onWait = {});
