#pragma once
// The mini-HTML dialect of cell texts, hints and lists: text preparation, tag and attribute reading, colours,
// entities, embedded form controls and the plain-text and match-marking utilities.
#include "platform/Types.h"
#include <QString>
#include <optional>

// ---- Highlight colours of <HI> (the grid sets them from its own highlight colours) ----
void SetHtmlHighlightColors(TColor Color, TColor TextColor);
TColor HtmlHighlightColor();
TColor HtmlHighlightTextColor();

// ---- Colours and entities ----
TColor ColorFromHtmlName(const QString& Name);  // exact lower-case name; unknown names give black
TColor ColorFromHtmlHex(const QString& Text);   // "#RRGGBB"; only digits and A-F read as hex digits
QString DecodeHtmlEntities(const QString& S, bool Named);
QString EncodeHtmlEntities(const QString& S, bool Named);
QString SpacesToNbsp(const QString& S);

// ---- Reading markup ----
// Letters a to z folded to A to Z, nothing else: tag and attribute names are ASCII.
QString HtmlAsciiUpper(const QString& S);
// Fixed entities, "<#name>" placeholders and line breaks, done once before layout.
QString PrepareMiniHtml(const QString& Text);
// The three entities replaced inside each text run during layout ("&nbsp;", "&lt;", "&gt;", lower case only).
QString DecodeHtmlRunEntities(const QString& Run);
// A decimal, "$" or "0x" hex number; reads the leading digits of an invalid value. Valid: the whole value is a number.
int HtmlNumber(const QString& Value, bool* Valid = nullptr);

enum class THtmlTag {
    htUnknown, htA, htB, htBR, htBlink, htBody, htControl, htE, htFont, htHI, htHR, htI, htInd, htImg,
    htLI, htP, htR, htS, htShad, htSub, htSup, htU, htUL, htZ
};
struct THtmlTagKind {
    THtmlTag Tag = THtmlTag::htUnknown;
    bool Closing = false;
};
// TagText runs from its "<" to its ">" inclusive. A closing "</U..." other than "</U>" reads as htUL; the
// renderer treats it as underline off while no list is open.
THtmlTagKind ClassifyHtmlTag(const QString& TagText);

// Quoted rule: Name found as a substring of the upper-cased TagText; the value between the next two double quotes,
// taken from the upper-cased text or, with KeepCase, from TagText as written.
QString HtmlTagValue(const QString& TagText, const QString& Name, bool KeepCase = false);

struct THtmlFontTag {
    QString Face;                    // empty: unchanged
    std::optional<TColor> Color;     // absent: unchanged
    std::optional<TColor> BgColor;
    std::optional<int> Size;         // points
};
THtmlFontTag ReadHtmlFontTag(const QString& TagText);

enum class THtmlAlign { haLeft, haRight, haCenter };
struct THtmlParagraphTag {
    std::optional<THtmlAlign> Align;
    std::optional<int> Indent;
    TColor BgColor = clNone;         // clNone: no band
};
THtmlParagraphTag ReadHtmlParagraphTag(const QString& TagText);

struct THtmlBodyTag {
    QString Background;              // picture source, as written: file names keep their case
    std::optional<TColor> BgColor;
};
THtmlBodyTag ReadHtmlBodyTag(const QString& TagText);

// "x" of <IND and "a" of <R: the one-letter attribute, any case, after the tag's first two characters.
QString HtmlLetterValue(const QString& TagText, QChar Letter);

// ---- Embedded form controls ----
// Tag: the text after "<CONTROL" up to and including its ">".
void ParseHtmlControlTag(const QString& Tag, QString& CtrlType, QString& ID, QString& Value, QString& Width,
                         QString& Height, QString& Prop, QString& MaxLen);
bool HasHtmlControls(const QString& S);
QString NextHtmlEditControl(const QString& S, const QString& ID);
QString ResetHtmlRadioControls(const QString& S);
bool GetHtmlControlValue(const QString& S, const QString& ID, QString& Value);
QString GetHtmlControlProp(const QString& S, const QString& ID);
int GetHtmlControlMaxLen(const QString& S, const QString& ID);
bool SetHtmlControlValue(QString& S, const QString& ID, const QString& Value);

// ---- Plain text and match marking ----
QString MiniHtmlToPlainText(const QString& S);
void MarkMatchesInHtml(const QString& S, const QString& Find, const QString& Tag, QString& Result,
                       bool CaseSensitive);
QString UnmarkMatchesInHtml(const QString& S, const QString& Tag);
