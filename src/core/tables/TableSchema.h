#pragma once
// A project table file's words, written once: its root, its sections, its attributes in their fixed order
// with the default a window gives a missing one and the kind of value each holds. Every reader of a table
// file (its window, the compiler, the description writers) reads it through Read_Table_File, which marks
// what the file lacks and leaves each caller its own strictness.
#include "core/ProjectFile.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// What a cell of the column holds; the writer stores every kind as the cell text unchanged.
enum class TValueKind { vkText, vkNumber, vkFlag, vkChoice, vkPosition };

struct TTableAttribute {
    QString Name;
    QString Default;   // what a window puts in place of a missing attribute
    TValueKind Kind = TValueKind::vkText;
};

// A section of a table file: its element under the root and its rows' attributes in the file's order.
struct TSchemaSection {
    QString Name;                              // empty: the rows stand directly under the root
    std::vector<TTableAttribute> Attributes;

    QStringList Names() const;
    // The attribute's place in the order, -1 when the section has none of that name.
    int Index(const QString& name) const;
};

struct TTableSchema {
    TTableSchema(QString root, std::vector<TSchemaSection> sections, QString version = QStringLiteral("1.001"))
        : Root(std::move(root)), Sections(std::move(sections)), Version(std::move(version))
    {
    }

    QString Root;                              // written; readers take the root whatever its name
    std::vector<TSchemaSection> Sections;      // one, unnamed, for a table whose rows stand under the root
    QString Version;                           // of the "SW_VERSION = ..." comment written after the root
};

// One table row's cells, one per attribute: the value, or nothing where the file lacks the attribute.
using TTableRow_Read = std::vector<std::optional<QString>>;
// One entry per table row; cells in attribute order. What windows and writers pass around.
using TTableRows = std::vector<QStringList>;

struct TTableSection_Read {
    bool Present = false;               // the section element is there (always, for an unnamed section)
    std::vector<TTableRow_Read> Rows;   // every child element, whatever its name, in file order, up to the bound
    int Left_Out = 0;                   // child elements beyond the bound
};

struct TTableFile_Read {
    TProjectFileLoad Load = TProjectFileLoad::Missing;
    QString Error;                               // Failed: the message to show
    std::vector<TTableSection_Read> Sections;    // one per schema section; empty unless Loaded
};

// Reads the table file `path` in one pass; at most `maxRows` rows of each section are kept (-1: all).
TTableFile_Read Read_Table_File(const QString& path, const TTableSchema& schema, int maxRows = -1);

// The index of the row's first missing attribute, -1 when it has them all.
int First_Missing(const TTableRow_Read& row);
// The row with every missing attribute given its default.
QStringList With_Defaults(const TTableRow_Read& row, const TSchemaSection& section);

// The file of `tables`, one per section, each row written as it stands: callers pass the rows up to their
// table's end.
QByteArray Write_Table_File(const TTableSchema& schema, const std::vector<TTableRows>& tables);
