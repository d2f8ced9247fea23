#include "support/TempProgramFolder.h"

#include "core/UComon.h"
#include "core/ULanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempProgramFolder::TempProgramFolder(bool createSubfolders)
{
    if (!FDir.isValid())
        throw std::runtime_error("no temporary folder");
    Reset_Program_State();
    Exe_Dir = path();
    Master_Dir = master();
    Projects_Dir = projects();
    Language_Dir = language();
    if (createSubfolders)
        for (const QString& d : {Master_Dir, Projects_Dir, Language_Dir})
            QDir().mkpath(d);
    Set_Default_Language();
}

TempProgramFolder::~TempProgramFolder()
{
    Reset_Program_State();
    Set_Default_Language();
}

QString TempProgramFolder::makeProject(const QString& name) const
{
    const QString dir = projects() + QLatin1Char('/') + name;
    QDir().mkpath(dir + QStringLiteral("/bin"));
    return dir;
}

QString TempProgramFolder::writeFile(const QString& relativePath, const QByteArray& content) const
{
    const QString file = path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        throw std::runtime_error("cannot write test file");
    return file;
}
