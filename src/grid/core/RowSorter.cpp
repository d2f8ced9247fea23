#include "grid/core/RowSorter.h"
#include "grid/model/IntList.h"
#include "grid/model/GridText.h"
#include "grid/model/GridFilter.h"
#include "platform/DecimalSeparator.h"
#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string>

namespace {

int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }
template <typename T>
int CompareValues(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }

// Blanks, sign, digits, ".", digits, exponent, and nothing after. When it fails, Digits is what the digits
// read before it stopped make as one whole number.
bool ParsePlainNumber(const QString& s, double& value, double& digits)
{
    const qsizetype n = s.size();
    qsizetype i = 0;
    digits = 0;
    auto readDigits = [&] {
        qsizetype start = i;
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9'))
            digits = digits * 10 + (s[i++].unicode() - '0');
        return i - start;
    };
    while (i < n && s[i] == QLatin1Char(' '))
        ++i;
    const qsizetype numberStart = i;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissa = readDigits();
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        mantissa += readDigits();
    }
    bool ok = mantissa > 0;
    if (ok && i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ++i;
        ok = readDigits() > 0;
    }
    if (!ok || i != n)
        return false;
    // The text is plain ASCII now; from_chars reads it whatever the C library's locale says.
    std::string ascii;
    ascii.reserve(std::size_t(n - numberStart));
    for (qsizetype k = numberStart; k < n; ++k)
        if (!(k == numberStart && s[k] == QLatin1Char('+')))
            ascii += char(s[k].unicode());
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return error == std::errc() && end == ascii.data() + ascii.size();
}

QString UpperAsciiLetters(const QString& s)
{
    QString u = s;
    for (QChar& c : u)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return u;
}

void RemoveFirst(QString& s, const QString& part)
{
    if (part.isEmpty())
        return;
    const qsizetype at = s.indexOf(part);
    if (at >= 0)
        s.remove(at, part.size());
}

// A time of day as the fraction of a day: hours, minutes and seconds with the time separator, and an optional
// AM or PM; anything else counts as 0.
double ParseTime(const QString& text, QChar separator)
{
    QString s = text.trimmed().toUpper();
    int addHours = 0;
    if (s.endsWith(QLatin1String("AM")) || s.endsWith(QLatin1String("PM"))) {
        addHours = s.endsWith(QLatin1String("PM")) ? 12 : 0;
        s.chop(2);
        s = s.trimmed();
    }
    const QStringList parts = s.split(separator);
    if (parts.size() < 2 || parts.size() > 3)
        return 0;
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok, 10);
        if (!ok || values[i] < 0 || parts[i].startsWith(QLatin1Char('+')))
            return 0;
    }
    if (addHours && values[0] == 12)
        addHours = 0;
    const int hours = values[0] + addHours;
    if (hours > 23 || values[1] > 59 || values[2] > 59)
        return 0;
    return (hours * 3600 + values[1] * 60 + values[2]) / 86400.0;
}

TDateTime ParseShortDate(const QString& s, bool monthFirst)
{
    try {
        return monthFirst ? ParseDateMDY(s) : ParseDateDMY(s);
    } catch (const EConvertError&) {
        return 0;
    }
}

} // namespace

// What is known of one cell; each part is worked out the first time a comparison needs it.
struct TRowSorter::TCellKey {
    enum : std::uint16_t {
        kText = 1, kRecognition = 2, kNumber = 4, kDate = 8, kTime = 16, kUpper = 32, kStripped = 64,
        kBlank = 128, kCheck = 256, kGraphic = 512, kNumberClass = 1024
    };
    const QString& Text() const { return TextRef ? *TextRef : OwnText; }
    const QString* TextRef = nullptr;   // the stored text itself, when the source lends it
    QString OwnText;
    int Row = 0;
    std::uint16_t Have = 0;
    bool IsCheckBox = false, Number = false, DatePosition = false, DateDigits = false, HasDateSeparator = false;
    bool TimeDigits = false, HasTimeSeparator = false;
    bool NumberOk = false, Blank = false, Checked = false;
    double NumberValue = 0, DateValue = 0, TimeValue = 0;
    QString Upper, Stripped;
    std::int64_t Graphic = -1;
};

struct TRowSorter::TColumn {
    int Col = 0;
    TSortStyle Style = TSortStyle::ssAutomatic;
    bool Ignored = false;   // read once per sorter: asked at every comparison
    QString Prefix, Suffix;
    std::vector<TCellKey> Keys;   // rows FFirst..FLast, once the column is used
    std::vector<TDenseKey> Dense; // the same rows' compact keys, when the column allows them
    std::vector<QString> DenseTexts;   // what they point into, where the cell store does not hold it
    bool DenseTried = false;
    bool DenseNumbers = false;
};

struct TRowSorter::TCollators {
    QCollator CaseSensitive, CaseInsensitive;
    TCollators()
    {
        CaseSensitive.setCaseSensitivity(Qt::CaseSensitive);
        CaseInsensitive.setCaseSensitivity(Qt::CaseInsensitive);
    }
};

TRowSorter::TRowSorter(const TSortCellSource& Source, const TSortSettings& Settings)
    : FSource(Source), FSettings(Settings), FDecimal(DecimalSeparatorOf(QLocale())),
      FThousand(ThousandSeparatorChar()), FDateSeparator(DateSeparatorChar()), FTimeSeparator(TimeSeparatorChar())
{
}

TRowSorter::~TRowSorter() = default;

// Every sort starts afresh: the grid may have moved its rows since the last one.
void TRowSorter::BeginRange(int First, int Last)
{
    FFirst = First;
    FLast = Last;
    for (auto& column : FColumns) {
        column.second->Keys = {};
        column.second->Dense = {};
        column.second->DenseTexts = {};
        column.second->DenseTried = false;
    }
}

TRowSorter::TColumn& TRowSorter::ColumnOf(int ACol)
{
    // A tie moves on to the next column at every comparison: found by index, not by hash.
    const auto at = std::size_t(ACol);
    if (ACol >= 0 && at < FByColumn.size() && FByColumn[at])
        return *FByColumn[at];
    auto& slot = FColumns[ACol];
    if (!slot) {
        slot = std::make_unique<TColumn>();
        slot->Col = ACol;
        slot->Style = FSettings.AutoFormat() ? TSortStyle::ssAutomatic
                      : FSettings.IgnoreCase() ? TSortStyle::ssAlphaNoCase
                                               : TSortStyle::ssAlphabetic;
        FSource.SortColFormat(ACol, slot->Style, slot->Prefix, slot->Suffix);
        slot->Ignored = FSource.SortIsIgnoredColumn(ACol);
    }
    if (ACol >= 0 && ACol < kIndexedColumns) {
        if (at >= FByColumn.size())
            FByColumn.resize(at + 1, nullptr);
        FByColumn[at] = slot.get();
    }
    return *slot;
}

TRowSorter::TCellKey& TRowSorter::KeyOf(TColumn& Column, int ARow, TCellKey& Scratch)
{
    TCellKey* key = &Scratch;
    if (ARow >= FFirst && ARow <= FLast) {
        if (Column.Keys.empty())
            Column.Keys.resize(std::size_t(FLast - FFirst + 1));
        key = &Column.Keys[std::size_t(ARow - FFirst)];
    }
    if (!(key->Have & TCellKey::kText))
        LoadText(Column, ARow, *key);
    return *key;
}

void TRowSorter::LoadText(const TColumn& Column, int ARow, TCellKey& K)
{
    K.TextRef = FSource.SortStoredText(Column.Col, ARow);
    if (!K.TextRef)
        K.OwnText = FSettings.SortOnVirtualCells() ? FSource.SortCellText(Column.Col, ARow)
                                                   : FSource.SortRawCellText(Column.Col, ARow);
    K.Row = ARow;
    K.Have |= TCellKey::kText;
}

bool TRowSorter::IsNumber(TCellKey& K)
{
    if (!(K.Have & TCellKey::kNumberClass)) {
        K.Number = ClassifyNumberTextWith(K.Text(), FThousand, FDecimal) != TNumberTextKind::ntNotNumber;
        K.Have |= TCellKey::kNumberClass;
    }
    return K.Number;
}

void TRowSorter::Recognition(TColumn& Column, TCellKey& K)
{
    if (K.Have & TCellKey::kRecognition)
        return;
    K.Have |= TCellKey::kRecognition;
    K.IsCheckBox = FSource.SortIsCheckBox(Column.Col, K.Row);
    const qsizetype n = K.Text().size();
    // Positions count from 1 here, as the recognition rule states them.
    const qsizetype i = K.Text().indexOf(FDateSeparator) + 1;
    K.HasDateSeparator = i > 0;
    K.DatePosition = i >= 2 && i < 4 && i < n;
    K.DateDigits = K.DatePosition && IsNumberChar(K.Text()[i - 2]) && IsNumberChar(K.Text()[i]);
    const qsizetype j = K.Text().indexOf(FTimeSeparator) + 1;
    K.HasTimeSeparator = j > 0;
    K.TimeDigits = j >= 2 && j < 4 && j < n && IsNumberChar(K.Text()[j - 2]) && IsNumberChar(K.Text()[j]);
}

TSortStyle TRowSorter::Recognize(TColumn& Column, TCellKey& K1, TCellKey& K2)
{
    Recognition(Column, K1);
    if (K1.IsCheckBox)
        return TSortStyle::ssCheckBox;
    if (IsNumber(K1))
        return TSortStyle::ssNumeric;
    Recognition(Column, K2);
    if (K1.DatePosition) {
        if (K1.DateDigits && K2.HasDateSeparator)
            return K1.HasTimeSeparator ? TSortStyle::ssDateTime : TSortStyle::ssDate;
    } else if (K1.TimeDigits && K2.HasTimeSeparator) {
        return TSortStyle::ssTime;
    }
    return FSettings.IgnoreCase() ? TSortStyle::ssAlphaNoCase : TSortStyle::ssAlphabetic;
}

bool TRowSorter::IsBlank(const TColumn& Column, TCellKey& K)
{
    if (!(K.Have & TCellKey::kBlank)) {
        QString s = K.Text();
        RemoveFirst(s, Column.Prefix);
        RemoveFirst(s, Column.Suffix);
        K.Blank = s.isEmpty();
        K.Have |= TCellKey::kBlank;
    }
    return K.Blank;
}

void TRowSorter::NumberOf(const TColumn& Column, TCellKey& K)
{
    if (K.Have & TCellKey::kNumber)
        return;
    K.Have |= TCellKey::kNumber;
    QString s = K.Text();
    RemoveFirst(s, Column.Prefix);
    RemoveFirst(s, Column.Suffix);
    if (Column.Style == TSortStyle::ssFinancial)
        s.remove(FThousand);
    if (FDecimal != QLatin1Char('.')) {
        const qsizetype at = s.indexOf(FDecimal);
        if (at >= 0)
            s[at] = QLatin1Char('.');
    }
    double digits = 0;
    K.NumberOk = ParsePlainNumber(s, K.NumberValue, digits);
    if (!K.NumberOk) {
        const bool shownEmpty =
            FSettings.SortOnVirtualCells() ? K.Text().isEmpty() : FSource.SortCellText(Column.Col, K.Row).isEmpty();
        K.NumberOk = shownEmpty;
        K.NumberValue = shownEmpty ? 0 : digits;
    }
}

int TRowSorter::CompareNumbers(const TColumn& Column, TCellKey& K1, TCellKey& K2)
{
    NumberOf(Column, K1);
    NumberOf(Column, K2);
    if (!K1.NumberOk && !K2.NumberOk)
        return 0;
    return CompareValues(K1.NumberValue, K2.NumberValue);
}

void TRowSorter::UpperOf(TCellKey& K)
{
    if (!(K.Have & TCellKey::kUpper)) {
        K.Upper = UpperAsciiLetters(K.Text());
        K.Have |= TCellKey::kUpper;
    }
}

// When every cell of a column compares the same way whatever its partner (all numbers, or all plain text), its
// sort keys go into one compact array: the sort then reads a number or a text without the rest of what is known
// of the cell, and the full keys are never made. Tried once per column and sort, for the sort column and for
// every column a tie reaches, so that ties cost no more than the first comparison.
void TRowSorter::PrepareDense(TColumn& Column)
{
    Column.DenseTried = true;
    bool numbers = Column.Style == TSortStyle::ssNumeric || Column.Style == TSortStyle::ssFinancial;
    bool texts = Column.Style == TSortStyle::ssAlphabetic || Column.Style == TSortStyle::ssAlphaCase ||
                 Column.Style == TSortStyle::ssAlphaNoCase;
    const bool automatic = Column.Style == TSortStyle::ssAutomatic;
    const bool noCase = automatic ? FSettings.IgnoreCase() : Column.Style == TSortStyle::ssAlphaNoCase;
    numbers = numbers || automatic;
    texts = texts || automatic;
    if (!FSettings.IgnoreBlanks() && (numbers || texts)) {
        const std::size_t n = std::size_t(FLast - FFirst + 1);
        Column.Dense.resize(n);
        Column.DenseTexts.reserve(n);
        TCellKey k;
        for (std::size_t i = 0; i < n && (numbers || texts); ++i) {
            k = TCellKey{};
            LoadText(Column, FFirst + int(i), k);
            if (automatic) {
                // A number needs no look for date or time separators: it ends the plain-text reading anyway.
                const bool checkBox = FSource.SortIsCheckBox(Column.Col, k.Row);
                const bool number = !checkBox && IsNumber(k);
                numbers = numbers && number;
                if (texts && (checkBox || number))
                    texts = false;
                else if (texts) {
                    Recognition(Column, k);
                    texts = !(k.DatePosition && k.DateDigits) && !(!k.DatePosition && k.TimeDigits);
                }
            }
            TDenseKey& d = Column.Dense[i];
            if (numbers) {
                NumberOf(Column, k);
                numbers = k.NumberOk;   // a pair that both fail compares equal: not a plain order of numbers
                d.Number = k.NumberValue;
            }
            if (texts) {
                // Texts the cell store does not keep still are kept here, so that the key can point into them.
                if (noCase)
                    Column.DenseTexts.push_back(UpperAsciiLetters(k.Text()));
                else if (!k.TextRef)
                    Column.DenseTexts.push_back(k.OwnText);
                const QString& s = noCase || !k.TextRef ? Column.DenseTexts.back() : *k.TextRef;
                // The first four code units, high first: most pairs differ there and need no look at the text.
                std::uint64_t head = 0;
                for (qsizetype u = 0; u < 4; ++u)
                    head = (head << 16) | (u < s.size() ? s[u].unicode() : 0u);
                d.Head = head;
                d.Chars = s.constData();
                d.Length = s.size();
            }
        }
        if (numbers || texts) {
            Column.DenseNumbers = numbers;
            return;
        }
        Column.Dense = {};
        Column.DenseTexts = {};
    }
    TCellKey scratch;
    for (int r = FFirst; r <= FLast; ++r)   // in row order, before the sort visits the rows at random
        KeyOf(Column, r, scratch);
}

int TRowSorter::CompareByStyle(TSortStyle Style, TColumn& Column, TCellKey& K1, TCellKey& K2)
{
    const int col = Column.Col;
    switch (Style) {
    case TSortStyle::ssAutomatic:
    case TSortStyle::ssAlphabetic:
    case TSortStyle::ssAlphaCase:
    case TSortStyle::ssAlphaNumeric:
    case TSortStyle::ssAlphaNumericNoCase:
        return Sign(QString::compare(K1.Text(), K2.Text(), Qt::CaseSensitive));
    case TSortStyle::ssAlphaNoCase:
        UpperOf(K1);
        UpperOf(K2);
        return Sign(QString::compare(K1.Upper, K2.Upper, Qt::CaseSensitive));
    case TSortStyle::ssHTML:
        for (TCellKey* k : {&K1, &K2})
            if (!(k->Have & TCellKey::kStripped)) {
                k->Stripped = FSource.SortStrippedCellText(col, k->Row);
                k->Have |= TCellKey::kStripped;
            }
        return Sign(QString::compare(K1.Stripped, K2.Stripped, Qt::CaseSensitive));
    case TSortStyle::ssAnsiAlphaCase:
    case TSortStyle::ssAnsiAlphaNoCase: {
        if (!FCollators)
            FCollators = std::make_unique<TCollators>();
        QCollator& c = Style == TSortStyle::ssAnsiAlphaCase ? FCollators->CaseSensitive : FCollators->CaseInsensitive;
        return Sign(c.compare(K1.Text(), K2.Text()));
    }
    case TSortStyle::ssNumeric:
    case TSortStyle::ssFinancial:
        return CompareNumbers(Column, K1, K2);
    case TSortStyle::ssDate:
    case TSortStyle::ssDateTime:
    case TSortStyle::ssShortDateEU:
    case TSortStyle::ssShortDateUS:
        // One column keeps one date reading: its style, or the regional one that recognition chooses.
        for (TCellKey* k : {&K1, &K2})
            if (!(k->Have & TCellKey::kDate)) {
                k->Have |= TCellKey::kDate;
                if (Style == TSortStyle::ssShortDateEU || Style == TSortStyle::ssShortDateUS)
                    k->DateValue = ParseShortDate(k->Text(), Style == TSortStyle::ssShortDateUS);
                else if (k->Text().isEmpty() || !ParseDateByLocaleOrder(k->Text(), k->DateValue))
                    k->DateValue = 0;
            }
        return CompareValues(K1.DateValue, K2.DateValue);
    case TSortStyle::ssTime:
        for (TCellKey* k : {&K1, &K2})
            if (!(k->Have & TCellKey::kTime)) {
                k->TimeValue = ParseTime(k->Text(), FTimeSeparator);
                k->Have |= TCellKey::kTime;
            }
        return CompareValues(K1.TimeValue, K2.TimeValue);
    case TSortStyle::ssCheckBox:
        for (TCellKey* k : {&K1, &K2})
            if (!(k->Have & TCellKey::kCheck)) {
                k->Checked = FSource.SortCheckBoxState(col, k->Row);
                k->Have |= TCellKey::kCheck;
            }
        return CompareValues(K1.Checked, K2.Checked);
    case TSortStyle::ssImages:
        for (TCellKey* k : {&K1, &K2})
            if (!(k->Have & TCellKey::kGraphic)) {
                k->Graphic = FSource.SortGraphicKey(col, k->Row);
                k->Have |= TCellKey::kGraphic;
            }
        return CompareValues(K1.Graphic, K2.Graphic);
    case TSortStyle::ssCustom:
        return Sign(FSource.SortCustomCompare(K1.Text(), K2.Text()));
    case TSortStyle::ssRaw:
        return Sign(FSource.SortRawCompare(col, K1.Row, K2.Row));
    }
    return 0;
}

int TRowSorter::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction)
{
    ++FCompares;
    TColumn& column = ColumnOf(ACol);
    if (ARow1 >= FFirst && ARow1 <= FLast && ARow2 >= FFirst && ARow2 <= FLast) {
        if (!column.DenseTried)
            PrepareDense(column);
        if (!column.Dense.empty()) {
            const TDenseKey& d1 = column.Dense[std::size_t(ARow1 - FFirst)];
            const TDenseKey& d2 = column.Dense[std::size_t(ARow2 - FFirst)];
            if (column.DenseNumbers)
                return CompareValues(d1.Number, d2.Number);
            if (d1.Head != d2.Head)
                return CompareValues(d1.Head, d2.Head);
            return Sign(
                QStringView(d1.Chars, d1.Length).compare(QStringView(d2.Chars, d2.Length), Qt::CaseSensitive));
        }
    }
    TCellKey scratch1, scratch2;
    TCellKey& k1 = KeyOf(column, ARow1, scratch1);
    TCellKey& k2 = KeyOf(column, ARow2, scratch2);
    if (FSettings.IgnoreBlanks()) {
        // Blanks go first or last whatever the direction: the sort turns a descending result round.
        const bool blank1 = IsBlank(column, k1), blank2 = IsBlank(column, k2);
        if (blank1 != blank2) {
            int r = blank1 == (FSettings.BlankPos() == TSortBlankPosition::blFirst) ? -1 : 1;
            return Direction == TSortDirection::sdDescending ? -r : r;
        }
    }
    TSortStyle style = column.Style;
    if (style == TSortStyle::ssAutomatic)
        style = Recognize(column, k1, k2);
    else if (style == TSortStyle::ssAlphaNumeric || style == TSortStyle::ssAlphaNumericNoCase) {
        const bool numbers = IsNumber(k1) && IsNumber(k2);
        style = numbers                                      ? TSortStyle::ssNumeric
                : style == TSortStyle::ssAlphaNumeric ? TSortStyle::ssAlphabetic
                                                      : TSortStyle::ssAlphaNoCase;
    }
    return CompareByStyle(style, column, k1, k2);
}

int TRowSorter::CompareRowsByColumn(int ACol, int ARow1, int ARow2)
{
    if (ColumnOf(ACol).Ignored)
        return 0;
    const int r = CompareCells(ACol, ARow1, ARow2, FSettings.Direction());
    return r != 0 ? r : CompareTies(ACol, ARow1, ARow2);
}

// Rows equal in ACol: a full sort goes on through the columns after it.
int TRowSorter::CompareTies(int ACol, int ARow1, int ARow2)
{
    int r = 0;
    if (FSettings.Full())
        for (int c = ACol + 1; r == 0 && c < FSource.SortColCount(); ++c)
            if (!ColumnOf(c).Ignored)
                r = CompareCells(c, ARow1, ARow2, FSettings.Direction());
    return r;
}

int TRowSorter::CompareRowsByIndex(const TSortIndexList& Indexes, int Index, int ARow1, int ARow2)
{
    for (int i = Index; i < Indexes.Count(); ++i) {
        const int col = Indexes.SortColumns(i);
        const bool ascending = Indexes.SortDirections(i);
        int r = 0;
        if (!ColumnOf(col).Ignored) {
            r = CompareCells(col, ARow1, ARow2,
                             ascending ? TSortDirection::sdAscending : TSortDirection::sdDescending);
            if (!ascending)
                r = -r;
        }
        if (r != 0 || !FSettings.Full())
            return r;
    }
    return 0;
}

// Bottom-up merge sort. An item is taken from the right run only when it is strictly before the left one, so
// equal items keep their order; any answer of Cmp keeps every index inside the array.
template <typename TItem, typename Compare>
void TRowSorter::StableSort(std::vector<TItem>& Rows, Compare Cmp)
{
    const std::size_t n = Rows.size();
    constexpr std::size_t kRun = 16;
    for (std::size_t s = 0; s < n; s += kRun) {
        const std::size_t e = std::min(s + kRun, n);
        for (std::size_t i = s + 1; i < e; ++i) {
            const TItem x = Rows[i];
            std::size_t j = i;
            for (; j > s && Cmp(x, Rows[j - 1]) < 0; --j)
                Rows[j] = Rows[j - 1];
            Rows[j] = x;
        }
    }
    std::vector<TItem> merged(n);
    for (std::size_t width = kRun; width < n; width *= 2) {
        for (std::size_t lo = 0; lo < n; lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
            std::size_t i = lo, j = mid, k = lo;
            const bool inOrder = mid == hi || Cmp(Rows[mid], Rows[mid - 1]) >= 0;
            while (!inOrder && i < mid && j < hi)
                merged[k++] = Cmp(Rows[j], Rows[i]) < 0 ? Rows[j++] : Rows[i++];
            while (i < mid)
                merged[k++] = Rows[i++];
            while (j < hi)
                merged[k++] = Rows[j++];
        }
        Rows.swap(merged);
    }
}

std::vector<int> TRowSorter::SortByColumn(int ACol, int First, int Last)
{
    std::vector<int> rows(std::size_t(std::max(Last - First + 1, 0)));
    std::iota(rows.begin(), rows.end(), First);
    if (ACol < 0 || rows.size() < 2)
        return rows;
    BeginRange(First, Last);
    const int dir = FSettings.Direction() == TSortDirection::sdDescending ? -1 : 1;
    TColumn& column = ColumnOf(ACol);
    if (!column.Ignored && !column.DenseTried)
        PrepareDense(column);
    if (!column.Ignored && column.DenseNumbers && !column.Dense.empty()) {
        // Each number beside its row: the sort reads keys in the order it visits them, not row by row at random.
        struct TNumberedRow {
            double Number;
            int Row;
        };
        std::vector<TNumberedRow> items(rows.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i] = {column.Dense[i].Number, rows[i]};
        StableSort(items, [&](const TNumberedRow& a, const TNumberedRow& b) {
            ++FCompares;
            const int r = CompareValues(a.Number, b.Number);
            return dir * (r != 0 ? r : CompareTies(ACol, a.Row, b.Row));
        });
        for (std::size_t i = 0; i < items.size(); ++i)
            rows[i] = items[i].Row;
    } else {
        StableSort(rows, [&](int a, int b) { return dir * CompareRowsByColumn(ACol, a, b); });
    }
    BeginRange(0, -1);
    return rows;
}

std::vector<int> TRowSorter::SortByIndexes(const TSortIndexList& Indexes, int First, int Last)
{
    std::vector<int> rows(std::size_t(std::max(Last - First + 1, 0)));
    std::iota(rows.begin(), rows.end(), First);
    if (Indexes.Count() == 0 || rows.size() < 2)
        return rows;
    BeginRange(First, Last);
    StableSort(rows, [&](int a, int b) { return CompareRowsByIndex(Indexes, 0, a, b); });
    BeginRange(0, -1);
    return rows;
}

void TSortXRef::Init(int Count)
{
    FItems.resize(std::size_t(std::max(Count, 0)));
    std::iota(FItems.begin(), FItems.end(), 0);
}

void TSortXRef::Apply(const std::vector<int>& Perm, int First)
{
    ApplyRowPermutation(FItems, Perm, First);
}

std::vector<int> TSortXRef::UnSortPermutation() const
{
    std::vector<int> perm(FItems.size());
    std::iota(perm.begin(), perm.end(), 0);
    std::stable_sort(perm.begin(), perm.end(), [this](int a, int b) { return FItems[std::size_t(a)] < FItems[std::size_t(b)]; });
    return perm;
}
