#pragma once
// The program-wide language table: 4100 texts by number, built-in English overlaid by a language file.
#include <QString>
#include <QStringList>
#include <cstdint>

extern QStringList Lang_List;
extern std::int32_t Lang_Num_Str;

void Set_Default_Language();
void Load_Language_File(const QString& path);
void Load_Language();

// Text n of the table (a single blank when n is outside it).
QString Lang(int n);

// The built-in English text of number n (0..4099); a single blank where none is defined.
QString Default_Language_Text(int n);
