#include "SaveBinccFixture.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USaveBincc.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(SaveBinccFiles, TheBinFolderIsCreatedWhenMissing)
{
    SaveBinccProject p(false);
    ASSERT_FALSE(QFileInfo::exists(p.bin()));
    QString error;
    ASSERT_TRUE(p.build(&error)) << error.toStdString();
    EXPECT_EQ(p.bank1().size(), 2048);
    EXPECT_EQ(p.bank2().size(), 0x10C00 + 55);
}

TEST(SaveBinccFiles, EveryBuildRewritesBothFilesWhole)
{
    SaveBinccProject p;
    p.writeRaw(QStringLiteral("bin/bank2.bin"), QByteArray(600000, 'x'));
    p.writeParGen({{"NTP_Server_URL", "ntp"}});
    ASSERT_TRUE(p.build());
    const QByteArray first1 = p.bank1();
    const QByteArray first2 = p.bank2();
    EXPECT_EQ(first2.size(), 0x10C00 + 55);
    ASSERT_TRUE(p.build());
    EXPECT_EQ(p.bank1(), first1);
    EXPECT_EQ(p.bank2(), first2);
}

TEST(SaveBinccFiles, AFailedWriteLeavesNoHalfNewPair)
{
    SaveBinccProject p;
    ASSERT_TRUE(QDir().mkpath(p.bin() + QStringLiteral("/bank2.bin")));   // cannot be replaced by a file
    QString error;
    EXPECT_FALSE(p.build(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("bank2.bin"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(p.bin() + QStringLiteral("/bank1.bin")));
}

TEST(SaveBinccFiles, FailuresAreReported)
{
    {
        SaveBinccProject p(false);
        p.writeRaw(QStringLiteral("bin"), "a file where the folder should be");
        QString error;
        EXPECT_FALSE(p.build(&error));
        EXPECT_FALSE(error.isEmpty());
    }
    {
        SaveBinccProject p;
        ASSERT_TRUE(Compile_Bincc());
        Project_Dir.clear();
        QString error;
        EXPECT_FALSE(Save_Bincc(&error));
        EXPECT_EQ(error, Lang(18));
    }
}
