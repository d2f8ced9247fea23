#pragma once
// The PROFINET device description (GSDML 2.31) of the IEC 61850 server / PROFINET device converter,
// and the rule that names it; the file-name dialog and the command-line tool share the rule.
#include <QString>
#include <cstdint>

class QDate;

// The converter's byte counts and station name, as ParGen.xml gives them or their defaults.
struct TPROFINET_Parameters {
    std::int32_t NB_IN = 1438;
    std::int32_t NB_OUT = 1438;
    QString Station = QStringLiteral("SERIAL");
};

// "GSDML-V2.31-Velmor-RZ48176"
QString PROFINET_Fixed_Prefix();
// "-" + yyyymmdd of the day + ".xml"
QString PROFINET_Fixed_Suffix(const QDate& Day);
// Prefix and suffix around the user part: nothing between them for a part of blanks only, the part as
// typed when it starts with "_", else "_" and the part.
QString PROFINET_XML_Name(const QString& Prefix, const QString& User_Part, const QString& Suffix);
// False for a user part that would leave the chosen folder or make a strange name: one holding "/",
// "\", ".." or a control character.
bool Valid_PROFINET_User_Part(const QString& User_Part);
// What the user is told when the part is refused.
QString PROFINET_User_Part_Message();

// The parameters of the open project; a missing parameter file or element keeps the default, a negative
// count gives 0. False, with the reason, only when the parameter file cannot be read.
bool Read_PROFINET_Parameters(TPROFINET_Parameters& Parameters, QString* error);
// Reads the parameters and writes the file at Path, replacing any file of that name; false with the
// message when the parameters cannot be read or the file cannot be written.
bool Write_GSDML_File(const QString& Path, QString* error = nullptr);
// Only the folder of the name chosen in the save dialog counts: the file keeps its composed name.
QString PROFINET_Target(const QString& Chosen, const QString& File_Name);
// The main window's step after the file-name dialog: asks for the folder and whether to replace the
// file, writes it and shows every failure.
void Save_PROFINET_XML(const QString& File_Name);
