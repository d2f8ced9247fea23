#include "descfiles/DescProject.h"
#include "core/UComon.h"
#include "platform/XmlDoc.h"

TProjectFileLoad Read_Table_Sections(const QString& path, const QStringList& names, std::vector<TTableSection>& sections,
                                     QString* error)
{
    sections.clear();
    QDomDocument doc;
    const TProjectFileLoad load = Load_Project_File(path, doc, error);
    if (load != TProjectFileLoad::Loaded)
        return load;
    const QDomElement root = Xml::Root(doc);
    for (const QString& name : names) {
        const QDomElement section = Xml::Child(root, name);
        if (section.isNull()) {
            if (error)
                *error = Missing_Element_Message(path, name);
            sections.clear();
            return TProjectFileLoad::Failed;
        }
        TTableSection& rows = sections.emplace_back();
        for (const QDomElement& e : Xml::Elements(section)) {
            TTableRow& row = rows.emplace_back();
            const QDomNamedNodeMap attributes = e.attributes();
            for (int i = 0; i < attributes.count(); ++i) {
                const QDomAttr a = attributes.item(i).toAttr();
                row.insert(a.name(), a.value());
            }
        }
    }
    return TProjectFileLoad::Loaded;
}

TProjectFileLoad Read_ParGen(const std::function<void(const TParGen&)>& read, QString* error)
{
    QDomDocument doc;
    const TProjectFileLoad load = Load_Project_File(File_ParGen, doc, error);
    if (load == TProjectFileLoad::Loaded)
        read(TParGen(Xml::Root(doc)));
    return load;
}
