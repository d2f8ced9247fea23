#include "platform/Canvas.h"
#include "platform/GlyphRunText.h"
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>

namespace {
QRect ToQRect(int x1, int y1, int x2, int y2)
{
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

// An outline of pen width 1 covers its path's pixels inclusively, so the path is one pixel smaller.
QRect OutlinePath(int x1, int y1, int x2, int y2)
{
    return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

// On/off pixel runs of the platform's cosmetic pen styles.
std::vector<int> DashPattern(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash: return {18, 6};
    case TPenStyle::psDot: return {3, 3};
    case TPenStyle::psDashDot: return {9, 6, 3, 6};
    case TPenStyle::psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsSolid: return Qt::SolidPattern;
    case TBrushStyle::bsClear: return Qt::NoBrush;
    case TBrushStyle::bsHorizontal: return Qt::HorPattern;
    case TBrushStyle::bsVertical: return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal: return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal: return Qt::BDiagPattern;
    case TBrushStyle::bsCross: return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

// The text as the platform shows it: "&&" is one "&", a single "&" marks the next character.
QString StripPrefix(const QString& raw, unsigned format)
{
    if (format & DT_NOPREFIX)
        return raw;
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('&') && i + 1 < raw.size())
            ++i;
        else if (raw[i] == QLatin1Char('&'))
            continue;
        out += raw[i];
    }
    return out;
}

QString ExpandTabs(const QString& line)
{
    QString out;
    for (QChar ch : line) {
        if (ch == QLatin1Char('\t'))
            out += QString(8 - out.size() % 8, QLatin1Char(' '));
        else
            out += ch;
    }
    return out;
}

struct TextLine {
    explicit TextLine(QString text, int measured = -1) : raw(std::move(text)), width(measured) {}
    QString raw;     // with its prefix characters, as drawn
    int width = -1;  // -1 until someone needs it
    enum { Unknown, Plain, Shaped } glyphs = Unknown;
    TGlyphLine run;  // the glyphs of a Plain line
};

// Splits the text into the lines DrawText shows, measured with the same advances as TextWidth.
template <typename Measure>
std::vector<TextLine> LayoutText(const QString& text, unsigned format, int width, Measure measure)
{
    std::vector<TextLine> lines;
    if (text.isEmpty())
        return lines;
    const bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    // Most cells hold one short line: kept as it stands, with no copy to split. A wrapped one breaks only
    // at blanks, and a line as wide as the whole text or narrower breaks nowhere.
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
        !((format & DT_EXPANDTABS) && text.contains(QLatin1Char('\t')))) {
        if (!wrap || !text.contains(QLatin1Char(' '))) {
            lines.emplace_back(text);
            return lines;
        }
        if (const int whole = measure(text); whole <= width) {
            if (text.endsWith(QLatin1Char(' '))) {
                const QString trimmed = text.trimmed();
                lines.emplace_back(trimmed, measure(trimmed));
            } else {
                lines.emplace_back(text, whole);
            }
            return lines;
        }
    }
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (format & DT_SINGLELINE)
        normalized.replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (QString para : normalized.split(QLatin1Char('\n'))) {
        if (format & DT_EXPANDTABS)
            para = ExpandTabs(para);
        if (!wrap) {
            lines.emplace_back(para);
            continue;
        }
        // Greedy breaking between words; a word wider than the line stays whole.
        QString current;
        qsizetype i = 0;
        bool any = false;
        while (i < para.size()) {
            qsizetype j = i;
            while (j < para.size() && para[j] != QLatin1Char(' '))
                ++j;
            const QString word = para.mid(i, j - i);
            qsizetype k = j;
            while (k < para.size() && para[k] == QLatin1Char(' '))
                ++k;
            const QString candidate = current + word;
            if (any && measure(candidate) > width) {
                const QString done = current.trimmed();
                lines.emplace_back(done, measure(done));
                current = word + para.mid(j, k - j);
            } else {
                current = candidate + para.mid(j, k - j);
            }
            any = true;
            i = k;
        }
        const QString last = current.endsWith(QLatin1Char(' ')) ? current.trimmed() : current;
        lines.emplace_back(last, measure(last));
    }
    return lines;
}

// The pixels of a horizontal or vertical line from `from` up to, not including, `to`.
QRect StraightLine(TPoint from, TPoint to)
{
    if (from.X == to.X && from.Y == to.Y)
        return {};
    const int left = std::min(from.X, to.X + (to.X < from.X));
    const int top = std::min(from.Y, to.Y + (to.Y < from.Y));
    return QRect(left, top, from.Y == to.Y ? std::abs(to.X - from.X) : 1, from.X == to.X ? std::abs(to.Y - from.Y) : 1);
}

QImage TransparentCopy(const QImage& source, TColor key)
{
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = ToQColor(key).rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == keyRgb)
                line[x] = 0;
    }
    return out;
}
} // namespace

// ---- TFont ------------------------------------------------------------------------------------

int TFont::Size() const
{
    return int(std::lround(-FHeight * 72.0 / kPixelsPerInch));
}

// Point sizes are clamped to what a 16-bit size holds, so the pixel height stays far inside the integer range.
void TFont::SetSize(int value)
{
    constexpr int MaxPoints = 32767;
    value = std::clamp(value, -MaxPoints, MaxPoints);
    FHeight = -int(std::lround(value * double(kPixelsPerInch) / 72.0));
}

QFont TFont::toQFont() const
{
    QFont f(FName);
    f.setPixelSize(std::max(1, std::abs(FHeight)));
    f.setBold(FStyle.testFlag(TFontStyle::fsBold));
    f.setItalic(FStyle.testFlag(TFontStyle::fsItalic));
    f.setUnderline(FStyle.testFlag(TFontStyle::fsUnderline));
    f.setStrikeOut(FStyle.testFlag(TFontStyle::fsStrikeOut));
    f.setStyleStrategy(QFont::NoAntialias);
    f.setKerning(false);
    return f;
}

TFont TFont::fromQFont(const QFont& font)
{
    TFont f;
    f.SetName(font.family());
    if (font.pixelSize() > 0)
        f.SetHeight(-font.pixelSize());
    else
        f.SetSize(int(std::lround(font.pointSizeF())));
    TFontStyles style;
    style.setFlag(TFontStyle::fsBold, font.bold());
    style.setFlag(TFontStyle::fsItalic, font.italic());
    style.setFlag(TFontStyle::fsUnderline, font.underline());
    style.setFlag(TFontStyle::fsStrikeOut, font.strikeOut());
    f.SetStyle(style);
    return f;
}

// ---- TCanvas ----------------------------------------------------------------------------------

namespace {
struct TBuiltFace {
    TFont Face;
    QFont Font;
    int Height, Ascent;
    const TGlyphRunFont* Glyphs;
};

// Faces resolved once for every canvas of the thread: a new control's first paint finds its fonts loaded.
const TBuiltFace& BuiltFace(const TFont& face)
{
    constexpr std::size_t kKept = 32;   // far more faces than a program's windows use at once
    thread_local std::deque<TBuiltFace> faces;
    for (const TBuiltFace& built : faces)
        if (built.Face.SameFace(face))
            return built;
    if (faces.size() == kKept)
        faces.pop_front();
    const QFont font = face.toQFont();
    const QFontMetrics metrics(font);
    return faces.emplace_back(TBuiltFace{face, font, metrics.height(), metrics.ascent(), TGlyphRunFont::For(font)});
}
} // namespace

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QImage* image) : FImage(image) {}

const QFont& TCanvas::CurrentQFont() const
{
    // The colour is the pen's business: fonts differing only in it share one built font.
    const auto sameFace = [this](const TBuiltFont& built) {
        return built.Metrics && built.For.SameFace(FFont);
    };
    if (!sameFace(FBuilt)) {
        std::swap(FBuilt, FBuiltBefore);
        if (!sameFace(FBuilt)) {
            const TBuiltFace& face = BuiltFace(FFont);
            FBuilt.For = FFont;
            FBuilt.Font = face.Font;
            FBuilt.Metrics = std::make_unique<QFontMetrics>(face.Font);
            FBuilt.Height = face.Height;
            FBuilt.Ascent = face.Ascent;
            FBuilt.Glyphs = face.Glyphs;
        }
    }
    return FBuilt.Font;
}

const QFontMetrics& TCanvas::Metrics() const
{
    CurrentQFont();
    return *FBuilt.Metrics;
}

TPoint TCanvas::PenPos() const
{
    if (FPenAfterText) {
        FPenPos.X += FPenMetrics->horizontalAdvance(FPenText);
        FPenAfterText = false;
        FPenText.clear();
    }
    return FPenPos;
}

// Glyph runs of one font and colour, drawn in one call: a grid's paint draws one short text per cell, and each
// call costs more than the few glyphs it draws.
struct TCanvas::TPendingText {
    static constexpr int kMaxRuns = 16;   // bounds the overlap test every later drawing makes
    const TGlyphRunFont* Font = nullptr;
    QColor Color;
    TGlyphLine Line;            // positions from the surface's origin
    std::vector<QRect> Inks;    // one per run held
    QRect Bounds;               // of all of them

    bool Meets(const QRect& area) const
    {
        return Bounds.intersects(area) &&
               std::any_of(Inks.begin(), Inks.end(), [&](const QRect& ink) { return ink.intersects(area); });
    }
};

TCanvas::~TCanvas() = default;

void TCanvas::BeginPaint(QPainter* painter, bool BatchText)
{
    if (BatchText && !FPending)
        FPending = std::make_unique<TPendingText>();
    else if (!BatchText)
        FPending.reset();
    FExternal = painter;
    FExternal->setRenderHint(QPainter::Antialiasing, false);
    FExternal->setRenderHint(QPainter::TextAntialiasing, false);
    FExternal->setRenderHint(QPainter::SmoothPixmapTransform, false);
    FClipped = false;
}

void TCanvas::EndPaint()
{
    FlushText();
    FExternal = nullptr;
    FClipped = false;
}

void TCanvas::Release()
{
    FOwn.reset();
}

QPainter* TCanvas::Painter()
{
    FlushText();
    return Surface();
}

QPainter* TCanvas::PainterOver(const QRect& area)
{
    if (FPending && FPending->Meets(area))
        FlushText();
    return Surface();
}

void TCanvas::FlushText()
{
    if (!FPending || FPending->Inks.empty())
        return;
    TPendingText& pending = *FPending;
    QPainter* p = Surface();
    p->setPen(pending.Color);
    pending.Font->Draw(*p, QPointF(0, 0), pending.Line);
    pending.Line.Glyphs.clear();
    pending.Line.Positions.clear();
    pending.Inks.clear();
    pending.Bounds = QRect();
}

QPainter* TCanvas::Surface()
{
    if (FExternal)
        return FExternal;
    if (!FImage || FImage->isNull())
        return nullptr;
    if (!FOwn) {
        FOwn = std::make_unique<QPainter>(FImage);
        FOwn->setRenderHint(QPainter::Antialiasing, false);
        FOwn->setRenderHint(QPainter::TextAntialiasing, false);
        if (FClipped)
            FOwn->setClipRect(FClip.toQRect());
    }
    return FOwn.get();
}

void TCanvas::ApplyPen()
{
    QPainter* p = Painter();
    if (FPen.Style() == TPenStyle::psClear) {
        p->setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(FPen.Color()));
    pen.setWidth(FPen.Width());
    pen.setJoinStyle(Qt::MiterJoin);
    p->setPen(pen);
}

void TCanvas::ApplyBrush()
{
    QPainter* p = Painter();
    p->setBrush(QBrush(ToQColor(FBrush.Color()), QtBrushStyle(FBrush.Style())));
    p->setBackgroundMode(Qt::TransparentMode);
}

// Bresenham from 'from' up to, not including, 'to', in the pen's dash pattern.
void TCanvas::LinePixels(TPoint from, TPoint to)
{
    if (FPen.Style() == TPenStyle::psClear || !Surface())
        return;
    const std::vector<int> pattern = DashPattern(FPen.Style());
    const bool xorMode = FPen.Mode() == TPenMode::pmXor;
    const bool straight = pattern.empty() && FPen.Width() == 1 && (from.X == to.X || from.Y == to.Y);
    const QRect line = straight ? StraightLine(from, to) : QRect();
    if (straight && line.isEmpty())
        return;
    // A copied straight line covers its own pixels only: texts held back elsewhere can wait.
    QPainter* p = straight && !xorMode ? PainterOver(line) : Painter();
    struct XorScope {
        QPainter* p;
        bool on;
        XorScope(QPainter* painter, bool xorMode) : p(painter), on(xorMode)
        {
            if (on) {
                p->save();
                p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            }
        }
        ~XorScope()
        {
            if (on)
                p->restore();
        }
    } xorScope(p, xorMode);
    if (straight) {
        // Grid lines: the same pixels as the walk below, filled in one go.
        p->fillRect(line, ToQColor(FPen.Color()));
        return;
    }
    if (FPen.Width() > 1) {
        ApplyPen();
        QPen pen = p->pen();
        pen.setCapStyle(Qt::RoundCap);
        p->setPen(pen);
        p->drawLine(from.toQPoint(), to.toQPoint());
        return;
    }
    std::size_t run = 0;
    int left = pattern.empty() ? 0 : pattern[0];
    QPolygon points;
    int x = from.X, y = from.Y;
    const int dx = std::abs(to.X - x), sx = x < to.X ? 1 : -1;
    const int dy = -std::abs(to.Y - y), sy = y < to.Y ? 1 : -1;
    int err = dx + dy;
    while (x != to.X || y != to.Y) {
        if (pattern.empty() || run % 2 == 0)
            points << QPoint(x, y);
        if (!pattern.empty() && --left == 0) {
            run = (run + 1) % pattern.size();
            left = pattern[run];
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    p->setPen(QPen(ToQColor(FPen.Color()), 1));
    p->drawPoints(points);
}

void TCanvas::LineTo(int X, int Y)
{
    LinePixels(PenPos(), {X, Y});
    FPenPos = {X, Y};
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    if (!Surface() || X2 <= X1 || Y2 <= Y1)
        return;
    // A frame in the fill's own colour leaves just the fill: one call, as cell backgrounds and gradient bands
    // are drawn many times a paint.
    if (FBrush.Style() == TBrushStyle::bsSolid && FPen.Style() == TPenStyle::psSolid && FPen.Width() == 1 &&
        FPen.Mode() == TPenMode::pmCopy && FPen.Color() == FBrush.Color()) {
        const QRect box = ToQRect(X1, Y1, X2, Y2);
        PainterOver(box)->fillRect(box, ToQColor(FBrush.Color()));
        return;
    }
    QPainter* p = Painter();
    if (FPen.Style() == TPenStyle::psClear) {
        // Without a pen the platform fills one pixel less to the right and bottom.
        if (FBrush.Style() != TBrushStyle::bsClear) {
            ApplyBrush();
            p->setPen(Qt::NoPen);
            p->drawRect(ToQRect(X1, Y1, X2 - 1, Y2 - 1));
        }
        return;
    }
    if (FBrush.Style() != TBrushStyle::bsClear) {
        ApplyBrush();
        p->setPen(Qt::NoPen);
        p->drawRect(ToQRect(X1, Y1, X2, Y2));
    }
    if (FPen.Width() > 1) {
        ApplyPen();
        p->setBrush(Qt::NoBrush);
        p->drawRect(OutlinePath(X1, Y1, X2, Y2));
        return;
    }
    LinePixels({X1, Y1}, {X2 - 1, Y1});
    LinePixels({X2 - 1, Y1}, {X2 - 1, Y2 - 1});
    LinePixels({X2 - 1, Y2 - 1}, {X1, Y2 - 1});
    LinePixels({X1, Y2 - 1}, {X1, Y1});
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight)
{
    QPainter* p = Painter();
    if (!p || X2 <= X1 || Y2 <= Y1)
        return;
    ApplyBrush();
    ApplyPen();
    const bool noPen = FPen.Style() == TPenStyle::psClear;
    const QRect box = noPen ? ToQRect(X1, Y1, X2 - 1, Y2 - 1) : OutlinePath(X1, Y1, X2, Y2);
    p->drawRoundedRect(box, CornerWidth / 2.0, CornerHeight / 2.0);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    QPainter* p = Painter();
    if (!p || X2 <= X1 || Y2 <= Y1)
        return;
    ApplyBrush();
    ApplyPen();
    p->drawEllipse(FPen.Style() == TPenStyle::psClear ? ToQRect(X1, Y1, X2 - 1, Y2 - 1) : OutlinePath(X1, Y1, X2, Y2));
}

void TCanvas::FillRect(const TRect& r)
{
    if (!Surface() || r.IsEmpty() || FBrush.Style() == TBrushStyle::bsClear)
        return;
    const QRect box = r.toQRect();
    PainterOver(box)->fillRect(box, QBrush(ToQColor(FBrush.Color()), QtBrushStyle(FBrush.Style())));
}

void TCanvas::FrameRect(const TRect& r)
{
    QPainter* p = Painter();
    if (!p || r.IsEmpty() || FBrush.Style() == TBrushStyle::bsClear)
        return;
    const QColor c = ToQColor(FBrush.Color());
    p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
    p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    QPainter* p = Painter();
    if (!p || r.IsEmpty())
        return;
    QPolygon dots;
    int i = 0;
    auto walk = [&](int x, int y) {
        if (i++ % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = r.Left; x < r.Right - 1; ++x)
        walk(x, r.Top);
    for (int y = r.Top; y < r.Bottom - 1; ++y)
        walk(r.Right - 1, y);
    for (int x = r.Right - 1; x > r.Left; --x)
        walk(x, r.Bottom - 1);
    for (int y = r.Bottom - 1; y > r.Top; --y)
        walk(r.Left, y);
    p->save();
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->setPen(QPen(Qt::white, 1));
    p->drawPoints(dots);
    p->restore();
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    QPainter* p = Painter();
    if (!p || points.empty())
        return;
    QPolygon poly;
    for (const auto& pt : points)
        poly << pt.toQPoint();
    ApplyBrush();
    ApplyPen();
    p->drawPolygon(poly);
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        LinePixels(points[i - 1], points[i]);
}

TColor TCanvas::Pixels(int X, int Y) const
{
    if (!FImage || !FImage->valid(X, Y))
        return clNone;
    return FromQColor(FImage->pixelColor(X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor value)
{
    if (QPainter* p = Painter())
        p->fillRect(QRect(X, Y, 1, 1), ToQColor(value));
}

int TCanvas::TextWidth(const QString& text) const
{
    return Metrics().horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString& text) const
{
    Q_UNUSED(text);
    CurrentQFont();
    return FBuilt.Height;
}

void TCanvas::TextOut(int X, int Y, const QString& text)
{
    const QFontMetrics& fm = Metrics();
    FPenPos = {X, Y};
    FPenAfterText = true;
    FPenText = text;
    if (!FPenMetrics)
        FPenMetrics = std::make_unique<QFontMetrics>(fm);
    else
        *FPenMetrics = fm;
    QPainter* p = Painter();
    if (!p)
        return;
    if (FBrush.Style() != TBrushStyle::bsClear) {
        const int width = fm.horizontalAdvance(text);
        p->fillRect(QRect(X, Y, width, fm.height()), ToQColor(FBrush.Color()));
        FPenPos.X += width;
        FPenAfterText = false;
        FPenText.clear();
    }
    const QFont& font = CurrentQFont();
    if (p->font() != font)
        p->setFont(font);
    p->setPen(ToQColor(FFont.Color()));
    p->drawText(QPoint(X, Y + fm.ascent()), text);
}

void TCanvas::TextRect(const TRect& r, int X, int Y, const QString& text)
{
    QPainter* p = Painter();
    if (!p)
        return;
    FillRect(r);
    p->save();
    p->setClipRect(r.toQRect(), Qt::IntersectClip);
    const TBrushStyle style = FBrush.Style();
    FBrush.SetStyle(TBrushStyle::bsClear);
    TextOut(X, Y, text);
    FBrush.SetStyle(style);
    p->restore();
}

int TCanvas::DrawText(const QString& text, TRect& r, unsigned format)
{
    const QFont& font = CurrentQFont();
    const QFontMetrics& fm = Metrics();
    // Text drawn as it stands can skip shaping where the font allows; text with prefix characters cannot.
    const TGlyphRunFont* glyphFont = format & DT_NOPREFIX ? FBuilt.Glyphs : nullptr;
    TGlyphLine measured;
    std::vector<TextLine> lines = LayoutText(text, format, std::max(0, r.Width()), [&](const QString& raw) {
        return glyphFont && glyphFont->Layout(raw, measured) ? measured.Width
                                                             : fm.horizontalAdvance(StripPrefix(raw, format));
    });
    const int lineHeight = FBuilt.Height;
    const int ascent = FBuilt.Ascent;
    const int height = int(lines.size()) * lineHeight;
    auto glyphsOf = [&](TextLine& line) {
        if (line.glyphs == TextLine::Unknown)
            line.glyphs = glyphFont && glyphFont->Layout(line.raw, line.run) ? TextLine::Plain : TextLine::Shaped;
        return line.glyphs == TextLine::Plain;
    };
    auto widthOf = [&](TextLine& line) {
        if (line.width < 0)
            line.width = glyphsOf(line) ? line.run.Width : fm.horizontalAdvance(StripPrefix(line.raw, format));
        return line.width;
    };
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (auto& line : lines)
            widest = std::max(widest, widthOf(line));
        r.Right = r.Left + widest;
        r.Bottom = r.Top + height;
        return height;
    }
    QPainter* p = Surface();
    if (!p)
        return height;
    int y = r.Top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y = r.Top + (r.Height() - height) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        y = r.Bottom - height;
    int mnemonic = 0;
    if (format & DT_HIDEPREFIX)
        mnemonic = Qt::TextHideMnemonic;
    else if (!(format & DT_NOPREFIX))
        mnemonic = Qt::TextShowMnemonic;
    struct Placed {
        TextLine* line;
        int x, y;
        int mnemonic;   // an elided line shows its prefix characters as they stand, and so do the later ones
        QRect ink;      // of a glyph run
    };
    std::vector<Placed> placed;
    placed.reserve(lines.size());
    const bool glyphRuns = glyphFont && TGlyphRunFont::CanDrawOn(*p);
    // Clipping costs a painter state of its own per call; lines drawn as glyph runs whose pixels all fall
    // inside r need none.
    bool needsState = !glyphRuns;
    const QRect bounds = r.toQRect();
    for (auto& line : lines) {
        // As a multiline edit control shows it: a later line that does not fit whole is not drawn at all.
        if ((format & DT_EDITCONTROL) && !(format & DT_SINGLELINE) && y > r.Top && y + lineHeight > r.Bottom)
            break;
        if ((format & DT_END_ELLIPSIS) && widthOf(line) > r.Width()) {
            line.raw = fm.elidedText(StripPrefix(line.raw, format), Qt::ElideRight, std::max(0, r.Width()));
            line.width = fm.horizontalAdvance(line.raw);
            line.glyphs = TextLine::Unknown;
            mnemonic = 0;
        }
        int x = r.Left;
        if (format & DT_CENTER)
            x = r.Left + (r.Width() - widthOf(line)) / 2;
        else if (format & DT_RIGHT)
            x = r.Right - widthOf(line);
        placed.push_back({&line, x, y, mnemonic, {}});
        if (!needsState) {
            needsState = mnemonic != 0 || !glyphsOf(line);
            if (!needsState) {
                placed.back().ink = glyphFont->InkBounds(line.run).translated(x, y + ascent);
                needsState = !(format & DT_NOCLIP) && !bounds.contains(placed.back().ink);
            }
        }
        y += lineHeight;
    }
    const QColor color = ToQColor(FFont.Color());
    const bool opaque = FBrush.Style() != TBrushStyle::bsClear;
    if (FPending && !needsState && !opaque) {
        // Every line a glyph run drawn as it stands: held back with the others. Runs of another font or colour,
        // or overlapping these, are drawn first, keeping the order wherever it shows.
        TPendingText& pending = *FPending;
        if (!pending.Inks.empty()) {
            bool flush = pending.Font != glyphFont || pending.Color != color ||
                         int(pending.Inks.size() + placed.size()) > TPendingText::kMaxRuns;
            for (const Placed& at : placed)
                flush = flush || pending.Meets(at.ink);
            if (flush)
                FlushText();
        }
        pending.Font = glyphFont;
        pending.Color = color;
        for (const Placed& at : placed) {
            const TGlyphLine& run = at.line->run;
            const QPointF baseline(at.x, at.y + ascent);
            for (qsizetype i = 0; i < run.Glyphs.size(); ++i) {
                pending.Line.Glyphs.append(run.Glyphs[i]);
                pending.Line.Positions.append(run.Positions[i] + baseline);
            }
            pending.Inks.push_back(at.ink);
            pending.Bounds |= at.ink;
        }
        return height;
    }
    FlushText();
    if (needsState) {
        p->save();
        if (!(format & DT_NOCLIP))
            p->setClipRect(bounds, Qt::IntersectClip);
        p->setFont(font);
    }
    p->setPen(color);
    for (const Placed& at : placed) {
        TextLine& line = *at.line;
        if (opaque)
            p->fillRect(QRect(at.x, at.y, widthOf(line), lineHeight), ToQColor(FBrush.Color()));
        if (at.mnemonic == 0 && glyphRuns && glyphsOf(line)) {
            glyphFont->Draw(*p, QPointF(at.x, at.y + ascent), line.run);
        } else if (at.mnemonic == 0) {
            // Plain text needs no layout box: drawn at its baseline, as TextOut does.
            p->drawText(QPoint(at.x, at.y + ascent), line.raw);
        } else {
            const QRect box(at.x, at.y, std::max(0, line.width) + 4 * lineHeight, lineHeight);
            p->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip | at.mnemonic,
                        line.raw);
        }
    }
    if (needsState)
        p->restore();
    return height;
}

void TCanvas::DrawImage(const QRect& target, const TBitmap& bitmap)
{
    if (bitmap.Empty() || !CanDraw())
        return;
    // Reading the image first ends its painter; a canvas drawing its own bitmap gets a detached copy.
    QImage source = bitmap.Image().copy();
    if (bitmap.Transparent())
        source = TransparentCopy(source, bitmap.TransparentColor());
    if (QPainter* p = Painter())
        p->drawImage(target, source);
}

void TCanvas::Draw(int X, int Y, const TBitmap& bitmap)
{
    DrawImage(QRect(X, Y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& bitmap)
{
    DrawImage(r.toQRect(), bitmap);
}

void TCanvas::SetClipRect(const TRect& r)
{
    FlushText();   // held-back texts keep the clip they were drawn under
    FClip = r;
    FClipped = true;
    if (FExternal)
        FExternal->setClipRect(r.toQRect());
    else if (FOwn)
        FOwn->setClipRect(r.toQRect());
}

void TCanvas::ResetClipRect()
{
    FlushText();
    FClipped = false;
    if (FExternal)
        FExternal->setClipping(false);
    else if (FOwn)
        FOwn->setClipping(false);
}

// ---- TBitmap ----------------------------------------------------------------------------------

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : FTransparent(other.FTransparent), FTransparentMode(other.FTransparentMode),
      FTransparentColor(other.FTransparentColor)
{
    if (other.FCanvas)
        other.FCanvas->Release();
    FImage = std::move(other.FImage);
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    SetImage(source.Image());
    FTransparent = source.FTransparent;
    FTransparentMode = source.FTransparentMode;
    FTransparentColor = source.FTransparentColor;
}

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    if (FCanvas)
        FCanvas->Release();
    if (width <= 0 || height <= 0) {
        FImage = QImage();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!FImage.isNull()) {
        QPainter p(&resized);
        p.drawImage(0, 0, FImage);
    }
    FImage = resized;
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(&FImage);
    return *FCanvas;
}

const QImage& TBitmap::Image() const
{
    if (FCanvas)
        FCanvas->Release();
    return FImage;
}

void TBitmap::SetImage(const QImage& image)
{
    if (FCanvas)
        FCanvas->Release();
    FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == TTransparentMode::tmFixed && FTransparentColor != clNone)
        return FTransparentColor;
    const QImage& img = Image();
    return img.isNull() ? clNone : FromQColor(img.pixelColor(0, img.height() - 1));
}

void TBitmap::SetTransparentColor(TColor value)
{
    FTransparentColor = value;
    FTransparentMode = value == clNone ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
}

bool TBitmap::LoadFromFile(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return false;
    SetImage(image);
    return true;
}
