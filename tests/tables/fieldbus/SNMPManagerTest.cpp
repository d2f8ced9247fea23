// The SNMP manager table: each request's rules (SNMP v3 included), the pass over duplicate agent, version and
// OID, and its window.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/SNMPManagerTable.h"
#include "tables/fieldbus/USNMPManagerAccess.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Cells of columns 1 to 22.
struct Request {
    QString ip = "192.168.1.10", version = "2", oid = "1.3.6.1.4.1", onTimer = "N", time = "", numBytes = "4",
            conversion = "None", user = "", auth = "", priv = "", level = "", authMode = "", privMode = "",
            enable = "Y";
    QStringList Cells() const
    {
        return {enable, ip, version, "Tarvek", oid, "Int", "Get", "N", "N", onTimer, time, "0", numBytes, conversion, "N",
                user, auth, priv, level, authMode, privMode, "m"};
    }
};

template <typename F>
QStringList With(F change)
{
    Request r;
    change(r);
    return r.Cells();
}

// A version 3 request whose user and passwords pass.
void V3(Request& r)
{
    r.version = "3";
    r.user = "admin";
    r.auth = "authpass1";
    r.priv = "PRIVpass12";
    r.level = "NoAuth NoPriv";
}

QString Error(int text)
{
    return Lang(3937) + "1" + Lang(text);
}

QString Duplicate(int b, int e)
{
    return Lang(3986) + QString::number(b) + Lang(3987) + QString::number(e) + Lang(3988);
}

} // namespace

TEST(SNMPManagerRules, TheFirstFailingRuleOfAnEnabledRequestIsShown)
{
    struct Case {
        QStringList row;
        QString message;
    };
    const Case cases[] = {
        {Request().Cells(), ""},
        {With([](Request& r) { r.ip = "192.168.1.256"; }), Error(3938)},
        {With([](Request& r) { r.oid = ""; }), Error(3940)},   // an empty OID is refused
        {With([](Request& r) { r.oid = QString("1.").repeated(31) + "1"; }), Error(3939)},
        {With([](Request& r) { r.oid = "1.3.a"; }), Error(3940)},
        {With([](Request& r) { r.oid = ".1.3"; }), Error(3941)},
        {With([](Request& r) { r.oid = "1.3."; }), Error(3942)},
        {With([](Request& r) { r.oid = "1..3"; }), Error(3943)},
        {With([](Request& r) { r.oid = "1.4294967296"; }), Error(3944)},
        {With([](Request& r) { r.oid = "1.4294967295"; }), ""},
        {With([](Request& r) { r.time = "0"; }), ""},
        {With([](Request& r) { r.onTimer = " Y "; r.time = "0"; }), Error(3945)},
        {With([](Request& r) { r.onTimer = "Y"; r.time = "100000000"; }), ""},
        {With([](Request& r) { r.numBytes = "1024"; }), ""},
        {With([](Request& r) { r.numBytes = "1025"; }), Error(3946)},
        {With([](Request& r) { r.numBytes = ""; }), Error(3946)},
        {With([](Request& r) { r.conversion = " "; }), Error(3956)},
        {With([](Request& r) { V3(r); }), ""},   // no modes needed without authentication
        {With([](Request& r) { V3(r); r.user = ""; }), Error(3975)},
        {With([](Request& r) { V3(r); r.user = QString(16, 'u'); }), Error(3974)},
        {With([](Request& r) { V3(r); r.user = "a-b"; }), Error(3976)},
        {With([](Request& r) { V3(r); r.auth = "1234567"; }), Error(3978)},
        {With([](Request& r) { V3(r); r.auth = QString(16, 'a'); }), Error(3977)},
        {With([](Request& r) { V3(r); r.auth = "abcdefg-"; }), Error(3979)},
        {With([](Request& r) { V3(r); r.priv = "1234567"; }), Error(3981)},
        {With([](Request& r) { V3(r); r.priv = QString(16, 'p'); }), Error(3980)},
        {With([](Request& r) { V3(r); r.priv = "priv pass"; }), Error(3982)},
        {With([](Request& r) { V3(r); r.level = ""; }), Error(3983)},
        {With([](Request& r) { V3(r); r.level = "Auth NoPriv"; }), Error(3984)},
        {With([](Request& r) { V3(r); r.level = "Auth NoPriv"; r.authMode = "SHA"; }), ""},
        {With([](Request& r) { V3(r); r.level = "Auth Priv"; r.authMode = "MD5"; }), Error(3985)},
        {With([](Request& r) { V3(r); r.level = "Auth Priv"; r.authMode = "MD5"; r.privMode = "AES"; }), ""},
        {With([](Request& r) { V3(r); r.version = "2"; r.user = "a-b"; r.level = ""; }), ""},
        {With([](Request& r) { r.enable = "N"; r.ip = "x"; r.oid = ""; }), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row.join('|').toStdString());
        EXPECT_EQ(Check_Table_Editor(SNMPManager_Editor(), {{c.row}}), c.message);
    }
}

TEST(SNMPManagerRules, TwoEnabledRequestsToTheSameAgentVersionAndOIDFailTheSecondPass)
{
    const QStringList a = Request().Cells();
    const QStringList other = With([](Request& r) { r.oid = "1.3.6.1.4.2"; });
    const QStringList spaced = With([](Request& r) { r.ip = " 192.168.1.10"; r.version = "2 "; });
    const QStringList off = With([](Request& r) { r.enable = "N"; });
    const QStringList end = With([](Request& r) { r.ip = ""; });
    struct Case {
        TTableRows rows;
        QString message;
    };
    const Case cases[] = {
        {{a, a}, Duplicate(1, 2)},
        {{other, a, other}, Duplicate(1, 3)},
        {{a, other, spaced}, Duplicate(1, 3)},   // compared trimmed
        {{a, off}, ""},
        {{off, a, a}, Duplicate(2, 3)},
        {{a, end, a}, ""},   // rows after the end are not looked at
        {{With([](Request& r) { r.version = "1"; }), a}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(Check_Table_Editor(SNMPManager_Editor(), {c.rows}), c.message);
    }
}

namespace {

struct SNMPManagerWindow : ::testing::Test, TableProject {
    TFSNMPManagerAccess window;
};

} // namespace

TEST_F(SNMPManagerWindow, AnEmptyOIDIsRefusedThenTheRequestIsWrittenWithItsDefaults)
{
    const QByteArray file = R"(<SNMP_Manager_Access><row IP_Address="10.0.0.1" Version="2" OID="1.3"/></SNMP_Manager_Access>)";
    Put("SNMP_Manager.xml", file);
    const TModalResult result = Show_While(window, [&] {
        TVxColumnGrid& grid = *window.VCG_SNMP;
        EXPECT_EQ(grid.RowCount(), 513);
        EXPECT_EQ(grid.Cells(1, 1), "Y");
        EXPECT_EQ(grid.Cells(14, 1), "None");
        EXPECT_EQ(grid.Columns().Items(12)->ComboItems().size(), 1440);
        Type_Cell(grid, 2, 2, "10.0.0.2");
        grid.SetCells(3, 2, "2");
        grid.SetCells(13, 1, "8");
        grid.SetCells(13, 2, "8");
        grid.SetCells(14, 2, "Float");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Lang(3937) + "2" + Lang(3940)});
        EXPECT_EQ(File_Bytes(File_SNMP_Manager), file);
        Type_Cell(grid, 5, 2, "1.3");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(File_Bytes(File_SNMP_Manager),
              R"(<SNMP_Manager_Access><row Enable="Y" IP_Address="10.0.0.1" Version="2" Community_String="" OID="1.3" )"
              R"(Type="" Mode="" On_Change="N" On_Command="N" On_Timer="N" Time="" Position="" Number_Bytes="8" )"
              R"(ConvertFrom="None" Cancel="N" User="" Auth_Pass="" Priv_Pass="" Security_Level="" Auth_Mode="" )"
              R"(Priv_Mode="" Mnemonic=""/><row Enable="Y" IP_Address="10.0.0.2" Version="2" Community_String="" )"
              R"(OID="1.3" Type="" Mode="" On_Change="" On_Command="" On_Timer="" Time="" Position="" Number_Bytes="8" )"
              R"(ConvertFrom="Float" Cancel="" User="" Auth_Pass="" Priv_Pass="" Security_Level="" Auth_Mode="" )"
              R"(Priv_Mode="" Mnemonic=""/></SNMP_Manager_Access><!--SW_VERSION = 1.000-->)");
}

TEST_F(SNMPManagerWindow, AFailedSaveShowsItsErrorAndKeepsTheWindowOpen)
{
    File_SNMP_Manager = folder.path() + "/outside.xml";   // not inside the project folder
    const TModalResult result = Show_While(window, [&] {
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_FALSE(QFile::exists(File_SNMP_Manager));
}
