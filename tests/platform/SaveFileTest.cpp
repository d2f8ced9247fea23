#include "platform/SaveFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Caps the size of files this process may write, so a write fails half-way.
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

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};

} // namespace

TEST(SaveWholeFile, WritesAndReplaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    EXPECT_TRUE(SaveWholeFile(path, "first"));
    EXPECT_TRUE(SaveWholeFile(path, "second"));
    EXPECT_EQ(ReadAll(path), QByteArray("second"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.xml")});
}

TEST(SaveWholeFile, AFailedWriteLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    ASSERT_TRUE(SaveWholeFile(path, "old content"));
    QString error;
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(SaveWholeFile(path, QByteArray(64 * 1024, 'x'), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(path), QByteArray("old content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.xml")});  // no temporary left
}

TEST(SaveWholeFile, AMissingFolderIsReported)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(SaveWholeFile(dir.filePath(QStringLiteral("no/such/a.xml")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(SaveWholeFile(dir.path(), "x"));  // a folder is no file
}

TEST(SaveWholeFileTold, AFailureIsToldWithThePathAndTheReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/a.xml"));
    QString reason;
    ASSERT_FALSE(SaveWholeFile(path, "x", &reason));
    QString message = QStringLiteral("untouched");
    EXPECT_FALSE(SaveWholeFileTold(path, "x", &message));
    EXPECT_EQ(message, QStringLiteral("Error! The file %1 cannot be written: %2").arg(path, reason));

    const QString good = dir.filePath(QStringLiteral("a.xml"));
    message = QStringLiteral("untouched");
    EXPECT_TRUE(SaveWholeFileTold(good, "content", &message));
    EXPECT_EQ(message, QStringLiteral("untouched"));
    EXPECT_EQ(ReadAll(good), QByteArray("content"));
    EXPECT_FALSE(SaveWholeFileTold(dir.path(), "x", nullptr));  // no message asked for
}
