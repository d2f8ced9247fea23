#include "DropDownFixture.h"
#include "grid/core/DropDownDraw.h"
#include "support/LocaleScope.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/GradientButton.h"
#include "widgets/dropdown/VxCalculatorDropdown.h"
#include <gtest/gtest.h>

namespace {
// The calculator's pop-up opened and its keys clicked by caption ("ON" for the blank key).
struct Calculator : DropDownWindow<TVxCalculatorDropdown> {
    TVxCalculatorDropdown& d = *edit;

    void Open()
    {
        if (!d.DroppedDown())
            d.ShowDropDown();
        ASSERT_TRUE(d.DroppedDown());
    }
    int KeyIndex(const QString& caption) const
    {
        const TButtonItems& keys = d.ButtonPanel()->Buttons();
        for (int i = 0; i < keys.Count(); ++i)
            if (keys.Items(i).Caption() == caption || (caption == QLatin1String("ON") && keys.Items(i).Caption().isEmpty()))
                return i;
        return -1;
    }
    void Click(const QString& caption)
    {
        Open();
        const int index = KeyIndex(caption);
        ASSERT_GE(index, 0) << caption.toStdString();
        TRect r;
        d.ButtonPanel()->GetButtonRect(index, r);
        QTest::mouseClick(d.ButtonPanel(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // Keys separated by blanks; a number of several digits is clicked digit by digit.
    void Keys(const char* sequence)
    {
        for (const QString& token : QString::fromLatin1(sequence).split(u' ', Qt::SkipEmptyParts)) {
            const bool number = token.front().isDigit() && token.size() > 1 && !token.contains(u'/');
            if (number)
                for (QChar c : token)
                    Click(QString(c));
            else
                Click(token);
        }
    }
};

struct SequenceCase {
    const char* keys;
    const char* shown;
    int precision = 2;
};
} // namespace

TEST(CalculatorDropdown, KeySequencesOnThePad)
{
    const auto locale = DotDecimals();
    const SequenceCase cases[] = {
        {"2 + 3 *", "5.00"},   // every operator applies the one pending before it
        {"2 + 3 * 4 =", "20.00"},
        {"2 + +", "4.00"},
        {"9 - 12 =", "-3.00"},
        {"1 / 3 =", "0.33"},
        {"1 / 3 = * 3 =", "0.99"},   // goes on from the shown, rounded value
        {"1 / 3 =", "0.3333", 4},
        {"1 / 3 =", "0", 0},
        {"1 . 2 3 4", "1.23"},   // each digit starts from the shown text
        {"1 2 . 5", "12.50"},
        {"= =", "0.00"},
        {"4 + 5 = =", "9.00"},   // "=" does not repeat the last operation
        {"200 + 10 %", "20.00"},
        {"200 + 10 % =", "220.00"},
        {"8 / 0 =", "Error"},
        {"8 / 0 = + 5 =", "5.00"},   // after "Error" the next operator works on 0
        {"8 / 0 = 7", "7.00"},
        {"9 sqrt", "3.00"},
        {"9 +/- sqrt", "Error"},
        {"4 1/x", "0.25"},
        {"0 1/x", "Error"},
        {"5 +/- +/-", "5.00"},
        {"5 +/-", "-5.00"},
        {"1 2 . 5 Back", "12.00"},
        {"1 2 + Back", "12.00"},   // nothing while an operation is pending
        {"7 Back", "0.00"},
        {"7 MS C MR", "7.00"},
        {"7 MS 3", "73.00"},   // a memory key starts no new number
        {"7 MS C 3 M+ C MR", "10.00"},
        {"7 MS MC MR", "0.00"},
        {"7 MS 2 + 3 C MR =", "7.00"},   // clearing keeps the memory, drops the pending operation
        {"7 MS 2 + 3 CE MR =", "7.00"},
        {"7 MS 2 + 3 ON MR =", "7.00"},
        {"9 MR", "0.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Calculator calc;
        calc.d.SetPrecision(c.precision);
        calc.Keys(c.keys);
        EXPECT_EQ(calc.d.Text(), QString::fromLatin1(c.shown));
        EXPECT_TRUE(calc.d.IsModified());
    }
}

TEST(CalculatorDropdown, StateSurvivesReopeningMemoryAndPendingOperation)
{
    Calculator calc;
    calc.Keys("6 MS C 2 +");
    calc.d.HideDropDown(false);
    calc.Keys("5 =");   // the opening marks a new number; the pending addition is still there
    EXPECT_EQ(calc.d.Text(), QStringLiteral("7.00"));
    calc.Keys("MR");
    EXPECT_EQ(calc.d.Text(), QStringLiteral("6.00"));
    EXPECT_EQ(double(calc.d.Memory()), 6.0);
}

TEST(CalculatorDropdown, MemoryKeysReadValuesWithThousandSeparators)
{
    for (bool comma : {false, true}) {
        const auto locale = comma ? CommaDecimals() : DotDecimals();
        SCOPED_TRACE(comma ? "comma" : "dot");
        Calculator calc;
        calc.d.SetShowThousandSeparator(true);
        calc.Keys("1 2 3 4");
        ASSERT_EQ(calc.d.Text(), comma ? QStringLiteral("1.234,00") : QStringLiteral("1,234.00"));
        calc.Keys("MS C 1 M+ C MR");
        EXPECT_EQ(double(calc.d.Memory()), 1235.0);
        EXPECT_EQ(calc.d.Text(), comma ? QStringLiteral("1.235,00") : QStringLiteral("1,235.00"));
        EXPECT_EQ(double(calc.d.Value()), 1235.0);
    }
}

TEST(CalculatorDropdown, TextThatIsNoNumberLeavesValueAndStateAsTheyWere)
{
    const auto locale = DotDecimals();
    Calculator calc;
    calc.Keys("7 MS C 2 +");
    calc.d.setText(QStringLiteral("12abc"));   // as a program may write it
    for (const char* key : {"*", "=", "%", "MS", "M+"}) {
        SCOPED_TRACE(key);
        calc.Keys(key);
        EXPECT_EQ(calc.d.Text(), QStringLiteral("12abc"));
    }
    EXPECT_EQ(double(calc.d.Memory()), 7.0);
    EXPECT_EQ(double(calc.d.Value()), 0.0);
    // The addition is still the pending operation, 2 its left operand.
    calc.Keys("3 =");
    EXPECT_EQ(calc.d.Text(), QStringLiteral("5.00"));
}

TEST(CalculatorDropdown, MaxLengthStopsDigitsSignAndPointNotOperators)
{
    const auto locale = DotDecimals();
    Calculator calc;
    calc.d.setMaxLength(6);
    calc.Keys("5 6 7");
    ASSERT_EQ(calc.d.Text(), QStringLiteral("567.00"));
    calc.Keys("8 +/- .");
    EXPECT_EQ(calc.d.Text(), QStringLiteral("567.00"));
    calc.Keys("/ =");
    EXPECT_EQ(calc.d.Text(), QStringLiteral("1.00"));
}

TEST(CalculatorDropdown, KeyboardInTheEditThenInThePopup)
{
    const auto locale = DotDecimals();
    Calculator calc;
    // Never opened: the edit works the operators itself.
    TypeChars(calc.edit, QStringLiteral("12+3"));
    EXPECT_EQ(calc.d.Text(), QStringLiteral("3.00"));
    TypeKey(calc.edit, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(calc.d.Text(), QStringLiteral("15.00"));
    TypeChars(calc.edit, QStringLiteral("c"));
    EXPECT_EQ(calc.d.Text(), QStringLiteral("0.00"));
    TypeChars(calc.edit, QStringLiteral("7-9="));
    EXPECT_EQ(calc.d.Text(), QStringLiteral("-2.00"));   // "-" is the operator, no sign change as well

    // Open: the pop-up takes the same keys; Return works out the result and closes it.
    calc.Open();
    QWidget* popup = calc.d.DropDownForm();
    TypeChars(popup, QStringLiteral("4*5"));
    EXPECT_EQ(calc.d.Text(), QStringLiteral("5.00"));
    TypeKey(popup, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(calc.d.DroppedDown());
    EXPECT_EQ(calc.d.Text(), QStringLiteral("20.00"));

    calc.Open();
    TypeChars(popup, QStringLiteral("8/0="));
    EXPECT_EQ(calc.d.Text(), QStringLiteral("Error"));
    TypeKey(popup, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(calc.d.Text(), QStringLiteral("0.00"));
    TypeKey(popup, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    EXPECT_FALSE(calc.d.DroppedDown());
}

TEST(CalculatorDropdown, DeleteLeavesZero)
{
    const auto locale = DotDecimals();
    Calculator calc;
    calc.d.SetValue(42);
    calc.d.SelectAll();
    TypeKey(calc.edit, Qt::Key_Delete);
    EXPECT_EQ(calc.d.Text(), QStringLiteral("0.00"));
}

TEST(CalculatorDropdown, DefaultsAndStyle)
{
    Calculator calc;
    EXPECT_EQ(calc.d.DropDownColor(), clWhite);
    EXPECT_EQ(calc.d.DropDownWidth(), 230);
    EXPECT_EQ(calc.d.Precision(), 2);
    EXPECT_EQ(calc.d.EditType(), TDropDownEditType::etFloat);
    const TButtonAppearance& keys = calc.d.CalcButtonAppearance();
    EXPECT_EQ(keys.ColorHot(), calc.d.ButtonAppearance().ColorHot());
    EXPECT_EQ(keys.GlowColorHot(), calc.d.ButtonAppearance().ColorDownTo());
    EXPECT_EQ(keys.GlowColorDown(), 0xD5C244u);
    calc.d.SetComponentStyle(TZarnStyle::tsOffice2010Blue);
    EXPECT_EQ(keys.Color(), calc.d.ButtonAppearance().Color());
    EXPECT_EQ(keys.GlowColorHot(), calc.d.ButtonAppearance().ColorHot());
    EXPECT_EQ(keys.GlowColorDown(), calc.d.ButtonAppearance().ColorHot());
    // The pad fills the 230-wide pop-up inside its border and is laid out for it.
    calc.Open();
    EXPECT_EQ(calc.d.ButtonPanel()->height(), 150);
    EXPECT_EQ(calc.d.ButtonPanel()->Buttons().Items(24).Bounds().Right, 217);
    EXPECT_EQ(calc.d.ButtonPanel()->Color(), clWhite);
}
