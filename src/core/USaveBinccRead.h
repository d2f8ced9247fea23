#pragma once
// What the readers of the project files share: loading a file and reading whole numbers.
#include "core/UComon.h"
#include <QString>
#include <cstdint>
#include <optional>

class QDomDocument;

enum class TProjectFileLoad { Missing, Loaded, Failed };

// Missing when no file is there (the reader then keeps its defaults); Failed, with the reason in
// `error`, when the file is there but cannot be read or is not well-formed XML.
TProjectFileLoad Load_Project_File(const QString& path, QDomDocument& doc, QString* error);

// The messages of the object-table readers for a file written by something other than the editor.
QString Missing_Element_Message(const QString& path, const QString& element);
QString Row_Attribute_Message(const QString& path, const QString& section, int row, const QString& attribute,
                              bool number);
