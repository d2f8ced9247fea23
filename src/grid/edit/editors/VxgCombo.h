#pragma once
// The flat combo box: the toolkit's combo box with its own flat border, single-colour borders for the normal
// and the focused state, a coloured or themed drop-down button with hot tracking, a focus colour and an
// attached caption label.
#include "grid/edit/editors/EditButtonColors.h"
#include "grid/edit/editors/ControlLabel.h"
#include "platform/CustomControl.h"
#include <QComboBox>

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TVxgCustomCombo : public QComboBox, public TEditButtonColors {
    Q_OBJECT
public:
    explicit TVxgCustomCombo(QWidget* AOwner = nullptr);
    ~TVxgCustomCombo() override;

    // Selects the first item equal to AString; nothing happens without one.
    void SelectItem(const QString& AString);

    int ButtonWidth() const { return FButtonWidth; }
    // Only 14 to 32 are taken.
    void SetButtonWidth(int value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool value) { FAutoFocus = value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value) { FIsWinXP = value; }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool value) { FIsVista = value; }
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value);
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool value) { setVisible(value); }
    bool ParentFont() const { return FLabel->ParentFont(); }
    void SetParentFont(bool value) { FLabel->SetParentFont(value); }

    QString Text() const { return currentText(); }
    void SetText(const QString& value);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int value) { setCurrentIndex(value); }
    QStringList Items() const;
    void SetItems(const QStringList& value);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int value) { setMaxVisibleItems(value); }

    QLabel* ComboLabel() const { return FLabel->Label(); }
    QString LabelCaption() const { return FLabel->Caption(); }
    void SetLabelCaption(const QString& value) { FLabel->SetCaption(value); }
    const TFont& LabelFont() const { return FLabel->Font(); }
    // Taken only while ParentFont is off.
    void SetLabelFont(const TFont& value);
    int LabelMargin() const { return FLabel->Margin(); }
    void SetLabelMargin(int value) { FLabel->SetMargin(value); }
    TLabelPosition LabelPosition() const { return FLabel->Position(); }
    void SetLabelPosition(TLabelPosition value) { FLabel->SetPosition(value); }
    bool LabelTransparent() const { return FLabel->Transparent(); }
    void SetLabelTransparent(bool value) { FLabel->SetTransparent(value); }
    bool LabelAlwaysEnabled() const { return FLabel->AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool value) { FLabel->SetAlwaysEnabled(value); }
    bool FocusLabel() const { return FLabel->FocusLabel(); }
    void SetFocusLabel(bool value) { FLabel->SetFocusLabel(value); }

    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { FFocusColor = value; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FFocusBorderColor = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool value) { FFocusBorder = value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value) { FDisabledBorder = value; }

    bool DroppedDown() const { return FDroppedDown; }
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }

    void showPopup() override;
    void hidePopup() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnDropUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
    virtual void DoEnter();
    virtual void DoExit();

    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool ThemesActive() const;
    bool Active() const;
    bool FocusBorderActive() const;
    TColor ParentColor() const;
    void ApplyColor(TColor value);
    void DrawButton(TCanvas& c);
    void DrawBorder(TCanvas& c);

    int FButtonWidth;
    bool FFlat = false;
    bool FEtched = false;
    bool FAutoFocus = false;
    bool FMouseInControl = false;
    bool FButtonHover = false;
    bool FHasFocus = false;
    bool FIsThemed;
    bool FIsWinXP = false;
    bool FIsVista = false;
    bool FDroppedDown = false;
    bool FCtl3D = true;
    int FDropWidth = 0;
    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    TControlLabel* FLabel;
    TColor FColor = clWindow;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FFocusBorder = false;
    bool FDisabledBorder = true;
    TColor FLoadedColor = clWindow;
    TColor FOldColor = clWindow;
    bool FOldParentColor = false;
    bool FParentColor = false;
    TColor FNormalColor;   // the colour outside the focus
};

// The published flat combo box.
class TVxgComboBox : public TVxgCustomCombo {
    Q_OBJECT
public:
    explicit TVxgComboBox(QWidget* AOwner = nullptr) : TVxgCustomCombo(AOwner) {}
};
