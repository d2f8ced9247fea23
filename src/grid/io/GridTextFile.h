#pragma once
// Text files of the grid: their encodings, their lines, and reading them whole.
#include <QString>
#include <QStringList>

// The system's 8-bit code page, UTF-8 after its byte-order mark, UTF-16LE after its byte-order mark.
enum class TGridTextEncoding { teAnsi, teUtf8Bom, teUtf16Bom };

QByteArray GridTextBytes(const QString& Text, TGridTextEncoding Encoding);
// CR LF after every line, the last too.
QString JoinGridLines(const QStringList& Lines);
// Through the save routine: the whole file or nothing; EVxGridError naming the file on failure.
void SaveGridLines(const QString& FileName, const QStringList& Lines, TGridTextEncoding Encoding);
// The file decoded by its byte-order mark, else in the system code page; EVxGridError with the toolkit's
// file-open text when it cannot be read.
QString ReadGridTextFile(const QString& FileName);
// Lines end at CR LF, LF or a lone CR; a final line break opens no further line.
QStringList SplitGridLines(const QString& Text);
