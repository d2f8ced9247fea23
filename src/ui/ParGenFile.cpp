#include "ui/ParGenFile.h"

#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "ui/ParGenEdit.h"
#include "ui/ParGenRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

enum class TParForm {
    Text,        // the input's text as it stands
    Flag,        // "1" checked; on reading only the text "1" checks
    NumberFlag,  // "1" checked; on reading any text that is the number 1 checks
    Index,       // the list's item index
};

// One element, or with Count 4 the elements Element1 ... Element4 of the controls Control1 ... Control4.
struct TParElement {
    const char* Element;
    const char* Control;
    TParForm Form;
    int Count;
    const char* Older;  // the element's name in files of older versions
};

constexpr TParElement kElements[] = {
    {"IEC61850_Server_IP", "E_IEC61850_Server_IP", TParForm::Text, 4, "Ethernet_IP"},
    {"IEC61850_Server_SM", "E_IEC61850_Server_SM", TParForm::Text, 4, "Ethernet_SM"},
    {"IEC61850_Server_GAT", "E_IEC61850_Server_GAT", TParForm::Text, 4, "Ethernet_GAT"},
    {"IEC61850_Server_EN_GAT", "CB_IEC61850_Server_En_GAT", TParForm::Flag, 1, "Ethernet_EN_GAT"},
    {"IEC61850_Server_DNS", "E_IEC61850_Server_DNS", TParForm::Text, 4, nullptr},
    {"IEC61850_Server_EN_DNS", "CB_IEC61850_Server_En_DNS", TParForm::Flag, 1, nullptr},
    {"IEC61850_Server_Port", "E_IEC61850_Server_Port", TParForm::Text, 1, nullptr},
    {"IEC61850_Server_Password", "E_IEC61850_Server_Password", TParForm::Text, 1, nullptr},
    {"TLS_Server_Enable", "CB_TLS_Server_Enable", TParForm::NumberFlag, 1, nullptr},
    {"TLS_Server_Key", "E_TLS_Server_Key", TParForm::Text, 1, nullptr},
    {"TLS_Server_Key_Password", "E_TLS_Server_Key_Pass", TParForm::Text, 1, nullptr},
    {"TLS_Server_Server_Certificate", "E_TLS_Server_Server_Cert", TParForm::Text, 1, nullptr},
    {"TLS_Server_Root_Certificate", "E_TLS_Server_Root_Cert", TParForm::Text, 1, nullptr},
    {"TLS_Server_Enable_Known_Cert", "CB_TLS_Server_En_Known_Cert", TParForm::NumberFlag, 1, nullptr},
    {"BACnet_Type", "CB_BACnet_Slave_Type", TParForm::Index, 1, nullptr},
    {"BACnet_IP", "E_BACnet_IP_Slave_IP", TParForm::Text, 4, nullptr},
    {"BACnet_SM", "E_BACnet_IP_Slave_SM", TParForm::Text, 4, nullptr},
    {"BACnet_GAT", "E_BACnet_IP_Slave_GAT", TParForm::Text, 4, nullptr},
    {"BACnet_EN_GAT", "CB_BACnet_IP_Slave_GAT", TParForm::Flag, 1, nullptr},
    {"BACnet_PORT", "E_BACnet_IP_Slave_Port", TParForm::Text, 1, nullptr},
    {"BACnet_NAME_STA", "E_BACnet_IP_Slave_Device_Name", TParForm::Text, 1, nullptr},
    {"BACnet_DEV_IDE", "E_BACnet_IP_Slave_Device_Identifier", TParForm::Text, 1, nullptr},
    {"BACnet_Ser_Baudrate", "CB_BACnet_MSTP_Slave_Baudrate", TParForm::Index, 1, nullptr},
    {"BACnet_Ser_Parity", "CB_BACnet_MSTP_Slave_Parity", TParForm::Index, 1, nullptr},
    {"BACnet_Ser_ID", "E_BACnet_MSTP_Slave_MAC_Address", TParForm::Text, 1, nullptr},
    {"BACnet_Ser_NAME_STA", "E_BACnet_MSTP_Slave_Device_Name", TParForm::Text, 1, nullptr},
    {"BACnet_Ser_Max_Master", "E_BACnet_MSTP_Slave_Max_Master", TParForm::Text, 1, nullptr},
    {"BACnet_Ser_Max_Info_Frames", "E_BACnet_MSTP_Slave_Max_Info_Frame", TParForm::Text, 1, nullptr},
    {"BACnet_Ser_DEV_IDE", "E_BACnet_MSTP_Slave_Device_Instance", TParForm::Text, 1, nullptr},
    {"BACnet_Ser_Network", "E_BACnet_MSTP_Slave_Network", TParForm::Text, 1, nullptr},
    {"BACnet_Desc_Chars_Limit", "CB_BACnet_Slave_Desc_32_Chars", TParForm::Flag, 1, nullptr},
    {"NTP_Server_URL", "E_NTP_Server_URL", TParForm::Text, 1, nullptr},
    {"NTP_Poll_Time", "E_NTP_Poll_Time", TParForm::Text, 1, nullptr},
};

// One element with its control, the numbered ones expanded.
struct TParItem {
    QString Element;
    QString Control;
    QString Older;
    TParForm Form;
};

template <typename F>
void For_Each_Item(F&& f)
{
    for (const TParElement& e : kElements)
        for (int i = 1; i <= e.Count; ++i) {
            const QString n = e.Count > 1 ? QString::number(i) : QString();
            f(TParItem{QString::fromLatin1(e.Element) + n, QString::fromLatin1(e.Control) + n,
                       e.Older ? QString::fromLatin1(e.Older) + n : QString(), e.Form});
        }
}

// Qt lays out a whole line at once and, without the line's cache, lays it out again for the cursor and the
// selection: a key of one long line was laid out three times over. Here it is laid out once.
void Show_Text(QPlainTextEdit* memo, const QString& text)
{
    QTextDocument* doc = memo->document();
    doc->setUndoRedoEnabled(false);
    memo->clear();
    doc->firstBlock().layout()->setCacheEnabled(true);
    QTextCursor(doc).insertText(text);
    doc->setUndoRedoEnabled(true);
    memo->moveCursor(QTextCursor::Start);
}

void Set_Value(const TParControls& controls, const TParItem& item, const QString& text)
{
    QWidget* control = controls.Control(item.Control);
    switch (item.Form) {
    case TParForm::Text:
        if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
            Show_Text(memo, text);
        else
            static_cast<QLineEdit*>(control)->setText(text);
        break;
    case TParForm::Flag:
        static_cast<QCheckBox*>(control)->setChecked(text == QLatin1String("1"));
        break;
    case TParForm::NumberFlag:
        static_cast<QCheckBox*>(control)->setChecked(Read_Whole_Number(text) == 1);
        break;
    case TParForm::Index: {
        auto* list = static_cast<QComboBox*>(control);
        // A number outside the list would select nothing and be saved as -1: take the design choice.
        const std::optional<std::int64_t> index = Read_Whole_Number(text);
        const bool valid = index && *index >= 0 && *index < list->count();
        list->setCurrentIndex(valid ? static_cast<int>(*index) : controls.Design(item.Control).toInt());
        break;
    }
    }
}

QString Value(const TParControls& controls, const TParItem& item)
{
    QWidget* control = controls.Control(item.Control);
    switch (item.Form) {
    case TParForm::Text:
        if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
            return memo->toPlainText();
        return static_cast<QLineEdit*>(control)->text();
    case TParForm::Flag:
    case TParForm::NumberFlag:
        return static_cast<QCheckBox*>(control)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    case TParForm::Index:
        return QString::number(static_cast<QComboBox*>(control)->currentIndex());
    }
    return QString();
}

} // namespace

void Read_ParGen(const Xml::TElement* root, const TParControls& controls)
{
    const TParGen values(root);
    For_Each_Item([&](const TParItem& item) {
        // A design value is in the element's own form: "0" / "1" for a box, the item index for a list.
        Set_Value(controls, item, values.Text(item.Element, item.Older).value_or(controls.Design(item.Control)));
    });
}

QByteArray ParGen_Content(const TParControls& controls)
{
    XmlWriter w(QStringLiteral("Par_Gen"));
    For_Each_Item([&](const TParItem& item) { w.TextElement(item.Element, Value(controls, item)); });
    return w.Finish(Project_File_Comment);
}

bool Write_ParGen(const TParControls& controls, const QString& path, QString* error)
{
    return Save_Project_File(Project_Dir, path, ParGen_Content(controls), error);
}
