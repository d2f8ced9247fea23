#pragma once
// The communication-parameters editor: the panels of the model this build configures, read from and
// written to the project's ParGen.xml.
#include "platform/Form.h"
#include <QString>
#include <memory>

class QLabel;
class QPoint;
class TCategoryPanel;
class TCategoryPanelGroup;
class TParControls;
class TParPanelRows;
class TSbButton;
struct TParGenModel;

// The converter model of this build.
constexpr int ParGen_Model = 48143;

class TFParGen : public TForm {
public:
    // Model: the family member whose panels are shown; a build shows its own all its run.
    explicit TFParGen(QWidget* parent = nullptr, int Model = ParGen_Model);
    ~TFParGen() override;

    void Set_Lang();
    // Shows, stacks, numbers and tab-orders the model's panels.
    void Order_TAB_Panels();
    // Lays the model's panels out again from the state of their controls.
    void Move_GroupBoxs();
    // True when every entry passes; otherwise shows the first error.
    bool Controllo_Dati();

    void On_Change(QObject* Sender);
    void On_Click(QObject* Sender);
    // A "." in an octet edit is swallowed and, along an address chain, moves on to the next octet.
    void KeyPress(QObject* Sender, QChar& Key);
    // MousePos in screen coordinates. Handled when the mouse is over the panel group.
    void FormMouseWheel(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, const QPoint& MousePos,
                        bool& Handled);
    void Btn_OKClick();
    void Btn_CancelClick();

    // The controls of all 26 panels by name ("E_IEC61850_Server_IP1", "CB_TLS_Server_Enable", ...).
    const TParControls& Controls() const
    {
        Panels();
        return *FControls;
    }
    // A panel by name ("CP_NTP").
    TCategoryPanel* Panel(const QString& Name) const;

    bool Is_Change = false;

    QWidget* P_Title;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    TCategoryPanelGroup* CPG;
    QWidget* P_Button;
    TSbButton* Btn_OK;
    TSbButton* Btn_Cancel;

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormResize();
    bool Confirm_Exit();
    const TParPanelRows& Rows_Of(int panel) const;
    struct TPanels;
    TPanels& Panels() const;
    void Build_Panels();

    const TParGenModel& FModel;
    std::unique_ptr<TParControls> FControls;
    std::unique_ptr<TPanels> FPanels;   // made on first use (Panels())
};
