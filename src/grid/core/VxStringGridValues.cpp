#include "grid/model/GridGrouping.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/model/GridFilter.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtml.h"
#include "platform/LocaleFormats.h"
#include <QDateTime>
#include <QLocale>
#include <QRandomGenerator>
#include <type_traits>

namespace {
// An optional sign, then decimal digits, or hexadecimal digits after "$" or "0x"; empty and "-" read as 0.
int ParseInt(const QString& Text)
{
    QString t = Text.trimmed();
    if (t.isEmpty() || t == u"-")
        return 0;
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    bool ok = !t.isEmpty() && (t[0].isDigit() || base == 16);
    const qlonglong v = ok ? t.toLongLong(&ok, base) : 0;
    const qlonglong signedValue = negative ? -v : v;
    if (!ok || signedValue < INT32_MIN || signedValue > INT32_MAX)
        throw EVxGridError("Cell does not contain integer value");
    return int(signedValue);
}

double ParseFloat(const QString& Text)
{
    QString t = ExtractNumberText(Text);
    if (t.isEmpty() || t == u"-")
        return 0;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        throw EVxGridError("Cell does not contain a float value");
    return v;
}

// A printf-style format over integer or floating-point arguments, one conversion at a time, so that a format
// naming other arguments than it is given is refused instead of reading what is not there.
template <typename T>
QString FormatValues(const QString& Format, std::initializer_list<T> Args)
{
    static const QString kConversions = std::is_integral_v<T> ? QStringLiteral("diuxXo") : QStringLiteral("eEfgG");
    QString out;
    auto arg = Args.begin();
    for (qsizetype i = 0; i < Format.size(); ++i) {
        if (Format[i] != u'%') {
            out += Format[i];
            continue;
        }
        if (i + 1 < Format.size() && Format[i + 1] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < Format.size() && QStringLiteral("-+ #0").contains(Format[j]))
            ++j;
        while (j < Format.size() && (Format[j].isDigit() || Format[j] == u'.'))
            ++j;
        if (j >= Format.size() || !kConversions.contains(Format[j]) || arg == Args.end())
            throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(Format)
                                    .toStdString());
        out += QString::asprintf(Format.mid(i, j - i + 1).toLatin1().constData(), *arg++);
        i = j;
    }
    return out;
}


QString StrippedText(const QString& S)
{
    return S.contains(u'<') ? MiniHtmlToPlainText(S) : S;
}

const QString kUrlPrefixes[] = {QStringLiteral("HTTP://"),  QStringLiteral("WWW."),    QStringLiteral("MAILTO:"),
                                QStringLiteral("HTTPS://"), QStringLiteral("NNTP://"), QStringLiteral("FILE://"),
                                QStringLiteral("FTP://")};
} // namespace

QString TVxStringGrid::FormatFloat(const QString& Format, double Value)
{
    QString s = FormatValues(Format, {Value});
    const QChar sep = DecimalSeparatorChar();
    return sep == u'.' ? s : s.replace(u'.', sep);
}

int TVxStringGrid::GetInts(int c, int r)
{
    return ParseInt(StrippedText(Cells(c, r)));
}

void TVxStringGrid::SetInts(int c, int r, int Value)
{
    SetAllCells(c, r, QString::number(Value));
}

int TVxStringGrid::GetAllInts(int c, int r)
{
    return ParseInt(AllCells(c, r));
}

void TVxStringGrid::SetAllInts(int c, int r, int Value)
{
    SetAllCells(c, r, QString::number(Value));
}

double TVxStringGrid::GetFloats(int c, int r)
{
    return ParseFloat(StrippedText(Cells(c, r)));
}

void TVxStringGrid::SetFloats(int c, int r, double Value)
{
    SetCells(c, r, FormatFloat(GetCellFloatFormat(c, r), Value));
}

double TVxStringGrid::GetAllFloats(int c, int r)
{
    return ParseFloat(AllCells(c, r));
}

void TVxStringGrid::SetAllFloats(int c, int r, double Value)
{
    SetAllCells(c, r, FormatFloat(d->Settings.FloatFormat, Value));
}

QString TVxStringGrid::GetCellFloatFormat(int, int)
{
    return d->Settings.FloatFormat;
}

void TVxStringGrid::SetDates(int c, int r, TDateTime Value)
{
    SetCells(c, r, Value > 0 || d->Settings.ShowNullDates ? DateOf(Value).toString(ShortDateFormat()) : QString());
}

TDateTime TVxStringGrid::GetDates(int c, int r)
{
    const QDate d = QDate::fromString(Cells(c, r).trimmed(), ShortDateFormat());
    if (!d.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(Cells(c, r)).toStdString());
    return ToDateTime(d.startOfDay());
}

void TVxStringGrid::SetTimes(int c, int r, TDateTime Value)
{
    SetCells(c, r, FromDateTime(Value).time().toString(LongTimeFormat()));
}

TDateTime TVxStringGrid::GetTimes(int c, int r)
{
    const QTime t = QTime::fromString(Cells(c, r).trimmed(), LongTimeFormat());
    if (!t.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(Cells(c, r)).toStdString());
    return t.msecsSinceStartOfDay() / 86400000.0;
}

QString TVxStringGrid::GetCtrlVal(int c, int r, const QString& ID)
{
    QString value;
    return GetHtmlControlValue(Cells(c, r), ID, value) ? value : QString();
}

void TVxStringGrid::SetCtrlVal(int c, int r, const QString& ID, const QString& Value)
{
    QString text = Cells(c, r);
    if (SetHtmlControlValue(text, ID, Value))
        SetCells(c, r, text);
}

int TVxStringGrid::GetVersionNr()
{
    return (6 << 24) | (2 << 16) | (1 << 8) | 3;
}

QString TVxStringGrid::GetVersionString()
{
    return GetVersion();
}

QString TVxStringGrid::GetVersion()
{
    const unsigned v = unsigned(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TVxStringGrid::SetURLShow(bool Value)
{
    SetProperty(d->Settings.URLShow, Value, [this] { Invalidate(); });
}

void TVxStringGrid::SetURLShowInText(bool Value)
{
    SetProperty(d->Sizing.FURLShowInText, Value, [this] { Invalidate(); });
}

void TVxStringGrid::SetURLFull(bool Value)
{
    d->Sizing.FURLFull = Value;
    if (d->Settings.URLShow)
        Invalidate();
}

void TVxStringGrid::SetURLColor(TColor Value)
{
    if (Value == d->Settings.URLColor)
        return;
    d->Settings.URLColor = Value;
    if (d->Settings.URLShow)
        Invalidate();
}

void TVxStringGrid::GetDisplText(int ACol, int ARow, QString& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (d->Sizing.FURLShowInText)
        for (const QString& prefix : kUrlPrefixes)
            if (UrlToAnchor(Value, prefix, Value))
                break;
    if (d->Order.FGrouping && d->Order.FGrouping->ShowGroupCount() && ACol == 1 && IsNode(ARow)) {
        const int n = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        const QString format = d->Order.FGrouping->GroupCountFormat();
        Value += format.isEmpty() ? QStringLiteral(" (%1)").arg(n) : FormatValues(format, {n});
    }
}

namespace {
struct TFillArea {
    int FromCol, FromRow, ToCol, ToRow;
};
} // namespace

// Rows top to bottom, each left to right, through the base grid's writer; CellsLoaded once afterwards.
static void Fill(TVxStringGrid& G, bool DoFixed, const std::function<QString(int c, int r)>& Text)
{
    const TFillArea a = DoFixed ? TFillArea{0, 0, G.ColCount() - 1, G.RowCount() - 1}
                                : TFillArea{G.FixedCols(), G.FixedRows(), G.ColCount() - G.FixedRightCols() - 1,
                                            G.RowCount() - G.FixedFooters() - 1};
    for (int r = a.FromRow; r <= a.ToRow; ++r)
        for (int c = a.FromCol; c <= a.ToCol; ++c)
            G.SetCells(c, r, Text(c, r));
    G.CellsLoaded();
}

void TVxStringGrid::TextFill(bool DoFixed, const QString& Txt)
{
    Fill(*this, DoFixed, [&](int, int) { return Txt; });
}

void TVxStringGrid::FormatFill(bool DoFixed, const QString& Fmt)
{
    Fill(*this, DoFixed, [&](int c, int r) { return FormatValues(Fmt, {c, r}); });
}

void TVxStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    Fill(*this, DoFixed, [&](int, int) {
        return QString::number(Rnd > 0 ? QRandomGenerator::global()->bounded(Rnd) : 0);
    });
}

void TVxStringGrid::LinearFill(bool DoFixed)
{
    Fill(*this, DoFixed, [](int c, int r) { return QStringLiteral("%1:%2").arg(c).arg(r); });
}
