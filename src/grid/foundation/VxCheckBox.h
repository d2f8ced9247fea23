#pragma once
// A check box with a caption that paints its own box, optionally over a copy of its parent's background.
#include "platform/CustomControl.h"
#include <memory>

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TLeftRight { taLeftJustify, taRightJustify };

class TVxCheckBox : public TCustomControl {
    Q_OBJECT
public:
    explicit TVxCheckBox(QWidget* AOwner = nullptr);
    ~TVxCheckBox() override;

    bool Checked() const { return FState == TCheckBoxState::cbChecked; }
    void SetChecked(bool value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    // Unless read-only, checks an unchecked or grayed box and unchecks a checked one.
    virtual void Toggle();

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout value);
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool TransparentChaching() const { return FTransparentCaching; }
    void SetTransparentChaching(bool value) { FTransparentCaching = value; }
    bool Down() const { return FDown; }
    void SetDown(bool value) { FDown = value; }

    TNotifyEvent OnClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
    TDlgCodes GetDlgCode() const override;
    bool DialogChar(QChar Key, TShiftState Shift) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Click();
    void InvalidateBox(int width);
    void DrawParentBackground();

    bool FDown = false;
    TCheckBoxState FState = TCheckBoxState::cbUnchecked;
    bool FReturnIsTab = false;
    TTextLayout FBtnVAlign = TTextLayout::tlTop;
    TLeftRight FAlignment = TLeftRight::taLeftJustify;
    bool FEllipsis = false;
    QString FCaption = QStringLiteral("TVxCheckBox");
    bool FReadOnly = false;
    bool FMouseDown = false;
    std::unique_ptr<TBitmap> FBkgBmp;  // the parent's background, while FBkgCache holds
    bool FBkgCache = false;
    bool FTransparentCaching = false;
    bool FTransparent = false;
};
