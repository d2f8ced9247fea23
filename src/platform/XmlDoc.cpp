#include "platform/XmlDoc.h"
#include "platform/SaveFile.h"
#include "platform/UserFile.h"
#include <QXmlStreamReader>

namespace Xml {

namespace {

// The program's files nest a few levels; a file nested deeper is no file of ours, and refused before it
// costs time and memory.
constexpr int kMaxDepth = 256;

// The same few names stand on every row: share one copy of each instead of allocating it again.
class TNames {
public:
    QString Get(QStringView name)
    {
        for (const QString& known : FNames)
            if (known == name)
                return known;
        if (FNames.size() < 64)
            FNames.push_back(name.toString());
        return name.toString();
    }

private:
    std::vector<QString> FNames;
};

QString Place(const QXmlStreamReader& reader)
{
    return QStringLiteral(" (line %1, column %2)").arg(reader.lineNumber()).arg(reader.columnNumber());
}

} // namespace

LoadResult Parse(const QByteArray& bytes, TElement& root, QString* error)
{
    root = TElement();
    QXmlStreamReader reader(bytes);
    // Element and attribute names are taken as written, prefixes and all.
    reader.setNamespaceProcessing(false);
    std::vector<TElement*> open;
    bool seen_root = false;
    TNames names;
    QString message;
    while (message.isEmpty() && !reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (static_cast<int>(open.size()) >= kMaxDepth) {
                message = QStringLiteral("elements nested more than %1 deep").arg(kMaxDepth) + Place(reader);
                break;
            }
            TElement* e = &root;
            if (!open.empty()) {
                open.back()->Elements.emplace_back();
                e = &open.back()->Elements.back();
            }
            seen_root = true;
            e->Name = names.Get(reader.qualifiedName());
            const QXmlStreamAttributes attributes = reader.attributes();
            e->Attributes.reserve(static_cast<std::size_t>(attributes.size()));
            qsizetype length = 0;
            for (const QXmlStreamAttribute& a : attributes)
                length += a.value().size();
            e->Attribute_Values.reserve(length);
            for (const QXmlStreamAttribute& a : attributes) {
                e->Attributes.push_back({names.Get(a.qualifiedName()), e->Attribute_Values.size(), a.value().size()});
                e->Attribute_Values += a.value();
            }
            open.push_back(e);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isWhitespace() && !reader.isCDATA())
                break;
            [[fallthrough]];
        case QXmlStreamReader::EntityReference:
            for (std::size_t i = 1; i < open.size(); ++i)
                open[i]->Text += reader.text();
            break;
        default:
            break;
        }
    }
    if (message.isEmpty() && reader.hasError())
        message = reader.errorString() + Place(reader);
    if (message.isEmpty() && !seen_root)
        message = QStringLiteral("no root element") + Place(reader);
    if (message.isEmpty())
        return LoadResult::Ok;
    root = TElement();
    if (error)
        *error = message;
    return LoadResult::Malformed;
}

LoadResult Load(const QString& path, TElement& root, QString* error)
{
    root = TElement();
    QByteArray bytes;
    if (!Read_User_File(path, bytes, error))
        return LoadResult::Missing;
    return Parse(bytes, root, error);
}

const TElement* Child(const TElement* parent, QAnyStringView name)
{
    if (parent)
        for (const TElement& e : parent->Elements)
            if (e.Name == name)
                return &e;
    return nullptr;
}

QString ChildText(const TElement* parent, QAnyStringView name, const QString& def)
{
    const TElement* e = Child(parent, name);
    return e ? e->Text : def;
}

std::optional<QString> Attribute(const TElement& element, QAnyStringView name)
{
    for (const TElement::TAttribute& a : element.Attributes)
        if (a.Name == name)
            return element.Attribute_Values.mid(a.Start, a.Length);
    return std::nullopt;
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
