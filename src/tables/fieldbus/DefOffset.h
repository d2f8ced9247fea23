#pragma once
// DNETM_DefOff.xml: where each input and output byte of each DeviceNet slave lies in the data area. The
// slaves and their byte counts come from the network table's file; a block of the offsets file belongs to
// the slave at its place in that list.
#include "core/tables/TableSchema.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

constexpr int DNet_MAX_Byte = 1440;

class TSlave_DN {
public:
    std::uint8_t ID = 0;
    std::uint16_t ByteIN = 0;
    std::uint16_t ByteOUT = 0;
    QStringList SL_ByteIN, SL_ByteIN_M;     // per input byte: its offset ("None" or a position), its description
    QStringList SL_ByteOUT, SL_ByteOUT_M;   // the same per output byte
};

struct TSlaves_DN_Load {
    std::vector<TSlave_DN> Slaves;   // every byte "None", without a description
    TTableRows Rows;                 // the slave table's cells: ID, Num Byte In, Num Byte Out, Mnemonic
    QString Error;                   // the file is there but a slave could not be read: the message to show
};

// The slaves of DNETM_Net.xml; a slave whose attributes are missing or out of range ends the list there.
TSlaves_DN_Load Load_Slave_DN(const QString& path);
// Fills the slaves' bytes from DNETM_DefOff.xml, each block cut to its slave's byte counts. A position
// beyond the data area reads as "None". The message of a row it cannot read, which ends the reading.
QString Load_Offset_Slave_DN(const QString& path, std::vector<TSlave_DN>& slaves);
// The message of the first output position used twice, empty when there is none.
QString Check_Data(const std::vector<TSlave_DN>& slaves);
// The offsets file of every slave with all its bytes.
QByteArray Offset_File_XML(const std::vector<TSlave_DN>& slaves);
