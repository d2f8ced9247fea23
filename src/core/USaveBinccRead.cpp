#include "core/USaveBinccRead.h"
#include "platform/XmlDoc.h"
#include <QDir>
#include <QFileInfo>

TProjectFileLoad Load_Project_File(const QString& path, QDomDocument& doc, QString* error)
{
    doc.clear();
    if (!QFileInfo::exists(path))
        return TProjectFileLoad::Missing;
    QString reason;
    switch (Xml::Load(doc, path, &reason)) {
    case Xml::LoadResult::Ok:
        return TProjectFileLoad::Loaded;
    case Xml::LoadResult::Malformed:
        if (error)
            *error = QStringLiteral("Error! The file %1 is not well-formed XML: %2").arg(QDir::toNativeSeparators(path), reason);
        break;
    case Xml::LoadResult::Missing:
        if (error)
            *error = QStringLiteral("Error! The file %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), reason);
        break;
    }
    return TProjectFileLoad::Failed;
}

QString Missing_Element_Message(const QString& path, const QString& element)
{
    return QStringLiteral("Error! The file %1 has no element %2").arg(QDir::toNativeSeparators(path), element);
}

QString Row_Attribute_Message(const QString& path, const QString& section, int row, const QString& attribute, bool number)
{
    return QStringLiteral("Error! The file %1, %2 row %3: the attribute %4 is missing%5")
        .arg(QDir::toNativeSeparators(path), section)
        .arg(row)
        .arg(attribute, number ? QStringLiteral(" or not a number") : QString());
}

std::optional<QString> TParGen::Text(const QString& name, const QString& older) const
{
    QDomElement e = Xml::Child(FRoot, name);
    if (e.isNull() && !older.isEmpty())
        e = Xml::Child(FRoot, older);
    if (e.isNull())
        return std::nullopt;
    return e.text();
}

std::int64_t TParGen::Number(const QString& name, std::int64_t def, const QString& older) const
{
    const std::optional<QString> text = Text(name, older);
    return text ? Read_Whole_Number(*text).value_or(def) : def;
}

bool TParGen::Flag(const QString& name, const QString& older) const
{
    return Text(name, older) == QStringLiteral("1");
}

TParGen::TAddress TParGen::Address(const QString& prefix, const QString& older, const TAddress& def) const
{
    TAddress a{};
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        a[i] = Number(prefix + n, def[i], older.isEmpty() ? QString() : older + n);
    }
    return a;
}
