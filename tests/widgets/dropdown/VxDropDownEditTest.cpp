#include "DropDownFixture.h"
#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "support/LocaleScope.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/GradientButton.h"
#include <QClipboard>
#include <QLabel>
#include <QGuiApplication>
#include <gtest/gtest.h>

using ET = TDropDownEditType;

TEST(VxCustomDropDown, NewDropDownDefaultsAndLunaStyle)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    EXPECT_EQ(d.width(), 200);
    EXPECT_EQ(d.GetComponentStyle(), TZarnStyle::tsOffice2007Luna);
    EXPECT_EQ(d.DropDownColor(), 0xF3E5DAu);
    EXPECT_EQ(d.DropDownColorTo(), 0xF0DED0u);
    EXPECT_EQ(d.DropDownBorderColor(), clNone);
    EXPECT_EQ(d.SelectionColorStyle(), TSelectionColorStyle::scOffice2007);
    EXPECT_EQ(d.SelectionColor(), 0xD7FFFDu);
    EXPECT_EQ(d.Button()->ButtonWidth(), 17);
    EXPECT_EQ(d.DropDownHeader().Color(), 0xFFEFE3u);
    EXPECT_EQ(d.DropDownFooter().Font().Color(), 0x723708u);
    EXPECT_EQ(d.ButtonAppearance().ColorTo(), 0xFFDDC4u);
    EXPECT_EQ(d.ButtonAppearance().ColorChecked(), 0x76AFF1u);
    EXPECT_EQ(d.Text(), QString());
}

TEST(VxCustomDropDown, StylesSetTheirColoursCustomKeepsThem)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    d.SetDropDownBorderColor(0x123456);
    d.SetComponentStyle(TZarnStyle::tsOffice2003Blue);
    EXPECT_EQ(d.DropDownBorderColor(), 0x123456u);   // kept
    EXPECT_EQ(d.DropDownColorTo(), clNone);
    EXPECT_EQ(d.DropDownHeader().BorderColor(), 0x000000u);
    EXPECT_EQ(d.DropDownFooter().BorderColor(), 0x962D00u);
    EXPECT_EQ(d.ButtonAppearance().BorderColorHot(), 0x99CEDBu);
    d.SetComponentStyle(TZarnStyle::tsWindowsVista);
    EXPECT_EQ(d.DropDownBorderColor(), 0x979797u);
    EXPECT_EQ(d.DropDownFooter().Color(), 0xFFFAF0u);   // the footer's gradient runs the other way
    EXPECT_EQ(d.DropDownFooter().ColorTo(), 0xFFFDF9u);
    EXPECT_EQ(d.DropDownHeader().Color(), 0xFFFDF9u);
    d.SetComponentStyle(TZarnStyle::tsOffice2010Black);
    EXPECT_EQ(d.ButtonAppearance().BorderColor(), 0xD7D7D6u);
    EXPECT_EQ(d.ButtonAppearance().ColorHotTo(), clNone);
    d.SetComponentStyle(TZarnStyle::tsCustom);
    EXPECT_EQ(d.GetComponentStyle(), TZarnStyle::tsCustom);
    EXPECT_EQ(d.ButtonAppearance().BorderColor(), 0xD7D7D6u);
    d.SetSelectionColorStyle(TSelectionColorStyle::scWindows7);
    EXPECT_EQ(d.SelectionColorTo(), 0xFCDBC1u);
    d.SetSelectionColorStyle(TSelectionColorStyle::scCustom);
    EXPECT_EQ(d.SelectionColorTo(), 0xFCDBC1u);
}

struct FormatCase {
    ET type;
    int precision;
    const char* value;
    const char* dot;     // shown with "." decimals and "," thousands
    const char* comma;   // shown with "," decimals and "." thousands
};

TEST(VxCustomDropDown, SetTextFormatsPerTypeInBothLocales)
{
    const FormatCase cases[] = {
        {ET::etNumeric, 0, "", "0", "0"},
        {ET::etHex, 0, "", "0", "0"},
        {ET::etString, 0, "", "", ""},
        {ET::etFloat, 2, "1234.5", "1234.50", "12345,00"},   // "." is a thousand separator there
        {ET::etFloat, 2, "1234,5", "12345.00", "1234,50"},
        {ET::etMoney, 2, "1234.5", "1,234.50", "12.345,00"},
        {ET::etMoney, 2, "1234,5", "12,345.00", "1.234,50"},
        {ET::etMoney, 2, "Error", "Error", "Error"},
        {ET::etHex, 0, "ff", "FF", "FF"},
    };
    for (bool commaLocale : {false, true}) {
        const auto locale = commaLocale ? CommaDecimals() : DotDecimals();
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << int(c.type) << " " << c.value << (commaLocale ? " comma" : " dot"));
            DropDownWindow<TVxCustomDropDown> w;
            w.edit->SetEditType(c.type);
            w.edit->SetPrecision(c.precision);
            w.edit->SetText(QString::fromLatin1(c.value));
            EXPECT_EQ(w.edit->Text(), QString::fromLatin1(commaLocale ? c.comma : c.dot));
        }
    }
}

TEST(VxCustomDropDown, PrefixAndSuffixStayOutOfTheValue)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    d.SetPrefix(QStringLiteral("$ "));
    d.SetSuffix(QStringLiteral(" kg"));
    d.SetText(QStringLiteral("12"));
    EXPECT_EQ(d.text(), QStringLiteral("$ 12 kg"));
    EXPECT_EQ(d.Text(), QStringLiteral("12"));
    TypeKey(&d, Qt::Key_End);
    EXPECT_EQ(d.cursorPosition(), 4);
    TypeKey(&d, Qt::Key_Home);
    EXPECT_EQ(d.cursorPosition(), 2);
    TypeKey(&d, Qt::Key_Left);
    EXPECT_EQ(d.cursorPosition(), 2);
    d.setCursorPosition(4);
    TypeKey(&d, Qt::Key_Right);
    EXPECT_EQ(d.cursorPosition(), 4);
    // A click into the suffix puts the caret at the value's end.
    const int x = d.width() - d.DropDownButtonWidth() - 4;
    QTest::mouseClick(&d, Qt::LeftButton, Qt::NoModifier, QPoint(x, d.height() / 2));
    EXPECT_EQ(d.cursorPosition(), 4);
    TypeKey(&d, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    TypeKey(&d, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    TypeKey(&d, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(d.text(), QStringLiteral("$  kg"));   // the prefix survives
}

struct KeyCase {
    ET type;
    int precision;
    bool isSigned;
    const char* value;
    int caret;        // in the value; -1: the whole value selected
    const char* typed;
    const char* result;
};

// "#" is typed as the locale's decimal separator, "~" as its thousand separator; the same in the results.
QString Localised(const char* text)
{
    QString s = QString::fromLatin1(text);
    s.replace(u'#', LocaleDecimalSeparator());
    s.replace(u'~', LocaleThousandSeparator());
    return s;
}

const KeyCase kKeyCases[] = {
    {ET::etNumeric, 0, false, "12", 2, "3a", "123"},
    {ET::etNumeric, 0, true, "12", 2, "-", "-12"},
    {ET::etNumeric, 0, true, "-12", 3, "-", "12"},
    {ET::etNumeric, 0, false, "12", 2, "-", "12"},
    {ET::etNumeric, 0, true, "12", -1, "-", "-"},
    {ET::etFloat, 0, false, "3", 1, "#5", "35"},          // no decimals: separators dropped
    {ET::etFloat, 2, false, "3#14", 3, "5", "3#15"},      // a full fraction is overwritten
    {ET::etFloat, 2, false, "3#14", 4, "5", "3#14"},      // and nothing goes behind it
    {ET::etFloat, 2, false, "3#1", 3, "#", "3#1"},        // one decimal separator
    {ET::etFloat, 2, false, "", 0, "#", "0#"},
    {ET::etFloat, 2, false, "1~234", 5, "#5", "1~234#5"},
    {ET::etFloat, 2, false, "1~23", 4, "~", "1~23"},      // separators three digits apart
    {ET::etFloat, 2, true, "3#1", 1, "-", "-3#1"},
    {ET::etFloat, 2, false, "1", 1, "x", "1"},
    {ET::etMoney, 2, false, "1234", 4, "5", "12~345"},
    {ET::etMoney, 2, false, "12", 2, "#", "12#"},
    {ET::etUppercase, 0, false, "AB", 2, "c", "ABC"},
    {ET::etLowerCase, 0, false, "", 0, "AB", "ab"},
    {ET::etMixedCase, 0, false, "", 0, "john smith", "John Smith"},
    {ET::etRange, 0, false, "", 0, "1-5,7;9", "1-5,7;9"},
    {ET::etRange, 0, false, "", 0, ",1--,5", "1-5"},
    {ET::etHex, 0, false, "", 0, "1fG", "1f"},
    {ET::etAlphaNumeric, 0, false, "", 0, "a1-b", "a1b"},
    {ET::etString, 0, false, "", 0, "a-1 b", "a-1 b"},
};

TEST(VxCustomDropDown, KeyFilterPerTypeInBothLocales)
{
    for (bool commaLocale : {false, true}) {
        const auto locale = commaLocale ? CommaDecimals() : DotDecimals();
        for (const auto& c : kKeyCases) {
            SCOPED_TRACE(testing::Message() << int(c.type) << " '" << c.value << "' + '" << c.typed << "'"
                                            << (commaLocale ? " comma" : " dot"));
            DropDownWindow<TVxCustomDropDown> w;
            TVxCustomDropDown& d = *w.edit;
            d.SetEditType(c.type);
            d.SetPrecision(c.precision);
            d.SetSigned(c.isSigned);
            d.setText(Localised(c.value));
            if (c.caret < 0)
                d.SelectAll();
            else
                d.setCursorPosition(c.caret);
            TypeChars(&d, Localised(c.typed));
            EXPECT_EQ(d.Text(), Localised(c.result));
        }
    }
}

TEST(VxCustomDropDown, ValidCharsAndPickOnlyEdits)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    d.SetEditType(ET::etValidChars);
    d.SetValidChars(QStringLiteral("xy"));
    TypeChars(&d, QStringLiteral("xaby"));
    EXPECT_EQ(d.Text(), QStringLiteral("xy"));
    d.SetEditorEnabled(false);
    TypeChars(&d, QStringLiteral("x"));
    TypeKey(&d, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    TypeKey(&d, Qt::Key_Delete);
    EXPECT_EQ(d.Text(), QStringLiteral("xy"));
}

struct PasteCase {
    ET type;
    int precision;
    const char* value;
    const char* clip;
    const char* result;
};

TEST(VxCustomDropDown, PastePerTypeInBothLocales)
{
    const PasteCase cases[] = {
        {ET::etNumeric, 0, "1", "2a", "1"},
        {ET::etNumeric, 0, "1", "23", "123"},
        {ET::etNumeric, 0, "1", "-2", "1"},   // unsigned
        {ET::etHex, 0, "1", "2", "1"},        // hex edits take no pastes
        {ET::etRange, 0, "", "1-2", ""},
        {ET::etFloat, 2, "1", "2#5", "12#50"},
        {ET::etFloat, 0, "1", "2#5", "1"},
        {ET::etUppercase, 0, "A", "bc", "ABC"},
        {ET::etMixedCase, 0, "", "ann lee", "Ann Lee"},
        {ET::etAlphaNumeric, 0, "a", "b c", "a"},
        {ET::etString, 0, "a", "b c", "ab c"},
    };
    for (bool commaLocale : {false, true}) {
        const auto locale = commaLocale ? CommaDecimals() : DotDecimals();
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << int(c.type) << " " << c.clip << (commaLocale ? " comma" : " dot"));
            DropDownWindow<TVxCustomDropDown> w;
            TVxCustomDropDown& d = *w.edit;
            d.SetEditType(c.type);
            d.SetPrecision(c.precision);
            d.setText(Localised(c.value));
            d.setCursorPosition(int(d.text().size()));
            QGuiApplication::clipboard()->setText(Localised(c.clip));
            TypeKey(&d, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(d.Text(), Localised(c.result));
        }
    }
}

TEST(VxCustomDropDown, PasteEventMayForbid)
{
    DropDownWindow<TVxCustomDropDown> w;
    QString offered;
    w.edit->OnClipboardPaste = [&](QObject*, const QString& value, bool& allow) {
        offered = value;
        allow = false;
    };
    w.edit->setText(QStringLiteral("ab"));
    w.edit->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("X"));
    TypeKey(w.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(offered, QStringLiteral("aXb"));
    EXPECT_EQ(w.edit->Text(), QStringLiteral("ab"));
}

TEST(VxCustomDropDown, LeavingRewritesFloatsAndEmptyNumbers)
{
    const auto locale = DotDecimals();
    DropDownWindow<TVxCustomDropDown> w;
    QLineEdit other(&w.window);
    other.move(20, 100);
    other.show();
    TVxCustomDropDown& d = *w.edit;
    d.SetEditType(ET::etFloat);
    d.SetPrecision(2);
    d.setText(QStringLiteral("3.1"));
    other.setFocus();
    EXPECT_EQ(d.Text(), QStringLiteral("3.10"));
    d.setFocus();
    d.SetEditType(ET::etNumeric);
    d.setText(QString());
    other.setFocus();
    EXPECT_EQ(d.Text(), QStringLiteral("0"));
}

TEST(PlaceLabel, EveryPosition)
{
    // An edit at (100, 50), 200 x 21; a label 40 x 13 with margin 4.
    const TRect edit = Rect(100, 50, 300, 71);
    const struct {
        TLabelPosition position;
        TPoint at;
    } cases[] = {
        {TLabelPosition::lpLeftTop, {56, 50}},       {TLabelPosition::lpLeftCenter, {56, 54}},
        {TLabelPosition::lpLeftBottom, {56, 58}},    {TLabelPosition::lpTopLeft, {100, 33}},
        {TLabelPosition::lpBottomLeft, {100, 75}},   {TLabelPosition::lpLeftTopLeft, {96, 50}},
        {TLabelPosition::lpLeftCenterLeft, {96, 54}}, {TLabelPosition::lpLeftBottomLeft, {96, 58}},
        {TLabelPosition::lpTopCenter, {180, 33}},    {TLabelPosition::lpBottomCenter, {180, 75}},
        {TLabelPosition::lpRightTop, {304, 50}},     {TLabelPosition::lpRightCenter, {304, 54}},
        {TLabelPosition::lpRighBottom, {304, 58}},   {TLabelPosition::lpTopRight, {260, 33}},
        {TLabelPosition::lpBottomRight, {260, 75}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.position));
        EXPECT_EQ(PlaceLabel(c.position, edit, 40, 13, 4), c.at);
    }
}

TEST(VxCustomDropDown, AttachedLabelFollowsTheEdit)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    d.move(150, 60);
    d.SetLabelPosition(TLabelPosition::lpTopLeft);
    d.SetLabelCaption(QStringLiteral("&Name"));
    ASSERT_NE(d.Label(), nullptr);
    EXPECT_EQ(d.Label()->parentWidget(), &w.window);
    EXPECT_EQ(d.Label()->pos(), QPoint(150, 60 - d.Label()->height() - 4));
    d.move(150, 100);
    EXPECT_EQ(d.Label()->y(), 100 - d.Label()->height() - 4);
    d.setEnabled(false);
    EXPECT_FALSE(d.Label()->isEnabled());
    d.SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(d.Label()->isEnabled());
    int clicks = 0;
    d.OnLabelClick = [&](QObject* sender) { clicks += sender == &d; };
    QTest::mouseClick(d.Label(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(VxCustomDropDown, CustomBorderAndFocusedPickOnlyText)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    d.SetBorderColor(clRed);
    QImage shot = d.grab().toImage();
    EXPECT_EQ(FromQColor(shot.pixelColor(0, 10)), clRed);
    EXPECT_EQ(FromQColor(shot.pixelColor(100, 0)), clRed);
    d.SetBorderColor(clNone);
    d.SetEditorEnabled(false);
    d.SetText(QStringLiteral("x"));
    d.setFocus();
    ASSERT_TRUE(d.hasFocus());
    shot = d.grab().toImage();
    EXPECT_EQ(FromQColor(shot.pixelColor(100, 10)), ColorToRGB(clHighlight));
    EXPECT_EQ(FromQColor(shot.pixelColor(2, 10)), clBlack);
}

TEST(VxCustomDropDown, AssignCopiesFromAnotherDropDownOnly)
{
    DropDownWindow<TVxCustomDropDown> a, b;
    a.edit->SetEditType(ET::etFloat);
    a.edit->SetPrecision(3);
    a.edit->SetPrefix(QStringLiteral("$"));
    a.edit->SetDropDownColor(clRed);
    a.edit->DropDownFooter().SetCaption(QStringLiteral("foot"));
    b.edit->Assign(a.edit);
    EXPECT_EQ(b.edit->EditType(), ET::etFloat);
    EXPECT_EQ(b.edit->Precision(), 3);
    EXPECT_EQ(b.edit->Prefix(), QStringLiteral("$"));
    EXPECT_EQ(b.edit->DropDownColor(), clRed);
    EXPECT_EQ(b.edit->DropDownFooter().Caption(), QStringLiteral("foot"));
    QObject other;
    b.edit->Assign(&other);
    EXPECT_EQ(b.edit->DropDownColor(), clRed);
    EXPECT_EQ(b.edit->Version(), QStringLiteral("1.2.1.4"));
}

TEST(VxCustomDropDown, LengthLimitKeypadSeparatorAndReturnAsTab)
{
    const auto locale = CommaDecimals();
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    d.SetEditType(ET::etFloat);
    d.SetPrecision(2);
    d.SetLengthLimit(2);
    d.setText(QStringLiteral("12"));
    d.setCursorPosition(2);
    TypeChars(&d, QStringLiteral("3"));
    EXPECT_EQ(d.Text(), QStringLiteral("12"));   // two integer digits already
    // The keypad's "." types the locale's decimal separator where asked to.
    TypeKey(&d, Qt::Key_Period, Qt::KeypadModifier, QStringLiteral("."));
    EXPECT_EQ(d.Text(), QStringLiteral("12"));
    d.SetExcelStyleDecimalSeparator(true);
    TypeKey(&d, Qt::Key_Period, Qt::KeypadModifier, QStringLiteral("."));
    TypeChars(&d, QStringLiteral("5"));
    EXPECT_EQ(d.Text(), QStringLiteral("12,5"));   // behind the separator the limit does not count

    QLineEdit next(&w.window);
    next.show();
    d.SetReturnIsTab(true);
    d.setFocus();
    TypeKey(&d, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_TRUE(next.hasFocus());
}
