#include "ui/UBoot.h"
#include "core/UBootJob.h"
#include "core/USaveBincc.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Ping.h"
#include "ui/UFormParts.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <vector>


namespace {

constexpr int kWidth = 449;
constexpr int kTitleHeight = 50;
constexpr int kAddressHeight = 64;
constexpr int kOptionsHeight = 84;
constexpr int kButtonHeight = 48;
constexpr int kHeight = kTitleHeight + kAddressHeight + kOptionsHeight + kButtonHeight;
constexpr int kPingLimit = 5000;  // ms for all echo rounds together
constexpr int kGoodEchoes = 2;

// One update press: the button cannot be pressed again, the window not closed and the address and choices not
// changed (the job must name what was pinged) until it is over.
class BusyPress {
public:
    BusyPress(bool& busy, std::initializer_list<QWidget*> locked) : FBusy(busy), FLocked(locked)
    {
        FBusy = true;
        for (QWidget* w : FLocked)
            w->setEnabled(false);
    }
    ~BusyPress()
    {
        // Clicks and closes queued while the window was not handling events meet the busy window here.
        QCoreApplication::processEvents();
        FBusy = false;
        for (QWidget* w : FLocked)
            w->setEnabled(true);
    }
    BusyPress(const BusyPress&) = delete;
    BusyPress& operator=(const BusyPress&) = delete;

private:
    bool& FBusy;
    std::vector<QWidget*> FLocked;
};

} // namespace

TFBoot::TFBoot(QWidget* parent) : TForm(parent)
{
    auto icmp = std::make_unique<TIcmpPinger>();
    icmp->OnWait = [] { QCoreApplication::processEvents(); };
    FPinger = std::move(icmp);
    FClock = std::make_unique<TSystemClock>();

    SetFixedClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFBoot::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;

    P_IP_Address = new QWidget(this);
    P_IP_Address->setGeometry(0, kTitleHeight, kWidth, kAddressHeight);
    L_IP_Address = new QLabel(P_IP_Address);
    L_IP_Address->setGeometry(16, 8, kWidth - 32, 18);
    int left = 16;
    for (QLineEdit** e : {&E_IP1, &E_IP2, &E_IP3, &E_IP4}) {
        *e = new QLineEdit(QStringLiteral("0"), P_IP_Address);
        (*e)->setMaxLength(3);
        (*e)->setAlignment(Qt::AlignCenter);
        (*e)->setGeometry(left, 30, 48, 24);
        (*e)->installEventFilter(this);
        if (e != &E_IP4)
            (new QLabel(QStringLiteral("."), P_IP_Address))->setGeometry(left + 52, 30, 8, 24);
        left += 64;
    }

    P_Options = new QWidget(this);
    P_Options->setGeometry(0, kTitleHeight + kAddressHeight, kWidth, kOptionsHeight);
    L_Update_Option = new QLabel(P_Options);
    L_Update_Option->setGeometry(16, 4, kWidth - 32, 18);
    CB_Update_Options = new QComboBox(P_Options);
    CB_Update_Options->setGeometry(16, 26, 240, 24);
    CB_Update_Option_Read_Back = new QCheckBox(P_Options);
    CB_Update_Option_Read_Back->setGeometry(16, 56, kWidth - 32, 20);
    CB_Update_Option_Read_Back->setChecked(true);

    P_Button = Make_Button_Bar(this, kWidth, kHeight, kButtonHeight);
    Btn_Cancel = Make_Bar_Button(P_Button, 16);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Update = Make_Bar_Button(P_Button, kWidth - 16 - 180);
    Btn_Update->resize(180, Btn_Update->height());
    Btn_Update->OnClick = [this](QObject* Sender) { Btn_UpdateClick(Sender); };

    setTabOrder(E_IP1, E_IP2);
    setTabOrder(E_IP2, E_IP3);
    setTabOrder(E_IP3, E_IP4);
    setTabOrder(E_IP4, CB_Update_Options);
    setTabOrder(CB_Update_Options, CB_Update_Option_Read_Back);
    Set_Lang();
}

TFBoot::~TFBoot() = default;

void TFBoot::SetPinger(std::unique_ptr<TPinger> pinger) { FPinger = std::move(pinger); }
void TFBoot::SetClock(std::unique_ptr<TClock> clock) { FClock = std::move(clock); }

TModalResult TFBoot::Show_Update(std::uint32_t Type)
{
    BACnetType = Type;
    return ShowModal();
}

void TFBoot::Set_Lang()
{
    SetCaption(Lang(1002));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(1003));
    L_IP_Address->setText(Lang(1006));
    L_Update_Option->setText(Lang(1014));
    CB_Update_Options->clear();
    CB_Update_Options->addItems({Lang(1015), Lang(1016), Lang(1017)});
    CB_Update_Options->setCurrentIndex(0);
    CB_Update_Option_Read_Back->setText(Lang(1018));
    Btn_Cancel->SetCaption(Lang(1019));
    Btn_Update->SetCaption(Lang(1020));
    E_IP1->setToolTip(Lang(1021));
    E_IP2->setToolTip(Lang(1022));
    E_IP3->setToolTip(Lang(1023));
    E_IP4->setToolTip(Lang(1024));
    CB_Update_Options->setToolTip(Lang(1032));
    CB_Update_Option_Read_Back->setToolTip(Lang(1033));
    Btn_Cancel->setToolTip(Lang(1034));
    Btn_Update->setToolTip(Lang(1035));
}

void TFBoot::FormShow()
{
    Set_Lang();
    L_SW_Code->setText(SW_Code);
    L_SW_Code->adjustSize();
    QString ip1, ip2, ip3, ip4;
    if (!Device_IP.isEmpty() && Parse_IP_Address(Device_IP, ip1, ip2, ip3, ip4)) {
        E_IP1->setText(ip1);
        E_IP2->setText(ip2);
        E_IP3->setText(ip3);
        E_IP4->setText(ip4);
    }
    CB_Update_Options->setCurrentIndex(Update_Option);
    CB_Update_Option_Read_Back->setChecked(Read_Back);
    E_IP1->setFocus();
}

bool TFBoot::FormCloseQuery()
{
    return !FBusy;
}

bool TFBoot::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == QLatin1String(".")) {
        QLineEdit* const order[] = {E_IP1, E_IP2, E_IP3, E_IP4};
        for (int i = 0; i < 4; ++i) {
            if (watched != order[i])
                continue;
            // The dot ends a byte: it moves on to the next edit and is never typed.
            if (i < 3 && order[i + 1]->isEnabled() && order[i + 1]->isVisible())
                order[i + 1]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return TForm::eventFilter(watched, event);
}

QString TFBoot::Address() const
{
    return QStringList{E_IP1->text(), E_IP2->text(), E_IP3->text(), E_IP4->text()}.join(QLatin1Char('.'));
}

bool TFBoot::Send_Ping()
{
    ping_res = 0;
    FNoSocket.clear();
    const QString target = Address();
    const std::int64_t start = FClock->Milliseconds();
    int good = 0;
    do {
        const TEchoResult echo = FPinger->Echo(target);
        if (echo.Status == TEchoStatus::esNoSocket)
            FNoSocket = echo.Error;
        if (echo.Status == TEchoStatus::esFailed || echo.Status == TEchoStatus::esNoSocket)
            return false;
        ping_res = echo.BytesReceived == 0 ? 2 : 1;
        if (ping_res == 1)
            ++good;
    } while (good < kGoodEchoes && FClock->Milliseconds() - start <= kPingLimit);
    return ping_res == 1;
}

bool TFBoot::Compile_XML_Parameter_New_Boot()
{
    TBootJob job;
    job.IP_Address = Address();
    job.Update_Option = CB_Update_Options->currentIndex();
    job.Read_Back = CB_Update_Option_Read_Back->isChecked();
    job.BACnetType = BACnetType;
    job.Master_Dir = Master_Dir;
    job.Project_Dir = Project_Dir;
    QString error;
    // The job names both images: never hand over a mixed or half-written pair.
    const bool images_whole = job.Update_Option == 1 || Bank_Pair_Whole(Project_Dir, &error);
    if (images_whole && Save_Boot_Job(Exe_Dir, job, &error))
        return true;
    MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    return false;
}

void TFBoot::Btn_UpdateClick(QObject*)
{
    if (FBusy)
        return;
    const BusyPress press(FBusy, {Btn_Update, Btn_Cancel, P_IP_Address, P_Options});
    if (Send_Ping()) {
        Device_IP = Address();
        Update_Option = CB_Update_Options->currentIndex();
        Read_Back = CB_Update_Option_Read_Back->isChecked();
        if (Compile_XML_Parameter_New_Boot())
            FVostrelanteFirmWare->Start_Program(JoinPath(Exe_Dir, QStringLiteral("Ethernet_Update")), QString(), false);
    } else if (!FNoSocket.isEmpty()) {
        MessageDlg(QStringLiteral("The device cannot be pinged: this system allows no ICMP socket (%1).").arg(FNoSocket),
                   TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    } else if (ping_res == 2) {
        MessageDlg(Lang(1036), TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
    } else {
        MessageDlg(Lang(1037), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    }
}
