#include "platform/GlyphRunText.h"
#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <array>
#include <cmath>
#include <hb-aat.h>
#include <hb-ot.h>
#include <hb.h>
#include <memory>

namespace {

// What shaping would do to a plain run of one of the simple scripts: the features HarfBuzz applies to it by
// default. Kerning is one of them only where the font asks for it. The fraction features act around U+2044
// only, which is no simple character.
constexpr hb_tag_t kSubstitutions[] = {
    HB_TAG('r', 'v', 'r', 'n'), HB_TAG('c', 'c', 'm', 'p'), HB_TAG('l', 'o', 'c', 'l'), HB_TAG('r', 'l', 'i', 'g'),
    HB_TAG('l', 't', 'r', 'a'), HB_TAG('l', 't', 'r', 'm'), HB_TAG('c', 'a', 'l', 't'), HB_TAG('c', 'l', 'i', 'g'),
    HB_TAG('l', 'i', 'g', 'a'), HB_TAG('r', 'c', 'l', 't'), HB_TAG('r', 'a', 'n', 'd')};
constexpr hb_tag_t kPositionings[] = {HB_TAG('a', 'b', 'v', 'm'), HB_TAG('b', 'l', 'w', 'm'), HB_TAG('m', 'a', 'r', 'k'),
                                      HB_TAG('m', 'k', 'm', 'k'), HB_TAG('c', 'u', 'r', 's'), HB_TAG('d', 'i', 's', 't')};
constexpr hb_tag_t kKerning = HB_TAG('k', 'e', 'r', 'n');

std::array<char, 5> TagName(hb_tag_t tag)
{
    return {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag), 0};
}

hb_blob_t* ReferenceTable(hb_face_t*, hb_tag_t tag, void* user)
{
    const QByteArray table = static_cast<const QRawFont*>(user)->fontTable(TagName(tag).data());
    if (table.isEmpty())
        return nullptr;
    return hb_blob_create(table.constData(), uint(table.size()), HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr);
}

struct FaceDeleter {
    void operator()(hb_face_t* f) const { hb_face_destroy(f); }
};
struct SetDeleter {
    void operator()(hb_set_t* s) const { hb_set_destroy(s); }
};

// Every feature the font's script and language systems require, applied whatever was asked.
void AddRequiredFeatures(hb_face_t* face, hb_tag_t table, std::vector<hb_tag_t>& features)
{
    unsigned scripts = hb_ot_layout_table_get_script_tags(face, table, 0, nullptr, nullptr);
    for (unsigned s = 0; s < scripts; ++s) {
        const unsigned languages = hb_ot_layout_script_get_language_tags(face, table, s, 0, nullptr, nullptr);
        for (unsigned l = 0; l <= languages; ++l) {
            const unsigned language = l == languages ? HB_OT_LAYOUT_DEFAULT_LANGUAGE_INDEX : l;
            unsigned index = 0;
            hb_tag_t tag = 0;
            if (hb_ot_layout_language_get_required_feature(face, table, s, language, &index, &tag))
                features.push_back(tag);
        }
    }
}

// Big-endian reads that see nothing past the table's end.
struct TableReader {
    const QByteArray& data;
    unsigned U16(qsizetype at) const
    {
        if (at < 0 || at + 2 > data.size())
            return 0;
        return unsigned(uchar(data[at])) << 8 | uchar(data[at + 1]);
    }
    qsizetype U32(qsizetype at) const { return qsizetype(U16(at)) << 16 | U16(at + 2); }
};

// A coverage table's glyphs in coverage order.
std::vector<unsigned> CoverageGlyphs(const TableReader& t, qsizetype at)
{
    std::vector<unsigned> glyphs;
    const unsigned format = t.U16(at), count = t.U16(at + 2);
    // Glyph ids are 16 bits: a list longer than every id can only come from a broken table.
    for (unsigned i = 0; i < count && glyphs.size() <= 0xFFFF; ++i) {
        if (format == 1) {
            glyphs.push_back(t.U16(at + 4 + 2 * i));
        } else if (format == 2) {
            const qsizetype range = at + 4 + 6 * qsizetype(i);
            for (unsigned g = t.U16(range), end = t.U16(range + 2); g <= end; ++g)
                glyphs.push_back(g);
        }
    }
    return glyphs;
}

// A ligature only forms from its first glyph followed by its second: the pairs are kept rather than every
// glyph that may start one, so that an "f" followed by no "i" or "l" still needs no shaping.
void AddLigatures(const TableReader& t, qsizetype sub, TGlyphRunRules& rules)
{
    const std::vector<unsigned> firsts = CoverageGlyphs(t, sub + t.U16(sub + 2));
    const unsigned sets = std::min<unsigned>(t.U16(sub + 4), unsigned(firsts.size()));
    for (unsigned i = 0; i < sets; ++i) {
        const qsizetype set = sub + t.U16(sub + 6 + 2 * i);
        for (unsigned k = 0, n = t.U16(set); k < n; ++k) {
            const qsizetype ligature = set + t.U16(set + 2 + 2 * k);
            if (t.U16(ligature + 2) < 2)
                rules.Touch(firsts[i]);
            else
                rules.AddPair(firsts[i], t.U16(ligature + 4));
        }
    }
}

// A lookup applies only where its subtables' coverage holds the glyph it starts at; the lookups that
// contextual rules call only act inside a sequence that such a start began. So the glyphs no default
// lookup's coverage holds, in pairs that start no ligature, are left as they are.
void AddLookup(const TableReader& t, qsizetype lookup, bool substitution, TGlyphRunRules& rules)
{
    constexpr unsigned kLigature = 4, kIgnoreBaseGlyphs = 0x2;
    const unsigned extension = substitution ? 7 : 9, context = substitution ? 5 : 7, chained = substitution ? 6 : 8;
    const unsigned type = t.U16(lookup), flags = t.U16(lookup + 2), subtables = t.U16(lookup + 4);
    for (unsigned i = 0; i < subtables; ++i) {
        qsizetype sub = lookup + t.U16(lookup + 6 + 2 * i);
        unsigned subType = type;
        if (type == extension) {
            subType = t.U16(sub + 2);
            sub += t.U32(sub + 4);
        }
        const unsigned format = t.U16(sub);
        qsizetype coverage = sub + t.U16(sub + 2);
        if (substitution && subType == kLigature && format == 1 && !(flags & kIgnoreBaseGlyphs)) {
            AddLigatures(t, sub, rules);
            continue;
        }
        if (subType == context && format == 3) {
            coverage = sub + t.U16(sub + 6);
        } else if (subType == chained && format == 3) {
            const qsizetype inputs = sub + 4 + 2 * qsizetype(t.U16(sub + 2));
            if (t.U16(inputs) == 0)
                continue;
            coverage = sub + t.U16(inputs + 2);
        }
        for (unsigned g : CoverageGlyphs(t, coverage))
            rules.Touch(g);
    }
}

// The glyphs the features' lookups may substitute or move, in any script or language.
void CollectTouched(hb_face_t* face, const QRawFont& raw, hb_tag_t table, std::vector<hb_tag_t> features,
                    TGlyphRunRules& rules)
{
    AddRequiredFeatures(face, table, features);
    features.push_back(HB_TAG_NONE);
    const std::unique_ptr<hb_set_t, SetDeleter> lookups(hb_set_create());
    hb_ot_layout_collect_lookups(face, table, nullptr, nullptr, features.data(), lookups.get());
    const QByteArray data = raw.fontTable(TagName(table).data());
    const TableReader t{data};
    const qsizetype list = t.U16(8);
    for (hb_codepoint_t lookup = HB_SET_VALUE_INVALID; hb_set_next(lookups.get(), &lookup);)
        if (lookup < t.U16(list))
            AddLookup(t, list + t.U16(list + 2 + 2 * qsizetype(lookup)), table == HB_OT_TAG_GSUB, rules);
}

std::unique_ptr<TGlyphRunFont> Analyse(const QFont& font)
{
    if (font.capitalization() != QFont::MixedCase || font.letterSpacing() != 0 || font.wordSpacing() != 0 ||
        font.underline() || font.overline() || font.strikeOut())
        return nullptr;
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return nullptr;
    const std::unique_ptr<hb_face_t, FaceDeleter> face(hb_face_create_for_tables(ReferenceTable, &raw, nullptr));
    // Apple's layout tables and font variations shape by rules this path does not read.
    if (hb_aat_layout_has_substitution(face.get()) || hb_aat_layout_has_positioning(face.get()) ||
        hb_aat_layout_has_tracking(face.get()) || hb_ot_var_has_data(face.get()))
        return nullptr;
    const unsigned glyphCount = hb_face_get_glyph_count(face.get());
    if (glyphCount == 0)
        return nullptr;
    TGlyphRunRules rules(glyphCount);
    CollectTouched(face.get(), raw, HB_OT_TAG_GSUB, {std::begin(kSubstitutions), std::end(kSubstitutions)}, rules);
    std::vector<hb_tag_t> positionings(std::begin(kPositionings), std::end(kPositionings));
    if (font.kerning())
        positionings.push_back(kKerning);
    CollectTouched(face.get(), raw, HB_OT_TAG_GPOS, positionings, rules);
    // Marks are placed by the glyphs before them, and a lookup that skips marks or ligatures would see past
    // them: a text with either is shaped.
    const std::unique_ptr<hb_set_t, SetDeleter> skipped(hb_set_create());
    hb_ot_layout_get_glyphs_in_class(face.get(), HB_OT_LAYOUT_GLYPH_CLASS_MARK, skipped.get());
    hb_ot_layout_get_glyphs_in_class(face.get(), HB_OT_LAYOUT_GLYPH_CLASS_LIGATURE, skipped.get());
    for (hb_codepoint_t g = HB_SET_VALUE_INVALID; hb_set_next(skipped.get(), &g);)
        rules.Touch(g);
    return std::make_unique<TGlyphRunFont>(raw, std::move(rules));
}

// A character that shaping leaves alone when its font has a plain glyph for it: no mark, control, format
// or other invisible character, none of a script with shaping rules of its own, none that a right-to-left
// run would reorder or mirror (the painter is checked for a left-to-right direction too).
bool SimpleChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x20 && u < 0x7F)
        return true;
    if (u == 0x2044)
        return false;
    switch (c.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        break;
    }
    switch (c.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
        break;
    default:
        return false;
    }
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirWS:
        return true;
    case QChar::DirON:
        return !c.hasMirrored();
    default:
        return false;
    }
}

} // namespace

TGlyphRunRules::TGlyphRunRules(unsigned GlyphCount) : FTouched(GlyphCount, false), FStartsPair(GlyphCount, false) {}

void TGlyphRunRules::Touch(unsigned Glyph)
{
    if (Glyph < FTouched.size())
        FTouched[Glyph] = true;
}

void TGlyphRunRules::AddPair(unsigned First, unsigned Second)
{
    if (First < FStartsPair.size()) {
        FStartsPair[First] = true;
        FPairs.insert(quint64(First) << 32 | Second);
    }
}

bool TGlyphRunRules::Plain(const quint32* Glyphs, qsizetype Count) const
{
    for (qsizetype i = 0; i < Count; ++i) {
        const quint32 g = Glyphs[i];
        if (g == 0 || g >= FTouched.size() || FTouched[g])
            return false;
        if (FStartsPair[g] && i + 1 < Count && FPairs.contains(quint64(g) << 32 | Glyphs[i + 1]))
            return false;
    }
    return true;
}

TGlyphRunFont::TGlyphRunFont(const QRawFont& raw, TGlyphRunRules rules)
    : FRaw(raw), FRules(std::move(rules)), FInk(FRules.GlyphCount()), FInkKnown(FRules.GlyphCount(), false)
{
}

const TGlyphRunFont* TGlyphRunFont::For(const QFont& font)
{
    // Painting happens in one thread; a cache per thread needs no lock.
    thread_local QHash<QString, std::shared_ptr<const TGlyphRunFont>> fonts;
    const QString key = font.key();
    auto it = fonts.constFind(key);
    if (it == fonts.constEnd())
        it = fonts.insert(key, Analyse(font));
    return it->get();
}

bool TGlyphRunFont::Layout(QStringView Text, TGlyphLine& Line) const
{
    const qsizetype n = Text.size();
    for (QChar c : Text)
        if (!SimpleChar(c))
            return false;
    Line.Glyphs.resize(n);
    Line.Positions.resize(n);
    int glyphs = int(n);
    if (n > 0 && !FRaw.glyphIndexesForChars(Text.data(), int(n), Line.Glyphs.data(), &glyphs))
        return false;
    if (glyphs != n)
        return false;
    if (!FRules.Plain(Line.Glyphs.constData(), n))
        return false;
    if (n > 0 && !FRaw.advancesForGlyphIndexes(Line.Glyphs.data(), Line.Positions.data(), int(n)))
        return false;
    // Advances in place become positions: each glyph starts where those before it end.
    qreal x = 0;
    for (QPointF& p : Line.Positions) {
        const qreal advance = p.x();
        p = QPointF(x, 0);
        x += advance;
    }
    Line.Width = int(std::lround(x));
    return true;
}

QRect TGlyphRunFont::InkBounds(const TGlyphLine& Line) const
{
    QRectF ink;
    for (qsizetype i = 0; i < Line.Glyphs.size(); ++i) {
        const quint32 g = Line.Glyphs[i];
        if (!FInkKnown[g]) {
            FInk[g] = FRaw.boundingRect(g);
            FInkKnown[g] = true;
        }
        if (!FInk[g].isEmpty())
            ink |= FInk[g].translated(Line.Positions[i]);
    }
    // A pixel more each way for the rounding of the glyph images.
    return ink.toAlignedRect().adjusted(-1, -1, 1, 1);
}

bool TGlyphRunFont::CanDrawOn(const QPainter& p)
{
    // A text of simple characters alone has no strong right-to-left one, so a direction taken from the text
    // is left to right.
    return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           p.layoutDirection() != Qt::RightToLeft;
}

void TGlyphRunFont::Draw(QPainter& p, QPointF Baseline, const TGlyphLine& Line) const
{
    if (Line.Glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(FRaw);
    run.setRawData(Line.Glyphs.constData(), Line.Positions.constData(), int(Line.Glyphs.size()));
    p.drawGlyphRun(Baseline, run);
}
