#pragma once
// The 8-bit code pages of the grid's text files and the description files: Windows-1252 (the system's code
// page here), code page 437 (the OEM one), ISO-8859-1 and 7-bit ASCII; and the byte-order marks the readers
// recognise.
#include <QByteArray>
#include <QString>

enum class TCodePage { cpAnsi1252, cpOem437, cpLatin1, cpAscii };

// The byte that shows Ch in the page; -1 when the page lacks it.
int CodePageByte(char16_t Ch, TCodePage Page);
char16_t CodePageChar(unsigned char Byte, TCodePage Page);

// A character the page lacks becomes "?" (a pair of surrogates is one character).
QByteArray EncodeCodePage(const QString& Text, TCodePage Page);
QString DecodeCodePage(const QByteArray& Bytes, TCodePage Page);
// Characters the page lacks as decimal character references ("&#8364;"), for XML and HTML.
QByteArray EncodeCodePageWithReferences(const QString& Text, TCodePage Page);
// The page an XML or HTML encoding name stands for; UTF-8 (none) for a name not known here.
bool CodePageOfName(const QString& Name, TCodePage& Page);

// Text after a byte-order mark of UTF-8 or UTF-16LE; else UTF-8 when the bytes are valid UTF-8, else the page.
QString DecodeTextFile(const QByteArray& Bytes, TCodePage Page = TCodePage::cpAnsi1252);
// UTF-16LE after its byte-order mark.
QByteArray Utf16LeWithBom(const QString& Text);
QByteArray Utf8WithBom(const QString& Text);
