#include "platform/SaveFile.h"
#include "support/FileSizeLimit.h"
#include "support/QStringPrinter.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

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

// A small file stays in QSaveFile's buffer, and commit renamed the temporary file even when writing that
// buffer out failed: on a full disk every small file was emptied and reported as saved.
TEST(SaveWholeFile, OnAFullDiskAnyFileKeepsTheOldContentAndTheSystemSaysWhy)
{
    const struct {
        const char* name;
        rlim_t limit;
        int size;
    } cases[] = {
        {"small file, nothing fits", 0, 100},
        {"small file, part fits", 16, 100},
        {"large file, part fits", 4096, 64 * 1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xml"));
        ASSERT_TRUE(SaveWholeFile(path, "old content"));
        QString message;
        bool saved = true;
        {
            const FileSizeLimit full(c.limit);
            saved = SaveWholeFileTold(path, QByteArray(c.size, 'x'), &message);
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(message.toStdString(), QStringLiteral("Error! The file %1 cannot be written: %2").arg(path, FileSizeLimit::Reason()).toStdString());
        EXPECT_EQ(ReadAll(path), QByteArray("old content"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.xml")});
    }
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

TEST(SaveWrittenFileTold, StreamedContentReachesTheFileAndAFailureIsTold)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.pdf"));
    const auto writeTwice = [](QIODevice& device) {
        device.write("streamed ");
        device.write("content");
    };
    QString message = QStringLiteral("untouched");
    EXPECT_TRUE(SaveWrittenFileTold(path, writeTwice, &message));
    EXPECT_EQ(ReadAll(path), QByteArray("streamed content"));
    EXPECT_EQ(message, QStringLiteral("untouched"));

    const QString missing = dir.filePath(QStringLiteral("no/such/a.pdf"));
    EXPECT_FALSE(SaveWrittenFileTold(missing, writeTwice, &message));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Error! The file %1 cannot be written: ").arg(missing)));
    EXPECT_FALSE(QFile::exists(missing));
}
