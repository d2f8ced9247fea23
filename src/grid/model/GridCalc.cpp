#include "grid/model/GridCalc.h"

#include <QSet>
#include <cmath>
#include <exception>

namespace {
bool IsCounted(const TCalcSource& Source, int Col, int Row)
{
    return !Source.Counted || Source.Counted(Col, Row);
}

// Calls Visit with each counted cell's value, passing over those that do not read as numbers.
template <typename Visit>
void ForCountedValues(const TCalcSource& Source, int FromCol, int ToCol, int FromRow, int ToRow, Visit visit)
{
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c) {
            if (!IsCounted(Source, c, r))
                continue;
            double value;
            try {
                value = Source.Floats(c, r);
            } catch (const std::exception&) {
                continue;
            }
            visit(value);
        }
}

double Extreme(const TCalcSource& Source, int FromCol, int ToCol, int FromRow, int ToRow, bool Largest)
{
    double result = Source.Floats(FromCol, FromRow);
    ForCountedValues(Source, FromCol, ToCol, FromRow, ToRow, [&](double v) {
        if (Largest ? v > result : v < result)
            result = v;
    });
    return result;
}

double Average(double Sum, int Count) { return Count > 0 ? Sum / Count : 0.0; }
} // namespace

double ColumnSum(const TCalcSource& Source, int ACol, int FromRow, int ToRow)
{
    double sum = 0;
    ForCountedValues(Source, ACol, ACol, FromRow, ToRow, [&](double v) { sum += v; });
    return sum;
}

double ColumnAvg(const TCalcSource& Source, int ACol, int FromRow, int ToRow)
{
    return Average(ColumnSum(Source, ACol, FromRow, ToRow), ToRow - FromRow + 1);
}

double ColumnMin(const TCalcSource& Source, int ACol, int FromRow, int ToRow)
{
    return Extreme(Source, ACol, ACol, FromRow, ToRow, false);
}

double ColumnMax(const TCalcSource& Source, int ACol, int FromRow, int ToRow)
{
    return Extreme(Source, ACol, ACol, FromRow, ToRow, true);
}

double ColumnStdDev(const TCalcSource& Source, int ACol, int FromRow, int ToRow)
{
    const int n = ToRow - FromRow + 1;
    if (n <= 0)
        return 0.0;   // no rows, no spread (not zero divided by zero)
    const double avg = ColumnAvg(Source, ACol, FromRow, ToRow);
    double sum = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        const double d = Source.Floats(ACol, r) - avg;
        sum += d * d;
    }
    return std::sqrt(sum / n);
}

int ColumnDistinct(const TCalcSource& Source, int ACol, int FromRow, int ToRow)
{
    QSet<QString> seen;
    for (int r = FromRow; r <= ToRow; ++r)
        seen.insert(Source.Cells(ACol, r).toCaseFolded());
    return int(seen.size());
}

double RowSum(const TCalcSource& Source, int ARow, int FromCol, int ToCol)
{
    double sum = 0;
    ForCountedValues(Source, FromCol, ToCol, ARow, ARow, [&](double v) { sum += v; });
    return sum;
}

double RowAvg(const TCalcSource& Source, int ARow, int FromCol, int ToCol)
{
    return Average(RowSum(Source, ARow, FromCol, ToCol), ToCol - FromCol + 1);
}

double RowMin(const TCalcSource& Source, int ARow, int FromCol, int ToCol)
{
    return Extreme(Source, FromCol, ToCol, ARow, ARow, false);
}

double RowMax(const TCalcSource& Source, int ARow, int FromCol, int ToCol)
{
    return Extreme(Source, FromCol, ToCol, ARow, ARow, true);
}

TColumnCalcType GroupCalcKind(int Method)
{
    switch (Method) {
    case 1: return TColumnCalcType::acSUM;
    case 2: return TColumnCalcType::acAVG;
    case 3: return TColumnCalcType::acMIN;
    case 4: return TColumnCalcType::acMAX;
    case 5: return TColumnCalcType::acCOUNT;
    case 6: return TColumnCalcType::acCUSTOM;
    case 7: return TColumnCalcType::acDISTINCT;
    case 8: return TColumnCalcType::acSTDDEV;
    default: return TColumnCalcType::acNONE;
    }
}

std::optional<double> ColumnCalcValue(TColumnCalcType Kind, const TCalcSource& Source, int ACol, int FromRow,
                                      int ToRow)
{
    switch (Kind) {
    case TColumnCalcType::acSUM: return ColumnSum(Source, ACol, FromRow, ToRow);
    case TColumnCalcType::acAVG: return ColumnAvg(Source, ACol, FromRow, ToRow);
    case TColumnCalcType::acMIN: return ColumnMin(Source, ACol, FromRow, ToRow);
    case TColumnCalcType::acMAX: return ColumnMax(Source, ACol, FromRow, ToRow);
    case TColumnCalcType::acDISTINCT: return ColumnDistinct(Source, ACol, FromRow, ToRow);
    case TColumnCalcType::acSTDDEV: return ColumnStdDev(Source, ACol, FromRow, ToRow);
    default: return std::nullopt;
    }
}

std::optional<double> FooterCalcValue(TColumnCalcType Kind, const TCalcSource& Source, int ACol, int FixedRows,
                                      int RowCount, int Hidden)
{
    if (Kind == TColumnCalcType::acCOUNT)
        return double(Hidden + RowCount - FixedRows - 1);
    return ColumnCalcValue(Kind, Source, ACol, FixedRows, RowCount - 2 + Hidden);
}

QString ExpandFooterTemplate(const QString& Template, int ColCount, const std::function<QString(int Col)>& Cell)
{
    QString out;
    qsizetype at = 0;
    for (;;) {
        const qsizetype open = Template.indexOf(QLatin1String("<#"), at);
        const qsizetype close = open < 0 ? -1 : Template.indexOf(QLatin1Char('>'), open + 2);
        if (close < 0)
            break;
        out += Template.mid(at, open - at);
        bool isNumber = false;
        const int col = Template.mid(open + 2, close - open - 2).toInt(&isNumber);
        if (isNumber && col >= 0 && col < ColCount)
            out += Cell(col);
        at = close + 1;
    }
    return out + Template.mid(at);
}
