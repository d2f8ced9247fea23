// The settings file beside the program from anywhere: what is read is written back and reads again to the
// same values, and the language it names is only ever looked for inside LANGUAGE.
#include "ProjectFuzzInput.h"
#include "core/ProgramSettings.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>

namespace {

QTemporaryDir* Folder = nullptr;

auto Values()
{
    return std::tuple{Project_Name, Device_IP, Language_Name, std::array{Enable_Internet, Enable_Update,
                                                                        Enable_Jump_Field_Tables, Double_Click_Auto_Size}};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir folder;
    Folder = &folder;
    // A language file outside LANGUAGE, which a name like "../Evil" would reach.
    Language_Dir = folder.filePath(QStringLiteral("program/LANGUAGE"));
    QDir().mkpath(Language_Dir);
    Write_Fuzz_File(folder.filePath(QStringLiteral("program/Evil.lng")), "STR0 = Evil\n");
    Write_Fuzz_File(folder.filePath(QStringLiteral("Evil.lng")), "STR0 = Evil\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = Folder->filePath(QStringLiteral("program/") + Program_Settings_File);
    Write_Fuzz_File(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Read_Program_Settings(path);
    const auto read = Values();
    Write_Fuzz_File(path, Program_Settings_Content());
    Read_Program_Settings(path);
    if (Values() != read)
        __builtin_trap();
    Load_Language();
    if (Lang(0) == QLatin1String("Evil"))
        __builtin_trap();
    return 0;
}
