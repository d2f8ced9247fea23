#include "core/UComon.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

TEST(ProjectFiles, TheTwentyTwoFilesInTheirOrder)
{
    const QStringList expected = {
        "ParGen.xml", "TLS_Known_Cert.xml", "IEC61850_Variables.xml", "ModbusM_SetAccess.xml",
        "ModbusTCPM_SetAccess.xml", "BACnet_Master_Access.xml", "BACnet_Slave_SetAccess.xml", "CAN_Rec_Frames.xml",
        "CAN_Send_Frames.xml", "SDO_Server_CANopen.xml", "SDO_Client_CANopen.xml", "PDO_CANopen.xml",
        "DNETM_Net.xml", "DNETM_DefOff.xml", "J1939_Rec_Frames.xml", "J1939_Send_Frames.xml",
        "KNX_SetAccess.xml", "MQTT_Set_Topic.xml", "NMEA_Rec_Frames.xml", "NMEA_Send_Frames.xml",
        "SNMP_Manager.xml", "SNMP_Trap.xml",
    };
    QStringList names;
    for (const ProjectFile& f : Project_Files)
        names.append(QString::fromLatin1(f.name));
    EXPECT_EQ(names, expected);
    EXPECT_EQ(Project_Files.front().path, &File_ParGen);
    EXPECT_EQ(Project_Files[6].path, &File_BACnet_Slave_SetAccess);
    EXPECT_EQ(Project_Files.back().path, &File_SNMP_Trap);
}

TEST(ProjectFiles, PathsFollowTheLastFolderGiven)
{
    Set_Project_File_Paths(QStringLiteral("/prog/PROJECTS/Demo"));
    for (const ProjectFile& f : Project_Files)
        EXPECT_EQ(*f.path, QStringLiteral("/prog/PROJECTS/Demo/") + QString::fromLatin1(f.name));

    Set_Project_File_Paths(QStringLiteral("C:\\prog\\PROJECTS\\Other"));
    EXPECT_EQ(File_IEC61850_Variables, QStringLiteral("C:/prog/PROJECTS/Other/IEC61850_Variables.xml"));

    // Without a project the paths point into the root folder, where no step looks.
    Set_Project_File_Paths(QString());
    EXPECT_EQ(File_ParGen, QStringLiteral("/ParGen.xml"));
    EXPECT_EQ(File_SNMP_Trap, QStringLiteral("/SNMP_Trap.xml"));
    Reset_Program_State();
}

TEST(ResetProgramState, BackToTheStartValues)
{
    Project_Name = Project_Dir = Language_Name = Device_IP = EDE_Import_Dir = QStringLiteral("x");
    Update_Option = 2;
    Read_Back = Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Double_Click_Auto_Size = true;
    Set_Project_File_Paths(QStringLiteral("/p"));
    Row_Clipboard = std::make_unique<QStringList>(QStringList{"a"});
    Row_Clipboard_Check = {true};
    SL_MIB_Read_Desc = std::make_unique<QStringList>();
    SL_MIB_Write_Desc = std::make_unique<QStringList>();

    Reset_Program_State();

    for (const QString* s : {&Project_Name, &Project_Dir, &Language_Name, &Device_IP, &EDE_Import_Dir})
        EXPECT_TRUE(s->isEmpty());
    for (const ProjectFile& f : Project_Files)
        EXPECT_TRUE(f.path->isEmpty()) << f.name;
    EXPECT_EQ(Update_Option, 0);
    for (bool flag : {Read_Back, Enable_Internet, Enable_Update, Enable_Jump_Field_Tables, Double_Click_Auto_Size})
        EXPECT_FALSE(flag);
    EXPECT_FALSE(Row_Clipboard);
    EXPECT_TRUE(Row_Clipboard_Check.empty());
    EXPECT_FALSE(SL_MIB_Read_Desc);
    EXPECT_FALSE(SL_MIB_Write_Desc);
}
