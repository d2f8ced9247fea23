// ParGen.xml from anywhere into the communication-parameters editor, read as the window reads it
// when shown (without showing it); what it then writes must read back to the same file.
#include "ProjectFuzzInput.h"
#include "core/ULanguage.h"
#include "core/ProjectFile.h"
#include "platform/XmlDoc.h"
#include "ui/ParGenFile.h"
#include "ui/UParGen.h"
#include <QApplication>
#include <cstddef>
#include <cstdint>

namespace {
TFParGen* Dialog;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    Set_Default_Language();
    Open_Fuzz_Project();
    static TFParGen dialog;
    Dialog = &dialog;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Write_Fuzz_File(File_ParGen, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Xml::TElement root;
    Load_Project_File(File_ParGen, root, nullptr);
    Read_ParGen(&root, Dialog->Controls());
    Dialog->Move_GroupBoxs();

    const QByteArray written = ParGen_Content(Dialog->Controls());
    Xml::TElement again;
    if (Xml::Parse(written, again) != Xml::LoadResult::Ok)
        __builtin_trap();
    Read_ParGen(&again, Dialog->Controls());
    if (ParGen_Content(Dialog->Controls()) != written)
        __builtin_trap();
    return 0;
}
