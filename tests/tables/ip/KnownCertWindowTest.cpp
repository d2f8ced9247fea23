// The known-certificates window driven as a user would: shown on a project folder, cells written through
// the grid, buttons pressed; and the road from a new project to the compiled image.
#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USaveBincc.h"
#include "grid/core/VxStringGrid.h"
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"
#include "tables/ip/UTLS_Server_Known_Cert.h"
#include "ui/UNew_Project.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A project folder with the window pointed at its files.
struct KnownCertFixture : ::testing::Test {
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    TFTLS_Server_Known_Cert window;
    QString file;

    KnownCertFixture()
    {
        Row_Clipboard = std::make_unique<QStringList>();
        Project_Dir = folder.makeProject("P");
        file = Project_Dir + "/TLS_Known_Cert.xml";
        File_TLS_Known_Cert = file;
    }
    // Shows the window as its step does and runs `act` while it is open.
    TModalResult Show(const std::function<void()>& act)
    {
        OnNextModal([&](QWidget*) {
            act();
            if (window.isVisible())
                window.SetModalResult(mrCancel);
        });
        return window.ShowModal();
    }
    bool Checked(int row)
    {
        bool state = false;
        EXPECT_TRUE(window.VXG->GetCheckBoxState(1, row, state));
        return state;
    }
};

} // namespace

TEST_F(KnownCertFixture, MultiLineCertificatesAndDefaultsSurviveLoadAndSave)
{
    QFile::copy(VX_TEST_DATA "/tls_known_cert_multiline_and_defaults/TLS_Known_Cert.xml", file);
    QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::WriteOwner);
    const TModalResult result = Show([&] {
        EXPECT_TRUE(Checked(1));    // "n" is not "N"
        EXPECT_TRUE(Checked(2));    // no Enable
        EXPECT_FALSE(Checked(3));
        EXPECT_TRUE(window.VXG->Cells(2, 1).contains("\r\nMIIB\n  QUJD\tx <&> \"é€\"\n"));
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(Bytes(file), Bytes(VX_TEST_DATA "/tls_known_cert_multiline_and_defaults/expected.xml"));
}

TEST_F(KnownCertFixture, MoreRowsThanTheTableAreNamedAtLoadAndAskedAboutBeforeSaving)
{
    QByteArray xml = "<TLS_Server_Known_Cert>";
    for (int i = 1; i <= 12; ++i)
        xml += "<row Enable=\"Y\" Certificate=\"C" + QByteArray::number(i) + "\" Mnemonic=\"\"/>";
    xml += "</TLS_Server_Known_Cert>";
    folder.writeFile("PROJECTS/P/TLS_Known_Cert.xml", xml);
    boxes.answerNext({mrOk, mrNo});
    const TModalResult result = Show([&] {
        EXPECT_EQ(window.VXG->Cells(2, 10), "C10");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());   // No: nothing written, still open
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_TRUE(boxes.texts()[0].contains(" 2 rows")) << boxes.texts()[0].toStdString();
    EXPECT_TRUE(Bytes(file).contains("C12"));
}

TEST_F(KnownCertFixture, AFailedSaveShowsItsErrorAndKeepsTheWindowOpen)
{
    File_TLS_Known_Cert = folder.path() + "/outside.xml";   // not inside the project folder
    const TModalResult result = Show([&] {
        window.VXG->SetCells(2, 1, "CERT");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_FALSE(QFile::exists(File_TLS_Known_Cert));
}

TEST_F(KnownCertFixture, RowButtonsCarryCheckBoxStates)
{
    Show([&] {
        for (int r = 1; r <= 10; ++r)
            window.VXG->SetCells(2, r, QString("C%1").arg(r));
        window.VXG->SetCheckBoxState(1, 5, false);
        window.VXG->SetRow(4);
        boxes.answerNext({mrYes});
        QTest::mouseClick(window.Btn_DelRow, Qt::LeftButton);
        EXPECT_EQ(window.VXG->Cells(2, 4), "C5");
        EXPECT_FALSE(Checked(4));
        EXPECT_EQ(window.VXG->Cells(2, 10), "");
        EXPECT_TRUE(Checked(10));

        QTest::mouseClick(window.Btn_CopyRow, Qt::LeftButton);   // row 4: unchecked, "C5"
        window.VXG->SetRow(10);
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);   // empty row: no question
        EXPECT_EQ(window.VXG->Cells(2, 10), "C5");
        EXPECT_FALSE(Checked(10));
        window.VXG->SetRow(1);
        boxes.answerNext({mrNo});
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);   // in use: asked, No
        EXPECT_EQ(window.VXG->Cells(2, 1), "C1");
    });
    EXPECT_EQ(boxes.texts(), (QStringList{Lang(821) + "4", Lang(1100)}));
}

// New project, the certificates step, a row typed in, OK, compile: the certificate is in the image.
TEST(KnownCertRoad, ATypedCertificateReachesTheImage)
{
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    const auto main = std::make_unique<TFVostrelanteFirmWare>(folder.path());
    auto* newProject = new TFNew_Project(main.get());
    main->Add_Window("FNew_Project", newProject, {});
    auto* certs = new TFTLS_Server_Known_Cert(main.get());
    main->Add_Window("FTLS_Server_Known_Cert", certs, {});
    main->show();
    OnNextModal([&](QWidget*) {
        QTest::keyClicks(newProject->E_New_Proj, "Road");
        QTest::mouseClick(newProject->Btn_OK, Qt::LeftButton);
    });
    QTest::mouseClick(main->Btn_New, Qt::LeftButton);
    ASSERT_EQ(Project_Name, "Road");

    bool shown = false;
    OnNextModal([&](QWidget* modal) {
        shown = modal == certs;
        certs->VXG->SetCells(2, 1, "-----BEGIN CERTIFICATE-----\nROADCERT\n-----END CERTIFICATE-----");
        certs->VXG->SetCells(3, 1, "road");
        QTest::mouseClick(certs->Btn_OK, Qt::LeftButton);
    });
    main->Btn_TLS_List_Certificates->setVisible(true);
    QTest::mouseClick(main->Btn_TLS_List_Certificates, Qt::LeftButton);
    ASSERT_TRUE(shown);

    folder.writeFile("PROJECTS/Road/ParGen.xml",
                     "<Par_Gen><TLS_Server_Enable>1</TLS_Server_Enable>"
                     "<TLS_Server_Enable_Known_Cert>1</TLS_Server_Enable_Known_Cert></Par_Gen>");
    TBank_Images images;
    QString error;
    ASSERT_TRUE(Compile_Project(TProjectFiles::Current(), images, &error)) << error.toStdString();
    const QByteArray cert = QByteArray("-----BEGIN CERTIFICATE-----\nROADCERT\n-----END CERTIFICATE-----") + '\0';
    EXPECT_TRUE(images.Bank1.contains(cert) || images.Bank2.contains(cert));
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
}
