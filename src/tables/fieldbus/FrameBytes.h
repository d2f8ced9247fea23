#pragma once
// What the J1939 and NMEA 2000 frame tables check alike: which bytes of a frame are captured, and the data
// bytes of all frames kept within the table's limit, counted row by row.
#include "tables/TableEditor.h"

// A row's first failing rule before its bytes are counted, else the bytes it adds to the total.
struct TRowBytes {
    QString Rule;
    int Bytes = 0;
};

// Rows in order: the head's rules, then the total (message `totalText` followed by the limit, without a row
// number) once it exceeds `limit`, then the tail's rules (may be empty). Row messages carry the editor's prefix.
QString Check_Byte_Total(const TTableEditor& editor, const TTableRows& rows, int limit, int totalText,
                         const std::function<TRowBytes(const QStringList& cells)>& head,
                         const std::function<QString(const QStringList& cells)>& tail = {});

// A multi-packet capture: Start Byte from 0 to `max` (text `startText`), N Byte not negative with
// Start Byte + N Byte at most `max` (text `startText` + 1); it adds N Byte.
TRowBytes Packet_Capture(const QString& start, const QString& count, int max, int startText);

// A single frame's capture: both blank takes the whole frame (8 bytes); only one blank: text `firstText`;
// else Start Byte 1 to 8 (`firstText` + 1), N Byte 1 to 8 (+ 2), their sum at most 8 (+ 3). A part of a
// frame adds the bytes it captures, as a multi-packet capture does.
TRowBytes Frame_Capture(const QString& start, const QString& count, int firstText);

// A one-grid fieldbus editor, 337 high, whose text block holds the caption, the title and the six button
// captions from `caption` on and the button hints from `caption` + 8 on.
TTableEditor Fieldbus_Editor(int width, int caption, int rowError, int deleteQuestion, const QString* file,
                             const TTableSchema* schema, TTableEditorGrid grid);

// True when the cell is a whole number from `low` to `high`.
bool Cell_In(const QString& cell, int low, int high);

// True when a check box cell is on.
bool Cell_On(const QString& cell);
