#include "ui/UNew_Project.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>


namespace {
constexpr int kWidth = 331;
constexpr int kHeight = 162;
}

bool Valid_Project_Name(const QString& Name)
{
    if (Name == QLatin1String(".") || Name == QLatin1String(".."))
        return false;
    for (QChar c : Name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    return true;
}

TFNew_Project::TFNew_Project(QWidget* parent) : TForm(parent)
{
    SetFixedClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFNew_Project::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = new QLabel(this);
    Label1->setGeometry(16, 60, kWidth - 32, 18);
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setGeometry(16, 80, kWidth - 32, 24);
    connect(E_New_Proj, &QLineEdit::returnPressed, this, [this] { Btn_OKClick(); });
    P_Button = Make_Button_Bar(this, kWidth, kHeight);
    Btn_OK = Make_Bar_Button(P_Button, 50);
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_Cancel = Make_Bar_Button(P_Button, 171);
    Btn_Cancel->SetModalResult(mrCancel);
    Set_Lang();
}

TFNew_Project::~TFNew_Project() = default;

void TFNew_Project::Set_Lang()
{
    SetCaption(Lang(100));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(101));
    Label1->setText(Lang(102));
    Btn_OK->SetCaption(Lang(103));
    Btn_Cancel->SetCaption(Lang(104));
    E_New_Proj->setToolTip(Lang(108));
    Btn_OK->setToolTip(Lang(109));
    Btn_Cancel->setToolTip(Lang(110));
}

void TFNew_Project::FormShow()
{
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick()
{
    const QString name = E_New_Proj->text();
    auto refuse = [](int text) { MessageDlg(Lang(text), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK}); };
    if (name.isEmpty())
        return refuse(107);
    // Checked before existence: ".." always exists.
    if (!Valid_Project_Name(name))
        return refuse(105);
    const QString dir = JoinPath(Projects_Dir, name);
    // Only a folder of that name is "already there"; a file of that name fails the creation below.
    if (QFileInfo(dir).isDir())
        return refuse(106);
    if (!QDir().mkdir(dir))
        return refuse(105);
    QDir().mkpath(JoinPath(dir, QStringLiteral("bin")));
    Project_Name = name;
    Project_Dir = dir;
    Set_Project_File_Paths(Project_Dir);
    SetModalResult(mrOk);
}
