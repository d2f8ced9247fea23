#pragma once
// The one way the grid's file methods put a file on disk.
#include <QByteArray>
#include <QString>

// Writes the whole file through the save routine, or nothing; a failure raises EVxGridError with the message
// a user is shown, naming the file.
void WriteGridFile(const QString& FileName, const QByteArray& Bytes);
