#pragma once
// The base through which a program plugs any control in as the editor of a cell (editor kind edCustom). The
// grid drives it through its virtual operations; the base leaves the cell on the navigation keys the link does
// not want, writes the value back, lets the control see Tab and the arrows while it is in use, and can host
// the control in a pop-up window of its own. While a link is in use the control's keys pass through EditKeyDown.
#include "platform/Canvas.h"
#include "platform/KeyCodes.h"
#include <QObject>
#include <QPointer>

class QWidget;
class TVxStringGrid;

enum class TEditStyle { esInplace, esPopup };

class TEditLink : public QObject {
public:
    explicit TEditLink(QObject* AOwner = nullptr);
    ~TEditLink() override;

    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
    // -1: the pop-up opens at the cell.
    int PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int Value) { FPopupLeft = Value; }
    int PopupTop() const { return FPopupTop; }
    void SetPopupTop(int Value) { FPopupTop = Value; }
    int PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int Value) { FPopupWidth = Value; }
    int PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int Value) { FPopupHeight = Value; }
    // Keys the control keeps instead of leaving the cell.
    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    TVxStringGrid* Grid() const { return FOwner; }
    QWidget* GetParent() const;
    // The cell being edited (real column, row).
    TPoint EditCell() const { return FEditCell; }

    // Called by the grid.
    virtual void EditKeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift);
    virtual QWidget* GetEditControl() { return nullptr; }
    virtual void CreateEditor(QWidget* AParent) { (void)AParent; }
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(const TRect& R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, const TFont& AFont) { (void)AColor, (void)AFont; }
    virtual QString GetEditorValue() { return {}; }
    virtual void SetEditorValue(const QString& s) { (void)s; }

    void EditExit(QObject* Sender);
    void FormExit(QObject* Sender);
    QString GetCellValue() const;
    void SetCellValue(const QString& s);
    void HideEditor();
    void RestoreWinProc();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TVxStringGrid;
    // The grid opens and closes the link's control over (or beside) cell (ACol real, ARow).
    void Open(TVxStringGrid* AGrid, int ACol, int ARow, const TRect& CellRect, TColor Color, const QString& Text);
    void Close();
    bool LeavesOn(std::uint16_t Key, TShiftState Shift) const;
    void ForcedGridFocus();
    void PostF2IfEditable();

    TVxStringGrid* FOwner = nullptr;
    QPointer<QWidget> FPopupForm;
    bool FForcedExit = false;
    TPoint FEditCell{-1, -1};
    bool FSubClassed = false;
    bool FAutoPopupWidth = false;
    TEditStyle FEditStyle = TEditStyle::esInplace;
    int FPopupLeft = -1;
    int FPopupTop = -1;
    int FPopupWidth = 100;
    int FPopupHeight = 100;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    int FTag = 0;
};
