#include "support/LocaleScope.h"
#include "grid/model/GridFilter.h"
#include "grid/edit/editors/BeepCounter.h"
#include "grid/edit/editors/vxgspin.h"
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

enum class Loc { Comma, Point, DayFirst };

LocaleScope Use(Loc l)
{
    switch (l) {
    case Loc::Comma: return CommaDecimals();                                     // de_DE: 1,5  31.01.2021  23:59:30
    case Loc::Point: return DotDecimals();                                       // en_US: 1.5  1/31/2021  11:59:30 PM
    default: return LocaleScope(QLocale::English, QLocale::UnitedKingdom);      // en_GB: 31/01/2021
    }
}

enum class Key { Up, Down, PageUp, PageDown };

struct StepCase {
    const char* name;
    Loc locale;
    TVxgSpinType type;
    int precision;
    const char* text;
    int caret;
    Key key;
    const char* expected;
};

const StepCase kSteps[] = {
    {"int up", Loc::Comma, TVxgSpinType::sptNormal, 0, "5", 0, Key::Up, "6"},
    {"int up stops at MaxValue", Loc::Comma, TVxgSpinType::sptNormal, 0, "100", 0, Key::Up, "100"},
    {"int down stops at MinValue", Loc::Comma, TVxgSpinType::sptNormal, 0, "0", 0, Key::Down, "0"},
    {"int page keys step by Increment", Loc::Point, TVxgSpinType::sptNormal, 0, "7", 0, Key::PageDown, "6"},
    {"int that is no number reads as MinValue", Loc::Point, TVxgSpinType::sptNormal, 0, "abc", 0, Key::Up, "1"},
    {"float comma up", Loc::Comma, TVxgSpinType::sptFloat, 0, "1,5", 0, Key::Up, "1,6"},
    {"float comma page", Loc::Comma, TVxgSpinType::sptFloat, 0, "1,5", 0, Key::PageDown, "0,5"},
    {"float point up", Loc::Point, TVxgSpinType::sptFloat, 0, "1.5", 0, Key::Up, "1.6"},
    {"float point text read as MinFloatValue in a comma locale", Loc::Comma, TVxgSpinType::sptFloat, 0, "1.5", 0, Key::Up, "0,1"},
    {"float precision", Loc::Comma, TVxgSpinType::sptFloat, 2, "1,25", 0, Key::Up, "1,35"},
    {"float above MaxFloatValue clamps", Loc::Point, TVxgSpinType::sptFloat, 0, "99.95", 0, Key::PageUp, "100"},
    {"date dmy month clamps day", Loc::DayFirst, TVxgSpinType::sptDate, 0, "31/01/2021", 3, Key::Up, "28/02/2021"},
    {"date dmy day", Loc::DayFirst, TVxgSpinType::sptDate, 0, "31/01/2021", 0, Key::Up, "01/02/2021"},
    {"date dmy year", Loc::DayFirst, TVxgSpinType::sptDate, 0, "15/06/2021", 8, Key::Down, "15/06/2020"},
    {"date dmy year from 29 February", Loc::DayFirst, TVxgSpinType::sptDate, 0, "29/02/2020", 8, Key::Up, "28/02/2021"},
    {"date dot year from 29 February down", Loc::Comma, TVxgSpinType::sptDate, 0, "29.02.2024", 7, Key::Down, "28.02.2023"},
    {"date dot month", Loc::Comma, TVxgSpinType::sptDate, 0, "31.03.2021", 4, Key::Down, "28.02.2021"},
    {"date mdy month first", Loc::Point, TVxgSpinType::sptDate, 0, "1/31/2021", 0, Key::Up, "2/28/2021"},
    {"date mdy day second", Loc::Point, TVxgSpinType::sptDate, 0, "1/31/2021", 2, Key::Up, "2/1/2021"},
    {"time seconds", Loc::Comma, TVxgSpinType::sptTime, 0, "23:59:30", 7, Key::Up, "23:59:31"},
    {"time hours down wraps", Loc::Comma, TVxgSpinType::sptTime, 0, "00:00:10", 0, Key::Down, "23:00:10"},
    {"time hours up wraps", Loc::Comma, TVxgSpinType::sptTime, 0, "23:30:00", 1, Key::Up, "00:30:00"},
    {"time minutes down wraps", Loc::Comma, TVxgSpinType::sptTime, 0, "00:00:30", 3, Key::PageDown, "23:59:30"},
    {"time point locale", Loc::Point, TVxgSpinType::sptTime, 0, "11:59:30 PM", 6, Key::Up, "11:59:31 PM"},
};

Qt::Key QtKeyOf(Key k)
{
    switch (k) {
    case Key::Up: return Qt::Key_Up;
    case Key::Down: return Qt::Key_Down;
    case Key::PageUp: return Qt::Key_PageUp;
    default: return Qt::Key_PageDown;
    }
}

TEST(VxgSpinEdit, StepsEachKindByItsKeys)
{
    for (const StepCase& c : kSteps) {
        SCOPED_TRACE(c.name);
        auto scope = Use(c.locale);
        TVxgSpinEdit spin;
        spin.SetSpinType(c.type);
        spin.SetPrecision(c.precision);
        spin.SetText(QString::fromUtf8(c.text));
        spin.SetSelStart(c.caret);
        QTest::keyClick(&spin, QtKeyOf(c.key));
        EXPECT_EQ(spin.Text(), QString::fromUtf8(c.expected));
        // The keys do not move the caret: repeated steps step the same part.
        if (c.type == TVxgSpinType::sptDate || c.type == TVxgSpinType::sptTime) {
            EXPECT_EQ(spin.SelStart(), c.caret);
        }
    }
}

TEST(VxgSpinEdit, EqualBoundsMeanNoRange)
{
    TVxgSpinEdit spin;
    spin.SetMinValue(0);
    spin.SetMaxValue(0);
    spin.SetValue(-500);
    EXPECT_EQ(spin.Text(), "-500");
    spin.StepUp(false);
    EXPECT_EQ(spin.Value(), -499);
}

TEST(VxgSpinEdit, ReadOnlyStepBeepsAndKeepsTheText)
{
    BeepCounter beeps;
    TVxgSpinEdit spin;
    spin.SetText("5");
    spin.SetReadOnly(true);
    spin.StepUp(false);
    EXPECT_EQ(spin.Text(), "5");
    EXPECT_EQ(beeps.Count(), 1);
}

TEST(VxgSpinEdit, NewEditShowsZeroAndTodayAsDate)
{
    TVxgSpinEdit spin;
    EXPECT_EQ(spin.Text(), "0");
    spin.SetSpinType(TVxgSpinType::sptDate);
    EXPECT_EQ(DateOf(spin.DateValue()), QDate::currentDate());
    EXPECT_NE(spin.Text(), "0");
}

struct CharCase {
    const char* name;
    Loc locale;
    TVxgSpinType type;
    int precision;
    const char* text;
    int selStart;
    int selLength;
    char16_t key;
    bool accepted;
};

const CharCase kChars[] = {
    {"int digit", Loc::Comma, TVxgSpinType::sptNormal, 0, "12", 2, 0, u'7', true},
    {"int letter", Loc::Comma, TVxgSpinType::sptNormal, 0, "12", 2, 0, u'a', false},
    {"int decimal separator", Loc::Comma, TVxgSpinType::sptNormal, 0, "12", 2, 0, u',', false},
    {"int minus in the middle", Loc::Point, TVxgSpinType::sptNormal, 0, "12", 1, 0, u'-', false},
    {"int minus at start", Loc::Point, TVxgSpinType::sptNormal, 0, "12", 0, 0, u'-', true},
    {"int second minus", Loc::Point, TVxgSpinType::sptNormal, 0, "-5", 0, 0, u'-', false},
    {"int minus replacing the selected one", Loc::Point, TVxgSpinType::sptNormal, 0, "-5", 0, 1, u'-', true},
    {"int Ctrl+C", Loc::Point, TVxgSpinType::sptNormal, 0, "12", 0, 0, 3, false},
    {"int Ctrl+V", Loc::Point, TVxgSpinType::sptNormal, 0, "12", 0, 0, 22, false},
    {"int backspace", Loc::Point, TVxgSpinType::sptNormal, 0, "12", 2, 0, 8, true},
    {"float comma separator", Loc::Comma, TVxgSpinType::sptFloat, 0, "1", 1, 0, u',', true},
    {"float point in comma locale is the thousands separator", Loc::Comma, TVxgSpinType::sptFloat, 0, "1", 1, 0, u'.', false},
    {"float point separator", Loc::Point, TVxgSpinType::sptFloat, 0, "1", 1, 0, u'.', true},
    {"float comma in point locale is the thousands separator", Loc::Point, TVxgSpinType::sptFloat, 0, "1", 1, 0, u',', false},
    {"float second separator", Loc::Comma, TVxgSpinType::sptFloat, 0, "1,5", 3, 0, u',', false},
    {"float separator replacing the selected one", Loc::Comma, TVxgSpinType::sptFloat, 0, "1,5", 1, 1, u',', true},
    {"float precision full", Loc::Comma, TVxgSpinType::sptFloat, 2, "1,25", 4, 0, u'3', false},
    {"float precision before separator", Loc::Comma, TVxgSpinType::sptFloat, 2, "1,25", 1, 0, u'3', true},
    {"float precision with selection", Loc::Point, TVxgSpinType::sptFloat, 2, "1.25", 3, 1, u'3', true},
    {"float Ctrl+C", Loc::Point, TVxgSpinType::sptFloat, 0, "12", 0, 0, 3, true},
    {"float time separator", Loc::Point, TVxgSpinType::sptFloat, 0, "12", 2, 0, u':', false},
    {"float carriage return", Loc::Point, TVxgSpinType::sptFloat, 0, "12", 2, 0, 13, false},
    {"date separator dot", Loc::Comma, TVxgSpinType::sptDate, 0, "1", 1, 0, u'.', true},
    {"date separator slash", Loc::Point, TVxgSpinType::sptDate, 0, "1", 1, 0, u'/', true},
    {"date time separator", Loc::Point, TVxgSpinType::sptDate, 0, "1", 1, 0, u':', false},
    {"date letter", Loc::Point, TVxgSpinType::sptDate, 0, "1", 1, 0, u'x', false},
    {"date Ctrl+V", Loc::Comma, TVxgSpinType::sptDate, 0, "1", 1, 0, 22, true},
    {"time separator", Loc::Comma, TVxgSpinType::sptTime, 0, "12", 2, 0, u':', true},
    {"time third separator", Loc::Comma, TVxgSpinType::sptTime, 0, "1:2:3", 5, 0, u':', false},
    {"time date separator slash", Loc::Point, TVxgSpinType::sptTime, 0, "1", 1, 0, u'/', false},
    {"time Ctrl+X", Loc::Point, TVxgSpinType::sptTime, 0, "1", 1, 0, 24, true},
};

TEST(VxgSpinEdit, AcceptsCharactersByKind)
{
    for (const CharCase& c : kChars) {
        SCOPED_TRACE(c.name);
        auto scope = Use(c.locale);
        TVxgSpinEdit spin;
        spin.SetSpinType(c.type);
        spin.SetPrecision(c.precision);
        spin.SetText(QString::fromUtf8(c.text));
        spin.setSelection(c.selStart, c.selLength);
        if (c.selLength == 0)
            spin.SetSelStart(c.selStart);
        EXPECT_EQ(spin.AcceptChar(QChar(c.key)), c.accepted);
    }
}

TEST(VxgSpinEdit, EditorDisabledRefusesAllButControlCharacters)
{
    TVxgSpinEdit spin;
    spin.SetSpinType(TVxgSpinType::sptFloat);
    spin.SetEditorEnabled(false);
    EXPECT_FALSE(spin.AcceptChar(QChar(u'5')));
    EXPECT_FALSE(spin.AcceptChar(QChar(char16_t(8))));
    EXPECT_TRUE(spin.AcceptChar(QChar(char16_t(27))));
}

TEST(VxgSpinEdit, RefusedTypingBeepsAndLeavesTheText)
{
    BeepCounter beeps;
    TVxgSpinEdit spin;
    spin.SetText("12");
    spin.SetSelStart(2);
    QTest::keyClicks(&spin, "a3");
    EXPECT_EQ(spin.Text(), "123");
    EXPECT_EQ(beeps.Count(), 1);
    // Ctrl+C arrives as character 3: refused in an integer spin edit, so nothing reaches the clipboard.
    QApplication::clipboard()->setText("before");
    spin.SelectAll();
    QTest::keyClick(&spin, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    EXPECT_EQ(beeps.Count(), 2);
}

TEST(VxgSpinEdit, PasteIsNotFilteredButNeedsAnEnabledEditor)
{
    TVxgSpinEdit spin;
    spin.SetText("");
    QApplication::clipboard()->setText("abc");
    spin.WMPaste();
    EXPECT_EQ(spin.Text(), "abc");
    EXPECT_EQ(spin.Value(), spin.MinValue());
    spin.SetEditorEnabled(false);
    spin.SetText("1");
    spin.SelectAll();
    spin.WMPaste();
    spin.WMCut();
    EXPECT_EQ(spin.Text(), "1");
}

TEST(VxgSpinEdit, KeypadPointBecomesTheDecimalSeparator)
{
    auto scope = CommaDecimals();
    TVxgSpinEdit spin;
    spin.SetSpinType(TVxgSpinType::sptFloat);
    spin.SetExcelStyleDecimalSeparator(true);
    spin.SetText("1");
    spin.SetSelStart(1);
    QTest::keyClick(&spin, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(spin.Text(), "1,");
}

TEST(VxgSpinEdit, LeavingBringsTheValueIntoRange)
{
    QWidget window;
    auto* spin = new TVxgSpinEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    spin->setFocus();
    spin->SetText("150");
    other->setFocus();
    EXPECT_EQ(spin->Text(), "100");

    // Text that is no number reads as MinValue, which lies in the range: it stays.
    spin->setFocus();
    spin->SetText("abc");
    other->setFocus();
    EXPECT_EQ(spin->Text(), "abc");
}

// Holding a button: the first repeat 400 ms after the press, then every 100 ms, and one more step on release.
TEST(VxgSpinEdit, HeldButtonRepeatsThroughItsTimer)
{
    TVxgSpinEdit spin;
    spin.resize(80, 24);
    TVxTimerSpeedButton* up = spin.Button()->UpButton();
    ASSERT_EQ(up->RepeatTimer(), nullptr);
    const QPoint inside(up->width() / 2, up->height() / 2);
    QTest::mousePress(up, Qt::LeftButton, {}, inside);
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_TRUE(up->RepeatTimer()->isActive());
    EXPECT_EQ(up->RepeatTimer()->interval(), 400);
    EXPECT_EQ(spin.Text(), "0");
    up->TimerExpired();
    EXPECT_EQ(spin.Text(), "1");
    EXPECT_EQ(up->RepeatTimer()->interval(), 100);
    up->TimerExpired();
    EXPECT_EQ(spin.Text(), "2");
    QTest::mouseRelease(up, Qt::LeftButton, {}, inside);
    EXPECT_EQ(spin.Text(), "3");
    EXPECT_FALSE(up->RepeatTimer()->isActive());
}

TEST(VxgSpinEdit, ReleaseOutsideTheButtonDoesNotStep)
{
    TVxgSpinEdit spin;
    spin.resize(80, 24);
    TVxTimerSpeedButton* down = spin.Button()->DownButton();
    spin.SetText("5");
    QTest::mousePress(down, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(down, QPoint(40, 40));
    // Dragged off the button: an expiring timer does not click either.
    down->TimerExpired();
    QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(spin.Text(), "5");
    QTest::mouseClick(down, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(spin.Text(), "4");
}

TEST(VxgSpinEdit, ButtonPairLayout)
{
    TVxgSpinButton pair;
    pair.resize(15, 20);
    pair.show();
    EXPECT_EQ(pair.UpButton()->geometry(), QRect(0, 0, 15, 10));
    EXPECT_EQ(pair.DownButton()->geometry(), QRect(0, 9, 15, 11));
    pair.SetDirection(TSpinDirection::spHorizontal);
    EXPECT_EQ(pair.width(), 20);
    EXPECT_EQ(pair.DownButton()->geometry(), QRect(0, 0, 10, 20));
    EXPECT_EQ(pair.UpButton()->geometry(), QRect(11, 0, 10, 20));
    EXPECT_EQ(pair.UpButton()->ButtonDirection(), TButtonDirection::bdRight);
}

TEST(VxgSpinEdit, HeightIsRaisedToTheMinimum)
{
    TVxgSpinEdit spin;
    spin.show();
    spin.resize(80, 5);
    EXPECT_EQ(spin.height(), spin.MinimumHeight());
}

} // namespace

namespace {

TEST(VxgSpinEdit, ReturnIsTabMovesOnToTheNextControl)
{
    QWidget window;
    auto* spin = new TVxgSpinEdit(&window);
    auto* next = new QLineEdit(&window);
    next->move(0, 40);
    spin->SetReturnIsTab(true);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(next->hasFocus());
}

TEST(VxgSpinEdit, ButtonPairKeysClickTheButtons)
{
    TVxgSpinEdit spin;
    spin.SetText("5");
    TVxgSpinButton* pair = spin.Button();
    pair->SetTabStop(true);
    QTest::keyClick(pair, Qt::Key_Down);
    EXPECT_EQ(spin.Text(), "4");
    EXPECT_EQ(pair->FocusedButton(), pair->DownButton());
    QTest::keyClick(pair, Qt::Key_Space);
    EXPECT_EQ(spin.Text(), "3");
    QTest::keyClick(pair, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "4");
    EXPECT_EQ(pair->FocusedButton(), pair->UpButton());
}

} // namespace
