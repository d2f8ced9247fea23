// The compiler against a dying program, symbolic links out of the project and files that are no project files.
#include "SaveBinccFixture.h"
#include "core/UComon.h"
#include "core/USaveBincc.h"
#include "support/QStringPrinter.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray Read_All(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const Elements kPairA = {{"NTP_Server_URL", "a.example"}};
const Elements kPairB = {{"NTP_Server_URL", "b.example"}, {"BACnet_DEV_IDE", "7"}};

} // namespace

// Killing the program while it wrote the images left a new bank1 beside an old bank2: an update would
// have sent a mixed configuration.
TEST(SaveBinccPair, WhereverTheProgramDiesTheFolderHoldsTheOldPairTheNewPairOrNoPair)
{
    SaveBinccProject p;
    p.writeParGen(kPairA);
    ASSERT_TRUE(p.build());
    const QByteArray a1 = p.bank1();
    const QByteArray a2 = p.bank2();
    EXPECT_TRUE(Bank_Pair_Whole(p.dir()));
    p.writeParGen(kPairB);
    ASSERT_TRUE(p.build());
    const QByteArray b1 = p.bank1();
    const QByteArray b2 = p.bank2();
    ASSERT_NE(a1, b1);
    ASSERT_NE(a2, b2);

    // The folder holds pair A; a child of this process, which holds pair B compiled, tells, saves B and is
    // killed at moments spread over the save.
    const QString sum_path = p.bin() + QStringLiteral("/banks.sha256");
    p.writeParGen(kPairA);
    ASSERT_TRUE(p.build());
    const QByteArray a_sum = Read_All(sum_path);
    p.writeParGen(kPairB);
    ASSERT_TRUE(Compile_Bincc());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(Save_Bincc());
    const qint64 save_us = clock.nsecsElapsed() / 1000;
    // The child's save runs slower than the parent's (a forked process pays for its pages on first write),
    // so the kills step on later and later until they have caught the save in its middle and after its end.
    constexpr int kMaxAttempts = 240;
    int broken = 0;   // moments that caught the child between the old pair and the new
    bool saw_new = false;
    for (int attempt = 0; attempt < kMaxAttempts && (broken == 0 || !saw_new); ++attempt) {
        p.writeRaw(QStringLiteral("bin/bank1.bin"), a1);
        p.writeRaw(QStringLiteral("bin/bank2.bin"), a2);
        p.writeRaw(QStringLiteral("bin/banks.sha256"), a_sum);
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::write(go[1], "g", 1) == 1)
                Save_Bincc();
            ::_exit(0);
        }
        ::close(go[1]);
        char byte = 0;
        const bool started = ::read(go[0], &byte, 1) == 1;
        ::usleep(static_cast<useconds_t>(save_us * attempt / 6));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(go[0]);
        ASSERT_TRUE(started);

        SCOPED_TRACE(attempt);
        const QByteArray n1 = p.bank1();
        const QByteArray n2 = p.bank2();
        if (Bank_Pair_Whole(p.dir())) {
            EXPECT_TRUE((n1 == a1 && n2 == a2) || (n1 == b1 && n2 == b2));
            saw_new = saw_new || (n1 == b1 && n2 == b2);
        } else {
            ++broken;
        }
    }
    // Some moments fall inside the save, or the test proves nothing.
    EXPECT_GT(broken, 0);

    // A mixed pair, as an older program left it, is never whole, whichever list stands beside it.
    p.writeRaw(QStringLiteral("bin/bank1.bin"), b1);
    p.writeRaw(QStringLiteral("bin/bank2.bin"), a2);
    for (const QByteArray& sum : {a_sum, QByteArray()}) {
        p.writeRaw(QStringLiteral("bin/banks.sha256"), sum);
        QString error;
        EXPECT_FALSE(Bank_Pair_Whole(p.dir(), &error));
        EXPECT_EQ(error, "Error! The device images in " + p.bin() + " are not a whole pair: create them again");
    }
}

TEST(SaveBinccPair, AFailedWriteLeavesTheOldPairWhole)
{
    SaveBinccProject p;
    p.writeParGen(kPairA);
    ASSERT_TRUE(p.build());
    const QByteArray a1 = p.bank1();
    ASSERT_TRUE(QDir().mkpath(p.bin() + QStringLiteral("/bank2.bin.new/x")));   // bank2 cannot be written
    p.writeParGen(kPairB);
    QString error;
    EXPECT_FALSE(p.build(&error));
    EXPECT_TRUE(error.startsWith("Error! The file " + p.bin() + "/bank2.bin cannot be written: ")) << error.toStdString();
    EXPECT_EQ(p.bank1(), a1);
    EXPECT_TRUE(Bank_Pair_Whole(p.dir()));
    EXPECT_FALSE(QFileInfo::exists(p.bin() + QStringLiteral("/bank1.bin.new")));
}

// With bin, an image or ParGen.xml a symbolic link to a place outside the project, saving wrote there.
TEST(SaveBinccLinks, ATargetLeadingOutsideTheProjectIsRefusedAndNothingWritten)
{
    QTemporaryDir outside;
    const struct {
        const char* link;     // below the project
        const char* target;   // below `outside`, "" for the folder itself
        const char* named;    // the path the message names, below the project
    } cases[] = {
        {"bin", "", "bin"},
        {"bin/bank1.bin", "stolen1.bin", "bin/bank1.bin"},
        {"bin/bank2.bin", "stolen2.bin", "bin/bank2.bin"},
        {"bin/banks.sha256", "stolen.sum", "bin/banks.sha256"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        SaveBinccProject p(QString(c.link) != "bin");
        const QString link = p.dir() + "/" + c.link;
        const QString target = outside.filePath(QString::fromLatin1(c.target));
        ASSERT_TRUE(QFile::link(target, link));
        QString error;
        EXPECT_FALSE(p.build(&error));
        EXPECT_EQ(error, "Error! " + p.dir() + "/" + c.named + " leads outside the folder " + p.dir() +
                             ": nothing was written");
        EXPECT_EQ(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
    }

    // A link that stays inside the project is followed.
    SaveBinccProject p(false);
    QDir().mkpath(p.dir() + "/images");
    ASSERT_TRUE(QFile::link(p.dir() + "/images", p.bin()));
    QString error;
    EXPECT_TRUE(p.build(&error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(p.dir() + "/images/bank1.bin").size(), 2048);
}

// A FIFO named ParGen.xml blocked the compiler for good; a 200 MB table took 12 GB before its message.
TEST(SaveBinccFiles, AProjectFileThatIsNoRegularFileOrTooLargeIsRefusedBeforeParsing)
{
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"ParGen.xml", "it is not a regular file"},
        {"BACnet_Slave_SetAccess.xml", "it is larger than 16 MB"},
        {"IEC61850_Variables.xml", "it is larger than 16 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SaveBinccProject p;
        const QString path = p.dir() + "/" + c.name;
        if (QString(c.reason).contains("regular")) {
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            p.writeRaw(QString::fromLatin1(c.name), "<root>");
            ASSERT_TRUE(QFile::resize(path, 16 * 1024 * 1024 + 1));
        }
        QString error;
        EXPECT_FALSE(Compile_Bincc(&error));
        EXPECT_EQ(error, "Error! The file " + path + " cannot be read: " + c.reason);
    }
}
