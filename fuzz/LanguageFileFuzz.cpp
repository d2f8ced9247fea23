// Language files from anywhere: the built-in table overlaid by the fuzz bytes as a .lng file.
#include "ProjectFuzzInput.h"
#include "core/ULanguage.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("Fuzz.lng"));
    Write_Fuzz_File(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Set_Default_Language();
    Load_Language_File(path);
    // The table keeps its size whatever the file says.
    if (Lang_List.size() != Lang_Num_Str)
        __builtin_trap();
    return 0;
}
