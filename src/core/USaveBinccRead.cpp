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
