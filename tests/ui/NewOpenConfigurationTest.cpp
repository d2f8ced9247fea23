#include "core/UComon.h"
#include "core/ULanguage.h"
#include "support/MessageBoxRecorder.h"
#include "support/QStringPrinter.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"
#include "ui/UNew_Project.h"
#include "ui/UOpenConf.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Configurations : public testing::Test {
protected:
    Configurations()
    {
        main = std::make_unique<TFVostrelanteFirmWare>(folder.path());
        newProject = new TFNew_Project(main.get());
        openConf = new TFOpenConf(main.get());
        main->Add_Window("FNew_Project", newProject, {});
        main->Add_Window("FOpenConf", openConf, {});
    }

    // Presses New Configuration, types `name` and presses OK; Cancel when OK leaves the dialog open.
    TModalResult NewProject(const QString& name)
    {
        TModalResult result = mrNone;
        OnNextModal([&](QWidget*) {
            QLineEdit* edit = newProject->E_New_Proj;
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Backspace);
            if (name.contains('\t')) {   // Tab cannot be typed into the name: it comes pasted
                QGuiApplication::clipboard()->setText(name);
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClicks(edit, name);
            }
            QTest::mouseClick(newProject->Btn_OK, Qt::LeftButton);
            if (newProject->isVisible())
                QTest::mouseClick(newProject->Btn_Cancel, Qt::LeftButton);
            result = newProject->ModalResult();
        });
        QTest::mouseClick(main->Btn_New, Qt::LeftButton);
        return result;
    }

    // Presses Open Configuration, lets `act` look and choose, then presses `button`.
    void OpenProject(const std::function<void()>& act, bool ok = true)
    {
        OnNextModal([&](QWidget*) {
            act();
            QTest::mouseClick(ok ? openConf->Btn_OK : openConf->Btn_Cancel, Qt::LeftButton);
        });
        QTest::mouseClick(main->Btn_Open, Qt::LeftButton);
    }

    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    std::unique_ptr<TFVostrelanteFirmWare> main;
    TFNew_Project* newProject;
    TFOpenConf* openConf;
};

TEST_F(Configurations, ANewProjectGetsItsFolderAndBinAndBecomesTheOpenOne)
{
    main->show();
    EXPECT_EQ(newProject->Caption(), "Create New Configuration");
    EXPECT_EQ(newProject->size(), QSize(331, 162));
    EXPECT_EQ(NewProject("My Plant"), mrOk);
    const QString dir = folder.projects() + "/My Plant";
    EXPECT_TRUE(QFileInfo(dir + "/bin").isDir());
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"bin"});
    EXPECT_EQ(Project_Name, "My Plant");
    EXPECT_EQ(Project_Dir, dir);
    EXPECT_EQ(File_ParGen, dir + "/ParGen.xml");
    EXPECT_EQ(File_SNMP_Trap, dir + "/SNMP_Trap.xml");
    EXPECT_EQ(main->L_Name_Conf->text(), Lang(11));
    EXPECT_EQ(main->L_Name_Conf_L2->text(), "My Plant");
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(Configurations, RefusedNamesLeaveTheDialogOpenAndNothingBehind)
{
    folder.makeProject("Taken");
    folder.writeFile("PROJECTS/Note", "a file, not a configuration");
    main->show();
    const struct {
        const char* name;
        int text;
    } cases[] = {
        {"", 107},        {"Taken", 106},  {".", 105},      {"..", 105},
        {"../escape", 105}, {"a/b", 105},  {"a\\b", 105},   {"tab\there", 105},
        {"Note", 105},  // only a folder counts as taken; the file makes the creation fail
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        EXPECT_EQ(NewProject(c.name), mrCancel);
        EXPECT_EQ(boxes.texts(), QStringList{Lang(c.text)});
        EXPECT_TRUE(Project_Dir.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "/escape"));
    EXPECT_EQ(QDir(folder.projects()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"Note", "Taken"}));
    EXPECT_EQ(main->L_Name_Conf->text(), Lang(9));
}

TEST_F(Configurations, EnterInTheNameConfirmsIt)
{
    OnNextModal([&](QWidget*) {
        QTest::keyClicks(newProject->E_New_Proj, "Quick");
        QTest::keyClick(newProject->E_New_Proj, Qt::Key_Return);
    });
    EXPECT_EQ(newProject->ShowModal(), mrOk);
    EXPECT_EQ(Project_Name, "Quick");
}

TEST_F(Configurations, OpenPreselectsTheOpenProjectRegardlessOfCaseAndTakesTheChoice)
{
    for (const char* n : {"beta", "Alpha", "Gamma"})
        folder.makeProject(n);
    folder.writeFile("PROJECTS/not-a-folder.txt", "x");
    Project_Name = "GAMMA";
    Project_Dir = folder.projects() + "/GAMMA";
    main->show();
    QStringList listed;
    OpenProject([&] {
        for (int i = 0; i < openConf->ListBox1->count(); ++i)
            listed << openConf->ListBox1->item(i)->text();
        EXPECT_EQ(openConf->ListBox1->currentRow(), 2);
        openConf->ListBox1->setCurrentRow(0);
    });
    EXPECT_EQ(listed, (QStringList{"Alpha", "beta", "Gamma"}));
    EXPECT_EQ(Project_Name, "Alpha");
    EXPECT_EQ(Project_Dir, folder.projects() + "/Alpha");
    EXPECT_EQ(File_IEC61850_Variables, folder.projects() + "/Alpha/IEC61850_Variables.xml");
    EXPECT_EQ(main->L_Name_Conf_L2->text(), "Alpha");

    // Cancel changes nothing; without an open project the first item is proposed.
    OpenProject([&] { openConf->ListBox1->setCurrentRow(1); }, false);
    EXPECT_EQ(Project_Name, "Alpha");
    Project_Dir.clear();
    int proposed = -1;
    OpenProject([&] { proposed = openConf->ListBox1->currentRow(); }, false);
    EXPECT_EQ(proposed, 0);
}

TEST_F(Configurations, OkWithNothingToChooseChangesNothing)
{
    main->show();
    OpenProject([] {});
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_EQ(main->L_Name_Conf->text(), Lang(9));

    // Also after a project was chosen earlier and its folder has gone since.
    folder.makeProject("Old");
    OpenProject([] {});
    ASSERT_EQ(Project_Name, "Old");
    QDir(folder.projects() + "/Old").removeRecursively();
    OpenProject([] {});
    EXPECT_EQ(Project_Name, "Old");
    EXPECT_EQ(openConf->Name_Conf, "Old");
    EXPECT_EQ(openConf->ListBox1->count(), 0);
}

TEST_F(Configurations, EnglishTextsOfBothDialogs)
{
    newProject->Build();   // what their first showing does
    openConf->Build();
    const struct {
        const char* caption;
        QLabel* code;
        QLabel* desc;
        QLabel* label;
        TSbButton* ok;
        TSbButton* cancel;
        QWidget* input;
        const char* texts[7];  // description, label, OK, Cancel, then the hints of input, OK, Cancel
    } dialogs[] = {
        {"Create New Configuration", newProject->L_SW_Code, newProject->L_SW_Desc, newProject->Label1,
         newProject->Btn_OK, newProject->Btn_Cancel, newProject->E_New_Proj,
         {"Create New Configuration", "Name of the new Configuration", "OK", "Cancel",
          "Insert here the name of new configuration", "Confirm the Name of new Configuration",
          "Cancel the New Configuration"}},
        {"Open Configuration", openConf->L_SW_Code, openConf->L_SW_Desc, openConf->Label1, openConf->Btn_OK,
         openConf->Btn_Cancel, openConf->ListBox1,
         {"Open an Existing Configuration", "List of Avaliable Configurations", "OK", "Cancel",
          "Select from this list the configuration to open", "Open the Selected Configuration",
          "Cancel open of Configuration"}},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.caption);
        EXPECT_EQ(d.code->window()->windowTitle(), d.caption);
        EXPECT_EQ(d.code->text(), "QV48143");
        EXPECT_EQ(d.desc->text(), d.texts[0]);
        EXPECT_EQ(d.label->text(), d.texts[1]);
        EXPECT_EQ(d.ok->Caption(), d.texts[2]);
        EXPECT_EQ(d.cancel->Caption(), d.texts[3]);
        EXPECT_EQ(d.input->toolTip(), d.texts[4]);
        EXPECT_EQ(d.ok->toolTip(), d.texts[5]);
        EXPECT_EQ(d.cancel->toolTip(), d.texts[6]);
    }
    EXPECT_EQ(openConf->size(), QSize(377, 351));
}

TEST_F(Configurations, SearchComparesRegardlessOfLetterCase)
{
    openConf->SL = {"One", "two", "TWO"};
    EXPECT_EQ(openConf->Search_Open_Conf("ONE"), 0);
    EXPECT_EQ(openConf->Search_Open_Conf("Two"), 1);
    EXPECT_EQ(openConf->Search_Open_Conf(""), -1);
    EXPECT_EQ(openConf->Search_Open_Conf("three"), -1);
}

} // namespace
