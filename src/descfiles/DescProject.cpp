#include "descfiles/DescProject.h"
#include "core/UComon.h"

TProjectFileLoad Read_Table_Sections(const QString& path, const QStringList& names, std::vector<TTableSection>& sections,
                                     QString* error)
{
    sections.clear();
    Xml::TElement root;
    const TProjectFileLoad load = Load_Project_File(path, root, error);
    if (load != TProjectFileLoad::Loaded)
        return load;
    for (const QString& name : names) {
        const Xml::TElement* section = Xml::Child(&root, name);
        if (!section) {
            if (error)
                *error = Missing_Element_Message(path, name);
            sections.clear();
            return TProjectFileLoad::Failed;
        }
        TTableSection& rows = sections.emplace_back();
        for (const Xml::TElement& e : section->Elements) {
            TTableRow& row = rows.emplace_back();
            for (const Xml::TElement::TAttribute& a : e.Attributes)
                row.insert(a.Name, e.Attribute_Values.mid(a.Start, a.Length));
        }
    }
    return TProjectFileLoad::Loaded;
}

TProjectFileLoad Read_ParGen(const std::function<void(const TParGen&)>& read, QString* error)
{
    Xml::TElement root;
    const TProjectFileLoad load = Load_Project_File(File_ParGen, root, error);
    if (load == TProjectFileLoad::Loaded)
        read(TParGen(&root));
    return load;
}
