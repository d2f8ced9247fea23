#include "grid/core/GridSettings.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/core/VxStringGrid.h"
#include "grid/model/IntList.h"
#include "grid/paint/ControlLook.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

TEST(GridSettings, AssignCopiesWhatEachClassCopies)
{
    THTMLSettings html;
    html.SetWidth(50);
    html.SetSummary("s");
    html.SetExportImages(false);
    html.ColWidths().Add(30);
    THTMLSettings htmlTarget;
    htmlTarget.Assign(&html);
    EXPECT_EQ(htmlTarget.Width(), 50);
    EXPECT_EQ(htmlTarget.Summary(), "s");
    EXPECT_TRUE(htmlTarget.ExportImages());
    EXPECT_EQ(htmlTarget.ColWidths().Count(), 0);

    TPrintSettings print(nullptr);
    TFont font;
    font.SetName("Courier");
    print.SetHeaderFont(font);
    print.SetTitleLines({"a", "b"});
    print.SetFixedCellsAlways(true);
    TPrintSettings printTarget(nullptr);
    printTarget.Assign(&print);
    EXPECT_EQ(printTarget.HeaderFont().Name(), "Courier");
    EXPECT_EQ(printTarget.TitleLines(), QStringList({"a", "b"}));
    EXPECT_FALSE(printTarget.FixedCellsAlways());
    QObject other;
    EXPECT_THROW(printTarget.Assign(&other), EInvalidCast);

    TCellNode node(nullptr);
    node.SetNodeIndent(20);
    TBitmap glyph(3, 4);
    node.SetExpandGlyph(glyph);
    TCellNode nodeTarget(nullptr);
    nodeTarget.Assign(&other);   // ignored
    nodeTarget.Assign(&node);
    EXPECT_EQ(nodeTarget.NodeIndent(), 20);
    EXPECT_EQ(nodeTarget.ExpandGlyph().Width(), 3);
    EXPECT_TRUE(nodeTarget.ContractGlyph().Empty());

    TColumnSize size(nullptr);
    size.SetStretch(true);
    size.SetKey("k");
    TColumnSize sizeTarget(nullptr);
    sizeTarget.Assign(&size);
    EXPECT_TRUE(sizeTarget.Stretch());
    EXPECT_EQ(sizeTarget.Key(), "k");
}

TEST(ControlLook, SettersRepaintAndAssignLeavesTheFlatFlags)
{
    TControlLook look(nullptr);
    look.SetCheckSize(18);
    look.SetFlatButton(true);
    look.SetProgressXP(true);
    look.SetFixedGradientFrom(clRed);
    look.DropDownFooter().SetHeight(30);
    TControlLook target(nullptr);
    target.Assign(&look);
    EXPECT_EQ(target.CheckSize(), 18);
    EXPECT_EQ(target.FixedGradientFrom(), clRed);
    EXPECT_EQ(target.DropDownFooter().Height(), 30);
    EXPECT_FALSE(target.FlatButton());
    EXPECT_FALSE(target.ProgressXP());

    TShowModified modified;
    int changes = 0;
    modified.OnChange = [&](QObject*) { ++changes; };
    modified.SetEnabled(true);
    modified.SetColor(clRed);
    EXPECT_EQ(changes, 1);
}
