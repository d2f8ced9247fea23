// The CANopen EDS and SNMP MIB writers on their table files from anywhere: the parts of the input
// between 0x00 bytes are, in order, PDO_CANopen.xml, SDO_Server_CANopen.xml and SNMP_Trap.xml (a
// file without its part is not there).
#include "ProjectFuzzInput.h"
#include "core/ULanguage.h"
#include "descfiles/UEds.h"
#include "descfiles/USNMP_MIB.h"
#include <QCoreApplication>
#include <QDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    Set_Default_Language();
    Open_Fuzz_Project();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString* const files[] = {&File_PDO_CANopen, &File_SDO_Server_CANopen, &File_SNMP_Trap};
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    for (qsizetype i = 0; i < qsizetype(std::size(files)); ++i) {
        if (i < parts.size())
            Write_Fuzz_File(*files[i], parts[i]);
        else
            QFile::remove(*files[i]);
    }
    static const QString eds = QDir(Project_Dir).filePath(QStringLiteral("Fuzz.eds"));
    static const QString mib = QDir(Project_Dir).filePath(QStringLiteral("Fuzz.mib"));
    QString error;
    // A writer that fails must say why.
    if (!Write_EDS_File(eds, &error) && error.isEmpty())
        __builtin_trap();
    error.clear();
    if (!Create_MIB_File(mib, &error) && error.isEmpty())
        __builtin_trap();
    return 0;
}
