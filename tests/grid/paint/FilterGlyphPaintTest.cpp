#include "grid/core/VxStringGrid.h"
#include "grid/interaction/FilterDropDown.h"
#include "grid/model/RowFilter.h"
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr TColor kFixed = 0x00C0C0C0;

// Three columns of 64 x 24 cells, one fixed row carrying the filter buttons; the button of column c stands at
// x 64c + 48 to 64c + 63 of row 0.
struct FilterGrid {
    TVxStringGrid g;
    FilterGrid()
    {
        g.SetColCount(3);
        g.SetRowCount(4);
        g.SetFixedCols(0);
        g.SetDefaultColWidth(64);
        g.SetDefaultRowHeight(24);
        g.SetLook(TGridLook::glStandard);
        g.SetFixedColor(kFixed);
        g.SetColor(clWhite);
        g.setFrameShape(QFrame::NoFrame);
        g.SetScrollBars(TScrollStyle::ssNone);
        for (int r = 1; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                g.SetCells(c, r, QStringLiteral("v%1").arg(r));
        g.SetFilterDropDownAuto(true);
        g.resize(200, 100);
        g.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&g));
    }
    // The colours found in a column's button square.
    QSet<TColor> Button(int c)
    {
        const QImage img = g.viewport()->grab().toImage();
        QSet<TColor> out;
        for (int x = 64 * c + 49; x < 64 * c + 62; ++x)
            for (int y = 3; y < 16; ++y)
                out.insert(FromQColor(img.pixelColor(x, y)));
        return out;
    }
};

// A solid square whose bottom-left pixel, the transparent colour, is white.
void SetSolid(TBitmap& b, TColor Color)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(ToQColor(Color));
    img.setPixelColor(0, 15, Qt::white);
    b.SetImage(img);
}
} // namespace

TEST(FilterGlyphPaint, TheButtonShowsTheColumnsGlyphAndTheActiveOneOverAFilteredColumn)
{
    FilterGrid t;
    // Without pictures of its own, the built-in glyph: something besides the fixed colour.
    EXPECT_GT(t.Button(1).size(), 1);

    TBitmap plain, active;
    SetSolid(plain, clLime);
    SetSolid(active, clBlue);
    t.g.FilterDropDown().SetGlyph(plain);
    t.g.FilterDropDown().SetGlyphActive(active);
    t.g.Filter().Add()->Column = 2;
    EXPECT_TRUE(t.Button(1).contains(clLime));
    EXPECT_FALSE(t.Button(1).contains(clBlue));
    EXPECT_TRUE(t.Button(2).contains(clBlue));

    // A column that offers no list shows no button.
    t.g.OnGetColumnFilter = [](QObject*, int Col, QStringList& Items) {
        if (Col == 0)
            Items.clear();
    };
    t.g.viewport()->update();
    EXPECT_EQ(t.Button(0), QSet<TColor>{kFixed});
    EXPECT_TRUE(t.Button(1).contains(clLime));
}
