#pragma once
// The toolkit's drawing surface over QPainter: right and bottom edges exclusive, lines without their end
// point, Rectangle = fill plus a one-pixel frame, opaque text unless the brush is clear, no antialiasing.
#include "platform/Types.h"
#include <QFlags>
#include <QImage>
#include <QFont>
#include <QString>
#include <memory>
#include <vector>

class QFontMetrics;
class TGlyphRunFont;
class QPaintDevice;
class QPainter;

enum class TFontStyle : unsigned { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// Screen resolution assumed when converting points to pixels, so that layouts are the same everywhere.
constexpr int kPixelsPerInch = 96;

class TFont {
public:
    QString Name() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    // Points; setting it sets Height to the matching negative pixel height.
    int Size() const;
    void SetSize(int value);
    // Negative: character height in pixels; positive: cell height (taken as the same here).
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value) { FStyle = value; }

    QFont toQFont() const;
    static TFont fromQFont(const QFont& font);
    friend bool operator==(const TFont&, const TFont&) = default;
    // Equal in all but the colour: the same glyphs.
    bool SameFace(const TFont& other) const
    {
        return FHeight == other.FHeight && FStyle == other.FStyle && FName == other.FName;
    }

private:
    QString FName = QStringLiteral("Tahoma");
    int FHeight = -11; // 8 points
    TColor FColor = clWindowText;
    TFontStyles FStyle;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// pmXor: lines combine their colour with the pixels by exclusive or, so a line drawn twice is gone.
enum class TPenMode { pmCopy, pmXor };

class TPen {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value < 1 ? 1 : value; }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value) { FStyle = value; }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value) { FMode = value; }

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    TPenMode FMode = TPenMode::pmCopy;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value) { FStyle = value; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
};

// The toolkit's horizontal text alignment.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// DrawText format flags, with the platform's values.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

class TBitmap;

class TCanvas {
public:
    // Without a surface the canvas only measures text; drawing calls do nothing.
    TCanvas();
    explicit TCanvas(QImage* image);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // A control's paint handler lends its painter for the time of one paint. BatchText: plain texts are drawn
    // together, later, but before anything is drawn over them, and the paint handler draws nothing itself with
    // the painter until EndPaint.
    void BeginPaint(QPainter* painter, bool BatchText = false);
    void EndPaint();
    bool CanDraw() const { return FImage != nullptr || FExternal != nullptr; }
    // Ends the canvas's own painter, so that its image may be read or copied.
    void Release();

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TFont& Font() { return FFont; }
    void SetFont(const TFont& value) { FFont = value; }

    TPoint PenPos() const;
    void SetPenPos(TPoint value) { FPenPos = value; FPenAfterText = false; }
    void MoveTo(int X, int Y) { SetPenPos({X, Y}); }
    void LineTo(int X, int Y);

    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    // The platform's focus rectangle: every other pixel of the frame inverted, so drawing it twice removes it.
    void DrawFocusRect(const TRect& r);
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);

    TColor Pixels(int X, int Y) const;
    void SetPixels(int X, int Y, TColor value);

    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    void TextOut(int X, int Y, const QString& text);
    // Fills r with the brush (unless clear) and draws the text at (X, Y) clipped to r.
    void TextRect(const TRect& r, int X, int Y, const QString& text);
    // Returns the height of the text; with DT_CALCRECT only measures and sets r's right and bottom.
    int DrawText(const QString& text, TRect& r, unsigned format);

    void Draw(int X, int Y, const TBitmap& bitmap);
    void StretchDraw(const TRect& r, const TBitmap& bitmap);

    // The clip rectangle limits every later drawing until reset.
    void SetClipRect(const TRect& r);
    void ResetClipRect();

private:
    struct TPendingText;
    // The painter for any drawing: the texts held back are drawn first.
    QPainter* Painter();
    // The painter for drawing that covers no more than `area`: held-back texts are drawn first only if they lie there.
    QPainter* PainterOver(const QRect& area);
    QPainter* Surface();
    void FlushText();
    void LinePixels(TPoint from, TPoint to);
    void DrawImage(const QRect& target, const TBitmap& bitmap);
    void ApplyPen();
    void ApplyBrush();
    // The font is built once per change of FFont, not per string.
    const QFont& CurrentQFont() const;
    const QFontMetrics& Metrics() const;

    QImage* FImage = nullptr;
    std::unique_ptr<QPainter> FOwn;
    QPainter* FExternal = nullptr;
    TRect FClip;
    bool FClipped = false;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    mutable TPoint FPenPos;
    // TextOut moves the pen past its text; the width is only measured when someone asks for the position.
    mutable bool FPenAfterText = false;
    mutable QString FPenText;
    mutable std::unique_ptr<QFontMetrics> FPenMetrics;   // the font the text was written in
    struct TBuiltFont {
        TFont For;
        QFont Font;
        std::unique_ptr<QFontMetrics> Metrics;
        int Height = 0, Ascent = 0;                // asked for every cell drawn
        const TGlyphRunFont* Glyphs = nullptr;   // the font's way round shaping, if it has one
    };
    // The current font and the one before: a paint turns between a cell's font and the grid's cell by cell.
    mutable TBuiltFont FBuilt, FBuiltBefore;
    std::unique_ptr<TPendingText> FPending;   // only while a batching paint lasts
};

enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    // Moves the picture and its transparency; the canvas stays with each bitmap.
    TBitmap(TBitmap&& other) noexcept;
    void Assign(const TBitmap& source);

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    // Resizing keeps the top-left part of the picture; new area is white.
    void SetWidth(int value) { SetSize(value, Height()); }
    void SetHeight(int value) { SetSize(Width(), value); }
    void SetSize(int width, int height);
    bool Empty() const { return FImage.isNull(); }

    TCanvas& Canvas();
    const QImage& Image() const;
    void SetImage(const QImage& image);

    // Transparent drawing leaves out TransparentColor: the bottom-left pixel in tmAuto mode.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value) { FTransparentMode = value; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);

    // A file or a Qt resource path (":/..."); false when it cannot be read, leaving the bitmap as it was.
    bool LoadFromFile(const QString& path);

private:
    QImage FImage;
    mutable std::unique_ptr<TCanvas> FCanvas;
    bool FTransparent = false;
    TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
    TColor FTransparentColor = clNone;
};
