#include "tables/fieldbus/MQTTTopicTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

namespace {

enum Grid { gPublish, gSubscribe };

// Where each table keeps what the rules test (real columns; 0: the table has none) and their texts.
struct TTopicRules {
    int Data_Type_Col, Dimension_Col, Position_Col, IP_Col, Port_Col, Input_Col, Template_Col, On_Timer_Col, Time_Col;
    int Data_Type, Int_Dimension, Float_Dimension, Dimension, Position, IP, Port, Input, Template, Time;
    int Byte_Count;
};
constexpr TTopicRules kPublish = {4, 5, 6, 7, 0, 8, 9, 12, 13, 3552, 3553, 3554, 3555, 3556, 3574, 0, 3577, 3578, 3589,
                                  MQTT_Byte_IN};
constexpr TTopicRules kSubscribe = {4, 5, 6, 7, 8, 10, 11, 0, 0, 3557, 3558, 3559, 3560, 3561, 3575, 3576, 3579, 3580, 0,
                                    MQTT_Byte_OUT};

bool Is_IP_Address(const QString& text)
{
    QString ip1, ip2, ip3, ip4;
    return Parse_IP_Address(text, ip1, ip2, ip3, ip4);
}

QString Check_Row(const TTableEditor& editor, int grid, const QStringList& cells)
{
    const TTopicRules& t = grid == gPublish ? kPublish : kSubscribe;
    const std::vector<TTableEditorColumn>& columns = editor.Grids[static_cast<std::size_t>(grid)].Columns;
    const auto shown = [&](int col) { return col > 0 && !columns[static_cast<std::size_t>(col)].Hidden; };
    const auto cell = [&](int col) { return cells.value(col - 1); };

    const QString type = cell(t.Data_Type_Col).toUpper().trimmed();
    if (shown(t.Data_Type_Col) && type.isEmpty())
        return Lang(t.Data_Type);
    if (shown(t.Dimension_Col)) {
        const int dim = Cell_Int(cell(t.Dimension_Col));
        if (type == QLatin1String("INT")) {
            if (dim != 1 && dim != 2 && dim != 4 && dim != 8)
                return Lang(t.Int_Dimension);
        } else if (type == QLatin1String("FLOAT")) {
            if (dim != 4 && dim != 8)
                return Lang(t.Float_Dimension);
        } else if (dim < 1) {
            return Lang(t.Dimension);
        }
    }
    if (shown(t.Position_Col)) {
        const int position = Cell_Int(cell(t.Position_Col));
        if (position < 0 || position > t.Byte_Count - 1)
            return Lang(t.Position) + QString::number(t.Byte_Count - 1);
    }
    if (shown(t.IP_Col) && !Is_IP_Address(cell(t.IP_Col).trimmed()))
        return Lang(t.IP);
    if (shown(t.Port_Col)) {
        const int port = Cell_Int(cell(t.Port_Col));
        if (port < 0 || port > 65535)
            return Lang(t.Port);
    }
    if (shown(t.Input_Col) && Error_In_Topic_Template(cell(t.Input_Col).trimmed()))
        return Lang(t.Input);
    if (shown(t.Template_Col) && Error_In_Topic_Template(cell(t.Template_Col).trimmed()))
        return Lang(t.Template);
    // The timer rule stands whether or not its columns are shown.
    if (t.On_Timer_Col && cell(t.On_Timer_Col).toUpper().trimmed() == QLatin1String("Y")) {
        const int time = Cell_Int(cell(t.Time_Col));
        if (time < 1 || time > 1000000000)
            return Lang(t.Time);
    }
    return {};
}

TTableEditorColumn Hidden(TTableEditorColumn column)
{
    column.Hidden = true;
    return column;
}

// A hidden column the file does not hold; a loaded row gets `text` in it.
TTableEditorColumn Not_Stored(TTableEditorColumn column, const char* text)
{
    column.Hidden = true;
    column.Stored = false;
    column.Load_Text = QLatin1String(text);
    return column;
}

TTableEditor Make_Editor()
{
    using E = TEditorType;
    constexpr TReadMode Required = TReadMode::rmRequired;
    const QStringList qos = {"0", "1", "2"};
    const QStringList types = {"Int", "Float", "String", "Base64"};
    QStringList channels = Number_Items(64);
    channels << "All";

    TTableEditorGrid publish;
    publish.Capacity = MQTT_Rows;
    publish.Tab_Text = 3533;
    publish.Columns = {
        {3514, 0, E::edNormal, 40, 0xB0D8FF},
        {3515, 3519, E::edNormal, 300, 0xFEFAE0, {}, false, Required},
        {3516, 3520, E::edDataCheckBox, 60, 0xFFD5D5, {}, false, Required},
        {3517, 3521, E::edComboList, 80, 0xFFD5D5, qos, false, Required},
        {3537, 3540, E::edComboList, 80, 0xA8FFA8, types},
        {3538, 3541, E::edNormal, 80, 0xA8FFA8},
        {3539, 3542, E::edNormal, 80, 0xF4D6FC},
        Hidden({3562, 3564, E::edNormal, 100, 0xA8FFA8}),
        Hidden({3563, 3565, E::edNormal, 120, 0xA8FFA8}),
        {3535, 3536, E::edComboEdit, 130, 0xA8FFFF, {"$VALUE$"}},
        {3581, 3582, E::edDataCheckBox, 75, 0xB0D8FF},
        Not_Stored({3583, 3586, E::edDataCheckBox, 55, 0xB0D8FF}, ""),
        {3584, 3587, E::edDataCheckBox, 64, 0xB0D8FF},
        {3585, 3588, E::edNormal, 70, 0xB0D8FF},
        Not_Stored({3590, 3591, E::edComboList, 60, 0xA8FFA8, channels}, ""),
        Not_Stored({3593, 3595, E::edDataCheckBox, 40, 0xA8FFA8}, "N"),
        Not_Stored({3594, 3596, E::edDataCheckBox, 80, 0xA8FFA8}, "N"),
        {3518, 3522, E::edNormal, 170, clWhite, {}, false, Required},
    };

    TTableEditorGrid subscribe;
    subscribe.Capacity = MQTT_Rows;
    subscribe.Tab_Text = 3534;
    subscribe.Columns = {
        {3524, 0, E::edNormal, 40, 0xB0D8FF},
        {3525, 3529, E::edNormal, 300, 0xFEFAE0, {}, false, Required},
        Hidden({3526, 3530, E::edDataCheckBox, 60, 0xFFD5D5, {}, false, Required}),
        {3527, 3531, E::edComboList, 80, 0xFFD5D5, qos, false, Required},
        {3543, 3547, E::edComboList, 80, 0xA8FFA8, types},
        {3544, 3548, E::edNormal, 80, 0xA8FFA8},
        {3545, 3549, E::edNormal, 80, 0xF4D6FC},
        Hidden({3566, 3570, E::edNormal, 100, 0xA8FFA8}),
        Hidden({3567, 3571, E::edNormal, 50, 0xA8FFA8}),
        Hidden({3568, 3572, E::edComboList, 64, 0xA8FFA8, {"TCP", "UDP"}}),
        Hidden({3569, 3573, E::edNormal, 130, 0xA8FFA8}),
        {3546, 3550, E::edComboEdit, 130, 0xA8FFFF, {"$VALUE$"}},
        Not_Stored({3593, 3597, E::edDataCheckBox, 40, 0xA8FFA8}, "N"),
        Not_Stored({3594, 3598, E::edDataCheckBox, 80, 0xA8FFA8}, "N"),
        {3528, 3532, E::edNormal, 220, clWhite, {}, false, Required},
    };

    TTableEditor e;
    e.Width = 1100;
    e.Height = 337;
    e.Caption = 3500;
    e.Button_Hints = {3508, 3509, 3510, 3511, 3512, 3513};
    e.Row_Error = 3551;
    e.Delete_Question = 3523;
    e.File = &File_MQTT_Set_Topic;
    e.Schema = &MQTT_Set_Topic_Schema;
    e.Grids = {publish, subscribe};
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

const TTableEditor& MQTT_Set_Topic_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}

bool Error_In_Topic_Template(const QString& text)
{
    return text.count(QLatin1Char('$')) % 2 != 0;
}
