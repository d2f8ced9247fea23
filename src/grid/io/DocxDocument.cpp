#include "grid/io/DocxDocument.h"
#include "grid/io/OfficePackage.h"
#include "grid/io/ZipArchive.h"
#include "platform/Canvas.h"
#include <QXmlStreamReader>
#include <stdexcept>

namespace {

const QString Main_Namespace = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
constexpr int Text_Width = 9638;   // twips between the margins of an A4 page

[[noreturn]] void Incorrect()
{
    throw std::runtime_error(Incorrect_DOC_File);
}

// A paragraph of Text; P is the prefix of the document's main namespace ("w:").
QString Paragraph(const QString& P, const QString& Text, TAlignment Alignment)
{
    QString xml = QStringLiteral("<%1p>").arg(P);
    if (Alignment != TAlignment::taLeftJustify)
        xml += QStringLiteral("<%1pPr><%1jc %1val=\"%2\"/></%1pPr>")
                   .arg(P, Alignment == TAlignment::taRightJustify ? QStringLiteral("right") : QStringLiteral("center"));
    QString t = Text;
    t.remove(QLatin1Char('\r'));
    if (!t.isEmpty()) {
        xml += QStringLiteral("<%1r>").arg(P);
        const QStringList lines = t.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                xml += QStringLiteral("<%1br/>").arg(P);
            const QStringList pieces = lines[i].split(QLatin1Char('\t'));
            for (qsizetype j = 0; j < pieces.size(); ++j) {
                if (j > 0)
                    xml += QStringLiteral("<%1tab/>").arg(P);
                if (!pieces[j].isEmpty())
                    xml += QStringLiteral("<%1t xml:space=\"preserve\">%2</%1t>").arg(P, XmlEscaped(pieces[j]));
            }
        }
        xml += QStringLiteral("</%1r>").arg(P);
    }
    return xml + QStringLiteral("</%1p>").arg(P);
}

QString TableXml(const QString& P, const TDocTable& Table)
{
    const qsizetype cols = Table.isEmpty() ? 0 : Table.front().size();
    if (cols == 0)
        return QString();   // a table needs a cell
    const QString width = QString::number(Text_Width / cols);
    QString xml = QStringLiteral("<%1tbl><%1tblPr><%1tblW %1w=\"0\" %1type=\"auto\"/><%1tblBorders>").arg(P);
    for (const char* edge : {"top", "left", "bottom", "right", "insideH", "insideV"})
        xml += QStringLiteral("<%1%2 %1val=\"single\" %1sz=\"4\" %1space=\"0\" %1color=\"auto\"/>").arg(P, QLatin1String(edge));
    xml += QStringLiteral("</%1tblBorders></%1tblPr><%1tblGrid>").arg(P);
    for (qsizetype c = 0; c < cols; ++c)
        xml += QStringLiteral("<%1gridCol %1w=\"%2\"/>").arg(P, width);
    xml += QStringLiteral("</%1tblGrid>").arg(P);
    for (const QList<TDocCell>& row : Table) {
        xml += QStringLiteral("<%1tr>").arg(P);
        for (const TDocCell& cell : row)
            xml += QStringLiteral("<%1tc><%1tcPr><%1tcW %1w=\"%2\" %1type=\"dxa\"/></%1tcPr>%3</%1tc>")
                       .arg(P, width, Paragraph(P, cell.Text, cell.Alignment));
        xml += QStringLiteral("</%1tr>").arg(P);
    }
    return xml + QStringLiteral("</%1tbl>").arg(P);
}

} // namespace

QByteArray NewDocxDocument(const TDocTable& Table, const QString& Text)
{
    const QString p = QStringLiteral("w:");
    const std::optional<QByteArray> bytes = NewOfficePackage(
        QStringLiteral("word/document.xml"),
        {{QStringLiteral("word/document.xml"),
          QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"),
          XmlPart(QStringLiteral("<w:document xmlns:w=\"%1\"><w:body>%2%3</w:body></w:document>")
                      .arg(Main_Namespace, TableXml(p, Table), Paragraph(p, Text, TAlignment::taLeftJustify)))}});
    if (!bytes)
        throw std::runtime_error("The document cannot be put together");
    return *bytes;
}

QByteArray InsertDocxTable(const QByteArray& Document, const TDocTable& Table, const QString& Bookmark)
{
    TZipReader zip(Document);
    if (!zip.IsOpen())
        Incorrect();
    const QString part = MainDocumentPart(zip, QStringLiteral("word/document.xml"));
    const std::optional<QByteArray> bytes = zip.Read(part);
    if (!bytes)
        Incorrect();
    QString xml = XmlPartText(*bytes);
    QXmlStreamReader reader(xml);
    QString prefix;
    qsizetype bodyEnd = -1, atBookmark = -1;
    QList<qsizetype> paragraphs;   // start of each open paragraph, innermost last
    bool inBody = false;
    int bodyDepth = 0, depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (reader.name() == QLatin1String("body") && reader.namespaceUri() == Main_Namespace) {
                inBody = true;
                bodyDepth = depth;
                prefix = PrefixOf(reader.qualifiedName());
            } else if (inBody && reader.name() == QLatin1String("p")) {
                paragraphs << TagStart(xml, reader);
            } else if (inBody && reader.name() == QLatin1String("sectPr") && depth == bodyDepth + 1) {
                bodyEnd = TagStart(xml, reader);   // the body's own section properties stay last
            } else if (inBody && atBookmark < 0 && reader.name() == QLatin1String("bookmarkStart") &&
                       AttributeByLocalName(reader, u"name") == Bookmark && !paragraphs.isEmpty()) {
                atBookmark = paragraphs.back();
            }
        } else if (reader.isEndElement()) {
            if (inBody && reader.name() == QLatin1String("p") && !paragraphs.isEmpty())
                paragraphs.removeLast();
            if (inBody && depth == bodyDepth) {
                const qsizetype end = TagStart(xml, reader);
                if (bodyEnd < 0 && xml.mid(end, 2) == QLatin1String("</"))   // "<w:body/>" has nowhere to insert
                    bodyEnd = end;
                inBody = false;
            }
            --depth;
        }
    }
    if (reader.hasError() || bodyEnd < 0)
        Incorrect();
    const QString table = TableXml(prefix, Table);
    if (atBookmark >= 0)
        xml.insert(atBookmark, table);
    else
        xml.insert(bodyEnd, table + QStringLiteral("<%1p/>").arg(prefix));
    const std::optional<QByteArray> result = ReplaceZipEntries(Document, {{part, xml.toUtf8()}});
    if (!result)
        Incorrect();
    return *result;
}
