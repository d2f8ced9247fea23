#pragma once
// Caps the size of the files this process may write, so that writes fail as on a full disk, without
// root. SIGXFSZ is ignored meanwhile; both come back when it goes, so the rest of the tests are unaffected.
#include <QString>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &FOld);
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = FOld;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // The system's reason a write past the limit gives.
    static QString Reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};
