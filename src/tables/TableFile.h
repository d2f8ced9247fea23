#pragma once
// What loading a table file gives its window: the rows' cell texts, how many file rows did not fit, and
// what went wrong reading it. A file that cannot be read or does not fit is "loaded in part": its window
// says so when it loads and asks before writing the table over it.
#include "core/tables/TableSchema.h"

// Table rows are TTableRows: one entry per table row, from row 1 on; cells from column 1 on.

struct TTableLoad {
    TTableRows Rows;    // the file's rows that fit, in file order
    int Left_Out = 0;   // rows of the file beyond the table's rows
    QString Error;      // the file is there but could not be read: the message to show
    bool Partial() const { return Left_Out > 0 || !Error.isEmpty(); }
};

// The tables of a file read through its schema, each bounded by `maxRows`, every missing attribute given
// its default and a missing section read as an empty table. A missing file gives empty tables; one that
// cannot be read sets Error on the first.
std::vector<TTableLoad> Load_Table_File(const QString& path, const TTableSchema& schema, int maxRows);

// Number of rows up to the first whose cell `keyCell` is empty: trimmed, or as stored.
int Table_End(const TTableRows& rows, int keyCell, bool asStored = false);
// The rows up to the table's end.
TTableRows Table_Head(const TTableRows& rows, int keyCell, bool asStored = false);

// A cell read as a whole number: leading blanks and a sign allowed, "$", "x" or "0x" in any case for
// hexadecimal, nothing may follow; -1 when it is none (so it fails every range from 0 up).
int Cell_Int(const QString& text);
// The same in 64 bits.
qint64 Cell_Int64(const QString& text);

// What a table window does at load with a file that is not wholly there: says so.
void Report_Table_Load(const QString& path, const TTableLoad& load, int tableRows);

// Writes a table's file whole on OK: asks first when it was loaded only in part, shows a failure; false
// when nothing was written and the window stays open.
bool Save_Table_File(const QString& path, const QByteArray& content, bool partial);

// Shown at load when the file's rows do not all fit the table.
QString Left_Out_Message(const QString& path, int leftOut, int tableRows);
// Asked on OK before a table loaded only in part is written over its file.
QString Partial_Overwrite_Question(const QString& path);
