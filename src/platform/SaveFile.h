#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Writes the whole content or nothing (write to a temporary file, then rename).
// On failure returns false and, when asked, the reason.
bool SaveWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr);

// The same, with a failure told as the message a user is shown: "Error! The file <path> cannot be written: <reason>".
bool SaveWholeFileTold(const QString& path, const QByteArray& data, QString* message);

// The same for content a writer streams into a device (a PDF writer, say): it writes into memory, and the
// bytes reach the file whole, or not at all.
bool SaveWrittenFileTold(const QString& path, const std::function<void(QIODevice&)>& write, QString* message);

// The same, for a file that must stay inside `folder`: a target that leads outside it through a symbolic
// link (the file itself or a folder on the way) is refused with Outside_Folder_Message and nothing is written.
bool SaveWholeFileInside(const QString& folder, const QString& path, const QByteArray& data, QString* message);
// "Error! <path> leads outside the folder <folder>: nothing was written"
QString Outside_Folder_Message(const QString& folder, const QString& path);
