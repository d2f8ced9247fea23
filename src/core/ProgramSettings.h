#pragma once
// The settings file beside the program: the last project, the device address, the language and the four
// option flags, read into and written from the program-wide state.
#include <QByteArray>
#include <QString>

extern const QString Program_Settings_File;   // "Vostrelant.xml", in Exe_Dir

// Sets Project_Name, Device_IP, Language_Name and the four flags from the file, value by value with their
// defaults; a file that is missing, refused or not well-formed leaves every default.
void Read_Program_Settings(const QString& path);

// The file's whole content from the program-wide state.
QByteArray Program_Settings_Content();
