#pragma once
// Reading a file a user may have been handed: regular files only, and nothing past a size far above any
// real project, so a FIFO never blocks the reader and a huge file is refused before it is parsed.
#include <QByteArray>
#include <QString>

constexpr qint64 Max_User_File_Size = 16 * 1024 * 1024;

// The whole file into `bytes`. False, with the reason in `error`, when it is missing or unreadable, is not
// a regular file, or is larger than Max_User_File_Size; `bytes` is then empty.
bool Read_User_File(const QString& path, QByteArray& bytes, QString* error = nullptr);
