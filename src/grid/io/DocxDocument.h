#pragma once
// Word-processing documents (.docx): a table of texts as a new document, or inserted into an existing one,
// every other part and the rest of the document kept as they were.
#include <QByteArray>
#include <QList>
#include <QString>

enum class TAlignment;   // the toolkit's, in platform/Canvas.h

// A document that cannot be read or has no body to insert into.
inline constexpr char Incorrect_DOC_File[] = "Incorrect DOC file";

struct TDocCell {
    QString Text;              // line breaks become line breaks of the cell's paragraph
    TAlignment Alignment;
};
using TDocTable = QList<QList<TDocCell>>;   // rows of equal length

// A document holding the table (single borders, equal columns) and after it a paragraph of Text.
QByteArray NewDocxDocument(const TDocTable& Table, const QString& Text);
// Document with Table inserted just before the paragraph that holds the bookmark named Bookmark, or at the
// end of the body, followed by an empty paragraph, when there is no such bookmark. Raises std::runtime_error
// with Incorrect_DOC_File when Document cannot be read.
QByteArray InsertDocxTable(const QByteArray& Document, const TDocTable& Table, const QString& Bookmark);
