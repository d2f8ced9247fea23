#pragma once
// Stateless text, number and colour routines shared by the grids, their editors and import/export.
// Positions count from 1 and 0 means not found; CR LF is the line break inside cells.
#include "platform/Types.h"
#include <QChar>
#include <QString>

#include <QStringList>

struct TGridCoord;
struct TGridRect;

// Regional settings, read from the default locale at each call (the system's unless the program set one).
QChar TimeSeparatorChar();
QChar DateSeparatorChar();
QChar ThousandSeparatorChar();
QChar DecimalSeparatorChar();
QString ShortDateFormatText();

bool IsNumberChar(QChar ch);
bool IsNumberOrMinus(QChar ch);
bool IsNumberTextChar(QChar ch);
bool IsPlainNumberChar(QChar ch);
bool IsSignedNumberTextChar(QChar ch);
bool IsWordSeparator(QChar ch);

// What a cell's text reads as; the values are the codes the toolkit's own classifier gives.
enum class TNumberTextKind { ntInteger = 0, ntDecimal = 1, ntNotNumber = 2, ntExponent = 5 };
TNumberTextKind ClassifyNumberText(const QString& S);
// The same with the separators given, for callers that classify many texts under one setting.
TNumberTextKind ClassifyNumberTextWith(const QString& S, QChar Thousand, QChar Decimal);
// The number inside a formatted text as a plain literal with "." as decimal separator.
QString ExtractNumberText(const QString& S);

// 3 formula, 2 rich text, 5 wide-encoded, 1 mini-HTML, 0 plain.
// How a cell's text is drawn: plain, mini HTML, rich text, a formula, or wide text stored as pairs of bytes.
enum class TCellTextKind { ctkPlain = 0, ctkHtml = 1, ctkRich = 2, ctkFormula = 3, ctkWide = 5 };
TCellTextKind ClassifyCellText(const QString& S, bool AllowHtml);
QString EncodeWideCellText(const QString& W);
QString DecodeWideCellText(const QString& S);
int WidePos(const QString& Sub, const QString& S);
// "R<row>C<column>", any case; Cell.X receives the column, Cell.Y the row.
bool ParseRCReference(const QString& S, TGridCoord& Cell);
bool CellInGridRect(const TGridRect& Rect, int Col, int Row);

QString DoubleQuoteChars(const QString& S);
int PosInUpperCase(const QString& SubUpper, const QString& S);
int FindCharPos(QChar Ch, const QString& S, int& P);
int CharPos(QChar Ch, const QString& S);
int VarPos(const QString& Sub, const QString& S, int& P);
QString SplitOffToken(QString& S, const QString& Delim);
QString ConcatStrings(const QStringList& List);
QChar FindFirstOfOutsideQuotes(const QString& Chars, const QString& S, int& P);
QString CollapseDoubledChar(QChar Ch, const QString& S);
void FillWithChar(QString& S, QChar Ch);
int CountChar(QChar Ch, const QString& S);
int PosOfUndoubledChar(QChar Ch, const QString& S, int& P);
int CountUndoubledChar(QChar Ch, const QString& S);
QString CapitalizeName(const QString& S);
// The whole number a text starts with (blanks around, an optional sign), 0 when none or out of range.
int LeadingInt(const QString& S);
int MaxOf(int A, int B);
int MinOf(int A, int B);
int ClampToLimits(int Value, int Min, int Max);

QString CRToHtmlBreaks(const QString& S);
QString ExpandNewlineEscapes(const QString& S);
QString EscapeNewlines(const QString& S);
void QuoteMultilineText(QString& S);
void StripCRFromCRLF(QString& S);
void ExpandVTLineBreaks(QString& S);
void LineBreaksToTilde(QString& S);
void TildeToLineBreaks(QString& S);
QString MaskLineBreaks(const QString& S);
QString UnmaskLineBreaks(const QString& S, bool AllLines);
void TakeFirstLine(QString& S, bool KeepRest, QString& Line);
int CountLines(const QString& S, bool MultiLine);
QString StripCR(const QString& S);
QString CRToLF(const QString& S);
// The OEM code page is 437; the ANSI code page 1252.
void StringToOem(QString& S);
void OemToString(QString& S);

bool HasUrlScheme(const QString& S);
void StripUrlScheme(QString& S);
bool UrlToAnchor(const QString& S, const QString& Scheme, QString& Dest);

// The header and page frame of the "HTML Format" clipboard data around a fragment.
void WrapClipboardHtml(QString& S);

QString ColorToHtmlHex(TColor Color);

// Round to the nearest integer, ties to even as the toolkit rounds.
int Nearest(double x);
