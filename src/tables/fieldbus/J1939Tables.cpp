#include "tables/fieldbus/J1939Tables.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"
#include "tables/fieldbus/FrameBytes.h"

namespace {

using E = TEditorType;
const QStringList kDataPages = {"0", "1"};

enum ReceiveCell { rDP, rPGN, rSA, rTP, rStart, rNByte, rDelete, rOnRequest, rTime, rMnemonic };
enum SendCell { sPriority, sDP, sPGN, sSA, sNByte, sRequest, sDataChange, sTimer, sSendTimer, sMnemonic };

TRowBytes Receive_Head(const QStringList& c)
{
    if (c.value(rDP).trimmed().isEmpty())
        return {Lang(3236)};
    if (!Cell_In(c.value(rPGN), 0, 65535))
        return {Lang(3237)};
    if (!Cell_In(c.value(rSA), 0, 239))
        return {Lang(3238)};
    if (Cell_On(c.value(rTP)))
        return Packet_Capture(c.value(rStart), c.value(rNByte), 1785, 3239);
    return Frame_Capture(c.value(rStart), c.value(rNByte), 3241);
}

QString Receive_Tail(const QStringList& c)
{
    // 0 and 1 are refused although the message names 0.
    return Cell_On(c.value(rOnRequest)) && !Cell_In(c.value(rTime), 2, 10000000) ? Lang(3246) : QString();
}

TRowBytes Send_Head(const QStringList& c)
{
    if (!Cell_In(c.value(sPriority), 0, 7))
        return {Lang(3336)};
    if (c.value(sDP).trimmed().isEmpty())
        return {Lang(3337)};
    if (!Cell_In(c.value(sPGN), 0, 131071))
        return {Lang(3338)};
    if (!Cell_In(c.value(sSA), 0, 255))
        return {Lang(3339)};
    if (!Cell_In(c.value(sNByte), 1, J1939_NUM_BYTE_OUT))
        return {Lang(3340) + QString::number(J1939_NUM_BYTE_OUT)};
    return {{}, Cell_Int(c.value(sNByte))};
}

QString Send_Tail(const QStringList& c)
{
    return Cell_On(c.value(sTimer)) && !Cell_In(c.value(sSendTimer), 1, 65535) ? Lang(3342) : QString();
}

// Files of earlier versions name one trigger in T_Type in place of the three flags.
void Load_Send_Row(int, const TTableRow_Read& row, QStringList& cells)
{
    if (cells[sNByte].isEmpty())
        cells[sNByte] = QStringLiteral("8");
    const std::size_t legacy = J1939_Send_Frames_Schema.Sections.front().Attributes.size();
    if (!row[legacy])
        return;
    cells[sRequest] = cells[sDataChange] = cells[sTimer] = QStringLiteral("N");
    const QString type = row[legacy]->toUpper();
    if (type == QLatin1String("ON DATA CHANGE"))
        cells[sDataChange] = QStringLiteral("Y");
    else if (type == QLatin1String("ON TIMER"))
        cells[sTimer] = QStringLiteral("Y");
}

TTableEditor Make_Receive()
{
    TTableEditorGrid grid;
    grid.Capacity = J1939_Rows;
    grid.Key_Column = 2;
    grid.Key_As_Stored = true;
    grid.Columns = {
        {3214, 0, E::edNormal, 40, clWhite},
        {3215, 3225, E::edComboList, 65, 0xFEFAE0, kDataPages},
        {3216, 3226, E::edNormal, 85, 0xFEFAE0},
        {3217, 3227, E::edNormal, 95, 0xFEFAE0},
        {3218, 3228, E::edDataCheckBox, 113, 0xA8FFFF},
        {3219, 3229, E::edNormal, 65, 0xCAFFCA},
        {3220, 3230, E::edNormal, 55, 0xCAFFCA},
        {3221, 3231, E::edDataCheckBox, 75, 0xF4D6FC},
        {3222, 3232, E::edDataCheckBox, 75, 0xB0D8FF},
        {3223, 3233, E::edNormal, 65, 0xB0D8FF},
        {3224, 3234, E::edNormal, 120, clWhite},
    };
    TTableEditor e = Fieldbus_Editor(876, 3200, 3235, 3247, &File_J1939_Rec_Frames, &J1939_Rec_Frames_Schema, grid);
    e.Check_Tables = [](const TTableEditor& editor, const std::vector<TTableRows>& tables) {
        return Check_Byte_Total(editor, tables.front(), J1939_NUM_BYTE_IN, 3245, Receive_Head, Receive_Tail);
    };
    return e;
}

TTableEditor Make_Send()
{
    TTableEditorGrid grid;
    grid.Capacity = J1939_Rows;
    grid.Key_Column = 3;
    grid.Key_As_Stored = true;
    grid.Columns = {
        {3314, 0, E::edNormal, 40, clWhite},
        {3315, 3325, E::edNormal, 50, 0xFEFAE0},
        {3316, 3326, E::edComboList, 65, 0xFEFAE0, kDataPages},
        {3317, 3327, E::edNormal, 85, 0xFEFAE0},
        {3318, 3328, E::edNormal, 95, 0xFEFAE0},
        {3319, 3329, E::edNormal, 60, 0xA8FFFF},
        {3320, 3330, E::edDataCheckBox, 55, 0xCAFFCA},
        {3321, 3331, E::edDataCheckBox, 80, 0xCAFFCA},
        {3322, 3332, E::edDataCheckBox, 60, 0xCAFFCA},
        {3323, 3333, E::edNormal, 70, 0xCAFFCA},
        {3324, 3334, E::edNormal, 115, clWhite},
    };
    TTableEditor e = Fieldbus_Editor(800, 3300, 3335, 3343, &File_J1939_Send_Frames, &J1939_Send_Frames_Schema, grid);
    e.Load_Row = Load_Send_Row;
    e.Check_Tables = [](const TTableEditor& editor, const std::vector<TTableRows>& tables) {
        return Check_Byte_Total(editor, tables.front(), J1939_NUM_BYTE_OUT, 3341, Send_Head, Send_Tail);
    };
    return e;
}

} // namespace

const TTableEditor& ReceiveJ1939_Editor()
{
    static const TTableEditor editor = Make_Receive();
    return editor;
}

const TTableEditor& TransmitJ1939_Editor()
{
    static const TTableEditor editor = Make_Send();
    return editor;
}
