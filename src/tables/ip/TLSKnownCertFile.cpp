#include "tables/ip/TLSKnownCertFile.h"

#include "core/ProjectFile.h"

namespace {
const QStringList kAttributes = {"Enable", "Certificate", "Mnemonic"};
}

TTableLoad Load_Known_Cert(const QString& path)
{
    TTableLoad load;
    Xml::TElement root;
    if (Load_Table_Root(path, root, load))
        Read_Table_Section(&root, kAttributes, {"Y", "", ""}, Known_Cert_Rows, load.Rows, load.Left_Out);
    for (QStringList& row : load.Rows)
        row[0] = row[0] == QLatin1String("N") ? QStringLiteral("N") : QStringLiteral("Y");
    return load;
}

QByteArray Known_Cert_XML(const TTableRows& rows)
{
    TTableWriter writer(QStringLiteral("TLS_Server_Known_Cert"), kAttributes);
    const int end = Table_End(rows, 1);
    for (int r = 0; r < end; ++r)
        writer.Add_Row(rows[r]);
    return writer.Finish();
}
