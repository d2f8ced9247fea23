#include "tables/TableFile.h"

#include "core/ProjectFile.h"
#include "core/tables/TableSchema.h"
#include "core/UComon.h"
#include "platform/Dialogs.h"

#include <QDir>

std::vector<TTableLoad> Load_Table_File(const QString& path, const TTableSchema& schema, int maxRows)
{
    const TTableFile_Read file = Read_Table_File(path, schema, maxRows);
    std::vector<TTableLoad> tables(schema.Sections.size());
    tables.front().Error = file.Error;
    for (std::size_t t = 0; t < file.Sections.size(); ++t) {
        tables[t].Left_Out = file.Sections[t].Left_Out;
        for (const TTableRow_Read& row : file.Sections[t].Rows)
            tables[t].Rows.push_back(With_Defaults(row, schema.Sections[t]));
    }
    return tables;
}

int Table_End(const TTableRows& rows, int keyCell, bool asStored)
{
    int n = 0;
    while (n < static_cast<int>(rows.size())) {
        const QString key = rows[n].value(keyCell);
        if ((asStored ? key : key.trimmed()).isEmpty())
            break;
        ++n;
    }
    return n;
}

TTableRows Table_Head(const TTableRows& rows, int keyCell, bool asStored)
{
    return TTableRows(rows.begin(), rows.begin() + Table_End(rows, keyCell, asStored));
}

int Cell_Int(const QString& text)
{
    return Read_Cell_Integer(text).value_or(-1);
}

qint64 Cell_Int64(const QString& text)
{
    return Read_Cell_Int64(text).value_or(-1);
}

QString Left_Out_Message(const QString& path, int leftOut, int tableRows)
{
    return QStringLiteral("The file %1 holds %2 rows more than the %3 of the table: they are not shown, and "
                          "saving the table writes only the rows shown.")
        .arg(QDir::toNativeSeparators(path))
        .arg(leftOut)
        .arg(tableRows);
}

QString Partial_Overwrite_Question(const QString& path)
{
    return QStringLiteral("The file %1 was loaded only in part. Saving writes the table as it is shown over "
                          "the whole file. Do you want to save?")
        .arg(QDir::toNativeSeparators(path));
}

void Report_Table_Load(const QString& path, const TTableLoad& load, int tableRows)
{
    if (!load.Error.isEmpty())
        MessageDlg(load.Error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    if (load.Left_Out > 0)
        MessageDlg(Left_Out_Message(path, load.Left_Out, tableRows), TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}

bool Save_Table_File(const QString& path, const QByteArray& content, bool partial)
{
    if (partial && MessageDlg(Partial_Overwrite_Question(path), TMsgDlgType::mtConfirmation,
                              {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) != mrYes)
        return false;
    QString error;
    if (!Save_Project_File(Project_Dir, path, content, &error)) {
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return false;
    }
    return true;
}
