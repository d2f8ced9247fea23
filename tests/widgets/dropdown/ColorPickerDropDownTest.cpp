#include "DropDownFixture.h"
#include "PickerTestSupport.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/VxColorPickerDropDown.h"
#include <QLabel>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct ColorWindow : DropDownWindow<TVxColorPickerDropDown> {
    TVxColorPickerDropDown& d = *edit;
    int selects = 0;
    ColorWindow()
    {
        d.AddDefaultColors();
        d.OnSelect = [this](QObject*) { ++selects; };
    }
    void Open() { QTest::mouseClick(&d, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10)); }
    QWidget* Popup() const { return d.DropDownForm(); }
};
} // namespace

TEST(ColorValueText, PerFormat)
{
    const struct {
        TColor color;
        TColorValueText format;
        const char* text;
    } cases[] = {
        {0x0000FF, TColorValueText::cvtNone, ""},
        {0x0000FF, TColorValueText::cvtHex, "0000FF"},
        {0x0000FF, TColorValueText::cvtHTML, "#FF0000"},
        {0x0000FF, TColorValueText::cvtRGB, "Red:255,Green:0,Blue:0"},
        {0x0000FF, TColorValueText::cvtWebName, "red"},
        {0x123456, TColorValueText::cvtHex, "123456"},
        {0x123456, TColorValueText::cvtHTML, "#563412"},
        {0x123456, TColorValueText::cvtRGB, "Red:86,Green:52,Blue:18"},
        {0x123456, TColorValueText::cvtWebName, "#563412"},   // no name: its HTML text
        {0xFFFF00, TColorValueText::cvtWebName, "aqua"},      // not "cyan"
        {0x808080, TColorValueText::cvtWebName, "gray"},      // not "grey"
        {0x000005, TColorValueText::cvtHex, "000005"},        // at least six digits
        {clHighlight, TColorValueText::cvtHex, "FF00000D"},   // as stored, unresolved
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorValueText(c.color, c.format), QString::fromLatin1(c.text));
    }
    // System colours are resolved for the other texts.
    EXPECT_EQ(ColorValueText(clHighlight, TColorValueText::cvtHTML),
              ColorValueText(ColorToRGB(clHighlight), TColorValueText::cvtHTML));
}

TEST(ColorPicker, DefaultColorsAndTheirTexts)
{
    DropDownWindow<TVxColorPickerDropDown> plain;
    EXPECT_EQ(plain.edit->Colors().Count(), 0);   // made in code: no colours
    EXPECT_EQ(plain.edit->DropDownHeight(), 200);
    EXPECT_FALSE(plain.edit->EditorEnabled());
    plain.edit->AddDefaultColors();
    plain.edit->AddDefaultColors();
    EXPECT_EQ(plain.edit->Colors().Count(), 32);

    ColorWindow w;
    w.d.SetItemIndex(9);
    EXPECT_EQ(w.d.SelectedColor(), 0x0000FFu);
    EXPECT_EQ(w.d.SelectedColorText(), QStringLiteral("Red"));
    w.d.SetColorValueText(TColorValueText::cvtHTML);
    w.d.SetColorSelectionStyle(TColorSelectionStyle::csDiscrete);
    EXPECT_EQ(w.d.SelectedColorText(), QStringLiteral("#FF0000"));
}

TEST(ColorPicker, SelectedColorAndItemIndex)
{
    ColorWindow w;
    w.d.SetSelectedColor(0x00FF00);
    EXPECT_EQ(w.d.ItemIndex(), 10);
    EXPECT_EQ(w.selects, 1);
    w.d.SetSelectedColor(0x00FF00);   // unchanged
    EXPECT_EQ(w.selects, 1);
    w.d.SetItemIndex(10);             // the same item tells again
    EXPECT_EQ(w.selects, 2);
    w.d.SetItemIndex(16);             // at the count: ignored
    EXPECT_EQ(w.d.ItemIndex(), 10);
    EXPECT_EQ(w.selects, 2);
}

TEST(ColorPicker, AColourNotInTheListLeavesNoItemToName)
{
    ColorWindow w;
    w.d.SetItemIndex(9);
    ASSERT_EQ(w.d.SelectedColorText(), QStringLiteral("Red"));
    w.d.SetSelectedColor(0x123456);
    EXPECT_EQ(w.d.ItemIndex(), -1);
    EXPECT_EQ(w.d.SelectedColorText(), QString());
    w.d.SetColorValueText(TColorValueText::cvtHex);
    EXPECT_EQ(w.d.SelectedColorText(), QStringLiteral("123456"));
}

TEST(ColorPicker, TheEditShowsTheColourBox)
{
    ColorWindow w;
    w.d.resize(120, 24);
    w.d.clearFocus();
    w.d.SetSelectedColor(0x0000FF);
    // The box: 4 pixels into the area that starts at (1, 1), vertically centred, 14 x 14.
    const QPoint inBox(1 + 4 + 7, (24 - 14) / 2 + 1 + 7);
    EXPECT_EQ(w.d.grab().toImage().pixelColor(inBox), QColor(Qt::red));
    w.d.SetSelectedColor(clNone);
    EXPECT_NE(w.d.grab().toImage().pixelColor(inBox), QColor(Qt::red));
}

TEST(ColorPicker, ListPicksByClickAndEscRestores)
{
    ColorWindow w;
    w.d.SetColumns(4);
    w.d.SetItemIndex(1);
    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    SaveScreenshot(w.Popup(), QStringLiteral("color_picker_list"));
    TypeKey(w.Popup(), Qt::Key_Down);
    EXPECT_EQ(w.d.ItemIndex(), 5);
    EXPECT_TRUE(w.d.DroppedDown());
    TypeKey(w.Popup(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 1);
    EXPECT_EQ(w.d.SelectedColor(), 0x000080u);

    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    const TRect cell = w.d.ItemSelector()->Panel()->GetItemRect(14);
    QTest::mouseClick(w.d.ItemSelector()->Panel(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.Left + 3, cell.Top + 3));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 14);
    EXPECT_EQ(w.d.SelectedColorText(), QStringLiteral("Aqua"));
}

TEST(ColorPicker, ListTypeAhead)
{
    ColorWindow w;
    const auto clock = MakeManualClock();
    w.d.SetTypeAheadClock(clock);
    w.Open();
    TypeChars(w.Popup(), QStringLiteral("gr"));
    EXPECT_EQ(w.d.ItemIndex(), 2);   // Green
    TypeChars(w.Popup(), QStringLiteral("a"));
    EXPECT_EQ(w.d.ItemIndex(), 7);   // Gray
    clock->Now += 500;
    TypeChars(w.Popup(), QStringLiteral("w"));
    EXPECT_EQ(w.d.ItemIndex(), 15);   // White
    EXPECT_TRUE(w.d.DroppedDown());
}

TEST(ColorPicker, CubeClickClosesWithTheCellColour)
{
    ColorWindow w;
    w.d.SetItemIndex(3);
    w.d.SetColorSelectionStyle(TColorSelectionStyle::csColorCube);
    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    EXPECT_EQ(w.Popup()->size(), QSize(182 + 2, 160 + 2));
    EXPECT_TRUE(w.d.ColorCubePanel()->isVisible());
    EXPECT_FALSE(w.d.ItemSelector()->isVisible());
    SaveScreenshot(w.Popup(), QStringLiteral("color_picker_cube"));
    QTest::mouseClick(w.d.ColorCubePanel(), Qt::LeftButton, Qt::NoModifier, QPoint(109, 30));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.SelectedColor(), 0xFF0000u);
    EXPECT_EQ(w.d.ItemIndex(), -1);
}

TEST(ColorPicker, BoxesMoveByKeysAndReturnTakesTheHotBox)
{
    ColorWindow w;
    w.d.SetColorSelectionStyle(TColorSelectionStyle::csDiscrete);
    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    TCustomColorSelector& boxes = *w.d.ColorSelector();
    EXPECT_EQ(w.Popup()->size(), QSize(165 + 2, 84 + 2));
    SaveScreenshot(w.Popup(), QStringLiteral("color_picker_boxes"));
    TypeKey(w.Popup(), Qt::Key_Right);   // nothing selected: the first box
    TypeKey(w.Popup(), Qt::Key_Right);
    EXPECT_TRUE(w.d.DroppedDown());
    EXPECT_EQ(boxes.ItemIndex(), 1);
    EXPECT_EQ(w.d.SelectedColor(), 0x000000u);
    EXPECT_EQ(w.d.ItemIndex(), -1);
    const TRect hot = boxes.Items()[12].BoxRect();
    QTest::mouseMove(&boxes, QPoint(hot.Left + 2, hot.Top + 2));
    ASSERT_EQ(boxes.ItemHot(), 12);
    const int before = w.selects;
    TypeKey(w.Popup(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.SelectedColor(), 0xC3D9DDu);
    EXPECT_EQ(w.selects, before + 1);   // the pick's own ItemIndex := -1, not the key's
    // Closed and no hot box: Return tells.
    TypeKey(&w.d, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(w.selects, before + 2);
}

TEST(ColorPicker, CancelledBoxesGiveTheColourBack)
{
    ColorWindow w;
    w.d.SetSelectedColor(0x123456);   // on no box
    w.d.SetColorSelectionStyle(TColorSelectionStyle::csDiscrete);
    w.Open();
    TypeKey(w.Popup(), Qt::Key_Down);
    ASSERT_EQ(w.d.SelectedColor(), 0xFFFFFFu);
    TypeKey(w.Popup(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.SelectedColor(), 0x123456u);
}

TEST(ColorPicker, SpectrumPicksThePixelUnderTheClick)
{
    ColorWindow w;
    w.d.SetColorSelectionStyle(TColorSelectionStyle::csSpectrum);
    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    EXPECT_EQ(w.Popup()->size(), QSize(150 + 2, 174 + 2));
    QWidget* image = w.d.SpectrumPanel()->SpectrumImage();
    QTest::mouseMove(image, QPoint(0, 63));
    SaveScreenshot(w.Popup(), QStringLiteral("color_picker_spectrum"));
    QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(0, 63));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.SelectedColor(), clRed);
    EXPECT_EQ(w.d.SelectedColorText(), QString());
}

TEST(ColorPicker, NoExceptionLeavesAKeyOrWheelHandler)
{
    ColorWindow w;
    w.d.OnSelect = [](QObject*) { throw std::runtime_error("handler"); };
    EXPECT_NO_THROW(TypeKey(&w.d, Qt::Key_Down));
    EXPECT_EQ(w.d.ItemIndex(), 0);
    w.Open();
    EXPECT_NO_THROW(TypeKey(w.Popup(), Qt::Key_Down));
    EXPECT_NO_THROW(TypeKey(w.Popup(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
    EXPECT_FALSE(w.d.DroppedDown());
}
