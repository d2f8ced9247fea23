#include "descfiles/DescProject.h"
#include "core/UComon.h"

TProjectFileLoad Read_Table_Sections(const QString& path, const TTableSchema& schema, std::vector<TTableSection>& sections,
                                     QString* error)
{
    sections.clear();
    const TTableFile_Read file = Read_Table_File(path, schema);
    if (file.Load != TProjectFileLoad::Loaded) {
        if (error && file.Load == TProjectFileLoad::Failed)
            *error = file.Error;
        return file.Load;
    }
    for (std::size_t s = 0; s < file.Sections.size(); ++s) {
        const TSchemaSection& names = schema.Sections[s];
        if (!file.Sections[s].Present) {
            if (error)
                *error = Missing_Element_Message(path, names.Name);
            sections.clear();
            return TProjectFileLoad::Failed;
        }
        TTableSection& rows = sections.emplace_back();
        for (const TTableRow_Read& read : file.Sections[s].Rows) {
            TTableRow& row = rows.emplace_back();
            for (std::size_t a = 0; a < read.size(); ++a)
                if (read[a])
                    row.insert(names.Attributes[a].Name, *read[a]);
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
