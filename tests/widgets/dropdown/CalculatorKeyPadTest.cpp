#include "widgets/dropdown/VxCalculatorKeyPad.h"
#include "support/QStringPrinter.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A stand-alone pad filled as a window loads it, 230 x 150 (the keys' room is 214 x 134).
struct StandAlonePad {
    QWidget window;
    TCustomButtonPanel* pad = new TCustomButtonPanel(&window);
    std::vector<int> clicks;
    StandAlonePad()
    {
        pad->SetBounds(0, 0, 230, 150);
        pad->Loaded();
        pad->OnButtonClick = [this](QObject*, int Index) { clicks.push_back(Index); };
        window.resize(300, 200);
        window.show();
    }
    QPoint Centre(int Index) const
    {
        TRect r;
        pad->GetButtonRect(Index, r);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

struct KeyCase {
    int index;
    const char* caption;
    int tag;
    bool special;
    TRect bounds;
};
} // namespace

TEST(CalculatorKeyPad, LayoutOfTheCalculatorKeys)
{
    StandAlonePad p;
    ASSERT_EQ(p.pad->Buttons().Count(), 28);
    // Key width 34 and height 26; columns 8, 46, 79, 112, 150, 183; rows 8, 38, 63, 88, 113.
    const KeyCase cases[] = {
        {0, "", 30, false, Rect(8, 8, 42, 34)},
        {1, "Back", 31, true, Rect(46, 8, 100, 34)},
        {2, "CE", 32, true, Rect(104, 8, 158, 34)},
        {3, "C", 16, true, Rect(162, 8, 217, 34)},   // takes the rest, ending with "="
        {4, "MC", 33, true, Rect(8, 38, 42, 64)},
        {7, "M+", 36, true, Rect(8, 113, 42, 139)},
        {8, "0", 0, false, Rect(46, 113, 80, 139)},
        {11, "7", 7, false, Rect(46, 38, 80, 64)},
        {12, "8", 8, false, Rect(79, 38, 113, 64)},
        {15, "+/-", 14, false, Rect(79, 113, 113, 139)},
        {16, ".", 15, false, Rect(112, 113, 146, 139)},
        {19, "9", 9, false, Rect(112, 38, 146, 64)},
        {20, "/", 13, true, Rect(150, 38, 184, 64)},
        {23, "+", 10, true, Rect(150, 113, 184, 139)},
        {24, "=", 17, true, Rect(183, 113, 217, 139)},
        {25, "1/x", 38, false, Rect(183, 88, 217, 114)},
        {26, "%", 18, false, Rect(183, 63, 217, 89)},
        {27, "sqrt", 37, true, Rect(183, 38, 217, 64)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const TButtonItem& key = p.pad->Buttons().Items(c.index);
        EXPECT_EQ(key.Caption(), QString::fromLatin1(c.caption));
        EXPECT_EQ(key.Tag(), c.tag);
        EXPECT_EQ(key.Special(), c.special);
        EXPECT_EQ(key.CaptionColor(), c.special ? 0x000080u : 0xFFFFFFu);
        EXPECT_EQ(key.Bounds(), c.bounds);
    }
    EXPECT_EQ(p.pad->Buttons().Items(11).Name(), QStringLiteral("BTN_7"));
    TRect outside;
    p.pad->GetButtonRect(28, outside);
    EXPECT_EQ(outside, Rect(-1, -1, -1, -1));
    // A pixel on the line two keys share belongs to the one first in the table.
    EXPECT_EQ(p.pad->ButtonAtPos(79, 50), 11);
    EXPECT_EQ(p.pad->ButtonAtPos(80, 50), 12);
    EXPECT_EQ(p.pad->ButtonAtPos(43, 50), -1);   // the gap between memory column and digits
    EXPECT_EQ(p.pad->ButtonAtPos(216, 138), 24);
    EXPECT_EQ(p.pad->ButtonAtPos(217, 138), -1);   // right edge excluded
}

TEST(CalculatorKeyPad, LaysOutAgainOnResize)
{
    StandAlonePad p;
    p.pad->resize(236, 155);
    // Key width (220 - 8) div 6 = 35, height (139 - 4) div 5 = 27: column 5 at 188, row 4 at 117.
    EXPECT_EQ(p.pad->Buttons().Items(24).Bounds(), Rect(188, 117, 223, 144));
    EXPECT_EQ(p.pad->Buttons().Items(3).Bounds(), Rect(47 + 2 * 56 + 8, 8, 223, 35));
}

TEST(CalculatorKeyPad, OnlyTheKeysThereAreLaidOut)
{
    StandAlonePad p;
    // A calculator panel given five keys of its own: none of them is moved, no key past the end is touched.
    TButtonItems five;
    for (int i = 0; i < 5; ++i)
        five.Add().SetCaption(QString::number(i));
    p.pad->SetButtons(five);
    p.pad->Buttons().Items(4).SetBounds(1, 2, 3, 4);
    p.pad->resize(240, 160);
    p.pad->LayoutButtons();
    EXPECT_EQ(p.pad->Buttons().Count(), 5);
    EXPECT_EQ(p.pad->Buttons().Items(4).Bounds(), Rect(1, 2, 4, 6));
    EXPECT_EQ(p.pad->Buttons().Items(0).Bounds(), Rect(0, 0, 0, 0));
}

TEST(CalculatorKeyPad, CustomPanelMakesAndPlacesNothing)
{
    StandAlonePad p;
    p.pad->SetButtonPanelType(TButtonPanelType::plCustom);
    p.pad->ResetButtons();
    EXPECT_EQ(p.pad->Buttons().Count(), 0);
    TButtonItem& key = p.pad->Buttons().Add();
    key.SetBounds(10, 10, 50, 30);
    p.pad->resize(300, 200);
    EXPECT_EQ(key.Bounds(), Rect(10, 10, 60, 40));
    QTest::mouseClick(p.pad, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
    EXPECT_EQ(p.clicks, std::vector<int>{0});
}

TEST(CalculatorKeyPad, AssignedKeysLoseTheirSpecialMarkAndPlace)
{
    StandAlonePad p;
    TCustomButtonPanel other;
    other.SetButtonPanelType(TButtonPanelType::plCustom);
    other.SetButtons(p.pad->Buttons());
    ASSERT_EQ(other.Buttons().Count(), 28);
    const TButtonItem& back = other.Buttons().Items(1);
    EXPECT_EQ(back.Caption(), QStringLiteral("Back"));
    EXPECT_EQ(back.Name(), QStringLiteral("BTN_BACK"));
    EXPECT_EQ(back.CaptionColor(), 0x000080u);
    EXPECT_FALSE(back.Special());
    EXPECT_EQ(back.Bounds(), Rect(0, 0, 0, 0));
}

TEST(CalculatorKeyPad, ClickIsAPressAndReleaseOnTheSameKey)
{
    StandAlonePad p;
    // Press on "7", drag off and release on "8": nothing.
    QTest::mousePress(p.pad, Qt::LeftButton, Qt::NoModifier, p.Centre(11));
    EXPECT_EQ(p.pad->ButtonDown(), 11);
    QTest::mouseMove(p.pad, p.Centre(12));
    EXPECT_EQ(p.pad->ButtonHot(), 12);
    QTest::mouseRelease(p.pad, Qt::LeftButton, Qt::NoModifier, p.Centre(12));
    EXPECT_TRUE(p.clicks.empty());
    EXPECT_EQ(p.pad->ButtonDown(), -1);
    // Dragged back onto it before the release: clicked.
    QTest::mousePress(p.pad, Qt::LeftButton, Qt::NoModifier, p.Centre(11));
    QTest::mouseMove(p.pad, QPoint(44, 50));
    EXPECT_EQ(p.pad->ButtonHot(), -1);
    QTest::mouseMove(p.pad, p.Centre(11));
    QTest::mouseRelease(p.pad, Qt::LeftButton, Qt::NoModifier, p.Centre(11));
    EXPECT_EQ(p.clicks, std::vector<int>{11});
    // A right-button click counts too.
    QTest::mouseClick(p.pad, Qt::RightButton, Qt::NoModifier, p.Centre(24));
    EXPECT_EQ(p.clicks, (std::vector<int>{11, 24}));
}

TEST(CalculatorKeyPad, DisabledKeyIsNeverHotPressedOrClicked)
{
    StandAlonePad p;
    p.pad->Buttons().Items(13).SetEnabled(false);
    QTest::mouseMove(p.pad, p.Centre(12));
    EXPECT_EQ(p.pad->ButtonHot(), 12);
    QTest::mouseMove(p.pad, p.Centre(13));
    EXPECT_EQ(p.pad->ButtonHot(), -1);
    QTest::mouseClick(p.pad, Qt::LeftButton, Qt::NoModifier, p.Centre(13));
    EXPECT_EQ(p.pad->ButtonDown(), -1);
    EXPECT_TRUE(p.clicks.empty());
}

TEST(CalculatorKeyPad, ContentSizeOfTheLargestCaption)
{
    StandAlonePad p;
    int w = 0, h = 0;
    p.pad->GetButtonContentSize(w, h);
    TCanvas measure;
    measure.SetFont(p.pad->Font());
    EXPECT_EQ(w, 2 * 4 + measure.TextWidth(QStringLiteral("Back")));
    EXPECT_EQ(h, 2 * 4 + measure.TextHeight(QStringLiteral("Back")));
    p.pad->SetButtonLayout(TItemLayout::ilCaptionTop);
    p.pad->SetCaptionGap(3);
    QImage picture(20, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    p.pad->Buttons().Items(0).SetImage(picture);
    p.pad->GetButtonContentSize(w, h);
    EXPECT_EQ(w, std::max(20, measure.TextWidth(QStringLiteral("Back"))) + 8);
    EXPECT_EQ(h, 8 + 30 + 3 + measure.TextHeight(QStringLiteral("Back")));
}
