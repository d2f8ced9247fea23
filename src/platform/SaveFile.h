#pragma once
#include <QByteArray>
#include <QString>

// Writes the whole content or nothing (write to a temporary file, then rename).
// On failure returns false and, when asked, the reason.
bool SaveWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr);
