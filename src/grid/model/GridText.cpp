#include "grid/model/GridText.h"
#include "grid/model/CodePage.h"
#include "platform/GridCoord.h"
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace {

constexpr QChar CR = QLatin1Char('\r');
constexpr QChar LF = QLatin1Char('\n');
const QString CRLF = QStringLiteral("\r\n");

// The first character of a locale text that is not a letter: the separator of a date or time format.
QChar FirstSeparatorOf(const QString& format, QChar fallback)
{
    for (QChar c : format)
        if (!c.isLetter())
            return c;
    return fallback;
}

bool IsExponentChar(QChar ch) { return ch == QLatin1Char('e') || ch == QLatin1Char('E'); }

// IsNumberTextChar with the separators read once by the caller.
bool IsNumberTextCharWith(QChar ch, QChar thousand, QChar decimal)
{
    return ch.isNumber() || ch == thousand || ch == decimal || IsExponentChar(ch);
}

// The character of page To whose byte shows C in page From ("?" when From lacks it).
QString Recode(const QString& s, TCodePage from, TCodePage to)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        const int b = CodePageByte(c.unicode(), from);
        out += QChar(CodePageChar(static_cast<unsigned char>(b < 0 ? '?' : b), to));
    }
    return out;
}

// Toolkit's Pos: 0 for an empty part.
int Pos(const QString& sub, const QString& s) { return sub.isEmpty() ? 0 : int(s.indexOf(sub)) + 1; }

// A whole decimal number, optionally signed, nothing else.
bool ToWholeNumber(const QString& s, int& value)
{
    if (s.isEmpty() || s.front().isSpace() || s.back().isSpace())
        return false;
    bool ok = false;
    value = s.toInt(&ok, 10);
    return ok;
}

} // namespace

int Nearest(double x) { return int(std::nearbyint(x)); }

QChar TimeSeparatorChar() { return FirstSeparatorOf(QLocale().timeFormat(QLocale::ShortFormat), QLatin1Char(':')); }
QChar DateSeparatorChar() { return FirstSeparatorOf(QLocale().dateFormat(QLocale::ShortFormat), QLatin1Char('/')); }
QChar ThousandSeparatorChar()
{
    const QString s = QLocale().groupSeparator();
    return s.isEmpty() ? QLatin1Char(',') : s.front();
}
QChar DecimalSeparatorChar()
{
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.front();
}
QString ShortDateFormatText() { return QLocale().dateFormat(QLocale::ShortFormat); }

bool IsNumberChar(QChar ch) { return ch.isNumber(); }
bool IsNumberOrMinus(QChar ch) { return ch.isNumber() || ch == QLatin1Char('-'); }
bool IsNumberTextChar(QChar ch) { return IsNumberTextCharWith(ch, ThousandSeparatorChar(), DecimalSeparatorChar()); }
bool IsPlainNumberChar(QChar ch)
{
    return ch.isNumber() || ch == QLatin1Char('-') || ch == QLatin1Char('.') || IsExponentChar(ch) || ch == QLatin1Char('+');
}
bool IsSignedNumberTextChar(QChar ch)
{
    return IsNumberTextChar(ch) || ch == QLatin1Char('+') || ch == QLatin1Char('-');
}
bool IsWordSeparator(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\'') || ch == QLatin1Char(',') || ch == QLatin1Char('-') ||
           ch == QLatin1Char('.');
}

TNumberTextKind ClassifyNumberText(const QString& S) { return ClassifyNumberTextWith(S, ThousandSeparatorChar(), DecimalSeparatorChar()); }

TNumberTextKind ClassifyNumberTextWith(const QString& S, QChar thousand, QChar decimal)
{
    using K = TNumberTextKind;
    if (S.isEmpty())
        return K::ntNotNumber;
    const QChar minus = QLatin1Char('-');
    bool allDigits = true, separatorsOk = true, exponentOk = true, hasExponent = false;
    int lastThousand = -1, decimals = 0, minuses = 0;
    const int n = int(S.size());
    for (int i = 1; i <= n; ++i) {
        const QChar ch = S[i - 1];
        if (!ch.isNumber() && ch != minus)
            allDigits = false;
        if (IsExponentChar(ch)) {
            if (hasExponent)
                exponentOk = false;
            hasExponent = true;
        }
        if (i > 1 && ch == minus)
            allDigits = separatorsOk = false;
        if (i == 1 && IsExponentChar(ch))
            exponentOk = false;
        if (i == n && (IsExponentChar(ch) || ch == QLatin1Char('+') || ch == minus))
            exponentOk = false;
        if (!ch.isNumber() && ch != minus && ch != thousand && ch != decimal)
            separatorsOk = false;
        const bool signedNumberTextChar =
            IsNumberTextCharWith(ch, thousand, decimal) || ch == QLatin1Char('+') || ch == minus;
        if (!signedNumberTextChar || ch == thousand)
            exponentOk = false;
        if (ch == thousand) {
            if (lastThousand != -1 && i - lastThousand < 4)
                separatorsOk = false;
            lastThousand = i;
        }
        if (ch == decimal)
            ++decimals;
        if (ch == minus)
            ++minuses;
    }
    K result;
    if (allDigits)
        result = K::ntInteger;
    else {
        result = separatorsOk && !hasExponent ? K::ntDecimal : K::ntNotNumber;
        if (exponentOk && hasExponent)
            result = K::ntExponent;
    }
    const int allowedMinuses = result == K::ntExponent ? 2 : 1;   // mantissa and exponent may both be negative
    if (minuses > allowedMinuses || decimals > 1)
        return K::ntNotNumber;
    return result;
}

QString ExtractNumberText(const QString& S)
{
    QString s = S.trimmed();
    if (s.isEmpty())
        return QString();
    const QChar thousand = ThousandSeparatorChar();
    const QChar decimal = DecimalSeparatorChar();
    bool negative = s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'));
    while (s.size() >= 2 && !IsNumberTextCharWith(s.front(), thousand, decimal)) {
        if (s.front() == QLatin1Char('-'))
            negative = true;
        s.remove(0, 1);
    }
    QString out;
    for (QChar ch : s) {
        if (ch == thousand)
            continue;
        if (ch == decimal)
            out += QLatin1Char('.');
        else if (IsPlainNumberChar(ch))
            out += ch;
        else
            break;
    }
    return negative ? QLatin1Char('-') + out : out;
}

TCellTextKind ClassifyCellText(const QString& S, bool AllowHtml)
{
    using K = TCellTextKind;
    // Asked of every cell a paint draws: no copy, and one pass for the tags.
    if (S.isEmpty())
        return K::ctkPlain;
    if (S.front() == QLatin1Char('='))
        return K::ctkFormula;
    if (S.startsWith(QLatin1String("|\\")))
        return S.size() > 4 && S[3] == QLatin1Char('=') && S[4].unicode() == 0 ? K::ctkFormula : K::ctkWide;
    if (S.startsWith(QLatin1String("{\\")))
        return K::ctkRich;
    if (!AllowHtml)
        return K::ctkPlain;
    for (qsizetype i = S.indexOf(QLatin1Char('<')); i >= 0 && i + 1 < S.size(); i = S.indexOf(QLatin1Char('<'), i + 1)) {
        const char16_t next = S[i + 1].unicode();
        if (next == u'/' || next == u'B' || next == u'I' || next == u'C')
            return K::ctkHtml;
    }
    return K::ctkPlain;
}

QString EncodeWideCellText(const QString& W)
{
    QString out = QStringLiteral("|\\");
    out.reserve(2 + 2 * W.size());
    for (QChar c : W) {
        out += QChar(c.unicode() >> 8);
        out += QChar(c.unicode() & 0xFF);
    }
    return out;
}

QString DecodeWideCellText(const QString& S)
{
    if (!S.startsWith(QLatin1String("|\\")))
        return S;
    QString out;
    for (qsizetype i = 2; i + 1 < S.size(); i += 2)
        out += QChar(char16_t(((S[i].unicode() & 0xFF) << 8) | (S[i + 1].unicode() & 0xFF)));
    return out;
}

int WidePos(const QString& Sub, const QString& S) { return Pos(Sub, S); }

bool ParseRCReference(const QString& S, TGridCoord& Cell)
{
    const QString s = S.toUpper();
    if (s.size() < 4 || s.front() != QLatin1Char('R'))
        return false;
    const int c = Pos(QStringLiteral("C"), s);
    if (c == 0)
        return false;
    int row = 0, col = 0;
    if (!ToWholeNumber(s.mid(1, c - 2), row) || !ToWholeNumber(s.mid(c), col))
        return false;
    Cell = {col, row};
    return true;
}

bool CellInGridRect(const TGridRect& Rect, int Col, int Row)
{
    return Rect.Left <= Col && Col <= Rect.Right && Rect.Top <= Row && Row <= Rect.Bottom;
}

QString DoubleQuoteChars(const QString& S)
{
    QString s = S;
    return s.replace(QLatin1Char('"'), QLatin1String("\"\""));
}

int PosInUpperCase(const QString& SubUpper, const QString& S) { return Pos(SubUpper, S.toUpper()); }

int FindCharPos(QChar Ch, const QString& S, int& P)
{
    const int p = CharPos(Ch, S);
    if (p > 0)
        P = p;
    return p;
}

int CharPos(QChar Ch, const QString& S) { return int(S.indexOf(Ch)) + 1; }

int VarPos(const QString& Sub, const QString& S, int& P)
{
    P = Pos(Sub, S);
    return P;
}

QString SplitOffToken(QString& S, const QString& Delim)
{
    const int p = Pos(Delim, S);
    if (p == 0)
        return QString();
    const QString token = S.left(p - 1);
    S.remove(0, p);
    return token;
}

QString ConcatStrings(const QStringList& List) { return List.join(QString()); }

QChar FindFirstOfOutsideQuotes(const QString& Chars, const QString& S, int& P)
{
    int quotes = 0;
    for (int i = 0; i < S.size(); ++i) {
        if (S[i] == QLatin1Char('"'))
            ++quotes;
        if (quotes % 2 == 0 && Chars.contains(S[i])) {
            P = i + 1;
            return S[i];
        }
    }
    P = -1;
    return QChar(0);
}

QString CollapseDoubledChar(QChar Ch, const QString& S)
{
    QString out;
    for (qsizetype i = 0; i < S.size(); ++i) {
        out += S[i];
        if (S[i] == Ch && i + 1 < S.size() && S[i + 1] == Ch)
            ++i;
    }
    return out;
}

void FillWithChar(QString& S, QChar Ch) { S.fill(Ch); }

int CountChar(QChar Ch, const QString& S) { return int(S.count(Ch)); }

int PosOfUndoubledChar(QChar Ch, const QString& S, int& P)
{
    const int n = int(S.size());
    int i = 0;
    P = 0;
    while (i < n) {
        if (S[i] != Ch) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < n && S[i] == Ch)
            ++i;
        if (i == n || (i - start) % 2 == 1) {
            P = i;   // 1-based position of the run's last character
            break;
        }
    }
    return P;
}

int CountUndoubledChar(QChar Ch, const QString& S)
{
    QString rest = S;
    int count = 0;
    int p = 0;
    while (PosOfUndoubledChar(Ch, rest, p) > 0) {
        ++count;
        rest.remove(0, p);
    }
    return count;
}

QString CapitalizeName(const QString& S)
{
    QString out;
    out.reserve(S.size());
    const int n = int(S.size());
    bool armed = true;
    for (int i = 1; i <= n; ++i) {
        const QChar ch = S[i - 1];
        if (IsWordSeparator(ch)) {
            out += ch;
            armed = true;
        } else if (armed) {
            out += ch.toUpper();
            armed = false;
        } else
            out += ch.toLower();
        if (out == QLatin1String("Mc"))
            armed = true;
        if (i > 2) {
            const int mc = Pos(QStringLiteral(" Mc"), out);
            if (mc > 0 && mc + 2 == i)
                armed = true;
        }
        if (i >= n - 2 && (out.endsWith(QLatin1String(" I")) || out.endsWith(QLatin1String(" II"))))
            armed = true;   // roman numerals II and III
    }
    return out;
}

int LeadingInt(const QString& S)
{
    const QString t = S.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    while (i < t.size() && t[i].isDigit())
        ++i;
    bool ok = false;
    const int v = t.left(i).toInt(&ok);
    return ok ? v : 0;
}

int MaxOf(int A, int B) { return A > B ? A : B; }
int MinOf(int A, int B) { return A < B ? A : B; }

int ClampToLimits(int Value, int Min, int Max)
{
    if (Min == Max)
        return Value;
    int r = Value;
    if (Min > 0 && Value < Min)
        r = Min;
    if (Max > 0 && Value > Max)
        r = Max;
    return r;
}

QString CRToHtmlBreaks(const QString& S)
{
    QString s = S;
    return s.replace(CR, QLatin1String("<br>"));
}

QString ExpandNewlineEscapes(const QString& S)
{
    QString s = S;
    return s.replace(QLatin1String("\\n"), QString(CR));
}

QString EscapeNewlines(const QString& S)
{
    QString s = S;
    s.remove(LF);
    return s.replace(CR, QLatin1String("\\n"));
}

void QuoteMultilineText(QString& S)
{
    S.replace(CRLF, QString(QChar(11)));
    S = QLatin1Char('"') + S + QLatin1Char('"');
}

void StripCRFromCRLF(QString& S) { S.replace(CRLF, QString(LF)); }

void ExpandVTLineBreaks(QString& S) { S.replace(QChar(11), CRLF); }

void LineBreaksToTilde(QString& S)
{
    S.remove(LF);
    S.replace(CR, QLatin1Char('~'));
}

void TildeToLineBreaks(QString& S)
{
    S.replace(QLatin1Char('~'), CRLF);
    if (S == QLatin1String("^"))
        S.clear();
}

QString MaskLineBreaks(const QString& S)
{
    if (!S.contains(CR))
        return S;
    QString s = S;
    s.replace(CR, QChar(9)).replace(LF, QChar(8)).replace(QChar(0), QChar(1));
    return s;
}

QString UnmaskLineBreaks(const QString& S, bool AllLines)
{
    QString s = S;
    if (s.contains(QChar(8)))
        s.replace(QChar(9), CR).replace(QChar(8), LF).replace(QChar(1), QChar(0));
    if (!AllLines) {
        QString line;
        TakeFirstLine(s, false, line);
        return line;
    }
    return s;
}

void TakeFirstLine(QString& S, bool KeepRest, QString& Line)
{
    const qsizetype p = S.indexOf(CR);
    if (p < 0) {
        Line = S;
        S.clear();
        return;
    }
    Line = S.left(p);
    if (!KeepRest) {
        S.clear();
        return;
    }
    S.remove(0, p + 1);
    if (S.startsWith(LF))
        S.remove(0, 1);
}

int CountLines(const QString& S, bool MultiLine) { return MultiLine ? 1 + int(S.count(CR)) : 1; }

QString StripCR(const QString& S)
{
    QString s = S;
    return s.remove(CR);
}

QString CRToLF(const QString& S)
{
    QString s = S;
    return s.replace(CR, LF);
}

void StringToOem(QString& S) { S = Recode(S, TCodePage::cpOem437, TCodePage::cpAnsi1252); }

void OemToString(QString& S) { S = Recode(S, TCodePage::cpAnsi1252, TCodePage::cpOem437); }

bool HasUrlScheme(const QString& S)
{
    return S.contains(QLatin1String("://")) || S.contains(QLatin1String("mailto:"));
}

void StripUrlScheme(QString& S)
{
    qsizetype p = S.indexOf(QLatin1String("://"));
    if (p >= 0) {
        S.remove(0, p + 3);
        return;
    }
    p = S.indexOf(QLatin1String("mailto:"));
    if (p >= 0)
        S.remove(0, p + 7);
}

namespace {
bool IsUrlChar(QChar c)
{
    const char16_t u = c.unicode();
    return u == '%' || u == '(' || u == ')' || (u >= '-' && u <= ':') || u == '@' || (u >= 'A' && u <= 'Z') ||
           u == '\\' || u == '_' || (u >= 'a' && u <= '{') || u == '}';
}
} // namespace

bool UrlToAnchor(const QString& S, const QString& Scheme, QString& Dest)
{
    const QString scheme = Scheme.toUpper();
    if (Pos(scheme, S.toUpper()) == 0)
        return false;
    QString d = S;
    d.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
    const qsizetype start = d.toUpper().indexOf(scheme);
    qsizetype end = start;
    while (end < d.size() && IsUrlChar(d[end]))
        ++end;
    const QString url = d.mid(start, end - start);
    d.insert(end, QLatin1String("</a>"));
    d.insert(start, QStringLiteral("<a href=\"%1\">").arg(url));
    Dest = d;
    return true;
}

void WrapClipboardHtml(QString& S)
{
    const qsizetype len = S.size();
    auto num = [](qsizetype v) { return QStringLiteral("%1").arg(v, 8, 10, QLatin1Char('0')); };
    S = QStringLiteral("Version:1.0\r\n") + QStringLiteral("StartHTML:") + num(97) + CRLF +
        QStringLiteral("EndHTML:") + num(len + 306) + CRLF + QStringLiteral("StartFragment:") + num(274) + CRLF +
        QStringLiteral("EndFragment:") + num(len + 274) + CRLF +
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">") +
        QStringLiteral("<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">"
                       "</head><body><!--StartFragment-->") +
        S + QStringLiteral("<!--EndFragment--></body></html>");
}

QString ColorToHtmlHex(TColor Color)
{
    return QStringLiteral("%1%2%3")
        .arg(GetRValue(Color), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(Color), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(Color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

