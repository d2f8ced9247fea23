// The BACnet EDE writer on ParGen.xml and BACnet_Slave_SetAccess.xml from anywhere (the first two
// parts of the input, split as in ProjectFuzzInput.h).
#include "ProjectFuzzInput.h"
#include "core/ULanguage.h"
#include "descfiles/UBACnet_EDE_File.h"
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
    Write_Fuzz_Project(data, size);
    static const QString ede = QDir(Project_Dir).filePath(QStringLiteral("Fuzz.csv"));
    QString error;
    if (!Create_EDE_File(ede, &error) && error.isEmpty())
        __builtin_trap();
    return 0;
}
