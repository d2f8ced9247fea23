#include "core/UBootJob.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable " + path.toUtf8() + ">");
}

TBootJob Job(std::int32_t choice, bool readBack, std::uint32_t bacnetType)
{
    TBootJob job;
    job.IP_Address = "192.168.2.205";
    job.Update_Option = choice;
    job.Read_Back = readBack;
    job.BACnetType = bacnetType;
    job.Master_Dir = "/opt/Vostrelant/MASTER";
    job.Project_Dir = "/opt/Vostrelant/PROJECTS/Plant A";
    return job;
}

} // namespace

TEST(BootJob, MatchesTheGoldenFileForEveryChoiceReadBackAndBACnetType)
{
    const char* choices[] = {"firmware_and_configuration", "firmware", "configuration"};
    for (std::int32_t choice = 0; choice < 3; ++choice)
        for (bool readBack : {true, false})
            for (std::uint32_t bacnetType : {0u, 1u, 7u}) {
                const QString golden = QStringLiteral("%1/boot_job/%2_%3_%4.xml")
                                           .arg(VX_TEST_DATA, choices[choice],
                                                readBack ? "read_back" : "no_read_back",
                                                bacnetType == 1 ? "mstp" : "bacnet_ip");
                SCOPED_TRACE(golden.toStdString() + " BACnetType " + std::to_string(bacnetType));
                EXPECT_EQ(Build_Boot_Job(Job(choice, readBack, bacnetType)), ReadFile(golden));
            }
}

TEST(BootJob, IsSavedNextToTheProgramWholeOrNotAtAll)
{
    QTemporaryDir exeDir;
    const QString path = exeDir.filePath("Ethernet_Update.xml");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older, longer job that must not survive in part");
    old.close();

    const TBootJob job = Job(1, false, 0);
    QString error;
    EXPECT_TRUE(Save_Boot_Job(exeDir.path(), job, &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(path), Build_Boot_Job(job));

    EXPECT_FALSE(Save_Boot_Job(exeDir.filePath("missing"), job, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(exeDir.filePath("missing/Ethernet_Update.xml")));
}
