#pragma once
#include <QByteArray>
#include <QString>

// Writes the whole content or nothing (write to a temporary file, then rename).
// On failure returns false and, when asked, the reason.
bool SaveWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr);

// The same, with a failure told as the message a user is shown: "Error! The file <path> cannot be written: <reason>".
bool SaveWholeFileTold(const QString& path, const QByteArray& data, QString* message);
