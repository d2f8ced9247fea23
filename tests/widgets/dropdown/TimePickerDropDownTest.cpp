#include "DropDownFixture.h"
#include "ManualWatchTime.h"
#include "grid/model/GridText.h"
#include "platform/DateTimePicker.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/VxTimePickerDropDown.h"
#include <gtest/gtest.h>

namespace {
// A time picker on a hand-stepped time source, its edit typed into like any edit.
struct TimePicker {
    ManualWatchTime source;
    DropDownWindow<TVxTimePickerDropDown> w;
    TVxTimePickerDropDown& d = *w.edit;
    int timeChanges = 0;
    TimePicker()
    {
        d.SetEditorEnabled(true);
        d.OnTimeChange = [this](QObject*) { ++timeChanges; };
    }
    // The caret put at Pos by the keyboard; it steps over the separators.
    void Caret(int Pos)
    {
        TypeKey(&d, Qt::Key_Home);
        for (int i = 0; i < 8 && d.cursorPosition() < Pos; ++i)
            TypeKey(&d, Qt::Key_Right);
        ASSERT_EQ(d.cursorPosition(), Pos);
    }
    QString Shown(const char* text) const { return QString::fromLatin1(text).replace(u':', TimeSeparatorChar()); }
};

struct FieldCase {
    const char* name;
    TDateTime from;
    int caret;
    Qt::Key key;
    TDateTime to;
};
} // namespace

TEST(TimePickerDropDown, ArrowsStepTheFieldUnderTheCaret)
{
    const FieldCase cases[] = {
        {"hour, caret at 0: Up lowers", HMS(12, 34, 56), 0, Qt::Key_Up, HMS(11, 34, 56)},
        {"after the first hour digit", HMS(12, 34, 56), 1, Qt::Key_Up, HMS(11, 34, 56)},
        {"right after the first separator", HMS(12, 34, 56), 3, Qt::Key_Up, HMS(12, 33, 56)},
        {"minute: Down raises", HMS(12, 34, 56), 4, Qt::Key_Down, HMS(12, 35, 56)},
        {"second", HMS(12, 34, 56), 6, Qt::Key_Up, HMS(12, 34, 55)},
        {"second at the end", HMS(12, 34, 56), 8, Qt::Key_Down, HMS(12, 34, 57)},
        {"Up on hour 0 wraps to 23", HMS(0, 10, 0), 1, Qt::Key_Up, HMS(23, 10, 0)},
        {"Down on hour 23 wraps to 0", HMS(23, 10, 0), 1, Qt::Key_Down, HMS(0, 10, 0)},
        {"Up on minute 0 keeps the hour", HMS(5, 0, 0), 4, Qt::Key_Up, HMS(5, 59, 0)},
        {"Down on second 59 keeps the minute", HMS(5, 7, 59), 7, Qt::Key_Down, HMS(5, 7, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TimePicker p;
        p.d.SetTime(c.from);
        p.Caret(c.caret);
        TypeKey(&p.d, c.key);
        EXPECT_EQ(TimeText(p.d.Time()), TimeText(c.to));
        EXPECT_EQ(p.d.cursorPosition(), c.caret);
        EXPECT_EQ(p.timeChanges, 1);
        int h, m, s, ms;
        DecodeTime(c.to, h, m, s, ms);
        EXPECT_EQ(p.d.text(), p.Shown(QString::asprintf("%02d:%02d:%02d", h, m, s).toLatin1().constData()));
    }
}

TEST(TimePickerDropDown, ArrowsWithoutSecondsAndWithModifiers)
{
    TimePicker p;
    p.d.SetShowSeconds(false);
    p.d.SetTime(HMS(12, 34));
    EXPECT_EQ(p.d.text(), p.Shown("12:34"));
    p.Caret(5);
    TypeKey(&p.d, Qt::Key_Down);
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(12, 35)));
    TypeKey(&p.d, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(12, 35)));
    TypeKey(&p.d, Qt::Key_Up, Qt::AltModifier);   // opens the pop-up instead
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(12, 35)));
    EXPECT_TRUE(p.d.DroppedDown());
    EXPECT_EQ(p.timeChanges, 1);
}

TEST(TimePickerDropDown, WritingTimeShowsWholeSecondsOrMinutes)
{
    TimePicker p;
    p.d.SetTime(HMS(10, 15, 30, 250));
    EXPECT_EQ(p.d.text(), p.Shown("10:15:30"));
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(10, 15, 30)));
    // Switching the seconds off keeps the time and rebuilds mask and text.
    p.d.SetShowSeconds(false);
    EXPECT_EQ(p.d.text(), p.Shown("10:15"));
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(10, 15)));
    p.d.SetTime(HMS(8, 5, 59, 999));
    EXPECT_EQ(p.d.text(), p.Shown("08:05"));
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(8, 5)));
    p.d.SetShowSeconds(true);
    EXPECT_EQ(p.d.text(), p.Shown("08:05:00"));
    EXPECT_EQ(p.timeChanges, 0);
}

TEST(TimePickerDropDown, TypedTimeIsTakenOverUnlessNoClockHasIt)
{
    TimePicker p;
    p.d.SetShowSeconds(false);
    p.d.SetTime(HMS(7, 30));
    p.d.selectAll();
    TypeChars(&p.d, QStringLiteral("0945"));
    EXPECT_EQ(p.d.text(), p.Shown("09:45"));
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(9, 45)));
    // An hour past 23 or a minute past 59 leaves the time as it was.
    for (const char* typed : {"2500", "1175"}) {
        SCOPED_TRACE(typed);
        p.d.selectAll();
        TypeChars(&p.d, QString::fromLatin1(typed));
        EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(9, 45)));
    }
    EXPECT_EQ(p.timeChanges, 0);   // typing does not count as a time change
}

TEST(TimePickerDropDown, ClockInThePopupSetsTheTime)
{
    TimePicker p;
    p.d.SetTime(HMS(10, 0));
    p.d.ShowDropDown();
    ASSERT_TRUE(p.d.DroppedDown());
    TVxWatch* clock = p.d.Watch();
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(TimeText(clock->Time()), TimeText(HMS(10, 0)));
    EXPECT_EQ(p.d.DropDownForm()->width(), 170);
    // The hand moves to the click; the edit follows when it arrives.
    QTest::mouseClick(clock, Qt::LeftButton, Qt::NoModifier, QPoint(163, 84));   // the ring at 3 o'clock
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(10, 0)));
    p.source.RunAnimation([] {});
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(10, 15)));
    EXPECT_EQ(p.d.text(), p.Shown("10:15:00"));
    // Keys typed in the pop-up: PageUp goes to the clock, Up is held back from the edit's fields.
    QWidget* popup = p.d.DropDownForm();
    TypeKey(popup, Qt::Key_PageUp);
    p.source.RunAnimation([] {});
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(11, 15)));
    TypeKey(popup, Qt::Key_Up);
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(11, 15)));
    // Without animation the clock reports no arrival: closing takes its time over.
    p.d.SetAnimation(false);
    p.d.HideDropDown(false);
    p.d.ShowDropDown();
    QTest::mouseClick(clock, Qt::LeftButton, Qt::NoModifier, QPoint(84, 163));   // below: minute 30
    EXPECT_EQ(TimeText(clock->Time()), TimeText(HMS(11, 30)));
    TypeKey(popup, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(p.d.DroppedDown());
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(11, 30)));
}

TEST(TimePickerDropDown, EscapeLeavesTimeAndTextAndSetsTheClockBack)
{
    TimePicker p;
    p.d.SetAnimation(false);
    p.d.SetTime(HMS(10, 0));
    p.d.ShowDropDown();
    TVxWatch* clock = p.d.Watch();
    QTest::mouseClick(clock, Qt::LeftButton, Qt::NoModifier, QPoint(84, 163));   // minute 30 on the clock only
    TypeKey(p.d.DropDownForm(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(p.d.DroppedDown());
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(10, 0)));
    EXPECT_EQ(p.d.text(), p.Shown("10:00:00"));
    EXPECT_EQ(TimeText(clock->Time()), TimeText(HMS(10, 0)));

    // Cancelled while the clock still animates: the moving hand is not taken, then or later.
    p.d.SetAnimation(true);
    p.d.ShowDropDown();
    QTest::mouseClick(clock, Qt::LeftButton, Qt::NoModifier, QPoint(84, 163));
    p.source.Last(1).OnTimer();
    ASSERT_EQ(TimeText(clock->Time()), TimeText(HMS(10, 3)));
    TypeKey(p.d.DropDownForm(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    p.source.RunAnimation([] {});
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(10, 0)));
    EXPECT_EQ(p.d.text(), p.Shown("10:00:00"));
}

TEST(TimePickerDropDown, TimePickerFollowsTheClock)
{
    TimePicker p;
    p.d.SetShowTimePicker(true);
    p.d.SetTime(HMS(9, 20, 5));
    p.d.ShowDropDown();
    TDateTimePicker* picker = p.d.DateTimePicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->time(), QTime(9, 20, 5));
    QTest::mouseClick(p.d.Watch(), Qt::LeftButton, Qt::NoModifier, QPoint(163, 84));
    p.source.RunAnimation([] {});
    EXPECT_EQ(picker->time(), QTime(9, 15, 5));
    EXPECT_EQ(p.timeChanges, 1);
    EXPECT_EQ(TimeText(p.d.Time()), TimeText(HMS(9, 15, 5)));
    p.d.HideDropDown(false);
    p.d.SetShowTimePicker(false);
    p.d.ShowDropDown();
    EXPECT_FALSE(picker->isVisible());
}

TEST(TimePickerDropDown, StyleColoursGoToTheClockLook)
{
    TimePicker p;
    EXPECT_FALSE(TVxTimePickerDropDown().EditorEnabled());
    EXPECT_EQ(p.d.WatchAppearance().BackgroundColor(), 0xFFEFE3u);   // the default style's
    p.d.SetComponentStyle(TZarnStyle::tsWindows7);
    EXPECT_EQ(p.d.WatchAppearance().BackgroundColorTo(), 0xFDF3EBu);
    EXPECT_EQ(p.d.WatchAppearance().HourColor(), 0xFBD6B8u);
    p.d.ShowDropDown();
    EXPECT_EQ(p.d.Watch()->Appearance().BackgroundColorTo(), 0xFDF3EBu);
}
