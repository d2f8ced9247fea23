#pragma once
// What the readers of the project files share: loading a file and reading whole numbers.
#include "core/UComon.h"
#include <QDomElement>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QDomDocument;

enum class TProjectFileLoad { Missing, Loaded, Failed };

// Missing when no file is there (the reader then keeps its defaults); Failed, with the reason in
// `error`, when the file is there but cannot be read or is not well-formed XML.
TProjectFileLoad Load_Project_File(const QString& path, QDomDocument& doc, QString* error);

// The messages of the object-table readers for a file written by something other than the editor.
QString Missing_Element_Message(const QString& path, const QString& element);
QString Row_Attribute_Message(const QString& path, const QString& section, int row, const QString& attribute,
                              bool number);

// Element lookups on the root of ParGen.xml, with an older element name where one exists.
class TParGen {
public:
    using TAddress = std::array<std::int64_t, 4>;

    explicit TParGen(const QDomElement& root) : FRoot(root) {}

    // The element's text; nothing when the element is missing.
    std::optional<QString> Text(const QString& name, const QString& older = QString()) const;
    // The element's decimal whole number; `def` when it is missing or not a number.
    std::int64_t Number(const QString& name, std::int64_t def, const QString& older = QString()) const;
    // True when the element's text is exactly "1".
    bool Flag(const QString& name, const QString& older = QString()) const;
    // The four elements prefix1 to prefix4.
    TAddress Address(const QString& prefix, const QString& older, const TAddress& def) const;

private:
    QDomElement FRoot;
};
