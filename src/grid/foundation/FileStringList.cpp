#include "grid/foundation/FileStringList.h"
#include "grid/foundation/GridTypes.h"

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(QString& s)
{
    if (fp < 0 || fp >= size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(fp).toStdString());
    s = at(fp++);
}

void TFileStringList::WriteLn(const QString& s)
{
    append(cache + s);
    cache.clear();
}
