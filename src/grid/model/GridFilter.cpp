#include "grid/model/GridFilter.h"
#include "grid/model/GridText.h"
#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kMaxOperand = 255;
const QDate kEpoch(1899, 12, 30);

bool ToWholeNumber(const QString& s, int& value)
{
    bool ok = false;
    value = s.trimmed().toInt(&ok, 10);
    return ok;
}

// The operand after the operator at index at (and after an "=" right behind it, which makes the test
// inclusive). A quoted operand runs to its closing quote, blanks and operators included.
QString ReadOperand(const QString& term, qsizetype at, bool& inclusive)
{
    qsizetype i = at + 1;
    inclusive = i < term.size() && term[i] == QLatin1Char('=');
    if (inclusive)
        ++i;
    while (i < term.size() && term[i] == QLatin1Char(' '))
        ++i;
    QString operand;
    if (i < term.size() && term[i] == QLatin1Char('"')) {
        ++i;
        while (i < term.size() && term[i] != QLatin1Char('"'))
            operand += term[i++];
    } else {
        while (i < term.size() && term[i] != QLatin1Char(' ') && term[i] != QLatin1Char('&') &&
               term[i] != QLatin1Char('|'))
            operand += term[i++];
    }
    return operand.left(kMaxOperand);
}

bool ParseDateWith(const TRegionalMarks& Marks, const QString& S, TDateTime& DateTime);

bool ToNumber(const TRegionalMarks& Marks, const QString& s, double& value)
{
    TDateTime date;
    if (ParseDateWith(Marks, s, date))
        return false;   // "01.02.2020" would otherwise read as 1022020
    bool ok = false;
    if (s.contains(Marks.Thousand) || (Marks.Decimal != QLatin1Char('.') && s.contains(Marks.Decimal))) {
        QString n = s;
        n.remove(Marks.Thousand);
        n.replace(Marks.Decimal, QLatin1Char('.'));
        value = Marks.C.toDouble(n, &ok);
    } else {
        value = Marks.C.toDouble(s, &ok);
    }
    return ok && std::isfinite(value);   // "nan" and "inf" are words here, not numbers
}

// A value's number and date, read the first time a bound needs them.
struct TValueReading {
    const QString& Value;
    const TRegionalMarks& Marks;
    bool NumberRead = false, DateRead = false, IsNumber = false, IsDate = false;
    double Number = 0;
    TDateTime Date = 0;

    // -1, 0 or 1 as the value compares with the bound: numbers, else dates, else texts.
    int Compare(const TFilterTerm::TBound& Bound)
    {
        if (!NumberRead) {
            IsNumber = ToNumber(Marks, Value, Number);
            NumberRead = true;
        }
        if (IsNumber && Bound.IsNumber)
            return Number < Bound.Number ? -1 : (Number > Bound.Number ? 1 : 0);
        if (!DateRead) {
            IsDate = ParseDateWith(Marks, Value, Date);
            DateRead = true;
        }
        if (IsDate && Bound.IsDate)
            return Date < Bound.Date ? -1 : (Date > Bound.Date ? 1 : 0);
        const int c = QStringView(Value).left(kMaxOperand).compare(Bound.Text, Qt::CaseSensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
};

// Wildcard match of a term against a value; "!" anywhere flags negation. A "*" tries every tail of the value,
// so the tails that already failed after a "*" are remembered: without that, a term with many "*" takes
// exponential time on a long value. Repeating a failed attempt could only set the negation flag again, so
// skipping it changes no result.
class TPatternMatch {
public:
    TPatternMatch(const QString& term, const QString& value) : t(term), v(value) {}
    bool Match(qsizetype ti, qsizetype vi);
    bool Negated() const { return negated; }

private:
    bool MatchTail(qsizetype ti, qsizetype vi)
    {
        if (failedAfterStar.empty())   // most terms hold no "*": no table for them
            failedAfterStar.resize(std::size_t(t.size() + 1) * std::size_t(v.size() + 1), false);
        const std::size_t key = std::size_t(ti) * std::size_t(v.size() + 1) + std::size_t(vi);
        if (failedAfterStar[key])
            return false;
        const bool matched = Match(ti, vi);
        if (!matched)
            failedAfterStar[key] = true;
        return matched;
    }

    const QString& t;
    const QString& v;
    std::vector<bool> failedAfterStar;
    bool negated = false;
};

bool TPatternMatch::Match(qsizetype ti, qsizetype vi)
{
    while (ti < t.size() && vi < v.size()) {
        const QChar c = t[ti];
        if (c == QLatin1Char('!')) {
            negated = true;
            ++ti;
        } else if (c == QLatin1Char('"')) {
            ++ti;
        } else if (c == QLatin1Char('*')) {
            while (ti < t.size() && t[ti] == QLatin1Char('*'))
                ++ti;
            for (qsizetype k = v.size(); k >= vi; --k)
                if (MatchTail(ti, k))
                    return true;
            return false;
        } else if (c == QLatin1Char('?')) {
            ++ti;
            ++vi;
        } else if (c == v[vi]) {
            ++ti;
            ++vi;
        } else
            return false;
    }
    // The value is used up: what is left of the term may only match the empty text.
    while (ti < t.size() && (t[ti] == QLatin1Char('*') || t[ti] == QLatin1Char('"') || t[ti] == QLatin1Char('!'))) {
        if (t[ti] == QLatin1Char('!'))
            negated = true;
        ++ti;
    }
    return ti == t.size() && vi == v.size();
}

// The position of the ")" that closes each "(" of s, counting as MatchingParenPos counts; -1 when none does.
std::vector<int> MatchingParens(const QString& s)
{
    std::vector<int> match(std::size_t(s.size()), -1);
    std::vector<int> open;
    for (int i = 0; i < int(s.size()); ++i) {
        if (s[i] == QLatin1Char('(')) {
            open.push_back(i);
        } else if (s[i] == QLatin1Char(')') && !open.empty()) {
            match[std::size_t(open.back())] = i;
            open.pop_back();
        }
    }
    return match;
}

bool Combine(QChar op, bool result, bool item)
{
    if (op == QChar(0))
        return item;
    if (op == QLatin1Char('&'))
        return result && item;
    if (op == QLatin1Char('(') )
        return result;
    return result || item;
}

int DatePartOrder(const QString& format, QChar letter)
{
    return int(format.indexOf(letter)) + 1;
}

TDateTime ParseDateWithOrder(const QString& S, bool monthFirst)
{
    QChar sep;
    for (QChar c : {QLatin1Char('/'), QLatin1Char('.'), QLatin1Char('-')})
        if (S.contains(c)) {
            sep = c;
            break;
        }
    if (sep.isNull())
        return 0;
    const qsizetype p1 = S.indexOf(sep);
    const qsizetype p2 = S.indexOf(sep, p1 + 1);
    if (p2 < 0)
        return 0;
    int first = 0, second = 0, year = 0;
    if (!ToWholeNumber(S.left(p1), first) || !ToWholeNumber(S.mid(p1 + 1, p2 - p1 - 1), second) ||
        !ToWholeNumber(S.mid(p2 + 1), year))
        return 0;
    if (year >= 0 && year < 26)
        year += 2000;
    else if (year >= 26 && year < 100)
        year += 1900;   // a year of three or four digits is taken as written
    return monthFirst ? EncodeDate(year, first, second) : EncodeDate(year, second, first);
}

} // namespace

TDateTime EncodeDate(int Year, int Month, int Day)
{
    const QDate d(Year, Month, Day);
    if (!d.isValid() || Year < 1 || Year > 9999)
        throw EConvertError("Invalid argument to date encode");
    return double(kEpoch.daysTo(d));
}

TDateTime ToDateTime(const QDateTime& Value)
{
    return double(kEpoch.daysTo(Value.date())) + Value.time().msecsSinceStartOfDay() / 86400000.0;
}

QDate DateOf(TDateTime Value) { return kEpoch.addDays(qint64(std::floor(Value))); }

QDateTime FromDateTime(TDateTime Value)
{
    const double days = std::floor(Value);
    const int msecs = int(std::lround((Value - days) * 86400000.0));
    return QDateTime(kEpoch.addDays(qint64(days)), QTime(0, 0).addMSecs(msecs), Qt::UTC);
}

QString StripSpacesOutsideQuotes(const QString& S)
{
    QString out;
    int quotes = 0;
    for (QChar c : S) {
        if (c == QLatin1Char('"'))
            ++quotes;
        if (c == QLatin1Char(' ') && quotes % 2 == 0)
            continue;
        out += c;
    }
    return out;
}

int MatchingParenPos(const QString& S)
{
    int open = 0, close = 0;
    for (int i = 0; i < S.size(); ++i) {
        if (S[i] == QLatin1Char('('))
            ++open;
        else if (S[i] == QLatin1Char(')')) {
            ++close;
            if (open == close)
                return i + 1;
        }
    }
    return 0;
}

QString NormalizeNumberText(const QString& S)
{
    QString s = S;
    s.remove(ThousandSeparatorChar());
    s.replace(DecimalSeparatorChar(), QLatin1Char('.'));
    return s;
}

bool MatchFilterExpression(const QString& Condition, const QString& Value, bool CaseSensitive)
{
    return TFilterCondition(Condition, CaseSensitive).Match(Value);
}

TFilterCondition::TFilterCondition(const QString& Condition, bool CaseSensitive)
    : FCaseSensitive(CaseSensitive), FMarks(TRegionalMarks::Current())
{
    Parse(Condition);
}

int TFilterCondition::Parse(QString Condition)
{
    QString cond = StripSpacesOutsideQuotes(Condition.trimmed());
    // A condition that is one group, closed or running to the end, means what the group means. The groups are
    // unwrapped here, in one pass, rather than by a call per level, so that deep nesting can neither exhaust the
    // stack nor copy the text at every level. (The blanks are gone already: a group's text has the same quotes
    // before each of its characters.)
    const std::vector<int> match = MatchingParens(cond);
    int lo = 0, hi = int(cond.size());
    for (;;) {
        while (lo < hi && cond[lo].isSpace())
            ++lo;
        while (hi > lo && cond[hi - 1].isSpace())
            --hi;
        if (lo < hi && cond[lo] == QLatin1Char('='))
            ++lo;
        if (lo == hi || cond[lo] != QLatin1Char('('))
            break;
        if (match[std::size_t(lo)] < 0 || match[std::size_t(lo)] >= hi) {
            ++lo;   // an unclosed group runs to the end
        } else if (match[std::size_t(lo)] == hi - 1) {
            ++lo;
            --hi;
        } else {
            break;
        }
    }
    cond = cond.mid(lo, hi - lo);
    const int group = int(FGroups.size());
    FGroups.emplace_back();
    QChar previous;   // null: no operator seen yet
    const auto add = [&](QString term, int child) {
        if (!FCaseSensitive)
            term = term.toUpper();
        FGroups[std::size_t(group)].push_back({previous, TFilterTerm(term, FMarks), child});
    };
    for (;;) {
        int p = 0;
        const QChar found = FindFirstOfOutsideQuotes(QStringLiteral("(;^&|"), cond, p);
        if (found.isNull())
            break;
        if (cond.startsWith(QLatin1Char('('))) {
            const int close = MatchingParenPos(cond);
            if (close == 0) {
                // An unclosed group runs to the end of the condition.
                add({}, Parse(cond.mid(1)));
                cond.clear();
            } else {
                add({}, Parse(cond.mid(1, close - 2)));
                cond.remove(0, close);
            }
        } else {
            add(cond.left(p - 1), -1);
            cond.remove(0, p);
        }
        previous = found;
    }
    add(cond, -1);
    return group;
}

bool TFilterCondition::Match(const QString& Value) const
{
    return MatchGroup(0, FCaseSensitive ? Value : Value.toUpper());
}

// Every part is matched, in order, whatever the result so far: a term that cannot be read throws as it comes.
bool TFilterCondition::MatchGroup(int Group, const QString& Value) const
{
    bool result = true;
    for (const TPart& part : FGroups[std::size_t(Group)]) {
        const bool item = part.Group >= 0 ? MatchGroup(part.Group, Value) : part.Term.Match(Value, FMarks);
        result = Combine(part.Operator, result, item);
    }
    return result;
}

bool MatchFilterTerm(const QString& Term, const QString& Value)
{
    const TRegionalMarks marks = TRegionalMarks::Current();
    return TFilterTerm(Term, marks).Match(Value, marks);
}

TFilterTerm::TFilterTerm(const QString& ATerm, const TRegionalMarks& Marks)
    : Term(ATerm), Bang(ATerm.contains(QLatin1Char('!'))), Caret(ATerm.contains(QLatin1Char('^'))),
      Amp(ATerm.contains(QLatin1Char('&')))
{
    const auto read = [&](QChar op, bool& has, TBound& bound) {
        const qsizetype at = Term.indexOf(op);
        has = at >= 0;
        if (!has)
            return;
        bound.Text = ReadOperand(Term, at, bound.Inclusive);
        bound.IsNumber = ToNumber(Marks, bound.Text, bound.Number);
        bound.IsDate = ParseDateWith(Marks, bound.Text, bound.Date);
    };
    read(QLatin1Char('>'), HasGreater, Greater);
    read(QLatin1Char('<'), HasLess, Less);
}

bool TFilterTerm::Match(const QString& Value, const TRegionalMarks& Marks) const
{
    TValueReading reading{Value, Marks};
    bool greater = true, less = true;
    if (HasGreater) {
        const int c = reading.Compare(Greater);
        greater = Greater.Inclusive ? c >= 0 : c > 0;
    }
    if (HasLess) {
        const int c = reading.Compare(Less);
        less = Less.Inclusive ? c <= 0 : c < 0;
    }
    // A negation takes part in the "^" and "&" decisions below as both bounds.
    const bool boundGreater = HasGreater || Bang, boundLess = HasLess || Bang;
    if (Caret && (boundGreater || boundLess))
        return less || greater;
    if (Amp && boundGreater && boundLess)
        return less && greater;
    if (HasGreater && greater)
        return true;
    if (HasLess && less)
        return true;
    TPatternMatch pattern(Term, Value);
    const bool matched = pattern.Match(0, 0);
    return pattern.Negated() ? !matched : matched;
}

TRegionalMarks TRegionalMarks::Current()
{
    TRegionalMarks m;
    m.DateSeparator = DateSeparatorChar();
    m.TimeSeparator = TimeSeparatorChar();
    m.Thousand = ThousandSeparatorChar();
    m.Decimal = DecimalSeparatorChar();
    const QString format = ShortDateFormatText().toUpper();
    struct Field { int pos; char which; };
    Field order[3] = {{DatePartOrder(format, QLatin1Char('D')), 'D'},
                      {DatePartOrder(format, QLatin1Char('M')), 'M'},
                      {DatePartOrder(format, QLatin1Char('Y')), 'Y'}};
    std::stable_sort(std::begin(order), std::end(order), [](Field a, Field b) { return a.pos < b.pos; });
    for (int i = 0; i < 3; ++i)
        m.DateOrder[i] = order[i].which;
    return m;
}

bool ParseDateByLocaleOrder(const QString& S, TDateTime& DateTime)
{
    return ParseDateWith(TRegionalMarks::Current(), S, DateTime);
}

namespace {
bool ParseDateWith(const TRegionalMarks& Marks, const QString& S, TDateTime& DateTime)
{
    const QChar sep = Marks.DateSeparator;
    const qsizetype p1 = S.indexOf(sep);
    if (p1 < 0)
        return false;
    const qsizetype p2 = S.indexOf(sep, p1 + 1);
    if (p2 < 0)
        return false;
    int values[3] = {0, 0, 0};
    if (!ToWholeNumber(S.left(p1), values[0]) || !ToWholeNumber(S.mid(p1 + 1, p2 - p1 - 1), values[1]))
        return false;
    QString rest = S.mid(p2 + 1).trimmed();
    QString timeText;
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        timeText = rest.mid(blank).trimmed();
        rest = rest.left(blank);
    }
    if (!ToWholeNumber(rest, values[2]))
        return false;
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i)
        (Marks.DateOrder[i] == 'D' ? day : Marks.DateOrder[i] == 'M' ? month : year) = values[i];
    if (day > 31 || month > 12)
        return false;
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    if (timeText.isEmpty()) {
        DateTime = double(kEpoch.daysTo(date));
        return true;
    }
    const QChar timeSep = Marks.TimeSeparator;
    const qsizetype t1 = timeText.indexOf(timeSep);
    if (t1 < 0) {
        DateTime = double(kEpoch.daysTo(date));
        return false;
    }
    int hours = 0, minutes = 0, seconds = 0;
    if (!ToWholeNumber(timeText.left(t1), hours) || hours > 23)
        return false;
    const qsizetype t2 = timeText.indexOf(timeSep, t1 + 1);
    const QString minuteText = t2 < 0 ? timeText.mid(t1 + 1) : timeText.mid(t1 + 1, t2 - t1 - 1);
    if (!ToWholeNumber(minuteText, minutes) || minutes > 59)
        return false;
    if (t2 >= 0 && (!ToWholeNumber(timeText.mid(t2 + 1), seconds) || seconds > 60))
        return false;
    const QTime time(hours, minutes, seconds);
    if (!time.isValid())
        return false;
    DateTime = ToDateTime(QDateTime(date, time, Qt::UTC));
    return true;
}
} // namespace

TDateTime ParseDateMDY(const QString& S) { return ParseDateWithOrder(S, true); }
TDateTime ParseDateDMY(const QString& S) { return ParseDateWithOrder(S, false); }

bool LooksLikeDate(const QString& S)
{
    const QChar sep = DateSeparatorChar();
    const qsizetype first = S.indexOf(sep);
    return first >= 1 && S.indexOf(sep, first + 2) >= 0;
}

TDateTime IncDateParts(std::uint16_t Years, std::uint16_t Months, std::uint16_t Days, TDateTime Base, TDateTime Delta)
{
    const QDate base = DateOf(Base);
    if (Days != 0 && Years == 0 && Months == 0)
        return Base + Days;
    if (Years != 0 && Months == 0 && Days == 0)
        return EncodeDate(base.year() + Years, base.month(), base.day());
    if (Months != 0 && Years == 0 && Days == 0) {
        int year = base.year();
        int month = std::uint16_t(base.month() + Months);
        if (month == 0) {
            month = 12;
            --year;
        } else if (month > 12) {
            month -= 12;
            ++year;
        }
        return EncodeDate(year, month, base.day());
    }
    return Base + Delta;
}
