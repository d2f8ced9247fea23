#pragma once
// An edit with a push button at its right edge (the button or F4 raises OnClickBtn), and the unit edit: a value
// with a unit drawn between the text and the button, whose button pops up the list of units.
#include "grid/edit/editors/EditButtonColors.h"
#include "platform/MaskEdit.h"
#include "platform/SpeedButton.h"
#include <QPointer>
#include <QStringList>

class TVxgEditButton;

class TVxSpeedButton : public TSpeedButton {
    Q_OBJECT
public:
    explicit TVxSpeedButton(TVxgEditButton* AOwner);

    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    // Its own flat look, apart from the toolkit button's.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Hot() const { return MouseInControl(); }

protected:
    void Paint() override;

private:
    TVxgEditButton* FOwner;
    bool FIsWinXP = false;
    bool FFlat = false;
};

// The button container, a child of the edit.
class TVxgEditButton : public TCustomControl, public TEditButtonColors {
    Q_OBJECT
public:
    explicit TVxgEditButton(QWidget* AOwner = nullptr);

    TVxSpeedButton* Button() const { return FButton; }
    // Places the container and its button (also while hidden, when Qt holds back resize events).
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value) { FFocusControl = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    const TBitmap& Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& value) { FButton->SetGlyph(value); }
    QString ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const QString& value) { FButton->SetCaption(value); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int value) { FButton->SetNumGlyphs(value); }


    TNotifyEvent OnClick;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void BtnMouseUp(TMouseButton Button);

    TVxSpeedButton* FButton;
    QPointer<QWidget> FFocusControl;
    bool FFlat = false;
};

class TVxgEditBtn : public TCustomMaskEdit {
    Q_OBJECT
public:
    explicit TVxgEditBtn(QWidget* AOwner = nullptr);

    TVxgEditButton* Button() const { return FButton; }
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    // The stored width, 0 until assigned; assigning sets the button's width.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    const TBitmap& Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& value) { FButton->SetGlyph(value); }
    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const QString& value) { FButton->SetButtonCaption(value); }
    void SetBorderStyle(TBorderStyle value) override;

    // The smallest height that shows the font; a lower height is raised to it.
    int MinimumHeight() const;

    void WMPaste() override;
    void WMCut() override;

    TNotifyEvent OnClickBtn;

protected:
    virtual void DoClickBtn(QObject* Sender);
    void WMChar(QChar& Key, bool Keypad) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void resizeEvent(QResizeEvent* e) override;
    void AdjustEditRect();

    int FUnitSize = 0;

private:
    void PlaceButton();

    bool FRightAlign = false;
    TVxgEditButton* FButton;
    bool FEditorEnabled = true;
    int FButtonWidth = 0;
    bool FIsWinXP = false;
};

using TUnitChangeEvent = std::function<void(QObject* Sender, const QString& NewUnit)>;

class TVxgUnitEditBtn : public TVxgEditBtn {
    Q_OBJECT
public:
    explicit TVxgUnitEditBtn(QWidget* AOwner = nullptr);

    QString UnitID() const { return FUnitID; }
    void SetUnitID(const QString& value);
    const QStringList& Units() const { return FUnits; }
    void SetUnits(const QStringList& value) { FUnits = value; }
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int value);
    // The text directly followed by the unit; setting splits at the first unit that ends the value.
    QString TextAndUnit() const { return Text() + FUnitID; }
    void SetTextAndUnit(const QString& value);
    // The unit menu's choice: item ItemID is the unit at ItemID - 1.
    void WMCommand(int ItemID);

    TUnitChangeEvent OnUnitChanged;

protected:
    void DoClickBtn(QObject* Sender) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString FUnitID;
    QStringList FUnits;
};
