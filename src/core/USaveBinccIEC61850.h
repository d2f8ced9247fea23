#pragma once
// The IEC 61850 section of bank2: server and TLS parameters, accepted client certificates and the
// published variables, laid out as a header, two tables and a string area with device addresses.
#include <QList>
#include <QString>
#include <cstdint>

class TBinImage;

struct TTLS_Certificate {
    QString Certificate;
    std::uint32_t Certificate_Add = 0;
    std::uint32_t Certificate_Length = 1;   // UTF-8 bytes + the closing zero
};

struct TTLS_Bank {
    QString key;
    std::uint32_t key_add = 0;
    std::uint32_t Key_Length = 1;           // UTF-8 bytes + the closing zero
    QString Key_Password;
    std::uint32_t Key_Password_Add = 0;
    TTLS_Certificate Server_Cert;
    TTLS_Certificate Root_Cert;
    std::uint32_t Known_Cert_En = 0;        // 1: accept only the known certificates
    std::uint32_t Known_Cert_Num = 0;
    std::uint32_t Known_Cert_Add = 0;
    QList<TTLS_Certificate> Known_Cert;
};

struct TIEC61850_Var {
    QString Name;
    std::uint32_t Name_Add = 0;
    std::uint32_t Data_Type = 0;            // 2 digital (bit), 4 integer, 6 float
    std::uint32_t Position = 0;
    std::uint32_t Start_Bit = 0;
    std::uint32_t Length = 0;
    std::uint32_t Read_Only = 0;
    float Multiplication_Factor = 0.0f;
    std::uint16_t Operation = 0;            // 0 none, 1 integer to float, 2 float to integer
    std::uint16_t Options = 0;              // bit 0 swap bytes, bit 1 swap words
};

struct TIEC61850 {
    std::uint16_t port = 102;
    std::uint32_t TLS_Enable = 0;
    TTLS_Bank TLS_Data;
    QString Password;
    std::uint32_t Password_Add = 0;
    std::uint32_t Var_Number = 0;
    std::uint32_t Var_Add = 0;
    QList<TIEC61850_Var> Variables;
};

constexpr int IEC61850_Header_Size = 54;
constexpr int IEC61850_Known_Cert_Entry_Size = 8;
constexpr int IEC61850_Var_Entry_Size = 32;

// UTF-8 byte count + 1: the room a text takes with its closing zero.
std::uint32_t UTF8_Length(const QString& text);

void Reset_IEC61850_Data(TIEC61850& data);
// Each fills its list from the project file at `path`; false (with the reason) when the file is there
// but cannot be read.
bool Read_IEC61850_Variables_XML(TIEC61850& data, const QString& path, QString* error);
bool Read_TLS_Known_Cert_XML(TIEC61850& data, const QString& path, QString* error);

// Computes every address from Section_Address and writes the section at Position; returns the
// position after its last string.
int Put_IEC61850_Section(TIEC61850& data, std::uint32_t Section_Address, int Position, TBinImage& Buffer);

// Non-empty texts only, each followed by a zero byte: UTF-8, or one byte per character.
int Put_UTF8_String(const QString& text, int Position, TBinImage& Buffer);
int Put_Byte_String(const QString& text, int Position, TBinImage& Buffer);
