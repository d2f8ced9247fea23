// Project files from anywhere through the configuration compiler: ParGen.xml, the BACnet object
// table, the IEC 61850 variables and the known certificates (parts split as in ProjectFuzzInput.h).
#include "ProjectFuzzInput.h"
#include "core/ULanguage.h"
#include "core/USaveBincc.h"
#include <QCoreApplication>
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
    QString error;
    // A refused project always says why.
    if (!Compile_Bincc(&error) && error.isEmpty())
        __builtin_trap();
    return 0;
}
