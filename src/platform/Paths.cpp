#include "platform/Paths.h"
#include <QDir>
#include <QFileInfo>

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

bool Resolves_Inside(const QString& folder, const QString& path)
{
    const QString root = QFileInfo(PosixPath(folder)).canonicalFilePath();
    if (root.isEmpty())
        return false;
    QString at = QDir::cleanPath(QFileInfo(PosixPath(path)).absoluteFilePath());
    QString rest;   // the parts not there yet: no links among them
    for (QFileInfo info(at); !info.exists() && !info.isSymLink(); info.setFile(at)) {
        const qsizetype slash = at.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return false;
        rest.prepend(at.mid(slash));
        at.truncate(slash);
    }
    const QString real = QFileInfo(at).canonicalFilePath();
    if (real.isEmpty())
        return false;
    const QString resolved = real + rest;
    return resolved == root || resolved.startsWith(root + QLatin1Char('/'));
}
