#include "core/UBootJob.h"
#include "platform/Paths.h"
#include "platform/SaveFile.h"
#include "platform/XmlDoc.h"

namespace {

// One image sent to the converter. Firmware and bank 1 differ from bank 2 in the fields named here.
struct Operation {
    QString FileName;
    const char* StartAddress;
    const char* BankType;
    const char* WriteCSS;
};

void WriteOperation(XmlWriter& w, const Operation& op, bool readBack, bool last)
{
    w.StartElement("Operation");
    w.TextElement("Ope_Protection_Enabled", QString());
    w.TextElement("Ope_GoToBoot_Before", "0");
    w.TextElement("Ope_GoToApp_Before", "0");
    w.TextElement("Ope_IP_Address", QString());
    w.TextElement("Ope_Port", "2008");
    w.TextElement("Ope_Port_Sec", "2007");
    w.TextElement("Ope_Erase_Memory", "0");
    w.TextElement("Ope_FileName", op.FileName);
    w.TextElement("Ope_Start_Address", op.StartAddress);
    w.TextElement("Ope_Memory_Type", "0");
    w.TextElement("Ope_Bank_Type", op.BankType);
    w.TextElement("Ope_Read_Back", readBack ? "1" : "0");
    w.TextElement("Ope_Write_CSS", op.WriteCSS);
    w.TextElement("Ope_Address_CSS", "0x07A00");
    w.TextElement("Ope_Command_CSS", "0x02");
    w.TextElement("Ope_Write_Internal_Data", "0");
    w.TextElement("Ope_WID_Address", "0x07810");
    w.TextElement("Ope_WID_Command", "0x02");
    w.TextElement("Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    // The converter goes back to its application after the job's last image only.
    w.TextElement("Ope_GoToApp_After", last ? "1" : "0");
    w.EndElement();
}

} // namespace

QByteArray Build_Boot_Job(const TBootJob& job)
{
    XmlWriter w("Ethernet_Update");
    w.TextElement("Version", "1000");
    w.TextElement("Title", "Velmor - QV48143 Ethernet Update");
    w.TextElement("IP_Address_Dev", job.IP_Address);
    w.TextElement("Application_Port", "10000");
    w.TextElement("Boot_Port", "2008");
    w.TextElement("Boot_Port_Sec", "2007");
    w.TextElement("Address_Protection", "0x07800");
    w.StartElement("Protections");
    w.TextElement("Protection", job.BACnetType == 1 ? "0x213" : "0x212");
    w.EndElement();

    const Operation firmware{JoinPath(job.Master_Dir, "Sim48143.sim"), "0x8000", "1", "1"};
    const Operation bank1{JoinPath(job.Project_Dir, "bin/bank1.bin"), "0x07000", "2", "0"};
    const Operation bank2{JoinPath(job.Project_Dir, "bin/bank2.bin"), "0xA0000", "2", "0"};
    w.StartElement("Operations");
    if (job.Update_Option == 1) {
        WriteOperation(w, firmware, job.Read_Back, true);
    } else {
        if (job.Update_Option != 2)
            WriteOperation(w, firmware, job.Read_Back, false);
        WriteOperation(w, bank1, job.Read_Back, false);
        WriteOperation(w, bank2, job.Read_Back, true);
    }
    w.EndElement();
    return w.Finish();
}

bool Save_Boot_Job(const QString& exeDir, const TBootJob& job, QString* error)
{
    return SaveWholeFileTold(JoinPath(exeDir, "Ethernet_Update.xml"), Build_Boot_Job(job), error);
}
