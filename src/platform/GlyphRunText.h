#pragma once
// A way round text shaping for the texts that need none. Shaping a cell's short text costs far more than drawing
// it; when every character maps straight to a glyph of the font and none of the font's default substitution or
// positioning rules can touch those glyphs, the glyphs and their advances are all shaping would give, and they
// are drawn as a glyph run. Every other text keeps Qt's text layout.
#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QSet>
#include <QStringView>
#include <QVarLengthArray>
#include <vector>

class QPainter;

// One line of text as glyphs, positions from the pen on the baseline.
struct TGlyphLine {
    QVarLengthArray<quint32, 64> Glyphs;
    QVarLengthArray<QPointF, 64> Positions;
    int Width = 0;  // as QFontMetrics::horizontalAdvance gives it
};

// What a font's default shaping rules may do: glyphs they may substitute or move wherever they stand, and
// pairs of glyphs that start a ligature.
class TGlyphRunRules {
public:
    explicit TGlyphRunRules(unsigned GlyphCount);
    void Touch(unsigned Glyph);
    void AddPair(unsigned First, unsigned Second);
    unsigned GlyphCount() const { return unsigned(FTouched.size()); }
    // No glyph missing (0) or touched, and no ligature's start.
    bool Plain(const quint32* Glyphs, qsizetype Count) const;

private:
    std::vector<bool> FTouched;
    std::vector<bool> FStartsPair;
    QSet<quint64> FPairs;
};

class TGlyphRunFont {
public:
    // The one for the font, shared while the thread lives; null when its texts always need shaping (the font
    // has no usable glyph table, or changes case, spacing or decorations).
    static const TGlyphRunFont* For(const QFont& font);

    // False, leaving Line unspecified, when Text needs Qt's layout.
    bool Layout(QStringView Text, TGlyphLine& Line) const;
    // Where the glyphs' pixels may fall, from the pen on the baseline, rounded outwards.
    QRect InkBounds(const TGlyphLine& Line) const;
    // Draws in the pen's colour with the pen at Baseline. Only for a raster painter, where a glyph run is drawn
    // from the same glyph cache as text is (elsewhere, e.g. in a PDF, a glyph run loses the text behind it),
    // and not in a right-to-left layout.
    void Draw(QPainter& p, QPointF Baseline, const TGlyphLine& Line) const;
    static bool CanDrawOn(const QPainter& p);

    TGlyphRunFont(const QRawFont& raw, TGlyphRunRules rules);

private:
    QRawFont FRaw;
    TGlyphRunRules FRules;
    mutable std::vector<QRectF> FInk;           // per glyph, filled as met; an empty rect: not yet measured
    mutable std::vector<bool> FInkKnown;
};
