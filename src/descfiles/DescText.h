#pragma once
// The device description files are 8-bit text: Windows-1252 without a byte-order mark, every
// line followed by CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>

// A character the code page lacks becomes "?".
QByteArray Ansi_Text(const QString& text);
// The lines joined, each with CR LF after it, the last too.
QByteArray Ansi_Lines(const QStringList& lines);
// Ansi_Lines written whole or not at all; false with the reason in `error`.
bool Save_Ansi_Lines(const QString& path, const QStringList& lines, QString* error = nullptr);
