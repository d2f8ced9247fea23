#include "core/ProgramSettings.h"
#include "core/UComon.h"
#include "platform/XmlDoc.h"

const QString Program_Settings_File = QStringLiteral("Vostrelant.xml");

namespace {

const QString kDefaultIP = QStringLiteral("192.168.2.205");
const QString kDefaultLanguage = QStringLiteral("English");

bool FlagOf(const Xml::TElement* parent, const QString& name)
{
    return Xml::ChildText(parent, name) == QLatin1String("1");
}

QString FlagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void Read_Program_Settings(const QString& path)
{
    Project_Name.clear();
    Device_IP = kDefaultIP;
    Language_Name = kDefaultLanguage;
    Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Double_Click_Auto_Size = false;

    Xml::TElement document;
    if (Xml::Load(path, document) != Xml::LoadResult::Ok)
        return;
    const Xml::TElement* root = &document;
    Project_Name = Xml::ChildText(Xml::Child(root, QStringLiteral("lastproj")), QStringLiteral("projectname"));
    Device_IP = Xml::ChildText(Xml::Child(root, QStringLiteral("lastipadd")), QStringLiteral("ipaddress"), kDefaultIP);
    Language_Name =
        Xml::ChildText(Xml::Child(root, QStringLiteral("lastlang")), QStringLiteral("language"), kDefaultLanguage);
    const Xml::TElement* internet = Xml::Child(root, QStringLiteral("lastinternet"));
    Enable_Internet = FlagOf(internet, QStringLiteral("enable_internet"));
    Enable_Update = FlagOf(internet, QStringLiteral("enable_update"));
    Enable_Jump_Field_Tables = FlagOf(internet, QStringLiteral("enable_jump_field_tables"));
    Double_Click_Auto_Size = FlagOf(internet, QStringLiteral("Double_Click_Auto_Size"));
}

QByteArray Program_Settings_Content()
{
    XmlWriter w(QStringLiteral("Conf_Settings"));
    auto section = [&w](const char* name, const char* child, const QString& value) {
        w.StartElement(QString::fromLatin1(name));
        w.TextElement(QString::fromLatin1(child), value);
        w.EndElement();
    };
    section("lastproj", "projectname", Project_Name);
    section("lastipadd", "ipaddress", Device_IP);
    section("lastlang", "language", Language_Name);
    w.StartElement(QStringLiteral("lastinternet"));
    w.TextElement(QStringLiteral("enable_internet"), FlagText(Enable_Internet));
    w.TextElement(QStringLiteral("enable_update"), FlagText(Enable_Update));
    w.TextElement(QStringLiteral("enable_jump_field_tables"), FlagText(Enable_Jump_Field_Tables));
    w.TextElement(QStringLiteral("Double_Click_Auto_Size"), FlagText(Double_Click_Auto_Size));
    w.EndElement();
    return w.Finish();
}
