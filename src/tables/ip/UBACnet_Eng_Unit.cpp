#include "tables/ip/UBACnet_Eng_Unit.h"

#include "core/ULanguage.h"
#include "tables/ip/EngUnits.h"
#include "tables/TableFile.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {
constexpr int kWidth = 548;
constexpr int kHeight = 306;

QFrame* Line(QWidget* parent, int top)
{
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::HLine);
    f->setGeometry(12, top, kWidth - 24, 2);
    return f;
}
} // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(QWidget* parent) : TForm(parent)
{
    FBACnet_Eng_Unit = this;
    SetFixedClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFBACnet_Eng_Unit::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    const auto label = [this](int left, int top, int width) {
        auto* l = new QLabel(this);
        l->setGeometry(left, top, width, 22);
        return l;
    };
    Label1 = label(17, 62, 250);
    E_Selected_EU = new QLineEdit(this);
    E_Selected_EU->setGeometry(17, 84, 100, 22);
    Label5 = label(125, 84, 400);
    Shape1 = Line(this, 114);
    Label2 = label(17, 122, 400);
    Label3 = label(17, 146, 160);
    CB_Select_Type = new QComboBox(this);
    CB_Select_Type->setGeometry(17, 168, 250, 22);
    for (const TEngUnitCategory& c : Eng_Unit_Categories)
        CB_Select_Type->addItem(QString::fromLatin1(c.Name));
    CB_Select_Type->setCurrentIndex(0);
    Label4 = label(280, 146, 160);
    CB_Select_Unit = new QComboBox(this);
    CB_Select_Unit->setGeometry(280, 168, 250, 22);
    QObject::connect(CB_Select_Type, &QComboBox::activated, this, [this] { CB_Select_TypeSelect(); });
    Btn_Select_Eng_Unit = new TSbButton(this);
    Btn_Select_Eng_Unit->setGeometry(17, 200, 513, 23);
    Btn_Select_Eng_Unit->SetStyle(TSbButtonStyle::bsEncarta);
    Btn_Select_Eng_Unit->OnClick = [this](QObject*) { Btn_Select_Eng_UnitClick(); };
    Shape2 = Line(this, 232);
    P_Button = Make_Button_Bar(this, kWidth, kHeight);
    Btn_OK = Make_Bar_Button(P_Button, 150);
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = Make_Bar_Button(P_Button, 288);
    Btn_Cancel->SetModalResult(mrCancel);
    CB_Select_TypeSelect();
    Set_Lang();
}

TFBACnet_Eng_Unit::~TFBACnet_Eng_Unit()
{
    if (FBACnet_Eng_Unit == this)
        FBACnet_Eng_Unit = nullptr;
}

void TFBACnet_Eng_Unit::Set_Lang()
{
    SetCaption(Lang(2400));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(2401));
    Btn_OK->SetCaption(Lang(2402));
    Btn_Cancel->SetCaption(Lang(2403));
    Label1->setText(Lang(2404));
    Label2->setText(Lang(2405));
    Label3->setText(Lang(2406));
    Label4->setText(Lang(2407));
    Btn_Select_Eng_Unit->SetCaption(Lang(2408));
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect()
{
    CB_Select_Unit->clear();
    const int type = CB_Select_Type->currentIndex();
    if (type < 0)
        return;
    const TEngUnitCategory& c = Eng_Unit_Categories[type];
    for (int i = 0; i < c.Count; ++i)
        CB_Select_Unit->addItem(Eng_Unit_List_Text(c.Units[i]));
    CB_Select_Unit->setCurrentIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick()
{
    const int type = CB_Select_Type->currentIndex();
    const int unit = CB_Select_Unit->currentIndex();
    if (type < 0 || unit < 0)
        return;
    // By position: three list texts differ from the unit's name.
    Show_Unit(QString::number(Eng_Unit_Categories[type].Units[unit]));
}

void TFBACnet_Eng_Unit::Show_Unit(const QString& value)
{
    Build();
    E_Selected_EU->setText(value);
    Label5->setText(QStringLiteral("-> ") + Desc_Unit(Cell_Int(value)));
}

bool TFBACnet_Eng_Unit::Pick_Unit(int ARow, QString& value)
{
    if (ARow < 1)
        return false;
    Show_Unit(value);
    if (ShowModal() != mrOk)
        return false;
    value = E_Selected_EU->text();
    return true;
}
