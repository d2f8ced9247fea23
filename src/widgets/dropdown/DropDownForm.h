#pragma once
// The borderless pop-up window of a drop-down edit: a Qt pop-up that paints the edit's colours and border,
// carries the header and footer strips and closes when it loses the activation.
#include "platform/Form.h"
#include "platform/KeyCodes.h"
#include "platform/Property.h"
#include <functional>

class TVxCustomDropDown;
class TVxFooter;
class TVxHeader;
class TCanvas;

class TDropDownForm : public TForm {
public:
    explicit TDropDownForm(TVxCustomDropDown* AOwner);
    ~TDropDownForm() override;

    // Milliseconds since the epoch when the pop-up last lost the activation while visible.
    qint64 DeActivateTime() const { return FDeActivate; }
    bool Shadow() const { return FShadow; }
    void SetShadow(bool value) { FShadow = value; }
    TVxHeader* Header() const { return FHeader; }
    TVxFooter* Footer() const { return FFooter; }
    TVxCustomDropDown* VxDropDown() const { return FVxDropDown; }
    void SetVxDropDown(TVxCustomDropDown* value) { FVxDropDown = value; }
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool value) { FCancelOnDeActivate = value; }
    // While set, losing the activation does not close the pop-up.
    bool BlockActivate() const { return FBlockActivate; }
    void SetBlockActivate(bool value) { FBlockActivate = value; }

    // Builds or refreshes the header and footer from the edit's appearances.
    void InitializeAndUpdate();
    // The pop-up lost the activation: closes it (cancelled as CancelOnDeActivate says).
    void DeActivate();

    std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnKeyDown;
    std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnKeyUp;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    TNotifyEvent OnHide;
    TNotifyEvent OnSizing;
    TNotifyEvent OnDestroy;
    std::function<void(QObject* Sender, TShiftState Shift, QPoint MousePos)> OnMouseWheelDown;
    std::function<void(QObject* Sender, TShiftState Shift, QPoint MousePos)> OnMouseWheelUp;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void PaintBackground(TCanvas& Canvas);

    qint64 FDeActivate = 0;
    bool FShadow = true;
    TVxFooter* FFooter = nullptr;   // children of the pop-up, made on first need
    TVxHeader* FHeader = nullptr;
    TVxCustomDropDown* FVxDropDown;   // the owner, which outlives the pop-up
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
    bool FClosing = false;
};
