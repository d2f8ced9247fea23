#include "platform/XmlDoc.h"
#include "platform/SaveFile.h"
#include "platform/UserFile.h"
#include <QXmlStreamReader>

namespace Xml {

namespace {

// The program's files nest a few levels; the DOM takes time growing faster than the square of the
// depth to build a deeply nested file (and recursion to free it), so such a file stalls the reader.
constexpr int kMaxDepth = 256;

// The place where `bytes` nest deeper than kMaxDepth, checked with the streaming reader in linear time.
bool TooDeep(const QByteArray& bytes, int& line, int& column)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > kMaxDepth) {
            line = static_cast<int>(reader.lineNumber());
            column = static_cast<int>(reader.columnNumber());
            return true;
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return false;
}

} // namespace

LoadResult Load(QDomDocument& doc, const QString& path, QString* error)
{
    doc.clear();
    QByteArray bytes;
    if (!Read_User_File(path, bytes, error))
        return LoadResult::Missing;
    QString message;
    int line = 0;
    int column = 0;
    if (TooDeep(bytes, line, column))
        message = QStringLiteral("elements nested more than %1 deep").arg(kMaxDepth);
    if (!message.isEmpty() || !doc.setContent(bytes, &message, &line, &column)) {
        doc.clear();
        if (error)
            *error = QStringLiteral("%1 (line %2, column %3)").arg(message).arg(line).arg(column);
        return LoadResult::Malformed;
    }
    return LoadResult::Ok;
}

QDomElement Root(const QDomDocument& doc)
{
    return doc.documentElement();
}

QDomElement Child(const QDomNode& parent, const QString& name)
{
    return parent.isNull() ? QDomElement() : parent.firstChildElement(name);
}

QString ChildText(const QDomNode& parent, const QString& name, const QString& def)
{
    const QDomElement e = Child(parent, name);
    return e.isNull() ? def : e.text();
}

std::optional<QString> Attribute(const QDomNode& node, const QString& name)
{
    const QDomElement e = node.toElement();
    if (e.isNull() || !e.hasAttribute(name))
        return std::nullopt;
    return e.attribute(name);
}

QList<QDomElement> Elements(const QDomNode& parent)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        list.append(e);
    return list;
}

} // namespace Xml

XmlWriter::XmlWriter(const QString& rootName)
    : FWriter(std::make_unique<QXmlStreamWriter>(&FData))
{
    FWriter->setAutoFormatting(false);
    FWriter->writeStartElement(rootName);
    FDepth = 1;
}

XmlWriter::~XmlWriter() = default;

void XmlWriter::StartElement(const QString& name)
{
    FWriter->writeStartElement(name);
    ++FDepth;
}
void XmlWriter::Attribute(const QString& name, const QString& value) { FWriter->writeAttribute(name, value); }
void XmlWriter::EndElement()
{
    FWriter->writeEndElement();
    --FDepth;
}
void XmlWriter::TextElement(const QString& name, const QString& text)
{
    // The reader drops a text of blanks alone, but keeps it in a CDATA section.
    if (text.isEmpty() || !text.trimmed().isEmpty())
        return FWriter->writeTextElement(name, text);
    FWriter->writeStartElement(name);
    FWriter->writeCDATA(text);
    FWriter->writeEndElement();
}

QByteArray XmlWriter::Finish(const QString& comment)
{
    // A second call (Finish, then Save) must not append the comment again.
    if (FFinished)
        return FData;
    FFinished = true;
    // writeEndDocument would add a line break; close the open elements one by one instead.
    for (; FDepth > 0; --FDepth)
        FWriter->writeEndElement();
    if (!comment.isEmpty())
        FWriter->writeComment(comment);
    return FData;
}

bool XmlWriter::Save(const QString& path, const QString& comment, QString* error)
{
    return SaveWholeFileTold(path, Finish(comment), error);
}
