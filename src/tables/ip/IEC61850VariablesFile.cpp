#include "tables/ip/IEC61850VariablesFile.h"

#include "core/tables/TableSchemas.h"
#include "core/UComon.h"
#include "core/ULanguage.h"

namespace {

enum Cell { cEnable, cName, cType, cLength, cReadOnly, cPosition, cStartBit, cConversion, cFactor };

// The text of the row's first failing check, empty when it passes.
QString Check_Row(const QStringList& row, QChar separator)
{
    const int length = Cell_Int(row.value(cLength));
    if (length < 1 || length > 4)
        return Lang(941);
    const int position = Cell_Int(row.value(cPosition));
    if (position < 0 || position > IEC61850_NByte_IN - 1)
        return Lang(930) + QString::number(IEC61850_NByte_IN - 1);
    if (row.value(cType) == QLatin1String("Digital (Bit)") && row.value(cStartBit).trimmed().isEmpty())
        return Lang(938);
    if (row.value(cConversion).trimmed().isEmpty())
        return Lang(939);
    float factor = 0;
    if (row.value(cFactor).toUpper().trimmed() != QLatin1String("NONE") &&
        !Str_To_Float_Dec(row.value(cFactor), separator, factor))
        return Lang(940);
    return {};
}

} // namespace

TTableLoad Load_IEC61850_Variables(const QString& path)
{
    return Load_Table_File(path, IEC61850_Variables_Schema, IEC61850_Variable_Rows).front();
}

QByteArray IEC61850_Variables_XML(const TTableRows& rows)
{
    return Write_Table_File(IEC61850_Variables_Schema, {Table_Head(rows, cName)});
}

QString Check_IEC61850_Variables(const TTableRows& rows, QChar separator)
{
    const int end = Table_End(rows, cName);
    for (int r = 0; r < end; ++r) {
        if (rows[r].value(cEnable).trimmed() != QLatin1String("Y"))
            continue;
        const QString error = Check_Row(rows[r], separator);
        if (!error.isEmpty())
            return Lang(929) + QString::number(r + 1) + error;
    }
    return {};
}
