#pragma once
// What this build is: the converter model it configures and where its maker is on the web.
#include <QString>

extern const QString Product_SW_Code;       // "QV48143"
extern const QString Product_SW_Desc;       // "IEC61850 Server / BACnet Slave - Converter"
extern const QString Product_Main_Caption;
extern const QString Product_Version;       // "1.001"
extern const QString Product_Doc_Code;      // "DX48143"
extern const QString Product_Version_Check_Code;
extern const QString Product_Hardware_Code; // download page anchor

// The maker's site; no request leaves the program unless the user enables the internet options.
extern const QString Web_Host;
QString Web_Home_Page();
QString Web_Download_Page();
QString Web_Version_Check_Url();

// A label's link: `Text` (shown as is) leading to `Url`.
QString Link_Html(const QString& Url, const QString& Text);
// Opens a web address with the desktop's default handler.
void Open_Link(const QString& Link);
