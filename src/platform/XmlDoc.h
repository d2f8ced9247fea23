#pragma once
// Reading and writing the program's XML files.
// Readers take the document's root element, whatever declaration, comments or processing
// instructions stand before it. Writers put no declaration and no indentation, attributes
// in the order given, and the "SW_VERSION = ..." comment after the root at document level.
#include <QByteArray>
#include <QDomDocument>
#include <QString>
#include <QXmlStreamWriter>
#include <memory>
#include <optional>

namespace Xml {

enum class LoadResult { Ok, Missing, Malformed };

// Loads `path` into `doc` (replacing what it held). A file that is missing, unreadable, not a regular
// file or larger than Max_User_File_Size is Missing; a file that is not well-formed XML is Malformed; the
// document is then empty.
LoadResult Load(QDomDocument& doc, const QString& path, QString* error = nullptr);

// The document's root element; a null element for an empty document.
QDomElement Root(const QDomDocument& doc);

// First child element of `parent` with that name; null when missing.
QDomElement Child(const QDomNode& parent, const QString& name);

// Text of the child element `name`, or `def` when the element is missing.
QString ChildText(const QDomNode& parent, const QString& name, const QString& def = QString());

// An attribute only when present.
std::optional<QString> Attribute(const QDomNode& node, const QString& name);

// Child elements of `parent` in document order (all of them, whatever their name).
QList<QDomElement> Elements(const QDomNode& parent);

} // namespace Xml

class XmlWriter {
public:
    explicit XmlWriter(const QString& rootName);
    ~XmlWriter();

    void StartElement(const QString& name);
    void Attribute(const QString& name, const QString& value);
    void EndElement();
    void TextElement(const QString& name, const QString& text);

    // Closes the root and appends `comment` at document level when it is not empty; later calls return
    // the same bytes.
    QByteArray Finish(const QString& comment = QString());
    // Finish, then write the file whole or not at all; false with the message to show.
    bool Save(const QString& path, const QString& comment = QString(), QString* error = nullptr);

private:
    QByteArray FData;
    std::unique_ptr<QXmlStreamWriter> FWriter;
    int FDepth = 0;
    bool FFinished = false;
};
