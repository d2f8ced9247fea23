#include "ui/USoftOptions.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "platform/Dialogs.h"
#include "platform/Http.h"
#include "platform/Paths.h"
#include "ui/UFormParts.h"
#include "ui/UProduct.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>


namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 400;
constexpr int kTiles = 6;

QString LanguageOf(const QString& fileName)
{
    return fileName.left(fileName.length() - 4);
}

} // namespace

TFSoftOptions::TFSoftOptions(QWidget* parent) : TForm(parent)
{
    SetFixedClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFSoftOptions::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;

    PC_Options = new QTabWidget(this);
    PC_Options->setGeometry(8, 58, kWidth - 16, kHeight - 58 - 56);
    TS_Language = new QWidget;
    TS_Con_Options = new QWidget;
    TS_Soft_Settings = new QWidget;
    for (QWidget* page : {TS_Language, TS_Con_Options, TS_Soft_Settings})
        PC_Options->addTab(page, QString());

    L_Sel_Lang = new QLabel(TS_Language);
    L_Sel_Lang->move(12, 10);
    L_Page_Lang = new QLabel(TS_Language);
    L_Page_Lang->move(12, 30);
    for (int k = 0; k < kTiles; ++k) {
        const int left = k < 3 ? 16 : 230;
        const int top = 56 + (k % 3) * 56;
        I_L[k] = new QLabel(TS_Language);
        I_L[k]->setGeometry(left, top, 48, 48);
        I_L[k]->setScaledContents(true);
        L_L[k] = new QLabel(TS_Language);
        L_L[k]->setGeometry(left + 56, top + 16, 150, 18);
        for (QLabel* l : {I_L[k], L_L[k]}) {
            l->setCursor(Qt::PointingHandCursor);
            l->installEventFilter(this);
        }
    }
    Btn_Prev = new TSbButton(TS_Language);
    Btn_Prev->setGeometry(16, 226, 110, 28);
    Btn_Next = new TSbButton(TS_Language);
    Btn_Next->setGeometry(330, 226, 110, 28);
    for (TSbButton* b : {Btn_Prev, Btn_Next})
        b->OnClick = [this](QObject* Sender) { Btn_NextClick(Sender); };

    CB_En_Con = new QCheckBox(TS_Con_Options);
    CB_En_Con->setGeometry(16, 16, 420, 22);
    CB_Update = new QCheckBox(TS_Con_Options);
    CB_Update->setGeometry(16, 44, 420, 22);
    Btn_Check_Update = new TSbButton(TS_Con_Options);
    Btn_Check_Update->setGeometry(16, 80, 200, 28);
    Btn_Check_Update->OnClick = [this](QObject*) { Btn_Check_UpdateClick(); };
    LL_Check_Update = new QLabel(TS_Con_Options);
    LL_Check_Update->setGeometry(16, 120, 420, 22);
    connect(LL_Check_Update, &QLabel::linkActivated, this, [](const QString& link) { Open_Link(link); });

    CB_Soft_Set_Jump_Table = new QCheckBox(TS_Soft_Settings);
    CB_Soft_Set_Jump_Table->setGeometry(16, 16, 430, 22);
    CB_DoubleClick_Auto_Size = new QCheckBox(TS_Soft_Settings);
    CB_DoubleClick_Auto_Size->setGeometry(16, 44, 430, 22);
    for (QCheckBox* c : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        connect(c, &QCheckBox::clicked, this, [this] { Update_CheckBox(); });

    P_Button = Make_Button_Bar(this, kWidth, kHeight);
    Btn_OK = Make_Bar_Button(P_Button, 120);
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_Cancel = Make_Bar_Button(P_Button, 250);
    Btn_Cancel->SetModalResult(mrCancel);

    PC_Options->setCurrentWidget(TS_Con_Options);
    Set_Lang();
}

TFSoftOptions::~TFSoftOptions() = default;

void TFSoftOptions::Set_Lang()
{
    SetCaption(Lang(300));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(301));
    PC_Options->setTabText(PC_Options->indexOf(TS_Language), Lang(302));
    PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), Lang(303));
    PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), Lang(319));
    L_Sel_Lang->setText(Lang(304));
    L_Page_Lang->setText(Lang(305) + QLatin1Char('1') + Lang(306) + QLatin1Char('1'));
    Btn_Prev->SetCaption(Lang(307));
    Btn_Next->SetCaption(Lang(308));
    CB_En_Con->setText(Lang(309));
    CB_Update->setText(Lang(310));
    Btn_Check_Update->SetCaption(Lang(311));
    Btn_OK->SetCaption(Lang(312));
    Btn_Cancel->SetCaption(Lang(313));
    CB_Soft_Set_Jump_Table->setText(Lang(320));
    CB_DoubleClick_Auto_Size->setText(Lang(321));
    L_Sel_Lang->adjustSize();
    L_Page_Lang->adjustSize();
}

void TFSoftOptions::FormShow()
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    LL_Check_Update->hide();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->setChecked(Enable_Internet);
    CB_Update->setChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->setChecked(Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->setChecked(Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages.clear();
    const QFileInfoList files = QDir(Language_Dir).entryInfoList({QStringLiteral("*.lng")},
                                                                  QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : files)
        // A read-only language file is left out (the owner's write bit, whoever runs the program).
        if (f.permissions() & QFileDevice::WriteOwner)
            SL_Languages << f.fileName();
    SL_Languages.sort(Qt::CaseInsensitive);
    Show_Page = 1;
    Update_Lang_Page(1);
}

int TFSoftOptions::Pages() const
{
    return (static_cast<int>(SL_Languages.size()) + kTiles - 1) / kTiles;
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    L_Sel_Lang->setText(Lang(304) + Language_In_Use);
    L_Sel_Lang->adjustSize();
    L_Page_Lang->setText(Lang(305) + QString::number(Num_Page) + Lang(306) + QString::number(Pages()));
    L_Page_Lang->adjustSize();
    Btn_Prev->setVisible(Num_Page != 1);
    Btn_Next->setVisible(Num_Page != Pages());
    const int shown = static_cast<int>(SL_Languages.size()) - (Num_Page - 1) * kTiles;
    for (int k = 0; k < kTiles; ++k) {
        const bool visible = k < shown;
        L_L[k]->setVisible(visible);
        I_L[k]->setVisible(visible);
        if (!visible)
            continue;
        const QString name = LanguageOf(SL_Languages[(Num_Page - 1) * kTiles + k]);
        L_L[k]->setText(name);
        QString flag = JoinPath(Language_Dir, name + QStringLiteral(".bmp"));
        if (!QFileInfo::exists(flag))
            flag = JoinPath(Language_Dir, QStringLiteral("DefaultFlag.bmp"));
        const QPixmap picture(flag);
        I_L[k]->setPixmap(picture);
        I_L[k]->setVisible(!picture.isNull());
    }
}

void TFSoftOptions::Btn_NextClick(QObject* Sender)
{
    if (Sender == Btn_Next && Show_Page + 1 <= Pages())
        ++Show_Page;
    else if (Sender == Btn_Prev && Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page(Show_Page);
    // A page button that hid itself would hand the focus on to OK, and the next Enter would close the dialog.
    auto* pressed = qobject_cast<QWidget*>(Sender);
    TSbButton* other = pressed == Btn_Next ? Btn_Prev : Btn_Next;
    if (pressed && !pressed->isVisible() && other->isVisible())
        other->setFocus();
}

void TFSoftOptions::LangClick(int Tile)
{
    const int index = (Show_Page - 1) * kTiles + Tile;
    if (Tile < 0 || Tile >= kTiles || index >= SL_Languages.size())
        return;
    const QString name = LanguageOf(SL_Languages[index]);
    if (MessageDlg(Lang(316) + Language_In_Use + Lang(317) + name + Lang(318), TMsgDlgType::mtConfirmation,
                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) != mrYes)
        return;
    Language_In_Use = name;
    const QString kept = Language_Name;
    Language_Name = name;
    Load_Language();
    Language_Name = kept;
    if (FVostrelanteFirmWare)
        FVostrelanteFirmWare->Change_Language();
    // Set_Lang above put back the texts of page 1 of 1; the page shown stays, in the new words.
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::Btn_Check_UpdateClick()
{
    // Only the link is markup; the plain answer is shown as the language table words it.
    if (Check_Version()) {
        LL_Check_Update->setTextFormat(Qt::RichText);
        LL_Check_Update->setText(Link_Html(Web_Download_Page(), Lang(314)));
    } else {
        LL_Check_Update->setTextFormat(Qt::PlainText);
        LL_Check_Update->setText(Lang(315));
    }
    LL_Check_Update->show();
}

void TFSoftOptions::Btn_OKClick()
{
    Language_Name = Language_In_Use;
    Enable_Internet = CB_En_Con->isChecked();
    Enable_Update = CB_Update->isChecked();
    if (FVostrelanteFirmWare)
        FVostrelanteFirmWare->Update_Timer_State();
    Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->isChecked();
    Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
    SetModalResult(mrOk);
}

bool TFSoftOptions::Check_Version()
{
    const std::optional<QByteArray> body = HttpGet(
        QUrl(Web_Version_Check_Url()),
        {{"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"}});
    const QString answer = body ? QString::fromUtf8(*body).trimmed() : QString();
    if (answer.isEmpty() || answer.toUpper() == QLatin1String("VER. 0.000"))
        return false;
    const int own = Conv_Version(Product_Version);
    const int theirs = Conv_Version(answer);
    return own != -1 && theirs != -1 && own < theirs;
}

int TFSoftOptions::Conv_Version(const QString& Ver_str)
{
    const qsizetype blank = Ver_str.indexOf(QLatin1Char(' '));
    const QString v = (blank < 0 ? Ver_str : Ver_str.mid(blank + 1)).trimmed();
    if (v.length() < 5)
        return -1;
    const QString digits = QString(v[0]) + v[2] + v[3] + v[4];
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok ? n : -1;
}

bool TFSoftOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        for (int k = 0; k < kTiles; ++k)
            if (watched == I_L[k] || watched == L_L[k]) {
                LangClick(k);
                return true;
            }
    return TForm::eventFilter(watched, event);
}
