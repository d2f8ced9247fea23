#include "tables/fieldbus/NMEATables.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"
#include "tables/fieldbus/FrameBytes.h"

namespace {

using E = TEditorType;

enum ReceiveCell { rPGN, rSA, rTP, rFP, rStart, rNByte, rDelete, rMnemonic };
enum SendCell { sPriority, sPGN, sSA, sFP, sNByte, sRequest, sDataChange, sTimer, sSendTimer, sMnemonic };

TRowBytes Receive_Head(const QStringList& c)
{
    if (!Cell_In(c.value(rPGN), 0, 131071))
        return {Lang(3732)};
    if (!Cell_In(c.value(rSA), 0, 239))
        return {Lang(3733)};
    // With both flags on, the transport protocol's wider range holds.
    if (Cell_On(c.value(rTP)))
        return Packet_Capture(c.value(rStart), c.value(rNByte), 1785, 3734);
    if (Cell_On(c.value(rFP)))
        return Packet_Capture(c.value(rStart), c.value(rNByte), 223, 3736);
    return Frame_Capture(c.value(rStart), c.value(rNByte), 3738);
}

TRowBytes Send_Head(const QStringList& c)
{
    if (!Cell_In(c.value(sPriority), 0, 7))
        return {Lang(3836)};
    if (!Cell_In(c.value(sPGN), 0, 131071))
        return {Lang(3837)};
    if (!Cell_In(c.value(sSA), 0, 239))
        return {Lang(3838)};
    if (!Cell_In(c.value(sNByte), 0, NMEA_NUM_BYTE_OUT))
        return {Lang(3839) + QString::number(NMEA_NUM_BYTE_OUT)};
    return {{}, Cell_Int(c.value(sNByte))};
}

QString Send_Tail(const QStringList& c)
{
    return Cell_On(c.value(sTimer)) && !Cell_In(c.value(sSendTimer), 1, 65535) ? Lang(3841) : QString();
}

TTableEditor Make_Receive()
{
    TTableEditorGrid grid;
    grid.Capacity = NMEA_Rows;
    grid.Key_Column = 1;
    grid.Key_As_Stored = true;
    grid.Columns = {
        {3714, 0, E::edNormal, 40, clWhite},
        {3715, 3723, E::edNormal, 80, 0xFEFAE0},
        {3716, 3724, E::edNormal, 95, 0xFEFAE0},
        {3717, 3725, E::edDataCheckBox, 113, 0xA8FFFF},
        {3718, 3726, E::edDataCheckBox, 73, 0xA8FFFF},
        {3719, 3727, E::edNormal, 65, 0xCAFFCA},
        {3720, 3728, E::edNormal, 50, 0xCAFFCA},
        {3721, 3729, E::edDataCheckBox, 74, 0xF4D6FC},
        {3722, 3730, E::edNormal, 195, clWhite},
    };
    TTableEditor e = Fieldbus_Editor(810, 3700, 3731, 3743, &File_NMEA_Rec_Frames, &NMEA_Rec_Frames_Schema, grid);
    e.Check_Tables = [](const TTableEditor& editor, const std::vector<TTableRows>& tables) {
        return Check_Byte_Total(editor, tables.front(), NMEA_NUM_BYTE_IN, 3742, Receive_Head);
    };
    return e;
}

TTableEditor Make_Send()
{
    TTableEditorGrid grid;
    grid.Capacity = NMEA_Rows;
    grid.Key_Column = 2;
    grid.Key_As_Stored = true;
    grid.Columns = {
        {3814, 0, E::edNormal, 40, clWhite},
        {3815, 3825, E::edNormal, 50, 0xFEFAE0},
        {3816, 3826, E::edNormal, 75, 0xFEFAE0},
        {3817, 3827, E::edNormal, 95, 0xFEFAE0},
        {3818, 3828, E::edDataCheckBox, 75, 0xF4D6FC},
        {3819, 3829, E::edNormal, 60, 0xA8FFFF},
        {3820, 3830, E::edDataCheckBox, 55, 0xCAFFCA},
        {3821, 3831, E::edDataCheckBox, 80, 0xCAFFCA},
        {3822, 3832, E::edDataCheckBox, 64, 0xCAFFCA},
        {3823, 3833, E::edNormal, 75, 0xCAFFCA},
        {3824, 3834, E::edNormal, 116, clWhite},
    };
    TTableEditor e = Fieldbus_Editor(810, 3800, 3835, 3842, &File_NMEA_Send_Frames, &NMEA_Send_Frames_Schema, grid);
    e.Check_Tables = [](const TTableEditor& editor, const std::vector<TTableRows>& tables) {
        return Check_Byte_Total(editor, tables.front(), NMEA_NUM_BYTE_OUT, 3840, Send_Head, Send_Tail);
    };
    return e;
}

} // namespace

const TTableEditor& ReceiveNMEA_Editor()
{
    static const TTableEditor editor = Make_Receive();
    return editor;
}

const TTableEditor& TransmitNMEA_Editor()
{
    static const TTableEditor editor = Make_Send();
    return editor;
}
