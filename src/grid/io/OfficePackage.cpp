#include "grid/io/OfficePackage.h"
#include "grid/io/ZipArchive.h"
#include "platform/UserFile.h"
#include <QDir>
#include <QXmlStreamReader>
#include <stdexcept>

QString RelationshipsPartOf(const QString& Part)
{
    const qsizetype slash = Part.lastIndexOf(QLatin1Char('/'));
    return Part.left(slash + 1) + QStringLiteral("_rels/") + Part.mid(slash + 1) + QStringLiteral(".rels");
}

std::optional<QList<TRelationship>> ReadRelationships(TZipReader& Zip, const QString& Part)
{
    const QString relsPart = RelationshipsPartOf(Part);
    QList<TRelationship> result;
    if (!Zip.Contains(relsPart))
        return result;
    const std::optional<QByteArray> bytes = Zip.Read(relsPart);
    if (!bytes)
        return std::nullopt;
    const QString folder = Part.left(Part.lastIndexOf(QLatin1Char('/')) + 1);
    QXmlStreamReader xml(*bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("Relationship"))
            continue;
        TRelationship r;
        r.Id = AttributeByLocalName(xml, u"Id");
        r.Type = AttributeByLocalName(xml, u"Type");
        const QString target = AttributeByLocalName(xml, u"Target");
        if (AttributeByLocalName(xml, u"TargetMode") == QLatin1String("External"))
            continue;
        r.Target = QDir::cleanPath(target.startsWith(QLatin1Char('/')) ? target.mid(1) : folder + target);
        result << r;
    }
    if (xml.hasError())
        return std::nullopt;
    return result;
}

bool IsRelationshipType(const TRelationship& Relationship, QStringView Kind)
{
    return Relationship.Type.endsWith(QLatin1Char('/') + Kind.toString());
}

QString MainDocumentPart(TZipReader& Zip, const QString& Fallback)
{
    if (const auto rels = ReadRelationships(Zip, QString()))
        for (const TRelationship& r : *rels)
            if (IsRelationshipType(r, u"officeDocument"))
                return r.Target;
    return Fallback;
}

QString AttributeByLocalName(const QXmlStreamReader& Xml, QStringView Name)
{
    for (const QXmlStreamAttribute& a : Xml.attributes())
        if (a.name() == Name)
            return a.value().toString();
    return QString();
}

QString PrefixOf(QStringView QualifiedName)
{
    const qsizetype colon = QualifiedName.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : QualifiedName.left(colon + 1).toString();
}

qsizetype TagStart(const QString& Xml, const QXmlStreamReader& Reader)
{
    // '<' cannot stand inside a tag, so the last one before the offset opens it.
    return Xml.lastIndexOf(QLatin1Char('<'), qsizetype(Reader.characterOffset()) - 1);
}

bool IsXmlChar(char32_t Ch)
{
    return Ch == 0x9 || Ch == 0xA || Ch == 0xD || (Ch >= 0x20 && Ch <= 0xD7FF) || (Ch >= 0xE000 && Ch <= 0xFFFD) ||
           (Ch >= 0x10000 && Ch <= 0x10FFFF);
}

QString XmlEscaped(const QString& Text)
{
    QString out;
    out.reserve(Text.size());
    for (const char32_t ch : Text.toUcs4()) {
        if (!IsXmlChar(ch))
            continue;
        switch (ch) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        default: out += QString::fromUcs4(&ch, 1);
        }
    }
    return out;
}

std::optional<QString> InsertBeforeRootEnd(const QString& Xml, const QString& Fragment)
{
    QXmlStreamReader reader(Xml);
    qsizetype rootEnd = -1;
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            ++depth;
        else if (reader.isEndElement() && --depth == 0)
            rootEnd = TagStart(Xml, reader);
    }
    if (reader.hasError() || rootEnd < 0 || Xml.mid(rootEnd, 2) != QLatin1String("</"))
        return std::nullopt;   // an empty root element "<Types/>" has no closing tag to insert at
    QString result = Xml;
    result.insert(rootEnd, Fragment);
    return result;
}

QByteArray ReadOfficeFile(const QString& FileName)
{
    QByteArray bytes;
    QString reason;
    if (!Read_User_File(FileName, bytes, &reason))
        throw std::runtime_error(
            QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(FileName), reason).toStdString());
    return bytes;
}

QByteArray XmlPart(const QString& Body)
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") + Body.toUtf8();
}

QString XmlPartText(const QByteArray& Bytes)
{
    return QString::fromUtf8(Bytes.startsWith("\xEF\xBB\xBF") ? Bytes.mid(3) : Bytes);
}

std::optional<QByteArray> NewOfficePackage(const QString& MainPart, const QList<TNewPart>& Parts)
{
    QString types = QStringLiteral(
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>");
    for (const TNewPart& part : Parts)
        if (!part.ContentType.isEmpty())
            types += QStringLiteral("<Override PartName=\"/%1\" ContentType=\"%2\"/>").arg(part.Name, part.ContentType);
    TZipEntries entries{
        {QStringLiteral("[Content_Types].xml"), XmlPart(types + QStringLiteral("</Types>"))},
        {QStringLiteral("_rels/.rels"),
         XmlPart(QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                                "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                                "2006/relationships/officeDocument\" Target=\"%1\"/></Relationships>").arg(MainPart))},
    };
    for (const TNewPart& part : Parts)
        entries << qMakePair(part.Name, part.Bytes);
    return NewZipArchive(entries);
}
