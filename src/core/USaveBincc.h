#pragma once
// The configuration compiler: the open project's files into the two device images.
//   bank1.bin  the 2048-byte parameter image (loaded at device address 0x07000)
//   bank2.bin  NTP server name, BACnet object table with its names, IEC 61850 section
//              (loaded at 0xA0000; every address inside it is an absolute device address)
#include <QByteArray>
#include <QString>
#include <cstdint>

constexpr std::uint32_t Bank2_Device_Address = 0xA0000;
constexpr std::uint32_t Object_Table_Address = 0xA0400;
constexpr std::uint32_t IEC61850_Section_Address = 0xB0C00;
constexpr int Bank2_Size = 0x80000;

struct TProjectFiles;

// The two device images of one compile.
struct TBank_Images {
    QByteArray Bank1;
    QByteArray Bank2;
};

// Reads the project's ParGen.xml, BACnet_Slave_SetAccess.xml, IEC61850_Variables.xml and
// TLS_Known_Cert.xml (missing files give defaults) and builds both images. On failure returns false with
// the message to show in `error` and empty images: a file that is there but refused, unreadable or not
// well-formed, a BACnet object file without a section or with an incomplete row, more BACnet objects than
// the name mode allows, or an IEC 61850 section too large for the device. Holds no state of its own.
bool Compile_Project(const TProjectFiles& files, TBank_Images& images, QString* error = nullptr);

// Writes the images to <Project_Folder>/bin/bank1.bin and bank2.bin, creating the folder when missing,
// and lists their digests in bin/banks.sha256, which makes them a whole pair. Whatever moment the program
// dies at, the folder holds the old pair, the new pair or no whole pair; a failed write leaves the old
// pair whole or no pair: false with the message in `error`. A target leading outside the project folder
// through a symbolic link is refused and nothing is written.
bool Save_Bank_Images(const QString& Project_Folder, const TBank_Images& images, QString* error = nullptr);

// Whether <Project_Folder>/bin holds a whole pair as Save_Bank_Images leaves it; false with the message.
bool Bank_Pair_Whole(const QString& Project_Folder, QString* error = nullptr);

// The program's entry points, on the open project (Project_Dir and the File_* paths): Compile_Bincc
// compiles it and keeps the images, Save_Bincc writes the images of the last successful Compile_Bincc.
bool Compile_Bincc(QString* error = nullptr);
bool Save_Bincc(QString* error = nullptr);
