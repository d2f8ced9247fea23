// ParGen.xml from anywhere into the communication-parameters editor, read as the window reads it
// when shown (without showing it); what it then writes must read back to the same file.
#include "ProjectFuzzInput.h"
#include "core/ULanguage.h"
#include "core/USaveBinccRead.h"
#include "platform/XmlDoc.h"
#include "ui/ParGenFile.h"
#include "ui/UParGen.h"
#include <QApplication>
#include <QDomDocument>
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
    QDomDocument doc;
    Load_Project_File(File_ParGen, doc, nullptr);
    Read_ParGen(Xml::Root(doc), Dialog->Controls());
    Dialog->Move_GroupBoxs();

    const QByteArray written = ParGen_Content(Dialog->Controls());
    QDomDocument again;
    if (!again.setContent(written))
        __builtin_trap();
    Read_ParGen(Xml::Root(again), Dialog->Controls());
    if (ParGen_Content(Dialog->Controls()) != written)
        __builtin_trap();
    return 0;
}
