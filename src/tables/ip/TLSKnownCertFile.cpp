#include "tables/ip/TLSKnownCertFile.h"

#include "core/tables/TableSchemas.h"

TTableLoad Load_Known_Cert(const QString& path)
{
    TTableLoad load = Load_Table_File(path, Known_Cert_Schema, Known_Cert_Rows).front();
    for (QStringList& row : load.Rows)
        row[0] = row[0] == QLatin1String("N") ? QStringLiteral("N") : QStringLiteral("Y");
    return load;
}

QByteArray Known_Cert_XML(const TTableRows& rows)
{
    return Write_Table_File(Known_Cert_Schema, {Table_Head(rows, 1)});
}
