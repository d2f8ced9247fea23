#pragma once
// A fuzz input as the files of an open project: the parts between 0x00 bytes are, in order,
// ParGen.xml, BACnet_Slave_SetAccess.xml, IEC61850_Variables.xml and TLS_Known_Cert.xml.
// A file without its part (fewer separators) is not there at all, as in a new project.
#include "core/UComon.h"
#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// Once, before the first input: an open project in a temporary folder.
inline void Open_Fuzz_Project()
{
    static QTemporaryDir folder;
    Project_Name = QStringLiteral("Fuzz");
    Project_Dir = folder.path();
    Set_Project_File_Paths(folder.path());
}

// Once, before the first input, for a target of the grids: the widgets application on the offscreen platform
// and the path of a file in a scratch folder that lasts as long as the target.
inline QString Start_Grid_Fuzzing(int* argc, char*** argv, const QString& file)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static QTemporaryDir folder;
    return folder.filePath(file);
}

// A plain write, not the program's whole-or-nothing one: its sync to disk would slow every run.
inline void Write_Fuzz_File(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline void Write_Fuzz_Project(const std::uint8_t* data, std::size_t size)
{
    const QString* const files[] = {&File_ParGen, &File_BACnet_Slave_SetAccess, &File_IEC61850_Variables,
                                    &File_TLS_Known_Cert};
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    for (qsizetype i = 0; i < qsizetype(std::size(files)); ++i) {
        if (i < parts.size())
            Write_Fuzz_File(*files[i], parts[i]);
        else
            QFile::remove(*files[i]);
    }
}
