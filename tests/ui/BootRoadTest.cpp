#include "core/UComon.h"
#include "platform/Ping.h"
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"
#include "ui/UBoot.h"
#include "ui/UNew_Project.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

// New project, the update step, both images, the job file and the update program, with the converter on
// this machine's loopback address.
TEST(BootRoad, FromANewProjectToTheUpdateProgram)
{
    if (TIcmpPinger().Echo("127.0.0.1").Status == TEchoStatus::esNoSocket)
        GTEST_SKIP() << "no ICMP socket on this machine";
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    const auto main = std::make_unique<TFVostrelanteFirmWare>(folder.path());
    auto* newProject = new TFNew_Project(main.get());
    main->Add_Window("FNew_Project", newProject, {});
    auto* boot = new TFBoot(main.get());
    main->OnShowBoot = [boot](std::uint32_t BACnetType, std::uint32_t) { boot->Show_Update(BACnetType); };
    main->show();

    folder.writeFile("MASTER/Sim48143.sim", "firmware");
    // The stand-in update program notes, for every image the job names, whether it is there.
    const QString program = folder.writeFile(
        "Ethernet_Update",
        "#!/bin/sh\ncd \"$(dirname \"$0\")\"\n"
        "{ cat Ethernet_Update.xml; echo; } | sed 's#<Ope_FileName>#\\n#g' | sed -n 's#^\\([^<]*\\)</Ope_FileName>.*#\\1#p' |\n"
        "while read f; do if [ -f \"$f\" ]; then echo \"present $f\"; else echo \"missing $f\"; fi; done > seen.log\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);

    OnNextModal([&](QWidget*) {
        QTest::keyClicks(newProject->E_New_Proj, "Road");
        QTest::mouseClick(newProject->Btn_OK, Qt::LeftButton);
    });
    QTest::mouseClick(main->Btn_New, Qt::LeftButton);
    ASSERT_EQ(Project_Name, "Road");
    const QString project = folder.projects() + "/Road";

    Device_IP = "127.0.0.1";
    bool shown = false;
    OnNextModal([&](QWidget* modal) {
        shown = modal == boot;
        QTest::mouseClick(boot->Btn_Update, Qt::LeftButton);
        QTest::mouseClick(boot->Btn_Cancel, Qt::LeftButton);
    });
    QTest::mouseClick(main->Btn_CreateBin, Qt::LeftButton);

    EXPECT_TRUE(shown);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(QFileInfo(project + "/bin/bank1.bin").size(), 2048);
    EXPECT_TRUE(QFileInfo::exists(project + "/bin/bank2.bin"));
    EXPECT_TRUE(ReadAll(folder.path() + "/Ethernet_Update.xml").contains("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"));
    EXPECT_EQ(ReadAll(folder.path() + "/seen.log").toStdString(),
              ("present " + folder.master() + "/Sim48143.sim\npresent " + project + "/bin/bank1.bin\npresent " + project +
               "/bin/bank2.bin\n")
                  .toStdString());
}
