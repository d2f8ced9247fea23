#include "app/ProgramWindows.h"
#include "support/MessageBoxRecorder.h"
#include "support/TempProgramFolder.h"
#include "ui/UVostrelanteFirmWare.h"

#include <QSet>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Windows whose editors have not landed in this build yet. A name leaves this list in the change that
// adds its window, or the test below fails.
const QSet<QString> kNotBuiltYet = {
    "FBACnetAccess", "FImportEDEFile",
    "FDNet", "FDefOffset", "FReceiveJ1939", "FTransmitJ1939", "FKNXAccess", "FMQTT_Set_Topic", "FTopicTemplate",
    "FReceiveNMEA", "FTransmitNMEA", "FSNMPManagerAccess", "FSNMP_Trap_Access",
};

} // namespace

TEST(ProgramWindows, EveryNameTheMainWindowUsesResolvesToAWindow)
{
    TempProgramFolder folder{false};
    MessageBoxRecorder boxes;
    TFVostrelanteFirmWare main(folder.path());
    Create_Program_Windows(main);

    const QStringList used = TFVostrelanteFirmWare::Menu_Windows() + TFVostrelanteFirmWare::Step_Windows() +
                             TFVostrelanteFirmWare::Language_Order();
    for (const QString& name : used) {
        SCOPED_TRACE(name.toStdString());
        if (kNotBuiltYet.contains(name))
            EXPECT_EQ(main.Window(name), nullptr);
        else
            EXPECT_NE(main.Window(name), nullptr);
    }
    for (const QString& name : kNotBuiltYet)
        EXPECT_TRUE(used.contains(name)) << name.toStdString() << " is used nowhere";
}

TEST(ProgramWindows, EveryWindowButTheAboutBoxFollowsTheLanguageSwitch)
{
    TempProgramFolder folder{false};
    MessageBoxRecorder boxes;
    TFVostrelanteFirmWare main(folder.path());
    Create_Program_Windows(main);

    const QStringList order = TFVostrelanteFirmWare::Language_Order();
    for (const QString& name : TFVostrelanteFirmWare::Menu_Windows() + QStringList{"FParGen", "FBoot"}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_NE(main.Window(name), nullptr);
        EXPECT_EQ(order.contains(name), name != QLatin1String("FAbout"));
    }
}
