#include "ui/UParGen.h"

#include "core/UComon.h"
#include "core/ProjectFile.h"
#include "core/ULanguage.h"
#include "platform/Dialogs.h"
#include "ui/CategoryPanelGroup.h"
#include "ui/ParGenCheck.h"
#include "ui/ParGenEdit.h"
#include "ui/ParGenFile.h"
#include "ui/ParGenPanels.h"
#include "ui/ParGenRows.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QScreen>
#include <QWheelEvent>
#include <stdexcept>
#include <string>
#include <vector>


namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 700;
constexpr int kTitleHeight = 69;
constexpr int kBarHeight = 40;
const QColor kFace(0xF8, 0xF7, 0xED);  // $00EDF7F8

// Changes to these controls change which rows their panel shows.
const char* const kLayoutLists[] = {"CB_BACnet_Master_Type", "CB_BACnet_Slave_Type", "CB_SNMP_Agent_SecurityLevel",
                                    "CB_WiFi_Type", "CB_WiFi_Secure_Type"};
const char* const kLayoutBoxes[] = {"CB_TLS_Server_Enable", "CB_SNMP_Agent_Version3", "CB_MQTT_WillFlag",
                                    "CB_TLS_Enable", "CB_WiFi_IP_Auto", "CB_WiFi_En_DHCP", "CB_TLS_En_Client_Auth",
                                    "CB_TLS_En_Server_Auth"};

template <std::size_t N>
bool Named(const QObject* sender, const char* const (&names)[N])
{
    for (const char* n : names)
        if (sender->objectName() == QLatin1String(n))
            return true;
    return false;
}

const TParGenModel& Model_Of(int model)
{
    if (const TParGenModel* m = Find_ParGen_Model(model))
        return *m;
    throw std::invalid_argument("not a converter model: " + std::to_string(model));
}

void Paint_Face(QWidget* w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kFace);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

struct TFParGen::TPanels {
    std::vector<TCategoryPanel*> Panels;  // by TParPanelId
    std::vector<TParPanelRows> Rows;
    QHash<const QObject*, QWidget*> DotNext;  // octet -> the next octet of its address chain
};

TFParGen::TFParGen(QWidget* parent, int Model)
    : TForm(parent), FModel(Model_Of(Model)), FControls(std::make_unique<TParControls>())
{
    setFont(QFont(QStringLiteral("Verdana")));
    Paint_Face(this);
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Paint_Face(P_Title);
    Set_Gray_Text(L_SW_Desc);
    CPG = new TCategoryPanelGroup(this);
    Paint_Face(CPG->widget());
    P_Button = Make_Button_Bar(this, kWidth, kHeight, kBarHeight);
    Paint_Face(P_Button);
    // The width never changes, so both stay at the right edge: Cancel last, OK left of it.
    Btn_OK = Make_Bar_Button(P_Button, kWidth - 2 * (110 + 8));
    Btn_Cancel = Make_Bar_Button(P_Button, kWidth - (110 + 8));
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_Cancel->OnClick = [this](QObject*) { Btn_CancelClick(); };
    // The wheel is the window's before it is any control's.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    FormCreate();
}

TFParGen::~TFParGen() = default;

void TFParGen::FormCreate()
{
    L_SW_Code->setText(SW_Code);
    resize(kWidth, kHeight);
    FormResize();
    Set_Lang();
}

// The panels hold hundreds of controls that only this window's showing needs: they are made the first time
// the window shows or its controls are asked for, not with the program's other windows at start.
TFParGen::TPanels& TFParGen::Panels() const
{
    if (!FPanels)
        const_cast<TFParGen*>(this)->Build_Panels();
    return *FPanels;
}

void TFParGen::Build_Panels()
{
    FPanels = std::make_unique<TPanels>();
    const TParHandlers handlers{[this](QObject* s) { On_Change(s); }, [this](QObject* s) { On_Click(s); },
                                [this](QObject* s, QChar& k) { KeyPress(s, k); }};
    for (int id = 0; id < kParPanelCount; ++id) {
        const TParPanelDef& def = ParGen_Panel(static_cast<TParPanelId>(id));
        auto* panel = new TCategoryPanel(CPG);
        panel->setObjectName(QString::fromLatin1(def.Name));
        Paint_Face(panel->Surface());
        FPanels->Panels.push_back(panel);
        FPanels->Rows.push_back(Build_Panel_Rows(panel, def.Rows, def.RowCount, *FControls, handlers));
        const std::vector<QWidget*> chain = FPanels->Rows.back().Dot_Chain();
        for (std::size_t i = 1; i < chain.size(); ++i)
            FPanels->DotNext.insert(chain[i - 1], chain[i]);
        for (QWidget* w : panel->findChildren<QWidget*>())
            w->installEventFilter(this);
        panel->installEventFilter(this);
        panel->hide();
    }
    Order_TAB_Panels();
    Move_GroupBoxs();
    for (const TParPanelRows& rows : FPanels->Rows)
        Apply_Row_Texts(rows);
}

TCategoryPanel* TFParGen::Panel(const QString& Name) const
{
    for (TCategoryPanel* p : Panels().Panels)
        if (p->objectName() == Name)
            return p;
    return nullptr;
}

const TParPanelRows& TFParGen::Rows_Of(int panel) const
{
    return Panels().Rows[static_cast<std::size_t>(panel)];
}

void TFParGen::Order_TAB_Panels()
{
    int top = 0;
    int number = 0;
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (const TParPanelId id : FModel.Panels) {
        TCategoryPanel* panel = Panels().Panels[static_cast<std::size_t>(id)];
        panel->show();
        panel->SetTop(top);
        top = panel->Top() + panel->height();
        panel->SetCaption(QStringLiteral("%1. ").arg(++number) + Lang(ParGen_Panel(id).Title));
        for (QWidget* w : Rows_Of(static_cast<int>(id)).Tab_Chain())
            chain(w);
    }
    chain(Btn_OK);
    chain(Btn_Cancel);
}

void TFParGen::Move_GroupBoxs()
{
    for (const TParPanelId id : FModel.RePosition)
        RePosition_Object(id, Rows_Of(static_cast<int>(id)), Controls());
}

void TFParGen::Set_Lang()
{
    SetCaption(Lang(400));
    L_SW_Desc->setText(Lang(401));
    Btn_OK->SetCaption(Lang(402));
    Btn_Cancel->SetCaption(Lang(403));
    Btn_OK->setToolTip(Lang(404));
    Btn_Cancel->setToolTip(Lang(405));
    if (FPanels)
        for (const TParPanelRows& rows : FPanels->Rows)
            Apply_Row_Texts(rows);
}

void TFParGen::On_Change(QObject* Sender)
{
    Is_Change = true;
    if (Named(Sender, kLayoutLists))
        Move_GroupBoxs();
}

void TFParGen::On_Click(QObject* Sender)
{
    Is_Change = true;
    if (Named(Sender, kLayoutBoxes))
        Move_GroupBoxs();
}

void TFParGen::KeyPress(QObject* Sender, QChar& Key)
{
    if (Key != QLatin1Char('.'))
        return;
    Key = QChar();
    QWidget* next = Panels().DotNext.value(Sender);
    if (next && next->isVisible() && next->isEnabled())
        next->setFocus(Qt::TabFocusReason);
}

void TFParGen::FormMouseWheel(QObject*, Qt::KeyboardModifiers, int WheelDelta, const QPoint& MousePos, bool& Handled)
{
    Handled = CPG->rect().contains(CPG->mapFromGlobal(MousePos));
    if (!Handled)
        return;
    const int lines = QApplication::wheelScrollLines();
    if (lines < 1)
        return;
    CPG->ScrollLines(WheelDelta > 0 ? -lines : lines);
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int delta = wheel->angleDelta().y();
        bool handled = false;
        // A sideways wheel (or tilt) has no vertical turn: it must not scroll the group down.
        if (delta != 0)
            FormMouseWheel(watched, wheel->modifiers(), delta, wheel->globalPosition().toPoint(), handled);
        if (handled)
            return true;
    }
    return TForm::eventFilter(watched, event);
}

void TFParGen::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    FormResize();
}

void TFParGen::FormResize()
{
    if (width() != kWidth) {
        resize(kWidth, height());
        return;
    }
    P_Title->setGeometry(0, 0, kWidth, kTitleHeight);
    P_Button->setGeometry(0, height() - kBarHeight, kWidth, kBarHeight);
    CPG->setGeometry(0, kTitleHeight, kWidth, std::max(0, height() - kTitleHeight - kBarHeight));
}

void TFParGen::FormShow()
{
    // On the screen's centre, not over the main window.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - frameGeometry().center() + pos());
    Xml::TElement root;
    QString error;
    // A file that cannot be read or parsed is reported, and the defaults shown; OK writes a sound file.
    if (Load_Project_File(File_ParGen, root, &error) == TProjectFileLoad::Failed)
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    Read_ParGen(&root, Controls());
    Is_Change = false;
    Move_GroupBoxs();
}

void TFParGen::Btn_OKClick()
{
    if (!Controllo_Dati())
        return;
    QString error;
    if (!Write_ParGen(Controls(), File_ParGen, &error)) {
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    Is_Change = false;
    SetModalResult(mrOk);
}

bool TFParGen::Controllo_Dati()
{
    const int text = First_ParGen_Error(Controls());
    if (text != 0)
        MessageDlg(Lang(text), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    return text == 0;
}

bool TFParGen::Confirm_Exit()
{
    return !Is_Change || MessageDlg(Lang(441), TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes;
}

void TFParGen::Btn_CancelClick()
{
    if (!Confirm_Exit())
        return;
    Is_Change = false;  // the user chose to drop the changes
    SetModalResult(mrCancel);
}

bool TFParGen::FormCloseQuery()
{
    // The close box drops changes only after the same question as Cancel.
    return Confirm_Exit();
}
