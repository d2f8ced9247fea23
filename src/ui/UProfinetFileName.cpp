#include "ui/UProfinetFileName.h"

#include "core/ULanguage.h"
#include "descfiles/DescText.h"
#include "descfiles/UProfinetXML.h"
#include "platform/Dialogs.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QLabel>
#include <QLineEdit>

TFProfinetFileName* FProfinetFileName = nullptr;

namespace {
constexpr int kWidth = 540;
constexpr int kHeight = 205;
constexpr int kCaptionTop = 88;
constexpr int kPartTop = 108;
} // namespace

TFProfinetFileName::TFProfinetFileName(QWidget* parent) : TForm(parent)
{
    FProfinetFileName = this;
    // The date is the day the program started, also when the dialog is first used after midnight.
    FStarted = Desc_Now().date();
    SetFixedClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFProfinetFileName::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = new QLabel(this);
    Label1->setGeometry(12, 60, kWidth - 24, 18);
    const auto label = [this](int left, int top, int width) {
        auto* l = new QLabel(this);
        l->setGeometry(left, top, width, 22);
        return l;
    };
    Label2 = label(12, kCaptionTop, 190);
    Label4 = label(206, kCaptionTop, 200);
    Label5 = label(410, kCaptionTop, 120);
    L_XML_Fix1 = label(12, kPartTop, 190);
    E_XML_User = new QLineEdit(this);
    E_XML_User->setGeometry(206, kPartTop, 200, 22);
    L_XML_Fix2 = label(410, kPartTop, 120);
    L_XML_Fix1->setText(PROFINET_Fixed_Prefix());
    L_XML_Fix2->setText(PROFINET_Fixed_Suffix(FStarted));
    P_Button = Make_Button_Bar(this, kWidth, kHeight);
    Btn_OK = Make_Bar_Button(P_Button, 150);
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_Cancel = Make_Bar_Button(P_Button, 280);
    Btn_Cancel->SetModalResult(mrCancel);
    Set_Lang();
}

TFProfinetFileName::~TFProfinetFileName()
{
    if (FProfinetFileName == this)
        FProfinetFileName = nullptr;
}

void TFProfinetFileName::Set_Lang()
{
    SetCaption(Lang(1500));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(1501));
    Btn_OK->SetCaption(Lang(1502));
    Btn_Cancel->SetCaption(Lang(1503));
    Label1->setText(Lang(1504));
    Label2->setText(Lang(1505));
    Label4->setText(Lang(1506));
    Label5->setText(Lang(1507));
    E_XML_User->setToolTip(Lang(1508));
    Btn_OK->setToolTip(Lang(1509));
    Btn_Cancel->setToolTip(Lang(1510));
}

void TFProfinetFileName::Btn_OKClick()
{
    const QString user = E_XML_User->text();
    if (!Valid_PROFINET_User_Part(user)) {
        MessageDlg(PROFINET_User_Part_Message(), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    Name_File_XML = PROFINET_XML_Name(L_XML_Fix1->text(), user, L_XML_Fix2->text());
    SetModalResult(mrOk);
}
