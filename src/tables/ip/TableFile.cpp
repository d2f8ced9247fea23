#include "tables/ip/TableFile.h"

#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "platform/Dialogs.h"

#include <QDir>

bool Load_Table_Root(const QString& path, Xml::TElement& root, TTableLoad& load)
{
    QString error;
    switch (Load_Project_File(path, root, &error)) {
    case TProjectFileLoad::Loaded:
        return true;
    case TProjectFileLoad::Failed:
        load.Error = error;
        return false;
    case TProjectFileLoad::Missing:
        break;
    }
    return false;
}

void Read_Table_Section(const Xml::TElement* section, const QStringList& attributes, const QStringList& defaults,
                        int maxRows, TTableRows& rows, int& leftOut)
{
    rows.clear();
    leftOut = 0;
    if (!section)
        return;
    for (const Xml::TElement& element : section->Elements) {
        if (static_cast<int>(rows.size()) == maxRows) {
            ++leftOut;
            continue;
        }
        QStringList cells;
        cells.reserve(attributes.size());
        for (qsizetype i = 0; i < attributes.size(); ++i)
            cells.append(Xml::Attribute(element, attributes[i]).value_or(defaults.value(i)));
        rows.push_back(std::move(cells));
    }
}

int Table_End(const TTableRows& rows, int keyCell)
{
    int n = 0;
    while (n < static_cast<int>(rows.size()) && !rows[n].value(keyCell).trimmed().isEmpty())
        ++n;
    return n;
}

int Cell_Int(const QString& text, int def)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : def;
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
