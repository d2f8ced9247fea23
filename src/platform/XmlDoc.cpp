#include "platform/XmlDoc.h"
#include "platform/SaveFile.h"
#include "platform/UserFile.h"
#include <QStringDecoder>
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

// The parser checks each attribute against all before it, so a tag with tens of thousands of them takes
// seconds. No file of the program holds a tag of more than a few dozen attributes or a few kilobytes (a
// certificate), so a tag far past that is refused before the parser sees it.
constexpr qsizetype kMaxAttributes = 256;
constexpr qsizetype kMaxStartTag = 1024 * 1024;

char16_t Code(char c) { return static_cast<unsigned char>(c); }
char16_t Code(QChar c) { return c.unicode(); }

// Where the first start tag beyond those limits begins, or -1. Comments, CDATA sections, instructions and
// declarations are passed over; a '<' cannot stand anywhere else outside a tag, so one pass is enough.
template <typename View>
qsizetype Oversized_Start_Tag(View text)
{
    const qsizetype n = text.size();
    const auto at = [&](qsizetype k) { return k < n ? Code(text[k]) : char16_t(0); };
    const auto starts = [&](qsizetype k, const char* word) {
        for (; *word; ++word, ++k)
            if (at(k) != char16_t(*word))
                return false;
        return true;
    };
    const auto skip_to = [&](qsizetype k, const char* end) {
        while (k < n && !starts(k, end))
            ++k;
        return k;
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (at(i) != u'<')
            continue;
        if (starts(i, "<!--")) {
            i = skip_to(i + 4, "-->");
        } else if (starts(i, "<![CDATA[")) {
            i = skip_to(i + 9, "]]>");
        } else if (starts(i, "<?")) {
            i = skip_to(i + 2, "?>");
        } else if (at(i + 1) != u'!' && at(i + 1) != u'/') {
            qsizetype attributes = 0, k = i + 1;
            char16_t quote = 0;
            for (; k < n && (quote || at(k) != u'>'); ++k) {
                const char16_t c = at(k);
                if (quote)
                    quote = c == quote ? 0 : quote;
                else if (c == u'"' || c == u'\'')
                    quote = c;
                else if (c == u'=' && ++attributes > kMaxAttributes)
                    return i;
                if (k - i > kMaxStartTag)
                    return i;
            }
            i = k;
        }
    }
    return -1;
}

// The refusal, placed as the parser places its errors.
template <typename View>
QString Oversized_Start_Tag_Message(View text, qsizetype at)
{
    qsizetype line = 1, column = 1;
    for (qsizetype k = 0; k < at; ++k, ++column)
        if (Code(text[k]) == u'\n')
            ++line, column = 0;
    return QStringLiteral("a start tag with more than %1 attributes or longer than %2 characters (line %3, column %4)")
        .arg(kMaxAttributes)
        .arg(kMaxStartTag)
        .arg(line)
        .arg(column);
}

QString Check_Start_Tags(const QByteArray& bytes)
{
    // UTF-16 and UTF-32 files are looked at as text; every other encoding the parser takes keeps ASCII as it is.
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes, '<');
    if (encoding && *encoding != QStringConverter::Utf8) {
        QStringDecoder decode(*encoding);
        const QString text = decode(bytes);
        const qsizetype at = Oversized_Start_Tag(QStringView(text));
        return at < 0 ? QString() : Oversized_Start_Tag_Message(QStringView(text), at);
    }
    const qsizetype at = Oversized_Start_Tag(QByteArrayView(bytes));
    return at < 0 ? QString() : Oversized_Start_Tag_Message(QByteArrayView(bytes), at);
}

} // namespace

LoadResult Parse(const QByteArray& bytes, TElement& root, QString* error)
{
    root = TElement();
    if (QString refused = Check_Start_Tags(bytes); !refused.isEmpty()) {
        if (error)
            *error = refused;
        return LoadResult::Malformed;
    }
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
