#pragma once
// Filter conditions matched against cell values, and the date parsers of filtering, sorting and pasting.
#include "grid/foundation/GridTypes.h"
#include <QLocale>
#include <QString>
#include <cstdint>
#include <vector>

class QDate;
class QDateTime;

// Terms joined by "&" (and), ";" "^" "|" (or), grouped by parentheses, evaluated left to right.
bool MatchFilterExpression(const QString& Condition, const QString& Value, bool CaseSensitive);

// The regional marks that reading numbers and dates depends on, read once for many values.
struct TRegionalMarks {
    QChar DateSeparator, TimeSeparator, Thousand, Decimal;
    char DateOrder[3] = {'D', 'M', 'Y'};   // as the short date format orders them
    QLocale C = QLocale::c();
    static TRegionalMarks Current();
};

// One term of a condition with its bounds read: what stays the same for every value it is matched against.
struct TFilterTerm {
    struct TBound {
        QString Text;
        bool Inclusive = false, IsNumber = false, IsDate = false;
        double Number = 0;
        TDateTime Date = 0;
    };
    QString Term;
    bool HasGreater = false, HasLess = false, Bang = false, Caret = false, Amp = false;
    TBound Greater, Less;

    TFilterTerm(const QString& Term, const TRegionalMarks& Marks);
    bool Match(const QString& Value, const TRegionalMarks& Marks) const;
};

// A condition split into its terms once (upper-cased once when case does not count), for matching many values.
class TFilterCondition {
public:
    TFilterCondition(const QString& Condition, bool CaseSensitive);
    bool Match(const QString& Value) const;

private:
    struct TPart {
        QChar Operator;     // the one before the part; null for the first
        TFilterTerm Term;
        int Group = -1;     // a parenthesised group instead of a term
    };
    int Parse(QString Condition);
    bool MatchGroup(int Group, const QString& Value) const;

    bool FCaseSensitive;
    TRegionalMarks FMarks;
    std::vector<std::vector<TPart>> FGroups;   // group 0 is the whole condition
};

bool MatchFilterTerm(const QString& Term, const QString& Value);
QString StripSpacesOutsideQuotes(const QString& S);
int MatchingParenPos(const QString& S);
QString NormalizeNumberText(const QString& S);

bool ParseDateByLocaleOrder(const QString& S, TDateTime& DateTime);
TDateTime ParseDateMDY(const QString& S);   // 0 when the text does not parse; EConvertError for no such date
TDateTime ParseDateDMY(const QString& S);
bool LooksLikeDate(const QString& S);
TDateTime IncDateParts(std::uint16_t Years, std::uint16_t Months, std::uint16_t Days, TDateTime Base, TDateTime Delta);

// The toolkit's date encoding; EConvertError for a date that does not exist.
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime ToDateTime(const QDateTime& Value);
QDateTime FromDateTime(TDateTime Value);
QDate DateOf(TDateTime Value);
