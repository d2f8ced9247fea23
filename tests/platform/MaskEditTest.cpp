#include "platform/MaskEdit.h"
#include "platform/SpeedButton.h"
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Counts the clipboard messages and lets a test swallow keys and replace characters.
class ProbeEdit : public TCustomMaskEdit {
public:
    int pastes = 0, cuts = 0;
    std::uint16_t swallow = 0;
    QChar from, to;
    void WMPaste() override { ++pastes; }
    void WMCut() override { ++cuts; }

protected:
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override
    {
        if (Key == swallow)
            Key = 0;
        TCustomMaskEdit::KeyDown(Key, Shift);
    }
    void KeyPress(QChar& Key) override
    {
        if (Key == from)
            Key = to;
        TCustomMaskEdit::KeyPress(Key);
    }
};

TEST(CustomMaskEdit, ClipboardKeysGoThroughTheMessages)
{
    ProbeEdit edit;
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit.pastes, 2);
    EXPECT_EQ(edit.cuts, 1);
}

TEST(CustomMaskEdit, CtrlLettersArriveAsControlCharacters)
{
    TCustomMaskEdit edit;
    QList<int> chars;
    edit.OnKeyPress = [&](QObject*, QChar& Key) { chars << Key.unicode(); };
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(chars, (QList<int>{3, 8, 'a'}));
}

TEST(CustomMaskEdit, SwallowedKeysAndReplacedCharacters)
{
    ProbeEdit edit;
    edit.swallow = VK_END;
    edit.from = QLatin1Char('.');
    edit.to = QLatin1Char(',');
    edit.SetText("12");
    edit.SetSelStart(0);
    QTest::keyClick(&edit, Qt::Key_End);
    EXPECT_EQ(edit.SelStart(), 0);
    QTest::keyClick(&edit, Qt::Key_Period);
    EXPECT_EQ(edit.Text(), ",12");
}

TEST(SpeedButton, ClicksOnlyWhenReleasedOverIt)
{
    TSpeedButton button;
    button.resize(20, 20);
    int clicks = 0;
    button.OnClick = [&](QObject*) { ++clicks; };
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button.Down());
    QTest::mouseMove(&button, QPoint(50, 50));
    EXPECT_FALSE(button.Down());
    EXPECT_TRUE(button.Dragging());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Down());
}

} // namespace
