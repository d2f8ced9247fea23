#include "core/UComon.h"
#include "core/ULanguage.h"
#include "platform/Http.h"
#include "support/MessageBoxRecorder.h"
#include "support/QStringPrinter.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"
#include "ui/UAbout.h"
#include "ui/USoftOptions.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Options : public testing::Test {
protected:
    Options()
    {
        main = std::make_unique<TFVostrelanteFirmWare>(folder.path());
        options = new TFSoftOptions(main.get());
        main->Add_Window("FSoftOptions", options, [this] { options->Set_Lang(); });
    }

    void AddLanguages(const QStringList& names)
    {
        for (const QString& n : names)
            folder.writeFile("LANGUAGE/" + n + ".lng", "STR0 = " + n.toUtf8() + "\r\n");
    }

    // Shows the options, runs `act` inside, then presses OK or Cancel.
    TModalResult Show(const std::function<void()>& act, bool ok)
    {
        OnNextModal([&](QWidget*) {
            act();
            QTest::mouseClick(ok ? options->Btn_OK : options->Btn_Cancel, Qt::LeftButton);
        });
        QTest::mouseClick(main->Btn_Opz, Qt::LeftButton);
        return options->ModalResult();
    }

    QStringList ShownTiles() const
    {
        QStringList t;
        for (QLabel* l : options->L_L)
            if (l->isVisibleTo(options))
                t << l->text();
        return t;
    }

    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    std::unique_ptr<TFVostrelanteFirmWare> main;
    TFSoftOptions* options;
};

TEST_F(Options, EnglishTextsAndTheConnectionPageFirst)
{
    options->Build();   // what its first showing does, before the showing picks its page
    EXPECT_EQ(options->PC_Options->currentWidget(), options->TS_Con_Options);
    EXPECT_EQ(options->Caption(), "Software Options");
    EXPECT_EQ(options->L_SW_Code->text(), "QV48143");
    EXPECT_EQ(options->L_SW_Desc->text(), "Software Options");
    QStringList tabs;
    for (int i = 0; i < options->PC_Options->count(); ++i)
        tabs << options->PC_Options->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Language", "Connection Options", "Software Settings"}));
    EXPECT_EQ(options->L_Sel_Lang->text(), "Selected Language : ");
    EXPECT_EQ(options->L_Page_Lang->text(), "Page 1 / 1");
    EXPECT_EQ(options->Btn_Prev->Caption(), "Previous");
    EXPECT_EQ(options->Btn_Next->Caption(), "Next");
    EXPECT_EQ(options->CB_En_Con->text(), "Enable Internet Connection");
    EXPECT_EQ(options->CB_Update->text(), "Check Software Update at Start of Program");
    EXPECT_EQ(options->Btn_Check_Update->Caption(), "Check Available Update");
    EXPECT_EQ(options->Btn_OK->Caption(), "OK");
    EXPECT_EQ(options->Btn_Cancel->Caption(), "Cancel");
    EXPECT_EQ(options->CB_Soft_Set_Jump_Table->text(), "Jump into next field in the tables by pressing the Enter Key");
    EXPECT_EQ(options->CB_DoubleClick_Auto_Size->text(), "Enable Auto Size of Table Columns by Double Click");
}

TEST_F(Options, LanguagePagesForNoneSixAndEightFiles)
{
    struct PageCase {
        int files;
        int pages;
        QStringList page1;
        QStringList page2;
    };
    const QStringList all = {"Dansk", "deutsch", "English", "Espanol", "Francais", "Italiano", "Norsk", "Polski"};
    const PageCase cases[] = {
        {0, 0, {}, {}},
        {6, 1, all.mid(0, 6), {}},
        {8, 2, all.mid(0, 6), all.mid(6, 2)},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.files);
        QDir(folder.language()).removeRecursively();
        QDir().mkpath(folder.language());
        AddLanguages(all.mid(0, c.files));
        options->show();
        options->Language_In_Use = "English";
        options->Create_Lang_List();
        EXPECT_EQ(options->Pages(), c.pages);
        EXPECT_EQ(ShownTiles(), c.page1);
        EXPECT_EQ(options->L_Page_Lang->text(), QString("Page 1 / %1").arg(c.pages));
        EXPECT_EQ(options->L_Sel_Lang->text(), "Selected Language : English");
        EXPECT_FALSE(options->Btn_Prev->isVisible());
        // With no language the Next button stays and does nothing.
        EXPECT_EQ(options->Btn_Next->isVisible(), c.pages != 1);
        options->Btn_NextClick(options->Btn_Next);
        EXPECT_EQ(options->Show_Page, c.pages == 2 ? 2 : 1);
        EXPECT_EQ(ShownTiles(), c.pages == 2 ? c.page2 : c.page1);
        if (c.pages == 2) {
            EXPECT_TRUE(options->Btn_Prev->isVisible());
            EXPECT_FALSE(options->Btn_Next->isVisible());
            options->Btn_NextClick(options->Btn_Prev);
            EXPECT_EQ(options->Show_Page, 1);
        }
        options->hide();
    }
}

TEST_F(Options, ReadOnlyFilesAreLeftOutAndFlagsFallBackToTheDefault)
{
    AddLanguages({"Italiano", "English", "Svenska"});
    QFile::setPermissions(folder.language() + "/Svenska.lng", QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QDir().mkpath(folder.language() + "/Folder.lng");
    QImage flag(48, 48, QImage::Format_RGB32);
    flag.fill(Qt::red);
    flag.save(folder.language() + "/Italiano.bmp");
    options->show();
    options->Create_Lang_List();
    EXPECT_EQ(options->SL_Languages, (QStringList{"English.lng", "Italiano.lng"}));
    EXPECT_FALSE(options->I_L[0]->isVisible());  // no flag and no default flag
    EXPECT_TRUE(options->I_L[1]->isVisible());

    flag.fill(Qt::blue);
    flag.save(folder.language() + "/DefaultFlag.bmp");
    options->Create_Lang_List();
    ASSERT_TRUE(options->I_L[0]->isVisible());
    EXPECT_EQ(options->I_L[0]->pixmap().toImage().pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(options->I_L[1]->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(Options, SwitchingTheLanguageAsksThenAppliesEverywhereAndCancelKeepsTheSettings)
{
    AddLanguages({"English", "Italiano"});
    EXPECT_EQ(Show([&] {
        EXPECT_EQ(options->PC_Options->currentWidget(), options->TS_Language);
        boxes.answerNext({mrNo});
        QTest::mouseClick(options->L_L[1], Qt::LeftButton);
        EXPECT_EQ(main->L_Begin->text(), "Begin");
        QTest::mouseClick(options->I_L[1], Qt::LeftButton);  // the picture answers like the name
    }, false), mrCancel);
    EXPECT_EQ(boxes.texts(), QStringList(2, "Do you want to change the Language from English to Italiano?"));
    EXPECT_EQ(boxes.requests()[1].Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(main->L_Begin->text(), "Italiano");  // switched for the run
    EXPECT_EQ(options->Language_In_Use, "Italiano");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(QFile::exists(folder.path() + "/Vostrelant.xml"));
}

TEST_F(Options, AfterASwitchThePageLabelStillNamesThePageShown)
{
    AddLanguages({"Dansk", "English", "Espanol", "Francais", "Italiano", "Norsk", "Polski"});
    // Texts enclosed in "\xB6" keep their blanks at the ends.
    folder.writeFile("LANGUAGE/Polski.lng",
                     "STR304 = \xB6Wybrany jezyk : \xB6\r\nSTR305 = \xB6Strona \xB6\r\nSTR306 = \xB6 z \xB6\r\n");
    Show([&] {
        options->Btn_NextClick(options->Btn_Next);
        ASSERT_EQ(options->L_L[0]->text(), "Polski");
        QTest::mouseClick(options->L_L[0], Qt::LeftButton);  // Yes by default
        EXPECT_EQ(options->L_Page_Lang->text(), "Strona 2 z 2");
        EXPECT_EQ(options->L_Sel_Lang->text(), "Wybrany jezyk : Polski");
        EXPECT_TRUE(options->Btn_Prev->isVisible());
        EXPECT_FALSE(options->Btn_Next->isVisible());
    }, false);
}

TEST_F(Options, OkStoresTheOptionsSavesTheSettingsAndArmsTheTimer)
{
    AddLanguages({"English", "Italiano"});
    EXPECT_EQ(Show([&] {
        QTest::mouseClick(options->L_L[1], Qt::LeftButton);  // Yes by default
        options->CB_En_Con->setChecked(true);
        options->CB_Update->setChecked(true);
        options->CB_DoubleClick_Auto_Size->setChecked(true);
    }, true), mrOk);
    EXPECT_EQ(Language_Name, "Italiano");
    EXPECT_TRUE(Enable_Internet && Enable_Update && Double_Click_Auto_Size);
    EXPECT_FALSE(Enable_Jump_Field_Tables);
    EXPECT_TRUE(main->Timer_Update->isActive());
    QFile f(folder.path() + "/Vostrelant.xml");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    EXPECT_TRUE(saved.contains("<language>Italiano</language>"));
    EXPECT_TRUE(saved.contains("<enable_update>1</enable_update>"));

    // Internet off: the timer stops, the update flag keeps its (disabled) check.
    Show([&] {
        EXPECT_TRUE(options->CB_Update->isChecked());
        options->CB_En_Con->click();
        EXPECT_FALSE(options->CB_Update->isEnabled());
    }, true);
    EXPECT_FALSE(Enable_Internet);
    EXPECT_TRUE(Enable_Update);
    EXPECT_FALSE(main->Timer_Update->isActive());
}

TEST_F(Options, DependentControlsFollowTheConnectionOption)
{
    const struct {
        bool connection;
        bool update;
        bool updateEnabled;
        bool checkEnabled;
    } cases[] = {{false, false, false, false}, {false, true, false, false}, {true, false, true, false},
                 {true, true, true, true}};
    options->Build();
    for (const auto& c : cases) {
        options->CB_En_Con->setChecked(c.connection);
        options->CB_Update->setChecked(c.update);
        options->Update_CheckBox();
        EXPECT_EQ(options->CB_Update->isEnabled(), c.updateEnabled);
        EXPECT_EQ(options->Btn_Check_Update->isEnabled(), c.checkEnabled);
    }
}

TEST(ConvVersion, Cases)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"Ver. 1.002", 1002}, {"1.001", 1001}, {"VER.  2.345 ", 2345}, {"Ver. 10.002", -1},
        {"Ver. 1.0", -1},     {"", -1},        {"Ver. a.bcd", -1},     {"x 1.002 extra", 1002},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TFSoftOptions::Conv_Version(c.text), c.value);
    }
}

TEST(CheckVersion, AnswersOfTheServer)
{
    const struct {
        std::optional<QByteArray> answer;
        bool newer;
    } cases[] = {
        {QByteArray("Ver. 1.002"), true}, {QByteArray("ver. 1.002\r\n"), true}, {QByteArray("Ver. 1.001"), false},
        {QByteArray("Ver. 1.000"), false}, {QByteArray("VER. 0.000"), false},   {QByteArray(""), false},
        {QByteArray("garbage"), false},   {std::nullopt, false},
    };
    THttpHeaders sent;
    for (const auto& c : cases) {
        SetHttpHook([&](const QUrl&, const THttpHeaders& h) {
            sent = h;
            return c.answer;
        });
        EXPECT_EQ(TFSoftOptions::Check_Version(), c.newer) << c.answer.value_or("(failure)").constData();
    }
    SetHttpHook({});
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0].second, "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
}

TEST_F(Options, CheckOnDemandShowsTheLinkOrNoUpdate)
{
    options->show();
    SetHttpHook([](const QUrl&, const THttpHeaders&) { return std::optional<QByteArray>("Ver. 1.002"); });
    options->Btn_Check_UpdateClick();
    EXPECT_FALSE(options->LL_Check_Update->isHidden());
    EXPECT_TRUE(options->LL_Check_Update->text().contains("New Version Available. Click Here for more Details"));
    SetHttpHook([](const QUrl&, const THttpHeaders&) { return std::optional<QByteArray>(); });
    options->Btn_Check_UpdateClick();
    EXPECT_EQ(options->LL_Check_Update->text(), "No Update Available");

    // A language's wording with markup characters is shown as written.
    Lang_List[315] = "Nothing <new> & done";
    options->Btn_Check_UpdateClick();
    SetHttpHook({});
    EXPECT_EQ(options->LL_Check_Update->text(), "Nothing <new> & done");
    EXPECT_GE(options->LL_Check_Update->sizeHint().width(),
              options->LL_Check_Update->fontMetrics().horizontalAdvance("Nothing <new> & done"));
}

TEST_F(Options, PageButtonsFitTheLanguagePageAndFocusStaysOnThePage)
{
    AddLanguages({"Dansk", "deutsch", "English", "Espanol", "Francais", "Italiano", "Norsk"});
    options->show();
    options->PC_Options->setCurrentWidget(options->TS_Language);
    options->Create_Lang_List();
    QApplication::setActiveWindow(options);
    for (TSbButton* b : {options->Btn_Prev, options->Btn_Next}) {
        const QRect shown = b->geometry().intersected(options->TS_Language->rect());
        EXPECT_EQ(shown, b->geometry());
    }
    // Next hides itself on the last page: Enter must not reach OK next.
    options->Btn_Next->setFocus();
    QTest::mouseClick(options->Btn_Next, Qt::LeftButton);
    ASSERT_FALSE(options->Btn_Next->isVisible());
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(options->TS_Language->isAncestorOf(focus));
    options->hide();
}

TEST_F(Options, InformationOpensTheAboutBoxWithItsFixedTexts)
{
    TFAbout about(main.get());
    main->Add_Window("FAbout", &about, {});
    OnNextModal([&](QWidget* modal) {
        EXPECT_EQ(modal, &about);
        QTest::mouseClick(about.SbButton1, Qt::LeftButton);
    });
    QTest::mouseClick(main->Btn_Info, Qt::LeftButton);
    EXPECT_EQ(about.ModalResult(), mrOk);
    EXPECT_EQ(about.Label2->text(), "IEC61850 Server / BACnet Slave - Converter");
    EXPECT_EQ(about.Label9->text(), "QV48143");
    EXPECT_EQ(about.Label10->text(), "1.001");
    EXPECT_EQ(about.Label12->text(), "DX48143");
    EXPECT_EQ(about.Label1->text(), "Software Vostrelant ");
    EXPECT_EQ(about.Label3->text(), "Version :");
    EXPECT_EQ(about.Label6->text(), "Software Code : ");
    EXPECT_EQ(about.Label8->text(), "Document Code :");
    EXPECT_EQ(about.size(), QSize(425, 148));
}

} // namespace
