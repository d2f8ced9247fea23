// The EDE reader of the BACnet client's import on any bytes: it keeps only objects of the kept types.
#include "tables/ip/EDEFileReader.h"
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const TBACnet_Var& v : Read_EDE_Bytes(bytes))
        if (Get_ObjType_EDE(v.object_type).isEmpty() || !v.import || !v.read || v.write != v.commandable)
            __builtin_trap();
    return 0;
}
