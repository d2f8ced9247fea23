#pragma once
// What every device description writer shares: the file's lines, each followed by CR LF, saved
// whole as Windows-1252 without a byte-order mark or as UTF-8 with one; hexadecimal numbers; and
// the clock that dates the files, which tests and the command-line tool can set.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>

// A character the code page lacks becomes "?".
QByteArray Ansi_Text(const QString& text);
// The lines joined, each with CR LF after it, the last too.
QByteArray Ansi_Lines(const QStringList& lines);
// Ansi_Lines written whole or not at all; false with the reason in `error`.
bool Save_Ansi_Lines(const QString& path, const QStringList& lines, QString* error = nullptr);
// The lines as UTF-8 after the byte-order mark EF BB BF, each with CR LF after it.
QByteArray Utf8_Lines(const QStringList& lines);
bool Save_Utf8_Lines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Upper-case hexadecimal digits of the value's 32 bits, at least `digits` of them.
QString Hex_Text(std::uint32_t value, int digits);

// The local time the writers date their files with: the real clock unless one was set.
QDateTime Desc_Now();
// Every later Desc_Now gives `when`; an invalid QDateTime goes back to the real clock.
void Set_Desc_Clock(const QDateTime& when);
