#pragma once
// The filter drop-down of a header cell: its look settings, the single-choice and the check lists that serve
// as the drop-down, and the borderless form that never takes the focus from the grid.
#include "platform/Canvas.h"
#include "platform/Property.h"
#include <QListWidget>
#include <functional>
#include <memory>

class TFilterDropDown : public QObject {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;
    // Everything but AutoSize.
    void Assign(const TFilterDropDown& Source);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    bool ColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(bool Value) { FColumnWidth = Value; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont = Value; }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    // The header glyph without and with an active filter; a new picture fires OnChange.
    const TBitmap& Glyph() const { return *FGlyph; }
    void SetGlyph(const TBitmap& Value);
    const TBitmap& GlyphActive() const { return *FGlyphActive; }
    void SetGlyphActive(const TBitmap& Value);

    TNotifyEvent OnChange;

private:
    bool FAutoSize = false;
    TColor FColor = clWindow;
    bool FColumnWidth = false;
    TFont FFont;
    int FHeight = 150;
    int FWidth = 150;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FGlyphActive;
};

using TDropListSelectEvent = std::function<void(QObject* Sender, int ItemIndex)>;

// Shared by both lists: a press anywhere outside an open list closes it, and OnCancel tells the owner.
class TDropListBase : public QListWidget {
public:
    explicit TDropListBase(QWidget* AOwner);
    TNotifyEvent OnCancel;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// A single choice: Enter or a released button over it hides the list and reports the current item.
class TDropList : public TDropListBase {
public:
    explicit TDropList(QWidget* AOwner) : TDropListBase(AOwner) {}
    TDropListSelectEvent OnSelect;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Choose();
};

// Several choices: the list stays open while boxes are checked; each check reports OnSelect(-1).
class TDropCheckList : public TDropListBase {
public:
    explicit TDropCheckList(QWidget* AOwner);
    TDropListSelectEvent OnSelect;
    std::vector<int> CheckedItems() const;
};

// A borderless pop-up that shows without ever taking the activation or the focus.
class TNoActiveForm : public QWidget {
public:
    explicit TNoActiveForm(QWidget* AOwner);

protected:
    bool event(QEvent* e) override;
};
