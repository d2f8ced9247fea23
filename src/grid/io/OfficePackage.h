#pragma once
// What .xlsx and .docx files share: parts in a ZIP container, found through relationship parts, and XML
// that is edited by inserting text at a tag, so everything around the insertion stays as it was.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class QXmlStreamReader;
class TZipReader;

struct TRelationship {
    QString Id;
    QString Type;     // compared by its last segment, which transitional and strict files share
    QString Target;   // the part name, resolved against the source part, without a leading "/"
};

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; "" (the package) -> "_rels/.rels".
QString RelationshipsPartOf(const QString& Part);
// The relationships of Part; none when it has no relationship part. Nothing when that part is broken.
std::optional<QList<TRelationship>> ReadRelationships(TZipReader& Zip, const QString& Part);
bool IsRelationshipType(const TRelationship& Relationship, QStringView Kind);   // Kind: "worksheet", ...
// The target of the package's officeDocument relationship, or Fallback.
QString MainDocumentPart(TZipReader& Zip, const QString& Fallback);

// Attribute of the current element by local name, whatever its prefix.
QString AttributeByLocalName(const QXmlStreamReader& Xml, QStringView Name);
// "w:body" -> "w:"; "body" -> "".
QString PrefixOf(QStringView QualifiedName);
// Where the tag just read starts: the reader reports the offset after it.
qsizetype TagStart(const QString& Xml, const QXmlStreamReader& Reader);

// Text for element content and attribute values: &, <, >, " escaped; characters XML cannot hold dropped.
QString XmlEscaped(const QString& Text);
bool IsXmlChar(char32_t Ch);

// Xml with Fragment inserted just before the closing tag of its root element; nothing when Xml is no
// well-formed document.
std::optional<QString> InsertBeforeRootEnd(const QString& Xml, const QString& Fragment);

// An XML part: the declaration, then Body in UTF-8.
QByteArray XmlPart(const QString& Body);
// The text of an XML part, without a byte-order mark.
QString XmlPartText(const QByteArray& Bytes);

struct TNewPart {
    QString Name;          // "xl/workbook.xml"
    QString ContentType;   // empty for relationship parts
    QByteArray Bytes;
};
// A new package of Parts, MainPart its office document; nothing when the archive cannot be put together.
std::optional<QByteArray> NewOfficePackage(const QString& MainPart, const QList<TNewPart>& Parts);

// The whole file, for the office readers; a file that cannot be read raises its reason, naming the file.
QByteArray ReadOfficeFile(const QString& FileName);
