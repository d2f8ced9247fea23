#pragma once
// Reading and writing the program's XML files.
// Readers take the document's root element, whatever declaration, comments or processing
// instructions stand before it. Writers put no declaration and no indentation, attributes
// in the order given, and the "SW_VERSION = ..." comment after the root at document level.
#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>
#include <memory>
#include <optional>
#include <vector>

namespace Xml {

enum class LoadResult { Ok, Missing, Malformed };

// An element as the program's readers see it, read in one pass.
struct TElement {
    QString Name;
    // Its character data and that of the elements inside it, in order; a run of blanks alone is dropped
    // unless it stands in a CDATA section. Not kept for the root.
    QString Text;
    // Its attributes in file order: their names, and their values laid end to end in one text (a table
    // of thousands of rows stays a few allocations a row).
    struct TAttribute {
        QString Name;
        qsizetype Start = 0;
        qsizetype Length = 0;
    };
    std::vector<TAttribute> Attributes;
    QString Attribute_Values;
    std::vector<TElement> Elements;   // its child elements, in file order
};

// Reads `bytes` into the document's root element (replacing what `root` held). Not well-formed XML, or
// elements nested more than 256 deep, is Malformed with the reason and place in `error`; `root` is then empty.
LoadResult Parse(const QByteArray& bytes, TElement& root, QString* error = nullptr);

// The same from a file. A file that is missing, unreadable, not a regular file or larger than
// Max_User_File_Size is Missing, with the reason in `error`.
LoadResult Load(const QString& path, TElement& root, QString* error = nullptr);

// First child element of `parent` with that name; null when missing or when `parent` is null.
const TElement* Child(const TElement* parent, QAnyStringView name);

// Text of the child element `name`, or `def` when the element is missing.
QString ChildText(const TElement* parent, QAnyStringView name, const QString& def = QString());

// An attribute only when present.
std::optional<QString> Attribute(const TElement& element, QAnyStringView name);

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
