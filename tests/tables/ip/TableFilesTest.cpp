// The three table files: golden round trips, rows that do not fit, files that cannot be read, and the
// checks OK makes, as tables of (row, value, message).
#include "core/ULanguage.h"
#include "support/TempProgramFolder.h"
#include "tables/ip/BACnetSlaveFile.h"
#include "tables/ip/IEC61850VariablesFile.h"
#include "tables/ip/TLSKnownCertFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString Data(const char* relative)
{
    return QStringLiteral(VX_TEST_DATA "/") + QLatin1String(relative);
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

QStringList IecRow(const QString& enable, const QString& type, const QString& length, const QString& position,
                   const QString& startBit, const QString& conversion, const QString& factor)
{
    return {enable, "Var", type, length, "N", position, startBit, conversion, factor, "N", "N", ""};
}

QStringList BacRow(const QString& type, const QString& unit, const QString& position, const QString& bit,
                   const QString& length)
{
    return {type, unit, position, bit, length, "N", "obj"};
}

} // namespace

TEST(TableFiles, GoldenRoundTripsKeepTheAttributeOrderAndDefaultMissingValues)
{
    TempProgramFolder folder;
    const TTableLoad iec = Load_IEC61850_Variables(Data("iec61850_missing_attributes/IEC61850_Variables.xml"));
    EXPECT_FALSE(iec.Partial());
    EXPECT_EQ(IEC61850_Variables_XML(iec.Rows), Bytes(Data("iec61850_missing_attributes/expected.xml")));

    const TBACnetSlaveLoad bac =
        Load_BACnet_Slave(Data("bacnet_slave_missing_swap_and_section/BACnet_Slave_SetAccess.xml"), 2000);
    EXPECT_FALSE(bac.Partial());
    EXPECT_TRUE(bac.Write.Rows.empty());
    EXPECT_EQ(BACnet_Slave_XML(bac.Read.Rows, bac.Write.Rows),
              Bytes(Data("bacnet_slave_missing_swap_and_section/expected.xml")));
}

TEST(TableFiles, RowsBeyondTheTableAreCountedAndAFileThatCannotBeReadIsReported)
{
    TempProgramFolder folder;
    QByteArray xml = "<IEC61850_Variables>";
    for (int i = 0; i < 60; ++i)
        xml += "<row Name=\"V" + QByteArray::number(i) + "\"/>";
    xml += "</IEC61850_Variables>";
    const TTableLoad iec = Load_IEC61850_Variables(folder.writeFile("a.xml", xml));
    EXPECT_EQ(iec.Rows.size(), 50u);
    EXPECT_EQ(iec.Rows.back()[1], "V49");
    EXPECT_EQ(iec.Left_Out, 10);

    const QString broken = folder.writeFile("b.xml", "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog");
    const TBACnetSlaveLoad bac = Load_BACnet_Slave(broken, 1000);
    EXPECT_TRUE(bac.Partial());
    EXPECT_FALSE(bac.Read.Error.isEmpty());
    EXPECT_TRUE(bac.Read.Rows.empty());

    const TTableLoad missing = Load_Known_Cert(folder.path() + "/none.xml");
    EXPECT_FALSE(missing.Partial());
    EXPECT_TRUE(missing.Rows.empty());
}

TEST(TableFiles, IEC61850ChecksStopAtTheFirstErrorOfAnEnabledRow)
{
    TempProgramFolder folder;
    struct Case {
        TTableRows rows;
        QString message;
    };
    const QString ok = QString();
    const Case cases[] = {
        {{IecRow("Y", "Int", "5", "0", "", "None", "None")}, Lang(929) + "1" + Lang(941)},
        {{IecRow("Y", "Int", "x", "0", "", "None", "None")}, Lang(929) + "1" + Lang(941)},
        {{IecRow("Y", "Int", "4", "1437", "", "None", "None")}, ok},
        {{IecRow("Y", "Int", "4", "1438", "", "None", "None")}, Lang(929) + "1" + Lang(930) + "1437"},
        {{IecRow("Y", "Digital (Bit)", "1", "0", " ", "None", "None")}, Lang(929) + "1" + Lang(938)},
        {{IecRow("Y", "Int", "1", "0", "", "None", "None")}, ok},
        {{IecRow("Y", "Int", "1", "0", "", "  ", "None")}, Lang(929) + "1" + Lang(939)},
        {{IecRow("Y", "Int", "1", "0", "", "None", " none ")}, ok},
        {{IecRow("Y", "Int", "1", "0", "", "None", "0,5"), IecRow("Y", "Int", "1", "0", "", "None", "0.5")}, ok},
        {{IecRow("Y", "Int", "1", "0", "", "None", "x")}, Lang(929) + "1" + Lang(940)},
        {{IecRow("N", "Int", "0", "0", "", "", "x")}, ok},   // disabled rows pass unchecked
        {{IecRow("Y", "Int", "1", "0", "", "None", "None"), IecRow("Y", "Int", "9", "0", "", "None", "None")},
         Lang(929) + "2" + Lang(941)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(Check_IEC61850_Variables(c.rows, '.'), c.message);
    }
    // A blank name ends the table: nothing after it is checked.
    TTableRows ended = {IecRow("Y", "Int", "1", "0", "", "None", "None"), IecRow("Y", "Int", "9", "0", "", "", "")};
    ended[1][1] = "  ";
    ended.push_back(IecRow("Y", "Int", "9", "0", "", "", ""));
    EXPECT_EQ(Check_IEC61850_Variables(ended, '.'), QString());
}

TEST(TableFiles, BACnetChecksEachTableThenTheTotal)
{
    TempProgramFolder folder;
    struct Case {
        TTableRows read, write;
        QString message;
    };
    const QString ok = QString();
    const QString e = Lang(2332);
    const Case cases[] = {
        {{BacRow("Large Analog Value", "0", "1432", "", "8")}, {}, ok},
        {{BacRow("Large Analog Value", "0", "1433", "", "8")}, {}, e + "1" + Lang(2346)},
        {{BacRow("Binary Input", "0", "1439", "0", "")}, {}, ok},
        {{BacRow("Binary Input", "0", "1439", "", "")}, {}, e + "1" + Lang(2345)},
        {{BacRow("Integer Value", "0", "0", "", "40")}, {}, ok},
        {{}, {BacRow("Integer Value", "0", "0", "", "40")}, e + "1" + Lang(2353)},
        {{}, {BacRow("Multi State Output", "0", "0", "", "5")}, e + "1" + Lang(2354)},
        {{BacRow("Analog Input", "abc", "0", "", "2")}, {}, e + "1" + Lang(2333)},
        {{}, {BacRow("Analog Out", "65536", "0", "", "2")}, e + "1" + Lang(2347)},
        {{BacRow("Analog Input", "0", "1440", "", "2")}, {}, e + "1" + Lang(2334) + "1439"},
        {{BacRow("Access Door", "0", "0", "", "2")}, {}, e + "1" + Lang(2343)},
        {{BacRow("Analog Input", "0", "0", "", "2")}, {BacRow("Binary Out", "0", "0", "", "")}, e + "1" + Lang(2357)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(Check_BACnet_Slave(c.read, c.write, false), c.message);
    }
    const TTableRows read(600, BacRow("Analog Value", "95", "0", "", "4"));
    const TTableRows write401(401, BacRow("Analog Value", "95", "0", "", "4"));
    EXPECT_EQ(Check_BACnet_Slave(read, write401, true), Lang(2359) + "1000");
    EXPECT_EQ(Check_BACnet_Slave(read, TTableRows(400, write401[0]), true), ok);
    EXPECT_EQ(Check_BACnet_Slave(read, write401, false), ok);
}

TEST(TableFiles, ChoosingAWriteTypeGivesItsLength)
{
    EXPECT_EQ(BACnet_Write_Default_Length("Large Analog Value"), "8");
    EXPECT_EQ(BACnet_Write_Default_Length("Multi State Output"), "4");
    EXPECT_EQ(BACnet_Write_Default_Length("CharacterString Value"), "1");
    EXPECT_EQ(BACnet_Write_Default_Length("Analog Input"), QString());
}
