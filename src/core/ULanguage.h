#pragma once
// The program-wide language table: 4100 texts by number, built-in English overlaid by a language file.
#include <QString>
#include <QStringList>
#include <cstdint>

extern QStringList Lang_List;
extern std::int32_t Lang_Num_Str;

// Fills the table with the 4100 built-in entries.
void Set_Default_Language();

// Overlays the table with the texts of one language file. A byte-order mark selects UTF-8 or UTF-16
// (little or big endian); without one the file is Windows-1252. Lines end in CR, LF or CRLF.
// Returns false, leaving the table as it was and the message in `error`, when the file cannot be read, is
// not a regular file or is larger than Max_User_File_Size.
bool Load_Language_File(const QString& path, QString* error = nullptr);

// The text of a file's bytes: a byte-order mark selects UTF-8 or UTF-16 (little or big endian), without one
// the bytes are Windows-1252.
QString Decode_Text_File(const QByteArray& bytes);

// Built-in texts, then <Language_Dir>/<Language_Name>.lng; without that file, or when Language_Name is not
// a plain file name, Language_Name becomes "English" and English.lng is tried. A file name differing only
// in letter case is accepted. A file that is there but refused leaves the built-in texts, and says why.
void Load_Language(QString* error = nullptr);

// Text n of the table (a single blank when n is outside it).
QString Lang(int n);

// The built-in English text of number n (0..4099); a single blank where none is defined.
QString Default_Language_Text(int n);
