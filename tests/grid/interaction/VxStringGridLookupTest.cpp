#include "InteractionTestGrid.h"

namespace {
struct LookupGrid : TestGrid {
    LookupGrid()
    {
        SetOptions(Options() | TGridOption::goEditing);
        SetLookup(true);
        LookupItems() = QStringList{"automatic", "manual", "Manager"};
        SetCol(2);
        SetRow(3);
        Key(Qt::Key_F2);
    }
    QLineEdit* Editor() { return InplaceEditor(); }
};
} // namespace

TEST(GridLookup, TypedPrefixIsKeptAndTheTailSelected)
{
    LookupGrid g;
    ASSERT_TRUE(g.EditorShown());
    QTest::keyClicks(g.Editor(), "MA");
    EXPECT_EQ(g.Editor()->text(), "MAnual");
    EXPECT_EQ(g.Editor()->selectedText(), "nual");
    // Typing on replaces the completed tail and completes again.
    QTest::keyClicks(g.Editor(), "nag");
    EXPECT_EQ(g.Editor()->text(), "MAnager");
    EXPECT_EQ(g.Editor()->selectedText(), "er");
}

TEST(GridLookup, BackspaceAndDeleteDoNotComplete)
{
    LookupGrid g;
    QTest::keyClicks(g.Editor(), "au");
    EXPECT_EQ(g.Editor()->text(), "automatic");
    QTest::keyClick(g.Editor(), Qt::Key_Backspace);
    EXPECT_EQ(g.Editor()->text(), "au");
    EXPECT_FALSE(g.Editor()->hasSelectedText());
    QTest::keyClick(g.Editor(), Qt::Key_Left);
    QTest::keyClick(g.Editor(), Qt::Key_Delete);
    EXPECT_EQ(g.Editor()->text(), "a");
    EXPECT_FALSE(g.Editor()->hasSelectedText());
}

TEST(GridLookup, CaseSensitiveLookupAndTextBeforeTheCaretOnly)
{
    LookupGrid g;
    g.SetLookupCaseSensitive(true);
    QTest::keyClicks(g.Editor(), "Ma");
    EXPECT_EQ(g.Editor()->text(), "Manager");
    g.Editor()->setText("mx");
    QTest::keyClick(g.Editor(), Qt::Key_Backspace);   // "m"
    QTest::keyClicks(g.Editor(), "a");
    EXPECT_EQ(g.Editor()->text(), "manual");
    // A caret moved back into the text leaves what follows it alone.
    g.Editor()->setText("man-made");
    g.Editor()->setCursorPosition(3);
    QTest::keyClick(g.Editor(), Qt::Key_Right);
    EXPECT_EQ(g.Editor()->text(), "man-made");

    g.SetLookup(false);
    g.Editor()->setText("");
    QTest::keyClicks(g.Editor(), "a");
    EXPECT_EQ(g.Editor()->text(), "a");
}
