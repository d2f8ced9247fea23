#include "platform/Paths.h"
#include <QDir>

QString PosixPath(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString JoinPath(const QString& dir, const QString& name)
{
    const QString d = PosixPath(dir);
    const QString n = PosixPath(name);
    if (d.isEmpty())
        return QLatin1Char('/') + n;
    return d.endsWith(QLatin1Char('/')) ? d + n : d + QLatin1Char('/') + n;
}
