#include "ui/UProduct.h"

#include <QDesktopServices>
#include <QUrl>

const QString Product_SW_Code = QStringLiteral("QV48143");
const QString Product_SW_Desc = QStringLiteral("IEC61850 Server / BACnet Slave - Converter");
const QString Product_Main_Caption = QStringLiteral("Velmor - Configurator QV48143 - IEC61850 Server / BACnet Slave ");
const QString Product_Version = QStringLiteral("1.001");
const QString Product_Doc_Code = QStringLiteral("DX48143");
const QString Product_Version_Check_Code = QStringLiteral("QV48143");
const QString Product_Hardware_Code = QStringLiteral("RZ48143");

const QString Web_Host = QStringLiteral("www.velmor.example");

QString Web_Home_Page()
{
    return QStringLiteral("http://%1/HOME/default.asp?frompg=%2").arg(Web_Host, Product_SW_Code);
}

QString Web_Download_Page()
{
    return QStringLiteral("http://%1/Home/download/download.asp#%2").arg(Web_Host, Product_Hardware_Code);
}

QString Web_Version_Check_Url()
{
    return QStringLiteral("http://%1/home/download/GetversionSW.asp?nomesw=%2").arg(Web_Host, Product_Version_Check_Code);
}

QString Link_Html(const QString& Url, const QString& Text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(Url.toHtmlEscaped(), Text.toHtmlEscaped());
}

void Open_Link(const QString& Link)
{
    QDesktopServices::openUrl(QUrl(Link));
}
