#pragma once
// The PROFIBUS DP device description (GSD revision 5) of the IEC 61850 server / PROFIBUS slave
// converter: a fixed text whose module list, slot list and lengths follow the converter's byte counts.
#include <QString>
#include <cstdint>

// PROFINET_NB_IN and PROFINET_NB_OUT of the parameter file: the converter's input and output bytes.
struct TGSD_Counts {
    std::int32_t NB_IN = 0;
    std::int32_t NB_OUT = 0;
};

// The counts of the open project's ParGen.xml; a missing or non-numeric element, or a negative count,
// gives 0. False with text 1104 when the project has no parameter file, or with the reason when it
// cannot be read.
bool Read_GSD_Counts(TGSD_Counts& Counts, QString* error);
// The chosen name with ".gsd" appended unless it already ends so, in any case.
QString GSD_File_Name(const QString& Chosen);
// Writes the file at Path, replacing any file of that name; false with the message when it cannot.
bool Write_GSD_File(const QString& Path, const TGSD_Counts& Counts, QString* error = nullptr);
// The main window's step: reads the counts, asks for the file and whether to replace it, writes it and
// shows every failure.
void Build_GSD_File();
