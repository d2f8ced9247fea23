#pragma once
// The job file that tells the external update program what to send to the converter.
#include <QByteArray>
#include <QString>
#include <cstdint>

struct TBootJob {
    QString IP_Address;        // as typed, parts joined with "."
    std::int32_t Update_Option = 0;  // 0 firmware + configuration, 1 firmware, 2 configuration
    bool Read_Back = false;
    std::uint32_t BACnetType = 0;  // 1 = MS/TP
    QString Master_Dir;        // holds the firmware image
    QString Project_Dir;       // holds bin/bank1.bin and bin/bank2.bin
};

QByteArray Build_Boot_Job(const TBootJob& job);

// Writes the job to Exe_Dir/Ethernet_Update.xml whole or not at all; false with the message to show.
bool Save_Boot_Job(const QString& exeDir, const TBootJob& job, QString* error = nullptr);
