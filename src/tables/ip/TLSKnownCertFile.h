#pragma once
// TLS_Known_Cert.xml: the known certificates table, rows of Enable ("Y"/"N"), Certificate, Mnemonic.
#include "tables/TableFile.h"

constexpr int Known_Cert_Rows = 10;

// Cells per row: Enable ("N" exactly for an unchecked row, "Y" otherwise), Certificate, Mnemonic.
TTableLoad Load_Known_Cert(const QString& path);
// The file of the rows up to the first with a blank certificate.
QByteArray Known_Cert_XML(const TTableRows& rows);
