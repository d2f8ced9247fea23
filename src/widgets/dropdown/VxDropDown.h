#pragma once
// The base of every drop-down edit: a one-line edit with a drop-down button at its right edge, a typed value
// between a prefix and a suffix, and a borderless pop-up window that a member fills with one control.
//
// Set-up runs in two phases: the constructor gives the fields their values; CreateDropDown<T>() then runs the
// steps that call members' overrides (the pop-up and its control, the selection and colour styles), which
// a C++ base constructor cannot reach.
#include "grid/foundation/VxStyleIF.h"
#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include "platform/KeyCodes.h"
#include "platform/Property.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/DropDownStyles.h"
#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <memory>

class QLabel;
class TDropDownEditButton;
class TFooterAppearance;
class THeaderAppearance;
class TVxButtonAppearance;
enum class TGradientDirection;

enum class TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};
enum class TDropPosition { dpAuto, dpDown, dpUp };
enum class TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft, lpLeftBottomLeft,
    lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight, lpBottomRight
};

using TDropDownEvent = std::function<void(QObject* Sender, bool& acceptdrop)>;
using TDropUpEvent = std::function<void(QObject* Sender, bool Cancelled)>;
using TClipboardEvent = std::function<void(QObject* Sender, const QString& value, bool& allow)>;
using TDropDownButtonItemClick = std::function<void(QObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(QObject* Sender, TCanvas& ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(QObject* Sender, QString& Text)>;

// Where a pop-up of PopupWidth x PopupHeight opens for an edit whose top-left is at EditPos on the screen:
// below it or above it by Position (dpAuto: below when it ends above ScreenHeight, tested from the edit's
// top), then moved left to end at the work area's right edge when it sticks out there (only on a work area
// that starts at 0 or right of it). Nothing else is clamped.
TPoint PlaceDropDown(TDropPosition Position, TPoint EditPos, int EditHeight, int PopupWidth, int PopupHeight,
                     int ScreenHeight, const TRect& WorkArea);

// The top-left of an attached label of LabelWidth x LabelHeight next to an edit at Edit.
TPoint PlaceLabel(TLabelPosition Position, const TRect& Edit, int LabelWidth, int LabelHeight, int Margin);

class TVxCustomDropDown : public QLineEdit, public IZarnStyle, public IZarnTones {
public:
    explicit TVxCustomDropDown(QWidget* AOwner = nullptr);
    ~TVxCustomDropDown() override;

    // The second set-up phase; CreateDropDown<T>() runs it.
    void AfterConstruction();

    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();
    TZarnStyle GetComponentStyle() const { return FZarnStyle; }
    void SetComponentStyle(TZarnStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;

    TDropDownEditButton* Button() const { return FButton; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    bool DroppedDown() const { return FDroppedDown; }
    // The value: the edit text without prefix and suffix. Writing formats it by the edit type (members may
    // override) and makes it the value a cancelled pop-up returns to.
    QString Text() const { return GetText(); }
    virtual void SetText(const QString& Value);

    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor value) { FDropDownColor = value; }
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor value) { FDropDownColorTo = value; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor value) { FDropDownBorderColor = value; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int value) { FDropDownBorderWidth = value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection value) { FDropDownGradient = value; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool value) { FDropDownShadow = value; }
    // 0 or less: automatic. Setting a new value forgets the size the user gave the pop-up.
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int value);
    int UserDropDownWidth() const { return FUserDropDownWidth; }
    int UserDropDownHeight() const { return FUserDropDownHeight; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition value) { FDropPosition = value; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool value) { FDropDownSizeable = value; }
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool value) { FDropDownEnabled = value; }
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int value);
    // False makes the edit pick-only: typing is ignored and a click opens the pop-up.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value) { FImages = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value) { FFlat = value; }
    bool Etched() const { return FEtched; }
    void SetEtched(bool value) { FEtched = value; }
    // A focused pick-only edit draws its value highlighted.
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool value) { FFocusDraw = value; }
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool value) { FForceShadow = value; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool value) { FDefaultHandling = value; }
    QString DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const QString& value);
    QString Version() const { return QStringLiteral("1.2.1.4"); }
    virtual int GetVersionNr() const { return 0x01020104; }

    // The attached label, made by the first caption.
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    const TFont& LabelFont() const { return FLabelFont; }
    void SetLabelFont(const TFont& value);
    QLabel* Label() const;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

    // Copies the settings of another drop-down; any other source is ignored.
    void Assign(const QObject* Source);
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value) { FFocusControl = value; }

    THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& value);
    TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& value);
    TVxButtonAppearance& ButtonAppearance() const { return *FButtonAppearance; }
    void SetButtonAppearance(const TVxButtonAppearance& value);

    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor value) { FSelectionColor = value; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor value) { FSelectionColorTo = value; }

    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    QString Prefix() const { return FPrefix; }
    void SetPrefix(const QString& value);
    QString Suffix() const { return FSuffix; }
    void SetSuffix(const QString& value);
    bool Signed() const { return FSigned; }
    void SetSigned(bool value) { FSigned = value; }
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int value) { FLengthLimit = std::int16_t(value); }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool value) { FCanUndo = value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    QString ValidChars() const { return FValidChars; }
    void SetValidChars(const QString& value) { FValidChars = value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool value) { FAutoThousandSeparator = value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool value) { FAllowNumericNullValue = value; }
    bool IsModified() const { return FIsModified; }

    double GetFloatValue() const;
    void SetFloatValue(double Value);
    void SetIntValue(int Value);

    TNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;
    TNotifyEvent OnChange;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;

    // Hooks of the pop-up form: what arrives there goes to the edit unless a member decides otherwise.
    virtual void DoFormKeyPress(QChar& Key);
    virtual void DoFormKeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void DoFormKeyUp(std::uint16_t& Key, TShiftState Shift);
    virtual void DoFormMouseWheelDown(TShiftState Shift, QPoint MousePos);
    virtual void DoFormMouseWheelUp(TShiftState Shift, QPoint MousePos);
    virtual void DoFormSizing() {}
    virtual void AfterHideDropDown();
    virtual void DropDownFormDestroyed() {}
    // The button's click and a click on a pick-only edit: opens the pop-up unless it was closed by this
    // very click (it lost the activation less than 250 ms ago).
    void ButtonClick();

    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    virtual void DrawSelectionBackground(TCanvas& Canvas, const TRect& R, TColor BackColor, int Part);
    virtual void DrawBackgroundGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                        TGradientDirection Direction);

protected:
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    virtual void DoBeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height) { (void)Height; }
    virtual void FocusDropDownControl();
    virtual void DoShowDropDown();
    virtual void PlaceDropDownControl();
    virtual void UpdateDropDownSize();
    virtual void DoHideDropDown(bool Cancelled);
    virtual void DoControlKeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void DoControlKeyUp(std::uint16_t& Key, TShiftState Shift);
    virtual void DoControlKeyPress(QChar& Key);
    virtual void DoWheelNext() {}
    virtual void DoWheelPrevious() {}
    virtual void SetEditRect();
    virtual void AdjustEditSize();
    // The edit's text changed (not while the change block is set).
    virtual void Change();
    virtual void DoEnter();
    virtual void DoExit();

    QString GetText() const;
    void SetEditText(const QString& Value) { QLineEdit::setText(Value); }
    double TextToFloat(const QString& S) const;
    void SetControl(QWidget* Control);
    QWidget* Control() const { return FControl; }
    void SetModifiedState(bool Value);
    // The pop-up header and footer are rebuilt from the appearances.
    void UpdateHeaderFooter();

    // The key handling of the edit: key-down returns false when it consumed the key; the character filter
    // drops what does not fit the edit type.
    virtual bool EditKeyDown(std::uint16_t& Key, TShiftState Shift);
    void EditKeyPress(QChar Key, bool Keypad);
    void PasteFromClipboard();
    void CopyToClipboard(bool Cut);

    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    virtual void DrawFocusedText();
    // The custom border: in BorderColor, FocusBorderColor or grey for a disabled edit.
    void UpdateBorder();
    void UpdateLabel();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPointer<TDropDownForm> FDropDownForm;

private:
    int ValueStart() const { return int(FPrefix.size()); }
    int ValueEnd() const { return int(text().size() - FSuffix.size()); }
    bool WholeValueSelected() const;
    void ShowValue(const QString& Value);
    void FormatMoneyText();
    void ToggleSign();
    bool FilterFloatChar(QChar& Key, bool Money);
    bool TakePaste(QString& Result) const;
    void TextChanged();
    // The hosted control fills the pop-up between header and footer, inside the border.
    void AlignDropDownControl();

    bool FConstructed = false;
    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    bool FEditorEnabled = true;
    TDropPosition FDropPosition = TDropPosition::dpAuto;
    QPointer<TCustomImageList> FImages;
    bool FDropDownShadow = true;
    int FDropDownBorderWidth = 1;
    TColor FDropDownColorTo = clNone;
    TColor FDropDownColor = clWhite;
    TColor FDropDownBorderColor = clBlack;
    int FButtonWidth = 17;
    QPointer<QWidget> FFocusControl;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TVxButtonAppearance> FButtonAppearance;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    QPointer<QWidget> FControl;
    TGradientDirection FDropDownGradient;
    bool FDropDownSizeable = true;
    TColor FSelectionColor = clNone;
    TColor FSelectionColorTo = clNone;
    TSelectionColorStyle FSelectionColorStyle = TSelectionColorStyle::scOffice2007;
    TDropDownEditType FEditType = TDropDownEditType::etString;
    std::int16_t FLengthLimit = 0;
    std::int16_t FPrecision = 0;
    QString FPrefix;
    QString FSuffix;
    bool FSigned = false;
    bool FReturnIsTab = false;
    bool FBlockChange = false;
    bool FAllowNumericNullValue = false;
    bool FCanUndo = true;
    bool FExcelStyleDecimalSeparator = false;
    QString FValidChars;
    bool FBlockCopy = false;
    bool FAutoThousandSeparator = true;
    bool FIsModified = false;
    bool FDropDownEnabled = false;
    bool FDroppedDown = false;
    TZarnStyle FZarnStyle = TZarnStyle::tsOffice2007Luna;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    bool FFlat = false;
    bool FEtched = false;
    bool FFocusDraw = true;
    bool FForceShadow = false;
    bool FDefaultHandling = true;
    bool FMouseInControl = false;
    QString FButtonHint;
    QPointer<QLabel> FLabel;   // a child of the edit's parent
    TLabelPosition FLabelPosition = TLabelPosition::lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    TFont FLabelFont;
    TDropDownEditButton* FButton = nullptr;
    QString FOldText;
};

// Makes a drop-down and runs its second set-up phase.
template <typename T, typename... Args>
T* CreateDropDown(Args&&... args)
{
    T* control = new T(std::forward<Args>(args)...);
    control->AfterConstruction();
    return control;
}
