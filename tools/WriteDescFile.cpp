// Writes one device description file of a project folder, as the configurator's step would, for
// checking a project's files by hand.
//   WriteDescFile KIND PROJECT_FOLDER OUT_FOLDER [--clock YYYY-MM-DDTHH:MM:SS] [--name TEXT]
// KIND is ede, eds, gsd, gsdml or mib. --name stands for what the user types or picks in the file
// dialog (the GSDML dialog's user part; by default the project's name, for GSDML nothing), --clock for
// the time of writing. Prints the path written; on failure prints the program's message and exits 1.
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "descfiles/DescText.h"
#include "descfiles/UBACnet_EDE_File.h"
#include "descfiles/UEds.h"
#include "descfiles/UProfibus_GSD.h"
#include "descfiles/UProfinetXML.h"
#include "descfiles/USNMP_MIB.h"
#include "platform/Dialogs.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace {

int Usage()
{
    QTextStream(stderr) << "usage: WriteDescFile ede|eds|gsd|gsdml|mib PROJECT_FOLDER OUT_FOLDER "
                           "[--clock YYYY-MM-DDTHH:MM:SS] [--name TEXT]\n";
    return 2;
}

int Fail(const QString& message)
{
    QTextStream(stderr) << message << '\n';
    return 1;
}

// The file name the step would write and the writer that writes it; false with the message.
bool Write(const QString& kind, const QString& name, const QString& outDir, QString& path, QString& error)
{
    if (kind == QLatin1String("gsdml")) {
        if (!Valid_PROFINET_User_Part(name)) {
            error = PROFINET_User_Part_Message();
            return false;
        }
        const QString file =
            PROFINET_XML_Name(PROFINET_Fixed_Prefix(), name, PROFINET_Fixed_Suffix(Desc_Now().date()));
        path = QDir(outDir).filePath(file);
        return Write_GSDML_File(path, &error);
    }
    // The save dialogs choose a file in one folder: a name with a separator is not one of them.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        error = QStringLiteral("Error! \"%1\" is not a file name").arg(name);
        return false;
    }
    const QDir out(outDir);
    if (kind == QLatin1String("ede")) {
        path = out.filePath(EDE_File_Name(name));
        return Create_EDE_File(path, &error);
    }
    if (kind == QLatin1String("eds")) {
        path = out.filePath(WithDefaultExt(name, QStringLiteral("*.eds")));
        return Write_EDS_File(path, &error);
    }
    if (kind == QLatin1String("mib")) {
        path = out.filePath(WithDefaultExt(name, QStringLiteral("*.mib")));
        return Create_MIB_File(path, &error);
    }
    TGSD_Counts counts;
    if (!Read_GSD_Counts(counts, &error))
        return false;
    path = out.filePath(GSD_File_Name(name));
    return Write_GSD_File(path, counts, &error);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Set_Default_Language();   // the program's messages, in English
    QStringList args = app.arguments().mid(1);
    std::optional<QString> name;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == QLatin1String("--clock") || a == QLatin1String("--name")) && i + 1 < args.size()) {
            const QString value = args[++i];
            if (a == QLatin1String("--name")) {
                name = value;
                continue;
            }
            const QDateTime clock = QDateTime::fromString(value, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
            if (!clock.isValid())
                return Fail(QStringLiteral("Error! \"%1\" is not a time of the form YYYY-MM-DDTHH:MM:SS").arg(value));
            Set_Desc_Clock(clock);
        } else if (a.startsWith(QLatin1String("--"))) {
            return Usage();
        } else {
            positional << a;
        }
    }
    const QStringList kinds = {QStringLiteral("ede"), QStringLiteral("eds"), QStringLiteral("gsd"), QStringLiteral("gsdml"),
                               QStringLiteral("mib")};
    if (positional.size() != 3 || !kinds.contains(positional[0]))
        return Usage();
    const QFileInfo project(positional[1]);
    if (!project.isDir())
        return Fail(QStringLiteral("Error! The project folder %1 does not exist").arg(positional[1]));
    Project_Dir = project.absoluteFilePath();
    Project_Name = project.fileName();
    Set_Project_File_Paths(Project_Dir);
    const QString kind = positional[0];
    QString path;
    QString error;
    if (!Write(kind, name.value_or(kind == QLatin1String("gsdml") ? QString() : Project_Name), positional[2], path, error))
        return Fail(error);
    QTextStream(stdout) << QDir::toNativeSeparators(path) << '\n';
    return 0;
}
