#include "ui/UOpenConf.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>


namespace {

constexpr int kBarHeight = 48;

// Upper case of the letters a to z only, as the comparison of names has always been.
QString AsciiUpper(const QString& s)
{
    QString u = s;
    for (QChar& c : u)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return u;
}

} // namespace

TFOpenConf::TFOpenConf(QWidget* parent) : TForm(parent)
{
    resize(377, 351);
    Set_Lang();
}

void TFOpenConf::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, width());
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = new QLabel(this);
    Label1->move(16, 58);
    ListBox1 = new QListWidget(this);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Name_Conf = ListBox1->item(row)->text();
    });
    P_Button = Make_Button_Bar(this, width(), height(), kBarHeight);
    Btn_OK = Make_Bar_Button(P_Button, 60);
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = Make_Bar_Button(P_Button, 207);
    Btn_Cancel->SetModalResult(mrCancel);
    Set_Lang();
}

TFOpenConf::~TFOpenConf() = default;

void TFOpenConf::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    P_Title->resize(width(), P_Title->height());
    ListBox1->setGeometry(16, 78, width() - 32, height() - 78 - kBarHeight - 8);
    P_Button->setGeometry(0, height() - kBarHeight, width(), kBarHeight);
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Lang(200));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(201));
    Label1->setText(Lang(202));
    Label1->adjustSize();
    Btn_OK->SetCaption(Lang(203));
    Btn_Cancel->SetCaption(Lang(204));
    ListBox1->setToolTip(Lang(205));
    Btn_OK->setToolTip(Lang(206));
    Btn_Cancel->setToolTip(Lang(207));
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL = QDir(Projects_Dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

int TFOpenConf::Search_Open_Conf(const QString& Name) const
{
    const QString wanted = AsciiUpper(Name);
    for (int i = 0; i < SL.size(); ++i)
        if (AsciiUpper(SL[i]) == wanted)
            return i;
    return -1;
}

bool TFOpenConf::Has_Selection() const
{
    return ListBox1->currentRow() >= 0;
}

void TFOpenConf::FormShow()
{
    Load_Existing_Configuration();
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->clear();
        ListBox1->addItems(SL);
    }
    const QString open = Project_Dir.isEmpty() ? QString() : Project_Dir.mid(Projects_Dir.length() + 1);
    const int found = Search_Open_Conf(open);
    if (found >= 0 || !SL.isEmpty())
        ListBox1->setCurrentRow(found >= 0 ? found : 0);
}
