#include "grid/core/VxColumnGrid.h"
#include "grid/io/GridIniFile.h"
#include "platform/SaveFile.h"
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QDataStream>
#include <QIODevice>
#include <QVariantMap>
#include <optional>

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

// QDataStream's own reading of a map trusts the counts a stream declares (a string list reserves room for all it
// claims): here each value is read by its type, and a count must fit in the bytes left.
bool ReadRecord(QDataStream& in, QVariantMap& m)
{
    const QIODevice* dev = in.device();
    const auto fits = [dev](quint32 n, qint64 each) {
        return dev->isSequential() ? n <= 65536 : qint64(n) * each <= dev->bytesAvailable();
    };
    const auto ok = [&in] { return in.status() == QDataStream::Ok; };
    quint32 n = 0;
    in >> n;
    if (!ok() || !fits(n, 9))   // a key's length, a type and a null flag at least
        return false;
    for (quint32 i = 0; i < n; ++i) {
        QString key;
        quint32 stored = 0;
        qint8 isNull = 0;
        in >> key >> stored >> isNull;
        const int type = int(stored);
        QVariant v;
        if (type == QMetaType::Bool) {
            bool b = false;
            in >> b;
            v = b;
        } else if (type == QMetaType::Int) {
            qint32 x = 0;
            in >> x;
            v = int(x);
        } else if (type == QMetaType::UInt) {
            quint32 x = 0;
            in >> x;
            v = x;
        } else if (type == QMetaType::QString) {
            QString text;
            in >> text;
            v = text;
        } else if (type == QMetaType::QStringList) {
            quint32 count = 0;
            in >> count;
            if (!ok() || !fits(count, 4))
                return false;
            QStringList list;
            for (quint32 k = 0; k < count && ok(); ++k) {
                QString text;
                in >> text;
                list << text;
            }
            v = list;
        } else {
            return false;
        }
        if (!ok())
            return false;
        m.insert(key, v);
    }
    return true;
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
    for (QVariantMap& m : records)
        if (!ReadRecord(in, m) || !IsWholeRecord(m, shape))
            return false;
    FColumnCollection->SetNoRecursiveUpdate(true);
    for (int i = 0; i < count; ++i)
        ApplyRecord(*FColumnCollection->Items(i), records[std::size_t(i)]);
    FColumnCollection->SetNoRecursiveUpdate(false);
    SyncColumnHeaders();
    Invalidate();
    return true;
}

namespace {
bool IsSectionLine(const QString& Line, QString* Name = nullptr)
{
    const QString t = Line.trimmed();
    if (!t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    if (Name)
        *Name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

// None when a file is there that cannot be read.
std::optional<QStringList> ReadIniLines(const QString& Path)
{
    QByteArray bytes;
    if (!Read_Ini_File(Path, bytes))
        return std::nullopt;
    return QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\n")));
}

// The values of one section by key, keys compared without letter case as profile files do.
QHash<QString, QString> ReadIniSection(const QStringList& Lines, const QString& Section)
{
    QHash<QString, QString> values;
    bool inside = false;
    for (const QString& line : Lines) {
        QString name;
        if (IsSectionLine(line, &name)) {
            inside = name.compare(Section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inside && eq > 0) {
            const QString key = line.left(eq).trimmed().toUpper();
            if (!values.contains(key))
                values.insert(key, line.mid(eq + 1).trimmed());
        }
    }
    return values;
}
} // namespace

bool TVxColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section)
{
    QStringList section{QLatin1Char('[') + Section + QLatin1Char(']')};
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        section << QStringLiteral("CP%1=%2").arg(i).arg(FColumnCollection->Items(i)->DefIdx());
    // Other sections of the file stay as they are; this one is written anew in its place.
    QStringList out;
    bool inside = false;
    bool written = false;
    // A file that cannot be read is left as it is: writing this section alone would lose the others.
    const std::optional<QStringList> lines = ReadIniLines(Key);
    if (!lines)
        return false;
    for (const QString& line : *lines) {
        QString name;
        if (IsSectionLine(line, &name)) {
            inside = name.compare(Section, Qt::CaseInsensitive) == 0;
            if (inside && !written) {
                out << section;
                written = true;
            }
        }
        if (!inside)
            out << line;
    }
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    if (!written)
        out << section;
    return Save_Ini_File(Key, (out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

bool TVxColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section)
{
    const int n = FColumnCollection->Count();
    const QHash<QString, QString> values = ReadIniSection(ReadIniLines(Key).value_or(QStringList()), Section);
    std::vector<int> positions;
    std::vector<bool> seen(static_cast<std::size_t>(n), false);
    for (int j = 0; j < n; ++j) {
        bool ok = false;
        const int idx = values.value(QStringLiteral("CP%1").arg(j)).toInt(&ok);
        if (!ok || idx < 0 || idx >= n || seen[std::size_t(idx)])
            return false;
        seen[std::size_t(idx)] = true;
        positions.push_back(idx);
    }
    if (n == 0)
        return false;
    UnHideColumnsAll();
    for (int j = 0; j < n; ++j)
        FColumnCollection->Items(positions[std::size_t(j)])->SetDefIdx(j);
    FColumnCollection->ResetOrganization();
    for (int i = 0; i < n; ++i)
        FColumnCollection->Items(i)->SetDefIdx(positions[std::size_t(i)]);
    return true;
}
