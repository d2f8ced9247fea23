#pragma once
// What loading a table file gives its window: the rows' cell texts, how many file rows did not fit, and
// what went wrong reading it. A file that cannot be read or does not fit is "loaded in part": its window
// says so when it loads and asks before writing the table over it.
#include <QString>
#include <QStringList>
#include <vector>

namespace Xml {
struct TElement;
}

// One entry per table row, from row 1 on; cells from column 1 on.
using TTableRows = std::vector<QStringList>;

struct TTableLoad {
    TTableRows Rows;    // the file's rows that fit, in file order
    int Left_Out = 0;   // rows of the file beyond the table's rows
    QString Error;      // the file is there but could not be read: the message to show
    bool Partial() const { return Left_Out > 0 || !Error.isEmpty(); }
};

// Reads the file's root; false when there is none to read (missing file, or Error set).
bool Load_Table_Root(const QString& path, Xml::TElement& root, TTableLoad& load);

// Every child of `section` (whatever its name) is a row, up to `maxRows`; one cell per attribute, a
// missing attribute gives its entry of `defaults`. A null section is an empty table.
void Read_Table_Section(const Xml::TElement* section, const QStringList& attributes, const QStringList& defaults,
                        int maxRows, TTableRows& rows, int& leftOut);

// Number of rows up to the first whose cell `keyCell`, trimmed, is empty.
int Table_End(const TTableRows& rows, int keyCell);

// A cell read as a whole number; `def` when it is none.
int Cell_Int(const QString& text, int def);

// What a table window does at load with a file that is not wholly there: says so.
void Report_Table_Load(const QString& path, const TTableLoad& load, int tableRows);

// Writes a table's file whole on OK: asks first when it was loaded only in part, shows a failure; false
// when nothing was written and the window stays open.
bool Save_Table_File(const QString& path, const QByteArray& content, bool partial);

// Shown at load when the file's rows do not all fit the table.
QString Left_Out_Message(const QString& path, int leftOut, int tableRows);
// Asked on OK before a table loaded only in part is written over its file.
QString Partial_Overwrite_Question(const QString& path);
