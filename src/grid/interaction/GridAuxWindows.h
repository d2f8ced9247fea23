#pragma once
// Windows the grid keeps beside its cells: the hint window that renders mini-HTML, the thin painted scroll
// indicator, and the header button that follows the mouse while a column or row is moved.
#include "platform/CustomControl.h"
#include "platform/Types.h"
#include <QWidget>

class THTMLPictureCache;
class TVxStringGrid;

// Where a hint of Rect's size stands on a monitor: moved left or up so that it ends 2 pixels inside it.
TRect FitHintRect(TRect Rect, const QRect& Monitor);

class THTMLHintWindow : public QWidget {
public:
    explicit THTMLHintWindow(QWidget* AOwner = nullptr);

    // Rect is in screen coordinates; only its top-left counts, the size follows the text.
    void ActivateHint(TRect Rect, const QString& AHint);
    // With a grid as the data, its picture cache serves the hint's pictures.
    void ActivateHintData(TRect Rect, const QString& AHint, TVxStringGrid* AData);
    TRect CalcHintRect(int MaxWidth, const QString& AHint);
    QString Hint() const { return FText; }
    // The font of escaped-wide hints: that of the grid whose hint was prepared last.
    static QString& HintFontName();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSize Measure(const QString& AHint, int MaxWidth);
    bool IsWide(const QString& AHint) const;
    QString FText;
    THTMLPictureCache* FCache = nullptr;
    int FTextWidth = 0;
    int FTextHeight = 0;
};

// The thumb of the flat scroll style: position and length in pixels along the control.
struct TScrollThumb {
    int Pos = 0;
    int Size = 0;
    bool Shown = false;   // false when every row (column) fits
};

class TScrollControl : public TCustomControl {
public:
    // Direction 0 is vertical, anything else horizontal.
    TScrollControl(TVxStringGrid* AOwner, int Direction);
    void SetColor(TColor Value);   // repaints when it changes
    int ScrollWidth() const { return FScrollWidth; }
    TScrollThumb Thumb() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool Vertical() const { return FDirection == 0; }
    TVxStringGrid* FGrid;
    int FScrollWidth = 4;
    int FDirection;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};

// The moved header's text on a small bordered pop-up with the fixed cells' background.
class THeaderDragButton : public QWidget {
public:
    explicit THeaderDragButton(TVxStringGrid* AOwner);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TVxStringGrid* FGrid;
    QString FCaption;
};
