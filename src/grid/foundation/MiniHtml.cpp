#include "grid/foundation/MiniHtml.h"
#include <QList>
#include <array>
#include <climits>
#include <cstdint>

namespace {

TColor gHighlightColor = clHighlight;
TColor gHighlightTextColor = clHighlightText;

struct TNamedColor {
    const char* Name;
    TColor Value;
};
constexpr std::array<TNamedColor, 40> kColorNames = {{
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", 0xFF000001},
    {"clactivecaption", 0xFF000002},
    {"clinactivecaption", 0xFF000003},
    {"clmenu", 0xFF000004},
    {"clwindow", 0xFF000005},
    {"clwindowframe", 0xFF000006},
    {"clmenutext", 0xFF000007},
    {"clwindowtext", 0xFF000008},
    {"clcaptiontext", 0xFF000009},
    {"clactiveborder", 0xFF00000A},
    {"clinactiveborder", 0xFF00000B},
    {"clappworkspace", 0xFF00000C},
    {"clhighlight", 0xFF00000D},
    {"clhighlighttext", 0xFF00000E},
    {"clbtnface", 0xFF00000F},
    {"clbtnshadow", 0xFF000010},
    {"clgraytext", 0xFF000011},
    {"clbtntext", 0xFF000012},
    {"clinactivecaptiontext", 0xFF000013},
    {"clbtnhighlight", 0xFF000014},
    {"cl3ddkshadow", 0xFF000015},
    {"cl3dlight", 0xFF000016},
    {"clinfotext", 0xFF000017},
    {"clinfobk", 0xFF000018},
}};

struct TNamedEntity {
    char16_t Char;
    const char* Entity;
};
// Walked in this order by both encoding and decoding.
constexpr std::array<TNamedEntity, 51> kNamedEntities = {{
    {u'é', "&eacute;"}, {u'è', "&egrave;"}, {u'ë', "&euml;"},   {u'ê', "&ecirc;"},  {u'ó', "&oacute;"},
    {u'ò', "&ograve;"}, {u'ö', "&ouml;"},   {u'ô', "&ocirc;"},  {u'í', "&iacute;"}, {u'ì', "&igrave;"},
    {u'ï', "&iuml;"},   {u'î', "&icirc;"},  {u'ú', "&uacute;"}, {u'ù', "&ugrave;"}, {u'ü', "&uuml;"},
    {u'û', "&ucirc;"},  {u'á', "&aacute;"}, {u'à', "&agrave;"}, {u'ä', "&auml;"},   {u'â', "&acirc;"},
    {u'É', "&Eacute;"}, {u'È', "&Egrave;"}, {u'Ë', "&Euml;"},   {u'Ê', "&Ecirc;"},  {u'Ó', "&Oacute;"},
    {u'Ò', "&Ograve;"}, {u'Ö', "&Ouml;"},   {u'Ô', "&Ocirc;"},  {u'Í', "&Iacute;"}, {u'Ì', "&Igrave;"},
    {u'Ï', "&Iuml;"},   {u'Î', "&Icirc;"},  {u'Ú', "&Uacute;"}, {u'Ù', "&Ugrave;"}, {u'Ü', "&Uuml;"},
    {u'Û', "&Ucirc;"},  {u'Á', "&Aacute;"}, {u'À', "&Agrave;"}, {u'Ä', "&Auml;"},   {u'Â', "&Acirc;"},
    {u'ç', "&ccedil;"}, {u'Ç', "&Ccedil;"}, {u'ø', "&oslash;"}, {u'Ø', "&Oslash;"}, {u'å', "&aring;"},
    {u'Å', "&Aring;"},  {u'©', "&copy;"},   {u'®', "&reg;"},    {u'€', "&euro;"},   {u'«', "&laquo;"},
    {u'»', "&raquo;"},
}};

// Replaced before layout, first occurrence of each per pass, letter case ignored.
struct TFixedEntity {
    const char* Entity;
    const char16_t* Text;
};
constexpr std::array<TFixedEntity, 9> kFixedEntities = {{
    {"&AMP;", u"&&"},
    {"&QUOT;", u"\""},
    {"&SECT;", u"\u00A7"},
    {"&PERMIL;", u"\u2030"},
    {"&REG;", u"\u00AE"},
    {"&COPY;", u"\u00A9"},
    {"&PARA;", u"\u00B6"},
    {"&TRADE;", u"\u2122"},
    {"&EURO;", u"\u20AC"},
}};

QChar AsciiUpper(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
}

QString AsciiLower(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return r;
}

// Every occurrence of Pattern (ASCII letters folded) replaced by Replacement.
QString ReplaceAllNoCase(const QString& s, const QString& pattern, const QString& replacement)
{
    const QString up = HtmlAsciiUpper(s);
    const QString pat = HtmlAsciiUpper(pattern);
    QString out;
    int from = 0;
    for (int p = up.indexOf(pat); p >= 0; p = up.indexOf(pat, from)) {
        out += s.mid(from, p - from) + replacement;
        from = p + pat.size();
    }
    return out + s.mid(from);
}

int HexDigit(QChar c)
{
    const int code = c.unicode();
    return code < 65 ? code - 48 : code - 55;
}

int HexPair(const QString& text, int index)
{
    if (index + 1 >= text.size())
        return 0;
    return 16 * HexDigit(text[index]) + HexDigit(text[index + 1]);
}

TColor NamedOrHexColor(const QString& value)
{
    return value.startsWith(u'#') ? ColorFromHtmlHex(value) : ColorFromHtmlName(AsciiLower(value));
}

// A control tag in a text: its "<" and the end just past its ">".
struct TControlRef {
    int Start = 0;
    int End = 0;
    QString CtrlType, ID, Value, Width, Height, Prop, MaxLen;
};

QList<TControlRef> ListControls(const QString& s)
{
    static const QString kOpen = QStringLiteral("<CONTROL ");
    const QString up = HtmlAsciiUpper(s);
    QList<TControlRef> list;
    for (int p = up.indexOf(kOpen); p >= 0; p = up.indexOf(kOpen, p + kOpen.size())) {
        TControlRef c;
        c.Start = p;
        const int gt = s.indexOf(u'>', p + kOpen.size());
        c.End = gt < 0 ? s.size() : gt + 1;
        ParseHtmlControlTag(s.mid(p + kOpen.size(), c.End - p - kOpen.size()), c.CtrlType, c.ID, c.Value, c.Width,
                            c.Height, c.Prop, c.MaxLen);
        list.append(c);
    }
    return list;
}

const TControlRef* FindControl(const QList<TControlRef>& list, const QString& id)
{
    for (const TControlRef& c : list)
        if (c.ID == id)
            return &c;
    return nullptr;
}

// The text outside tags, with the position in S of each of its characters. Tags are removed only while a "<"
// comes before the next ">"; from there on the text stays as it is.
struct TVisibleText {
    QString Text;
    QList<int> Raw;
};

TVisibleText VisibleText(const QString& s)
{
    TVisibleText v;
    auto take = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            v.Text += s[i];
            v.Raw.append(i);
        }
    };
    int i = 0;
    for (;;) {
        const int lt = s.indexOf(u'<', i);
        const int gt = s.indexOf(u'>', i);
        if (lt < 0 || gt < 0 || gt < lt) {
            take(i, s.size());
            return v;
        }
        take(i, lt);
        i = gt + 1;
    }
}

// Position in S right after the k-th visible character; after the last one it is the end of S.
int AfterVisible(const QString& s, int k)
{
    if (k == 0)
        return 0;
    const TVisibleText v = VisibleText(s);
    return k >= v.Raw.size() ? s.size() : v.Raw[k - 1] + 1;
}

QString CharUpper(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

QString EscapeAngles(const QString& s)
{
    QString r = s;
    r.replace(u'<', QStringLiteral("&lt;"));
    r.replace(u'>', QStringLiteral("&gt;"));
    return r;
}

// Pass after pass, the first occurrence of each fixed entity in table order, until a pass finds none. Where
// each entity occurs first is kept from pass to pass instead of searched again from the start: a replacement
// leaves the text before it alone and shifts what follows, and only an "&" it writes can start a new entity.
// Without that a text with many entities took quadratic time on every paint.
void ReplaceFixedEntities(QString& t)
{
    QString up = HtmlAsciiUpper(t);   // the replacement texts hold no letters, so both stay in step
    std::array<int, kFixedEntities.size()> first{};
    for (std::size_t i = 0; i < kFixedEntities.size(); ++i)
        first[i] = up.indexOf(QLatin1String(kFixedEntities[i].Entity));
    for (bool replaced = true; replaced;) {
        replaced = false;
        for (std::size_t i = 0; i < kFixedEntities.size(); ++i) {
            const int p = first[i];
            if (p < 0)
                continue;
            const QLatin1String entity(kFixedEntities[i].Entity);
            const QString text = QString::fromUtf16(kFixedEntities[i].Text);
            t.replace(p, entity.size(), text);
            up.replace(p, entity.size(), text);
            replaced = true;
            for (std::size_t j = 0; j < first.size(); ++j)
                if (j != i && first[j] > p)
                    first[j] += int(text.size() - entity.size());
            first[i] = up.indexOf(entity, p);
            for (int q = p; q < p + int(text.size()); ++q) {
                if (up[q] != u'&')
                    continue;
                for (std::size_t j = 0; j < first.size(); ++j)
                    if ((first[j] < 0 || q < first[j]) &&
                        QStringView(up).mid(q).startsWith(QLatin1String(kFixedEntities[j].Entity)))
                        first[j] = q;
            }
        }
    }
}

} // namespace

void SetHtmlHighlightColors(TColor Color, TColor TextColor)
{
    gHighlightColor = Color;
    gHighlightTextColor = TextColor;
}

TColor HtmlHighlightColor() { return gHighlightColor; }
TColor HtmlHighlightTextColor() { return gHighlightTextColor; }

TColor ColorFromHtmlName(const QString& Name)
{
    for (const TNamedColor& c : kColorNames)
        if (Name == QLatin1String(c.Name))
            return c.Value;
    return clBlack;
}

TColor ColorFromHtmlHex(const QString& Text)
{
    const int r = HexPair(Text, 1);
    const int g = HexPair(Text, 3);
    const int b = HexPair(Text, 5);
    // Characters that are no hex digits give any value; the sum wraps as the 32-bit colour does.
    return TColor(std::uint32_t(r) + 256u * std::uint32_t(g) + 65536u * std::uint32_t(b));
}

QString DecodeHtmlEntities(const QString& S, bool Named)
{
    QString r = S;
    r.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    r.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    r.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    r.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    if (Named)
        for (const TNamedEntity& e : kNamedEntities)
            r.replace(QLatin1String(e.Entity), QString(QChar(e.Char)));
    return r;
}

QString EncodeHtmlEntities(const QString& S, bool Named)
{
    QString r = S;
    r.replace(QStringLiteral("&"), QStringLiteral("*amp;"));
    r.replace(QStringLiteral("*amp;"), QStringLiteral("&amp;"));
    r.replace(QStringLiteral("\""), QStringLiteral("&quot;"));
    r.replace(QStringLiteral("<"), QStringLiteral("&lt;"));
    r.replace(QStringLiteral(">"), QStringLiteral("&gt;"));
    if (Named)
        for (const TNamedEntity& e : kNamedEntities)
            r.replace(QChar(e.Char), QLatin1String(e.Entity));
    return r;
}

QString SpacesToNbsp(const QString& S)
{
    QString r = S;
    return r.replace(u' ', QStringLiteral("&nbsp;"));
}

QString HtmlAsciiUpper(const QString& S)
{
    QString r = S;
    for (QChar& c : r)
        c = AsciiUpper(c);
    return r;
}

QString PrepareMiniHtml(const QString& Text)
{
    QString t = Text;
    if (t.contains(u'&'))
        ReplaceFixedEntities(t);
    for (int p = t.indexOf(QStringLiteral("<#")); p >= 0; p = t.indexOf(QStringLiteral("<#"), p)) {
        t.remove(p, 1);
        const int gt = t.indexOf(u'>', p);
        if (gt >= 0)
            t.remove(gt, 1);
    }
    t.replace(u'\r', QStringLiteral("<BR>"));
    t.remove(u'\n');
    return t;
}

QString DecodeHtmlRunEntities(const QString& Run)
{
    QString r = Run;
    r.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    r.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    r.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return r;
}

int HtmlNumber(const QString& Value, bool* Valid)
{
    int i = 0;
    const int n = Value.size();
    while (i < n && Value[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (Value[i] == u'-' || Value[i] == u'+')) {
        negative = Value[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && Value[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && Value[i] == u'0' && (Value[i + 1] == u'x' || Value[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    long long number = 0;
    int digits = 0;
    for (; i < n; ++i) {
        const char16_t c = AsciiUpper(Value[i]).unicode();
        const int d = c >= u'0' && c <= u'9' ? c - u'0' : base == 16 && c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
        if (d < 0 || number * base + d > INT_MAX)
            break;
        number = number * base + d;
        ++digits;
    }
    const bool valid = digits > 0 && i == n;
    if (Valid)
        *Valid = valid;
    return int(valid && negative ? -number : number);
}

THtmlTagKind ClassifyHtmlTag(const QString& TagText)
{
    THtmlTagKind k;
    const QString t = HtmlAsciiUpper(TagText);
    k.Closing = t.size() > 3 && t[1] == u'/';
    const int at = k.Closing ? 2 : 1;
    const QChar l = at < t.size() ? t[at] : QChar();
    const QChar n = at + 1 < t.size() ? t[at + 1] : QChar();
    using enum THtmlTag;
    switch (l.unicode()) {
    case 'A': k.Tag = htA; break;
    case 'B':
        if (k.Closing)
            k.Tag = n == u'>' ? htB : htBlink;
        else
            k.Tag = n == u'>' ? htB : n == u'R' ? htBR : n == u'L' ? htBlink : n == u'O' ? htBody : htUnknown;
        break;
    case 'C': k.Tag = k.Closing ? htUnknown : htControl; break;
    case 'E': k.Tag = htE; break;
    case 'F': k.Tag = htFont; break;
    case 'H':
        if (k.Closing)
            k.Tag = htHI;
        else
            k.Tag = n == u'I' ? htHI : n == u'R' ? htHR : htUnknown;
        break;
    case 'I':
        if (k.Closing)
            k.Tag = htI;
        else
            k.Tag = n == u'>' ? htI : n == u'N' ? htInd : n == u'M' ? htImg : htUnknown;
        break;
    case 'L': k.Tag = htLI; break;
    case 'P': k.Tag = htP; break;
    case 'R': k.Tag = htR; break;
    case 'S':
        if (k.Closing)
            k.Tag = n == u'U' ? htSub : n == u'H' ? htShad : htS;
        else if (n == u'>')
            k.Tag = htS;
        else if (n == u'H')
            k.Tag = htShad;
        else if (t.startsWith(QStringLiteral("<SUB>")))
            k.Tag = htSub;
        else if (t.startsWith(QStringLiteral("<SUP>")))
            k.Tag = htSup;
        break;
    case 'U': k.Tag = n == u'>' ? htU : htUL; break;
    case 'Z': k.Tag = htZ; break;
    default: break;
    }
    return k;
}

QString HtmlTagValue(const QString& TagText, const QString& Name, bool KeepCase)
{
    const QString up = HtmlAsciiUpper(TagText);
    const int p = up.indexOf(Name);
    if (p < 0)
        return {};
    const int q1 = up.indexOf(u'"', p + Name.size());
    const int q2 = q1 < 0 ? -1 : up.indexOf(u'"', q1 + 1);
    if (q2 < 0)
        return {};
    return (KeepCase ? TagText : up).mid(q1 + 1, q2 - q1 - 1);
}

THtmlFontTag ReadHtmlFontTag(const QString& TagText)
{
    THtmlFontTag f;
    const QString attrs = TagText.mid(5);
    f.Face = HtmlTagValue(attrs, QStringLiteral("FACE"));
    if (const QString v = HtmlTagValue(attrs, QStringLiteral(" COLOR")); !v.isEmpty())
        f.Color = NamedOrHexColor(v);
    if (const QString v = HtmlTagValue(attrs, QStringLiteral("BGCOLOR")); !v.isEmpty())
        f.BgColor = NamedOrHexColor(v);
    const QString up = HtmlAsciiUpper(attrs);
    if (const int p = up.indexOf(QStringLiteral("SIZE")); p >= 0) {
        if (const int eq = up.indexOf(u'=', p); eq >= 0) {
            const QString rest = up.mid(eq + 1);
            const int q = rest.indexOf(u'"');
            const int n = HtmlNumber(rest.mid(q < 0 ? 0 : q + 1));
            static constexpr int kSizes[] = {8, 10, 12, 14, 16};
            f.Size = n >= 1 && n <= 5 ? kSizes[n - 1] : n;
        }
    }
    return f;
}

THtmlParagraphTag ReadHtmlParagraphTag(const QString& TagText)
{
    THtmlParagraphTag p;
    const QString up = HtmlAsciiUpper(TagText);
    if (up.contains(QStringLiteral("ALIGN"))) {
        const QString a = HtmlTagValue(TagText, QStringLiteral("ALIGN"));
        if (a.contains(QStringLiteral("RIGHT")))
            p.Align = THtmlAlign::haRight;
        if (a.contains(QStringLiteral("LEFT")))
            p.Align = THtmlAlign::haLeft;
        if (a.contains(QStringLiteral("CENTER")))
            p.Align = THtmlAlign::haCenter;
    }
    if (up.contains(QStringLiteral("INDENT")))
        p.Indent = HtmlNumber(HtmlTagValue(TagText, QStringLiteral("INDENT")));
    if (const QString v = HtmlTagValue(TagText, QStringLiteral("BGCOLOR")); !v.isEmpty())
        p.BgColor = NamedOrHexColor(v);
    return p;
}

THtmlBodyTag ReadHtmlBodyTag(const QString& TagText)
{
    THtmlBodyTag b;
    b.Background = HtmlTagValue(TagText, QStringLiteral("BACKGROUND"), true);
    const QString v = HtmlTagValue(TagText, QStringLiteral("BGCOLOR"));
    if (v.contains(QStringLiteral("CL")))
        b.BgColor = ColorFromHtmlName(AsciiLower(v));
    if (v.contains(u'#'))
        b.BgColor = ColorFromHtmlHex(v);
    return b;
}

QString HtmlLetterValue(const QString& TagText, QChar Letter)
{
    const QString rest = TagText.mid(2);
    const int p = HtmlAsciiUpper(rest).indexOf(AsciiUpper(Letter));
    if (p < 0)
        return {};
    return HtmlTagValue(rest.mid(p + 2), QString(), true);
}

void ParseHtmlControlTag(const QString& Tag, QString& CtrlType, QString& ID, QString& Value, QString& Width,
                         QString& Height, QString& Prop, QString& MaxLen)
{
    CtrlType = HtmlTagValue(Tag, QStringLiteral("TYPE="));
    ID = HtmlTagValue(Tag, QStringLiteral("ID="), true);
    Value = DecodeHtmlEntities(HtmlTagValue(Tag, QStringLiteral("VALUE="), true), true);
    Width = HtmlTagValue(Tag, QStringLiteral("WIDTH="), true);
    Height = HtmlTagValue(Tag, QStringLiteral("HEIGHT="), true);
    Prop = DecodeHtmlEntities(HtmlTagValue(Tag, QStringLiteral("PROP="), true), true);
    MaxLen = HtmlTagValue(Tag, QStringLiteral("MAXLEN="), true);
}

bool HasHtmlControls(const QString& S)
{
    return HtmlAsciiUpper(S).contains(QStringLiteral("<CONTROL"));
}

QString NextHtmlEditControl(const QString& S, const QString& ID)
{
    const QList<TControlRef> list = ListControls(S);
    qsizetype from = 0;
    if (!ID.isEmpty()) {
        const TControlRef* c = FindControl(list, ID);
        if (!c)
            return {};
        from = (c - list.constData()) + 1;
    }
    for (qsizetype i = from; i < list.size(); ++i) {
        const QString& t = list[i].CtrlType;
        if (t != u"BUTTON" && t != u"CHECK" && t != u"RADIO")
            return list[i].ID;
    }
    return {};
}

QString ResetHtmlRadioControls(const QString& S)
{
    QString r = S;
    for (const TControlRef& c : ListControls(S))
        if (c.CtrlType == u"RADIO")
            SetHtmlControlValue(r, c.ID, QStringLiteral("FALSE"));
    return r;
}

bool GetHtmlControlValue(const QString& S, const QString& ID, QString& Value)
{
    const QList<TControlRef> list = ListControls(S);
    const TControlRef* c = FindControl(list, ID);
    if (!c)
        return false;
    Value = c->Value;
    return true;
}

QString GetHtmlControlProp(const QString& S, const QString& ID)
{
    const QList<TControlRef> list = ListControls(S);
    const TControlRef* c = FindControl(list, ID);
    return c ? c->Prop : QString();
}

int GetHtmlControlMaxLen(const QString& S, const QString& ID)
{
    const QList<TControlRef> list = ListControls(S);
    const TControlRef* c = FindControl(list, ID);
    return c ? HtmlNumber(c->MaxLen) : 0;
}

bool SetHtmlControlValue(QString& S, const QString& ID, const QString& Value)
{
    const QList<TControlRef> list = ListControls(S);
    const TControlRef* c = FindControl(list, ID);
    if (!c)
        return false;
    auto quoted = [](const QString& v) { return u'"' + v + u'"'; };
    QString tag = QStringLiteral("CONTROL ID=") + quoted(c->ID) + QStringLiteral(" VALUE=") +
                  quoted(EncodeHtmlEntities(Value, true)) + QStringLiteral(" WIDTH=") + quoted(c->Width) +
                  QStringLiteral(" TYPE=") + quoted(c->CtrlType);
    if (!c->Prop.isEmpty())
        tag += QStringLiteral(" PROP=") + quoted(EncodeHtmlEntities(c->Prop, true));
    if (!c->MaxLen.isEmpty())
        tag += QStringLiteral(" MAXLEN=") + quoted(c->MaxLen);
    S = S.left(c->Start + 1) + tag + u'>' + S.mid(c->End);
    return true;
}

QString MiniHtmlToPlainText(const QString& S)
{
    QString t = ReplaceAllNoCase(S, QStringLiteral("<BR>"), QStringLiteral("\r\n"));
    t = ReplaceAllNoCase(t, QStringLiteral("<HR>"), QStringLiteral("\r\n"));
    QString out;
    int i = 0;
    for (;;) {
        const int lt = t.indexOf(u'<', i);
        const int gt = lt < 0 ? -1 : t.indexOf(u'>', lt);
        if (gt < 0)
            return out + t.mid(i);
        out += t.mid(i, lt - i);
        i = gt + 1;
    }
}

void MarkMatchesInHtml(const QString& S, const QString& Find, const QString& Tag, QString& Result,
                       bool CaseSensitive)
{
    QString s = S;
    QString find = Find;
    if (find.isEmpty()) {
        Result = s;
        return;
    }
    QString visible = VisibleText(s).Text;
    if (s.contains(Find) && (visible.contains(u'<') || visible.contains(u'>'))) {
        s = EscapeAngles(visible);
        find = EscapeAngles(Find);
        visible = s;
    }
    const QString haystack = CaseSensitive ? visible : CharUpper(visible);
    const QString needle = CaseSensitive ? find : CharUpper(find);
    const QString open = u'<' + Tag + u'>';
    const QString close = QStringLiteral("</") + Tag + u'>';
    // The next search skips one character more than the match, so a match right after it is not marked.
    for (int p = haystack.indexOf(needle); p >= 0; p = haystack.indexOf(needle, p + needle.size() + 1)) {
        s.insert(AfterVisible(s, p), open);
        s.insert(AfterVisible(s, p + needle.size()), close);
    }
    Result = s;
}

QString UnmarkMatchesInHtml(const QString& S, const QString& Tag)
{
    QString r = ReplaceAllNoCase(S, u'<' + Tag + u'>', QString());
    r = ReplaceAllNoCase(r, QStringLiteral("</") + Tag + u'>', QString());
    r.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    r.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return r;
}
