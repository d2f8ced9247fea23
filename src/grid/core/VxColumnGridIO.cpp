#include "grid/core/VxColumnGrid.h"
#include <QDataStream>
#include <QIODevice>
#include <QVariantMap>

namespace {
const QString kStreamClass = QStringLiteral("TVxColumnGridIO");
constexpr qint32 kStreamVersion = 1;

// The published values of a definition, by name; what is written here is what a load must find.
QVariantMap Published(const TGridColumnItem& c)
{
    return {
        {"Alignment", int(c.Alignment())},         {"AutoMaxSize", c.AutoMaxSize()},
        {"AutoMinSize", c.AutoMinSize()},          {"Borders", int(c.Borders().Bits())},
        {"CheckFalse", c.CheckFalse()},            {"CheckTrue", c.CheckTrue()},
        {"Color", quint32(c.Color())},             {"ColumnPopupType", int(c.ColumnPopupType())},
        {"ComboItems", c.ComboItems()},            {"DropDownCount", c.DropDownCount()},
        {"EditLength", c.EditLength()},            {"EditMask", c.EditMask()},
        {"Editor", int(c.Editor())},               {"Filter", c.Filter()},
        {"FilterCaseSensitive", c.FilterCaseSensitive()}, {"Fixed", c.Fixed()},
        {"FloatFormat", c.FloatFormat()},          {"Header", c.Header()},
        {"HeaderAlignment", int(c.HeaderAlignment())}, {"MaxSize", c.MaxSize()},
        {"MinSize", c.MinSize()},                  {"Name", c.Name()},
        {"Password", c.Password()},                {"PrintBorderCustom", c.PrintBorderCustom()},
        {"PrintBorders", int(c.PrintBorders().Bits())}, {"PrintColor", quint32(c.PrintColor())},
        {"PrintFontCustom", c.PrintFontCustom()},  {"ReadOnly", c.ReadOnly()},
        {"ShowBands", c.ShowBands()},              {"SortPrefix", c.SortPrefix()},
        {"SortStyle", int(c.SortStyle())},         {"SortSuffix", c.SortSuffix()},
        {"SpinMax", c.SpinMax()},                  {"SpinMin", c.SpinMin()},
        {"SpinStep", c.SpinStep()},                {"Tag", c.Tag()},
        {"Width", c.Width()},
    };
}

TCellBorders BordersOf(int Bits)
{
    TCellBorders borders;
    for (TCellBorder b : {TCellBorder::cbTop, TCellBorder::cbLeft, TCellBorder::cbRight, TCellBorder::cbBottom})
        if (Bits & (1 << int(b)))
            borders.Include(b);
    return borders;
}

bool EnumInRange(const QVariantMap& m, const char* key, int count)
{
    const int v = m.value(key).toInt();
    return v >= 0 && v < count;
}

// A record is whole when it holds every published name with a value of the written type, and its enumerations
// and sizes are ones a definition can take.
bool IsWholeRecord(const QVariantMap& m, const QVariantMap& shape)
{
    for (auto it = shape.begin(); it != shape.end(); ++it)
        if (!m.contains(it.key()) || m.value(it.key()).metaType() != it.value().metaType())
            return false;
    return EnumInRange(m, "Alignment", 3) && EnumInRange(m, "HeaderAlignment", 3) &&
           EnumInRange(m, "Editor", int(TEditorType::edMaskEditBtn) + 1) &&
           EnumInRange(m, "SortStyle", int(TSortStyle::ssAlphaNumericNoCase) + 1) &&
           EnumInRange(m, "ColumnPopupType", int(TColumnPopupType::cpAllCellsLClick) + 1) &&
           EnumInRange(m, "Borders", 16) && EnumInRange(m, "PrintBorders", 16) && m.value("Width").toInt() >= 0;
}

void ApplyRecord(TGridColumnItem& c, const QVariantMap& m)
{
    c.SetAlignment(TAlignment(m.value("Alignment").toInt()));
    c.SetAutoMaxSize(m.value("AutoMaxSize").toInt());
    c.SetAutoMinSize(m.value("AutoMinSize").toInt());
    c.SetBorders(BordersOf(m.value("Borders").toInt()));
    c.SetCheckFalse(m.value("CheckFalse").toString());
    c.SetCheckTrue(m.value("CheckTrue").toString());
    c.SetColor(TColor(m.value("Color").toUInt()));
    c.SetColumnPopupType(TColumnPopupType(m.value("ColumnPopupType").toInt()));
    c.SetComboItems(m.value("ComboItems").toStringList());
    c.SetDropDownCount(m.value("DropDownCount").toInt());
    c.SetEditLength(m.value("EditLength").toInt());
    c.SetEditMask(m.value("EditMask").toString());
    c.SetEditor(TEditorType(m.value("Editor").toInt()));
    c.SetFilter(m.value("Filter").toStringList());
    c.SetFilterCaseSensitive(m.value("FilterCaseSensitive").toBool());
    c.SetFixed(m.value("Fixed").toBool());
    c.SetFloatFormat(m.value("FloatFormat").toString());
    c.SetHeaderField(m.value("Header").toString());
    c.SetHeaderAlignment(TAlignment(m.value("HeaderAlignment").toInt()));
    c.SetMaxSize(m.value("MaxSize").toInt());
    c.SetMinSize(m.value("MinSize").toInt());
    c.SetName(m.value("Name").toString());
    c.SetPassword(m.value("Password").toBool());
    c.SetPrintBorderCustom(m.value("PrintBorderCustom").toBool());
    c.SetPrintBorders(BordersOf(m.value("PrintBorders").toInt()));
    c.SetPrintColor(TColor(m.value("PrintColor").toUInt()));
    c.SetPrintFontCustom(m.value("PrintFontCustom").toBool());
    c.SetReadOnly(m.value("ReadOnly").toBool());
    c.SetShowBands(m.value("ShowBands").toBool());
    c.SetSortPrefix(m.value("SortPrefix").toString());
    c.SetSortStyle(TSortStyle(m.value("SortStyle").toInt()));
    c.SetSortSuffix(m.value("SortSuffix").toString());
    c.SetSpinMax(m.value("SpinMax").toInt());
    c.SetSpinMin(m.value("SpinMin").toInt());
    c.SetSpinStep(m.value("SpinStep").toInt());
    c.SetTag(m.value("Tag").toInt());
    c.SetWidth(m.value("Width").toInt());
}
} // namespace

bool TVxColumnGrid::SaveColumnsToStream(QIODevice& st) const
{
    QDataStream out(&st);
    out.setVersion(QDataStream::Qt_6_4);
    out << kStreamClass << kStreamVersion << qint32(FColumnCollection->Count());
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        out << Published(*FColumnCollection->Items(i));
    return out.status() == QDataStream::Ok;
}

// Every record is read and checked before the first definition changes: a short, foreign or damaged stream,
// or one for another number of columns, leaves the grid as it was.
bool TVxColumnGrid::LoadColumnsFromStream(QIODevice& st)
{
    QDataStream in(&st);
    in.setVersion(QDataStream::Qt_6_4);
    QString cls;
    qint32 version = 0;
    qint32 count = -1;
    in >> cls >> version >> count;
    if (in.status() != QDataStream::Ok || cls != kStreamClass || version != kStreamVersion ||
        count != FColumnCollection->Count())
        return false;
    const QVariantMap shape = Published(TGridColumnItem());
    std::vector<QVariantMap> records(static_cast<std::size_t>(count));
    for (QVariantMap& m : records) {
        in >> m;
        if (in.status() != QDataStream::Ok || !IsWholeRecord(m, shape))
            return false;
    }
    FColumnCollection->SetNoRecursiveUpdate(true);
    for (int i = 0; i < count; ++i)
        ApplyRecord(*FColumnCollection->Items(i), records[std::size_t(i)]);
    FColumnCollection->SetNoRecursiveUpdate(false);
    SyncColumnHeaders();
    Invalidate();
    return true;
}
