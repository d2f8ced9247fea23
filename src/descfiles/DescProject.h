#pragma once
// How the description writers read the open project: ParGen.xml through the project-file layer,
// and the table files as rows of attributes. Every read of a project file by a writer passes here.
#include "core/ProjectFile.h"
#include "core/tables/TableSchema.h"
#include <QHash>
#include <QStringList>
#include <functional>
#include <vector>

// One row element: its attributes by name; an attribute the file lacks is absent.
using TTableRow = QHash<QString, QString>;
using TTableSection = std::vector<TTableRow>;

// The sections of a table file as its schema names them, each holding its child elements in document order,
// whatever their names, with the schema's attributes that the row has. Missing, with no sections, when the
// file is not there; Failed, with the message in `error`, when it cannot be read, is not well-formed XML or
// lacks one of the sections.
TProjectFileLoad Read_Table_Sections(const QString& path, const TTableSchema& schema, std::vector<TTableSection>& sections,
                                     QString* error);

// Calls `read` with the values of File_ParGen when the file is there; Missing or Failed as above.
TProjectFileLoad Read_ParGen(const std::function<void(const TParGen&)>& read, QString* error);
