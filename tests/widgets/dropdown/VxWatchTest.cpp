#include "ManualWatchTime.h"
#include "support/QStringPrinter.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A shown 180 x 180 clock on a time source stepped by hand.
struct Clock {
    ManualWatchTime source;
    QWidget window;
    TVxWatch* watch = new TVxWatch(&window);
    int changes = 0;
    Clock()
    {
        watch->OnChange = [this](QObject*) { ++changes; };
        window.resize(200, 200);
        window.show();
    }
    void Click(QPoint at) { QTest::mouseClick(watch, Qt::LeftButton, Qt::NoModifier, at); }
};
} // namespace

TEST(VxWatch, Geometry)
{
    Clock c;
    EXPECT_EQ(c.watch->GetWatchRect(), Rect(10, 10, 170, 170));
    EXPECT_EQ(c.watch->GetCenter(), (TPoint{90, 90}));
    EXPECT_EQ(c.watch->GetRadius(), 80);
    const TRect box = c.watch->GetAMPMRect();
    EXPECT_LE(std::abs(box.Left + box.Right - 180), 1);   // centred on the centre
    EXPECT_GT(box.Top, 90);
    c.watch->resize(200, 150);
    EXPECT_EQ(c.watch->GetWatchRect(), Rect(35, 10, 165, 140));
    c.watch->Appearance().SetSize(100);
    EXPECT_EQ(c.watch->GetWatchRect(), Rect(50, 25, 150, 125));
    c.watch->Appearance().SetSize(400);   // limited to the control
    EXPECT_EQ(c.watch->GetWatchRect(), Rect(25, 0, 175, 150));
    c.watch->SetShowAMPM(false);
    EXPECT_EQ(c.watch->GetAMPMRect(), Rect(-1, -1, -1, -1));
}

struct ClickCase {
    const char* name;
    TDateTime from;
    QPoint at;
    TDateTime to;
};

TEST(VxWatch, ClicksOnDialAndRing)
{
    const ClickCase cases[] = {
        {"ring at 3 o'clock: minute 15", HMS(10, 0), {175, 90}, HMS(10, 15)},
        {"ring straight below: 30", HMS(10, 0), {90, 176}, HMS(10, 30)},
        {"ring at 9 o'clock: 45", HMS(10, 0), {4, 90}, HMS(10, 45)},
        {"ring straight above from 20: 0 of the same hour", HMS(10, 20), {90, 4}, HMS(10, 0)},
        {"ring straight above from 45: 0 of the next hour", HMS(10, 45), {90, 4}, HMS(11, 0)},
        {"dial at 4 o'clock, AM", HMS(10, 30), {133, 115}, HMS(4, 30)},
        {"dial at 4 o'clock, PM", HMS(22, 30), {133, 115}, HMS(16, 30)},
        {"just left of 12, AM: 12", HMS(3, 0), {85, 40}, HMS(12, 0)},
        {"just left of 12, PM: 0", HMS(15, 0), {85, 40}, HMS(0, 0)},
        {"just right of 12, AM: 0", HMS(3, 0), {95, 40}, HMS(0, 0)},
        {"just right of 12, PM: 12", HMS(15, 0), {95, 40}, HMS(12, 0)},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Clock c;
        c.watch->SetAnimation(false);
        c.watch->SetTime(k.from);
        c.Click(k.at);
        EXPECT_EQ(TimeText(c.watch->Time()), TimeText(k.to));
    }
}

TEST(VxWatch, AmPmBoxSwitchesTheHalfOfTheDay)
{
    Clock c;
    c.watch->SetAnimation(false);
    c.watch->SetTime(HMS(9, 30));
    EXPECT_TRUE(c.watch->AM());
    const TRect box = c.watch->GetAMPMRect();
    const QPoint inBox((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    c.Click(inBox);
    EXPECT_EQ(TimeText(c.watch->Time()), TimeText(HMS(21, 30)));
    EXPECT_FALSE(c.watch->AM());
    EXPECT_EQ(c.changes, 1);
    c.Click(inBox);
    EXPECT_EQ(TimeText(c.watch->Time()), TimeText(HMS(9, 30)));
    EXPECT_TRUE(c.watch->AM());
    EXPECT_EQ(c.source.paused, 0);   // no roll without animation

    // Animated, the label rolls one pixel a frame with a 10 ms pause each, then the hour changes at once.
    c.watch->SetAnimation(true);
    c.Click(inBox);
    EXPECT_EQ(c.source.paused, 10 * (box.Height() - 2));
    EXPECT_EQ(TimeText(c.watch->Time()), TimeText(HMS(21, 30)));
    EXPECT_FALSE(c.watch->Animating());
}

struct KeyCase {
    const char* name;
    std::uint16_t key;
    TDateTime from;
    TDateTime to;
};

TEST(VxWatch, Keys)
{
    const KeyCase cases[] = {
        {"Right at 10:59", VK_RIGHT, HMS(10, 59), HMS(11, 0)},
        {"Right at 23:59", VK_RIGHT, HMS(23, 59), HMS(0, 0)},
        {"Left at 10:00", VK_LEFT, HMS(10, 0), HMS(9, 59)},
        {"Left at 00:00:30.5 keeps seconds", VK_LEFT, HMS(0, 0, 30, 500), HMS(23, 59, 30, 500)},
        {"Left at 10:07", VK_LEFT, HMS(10, 7), HMS(10, 6)},
        {"End at 10:45", VK_END, HMS(10, 45), HMS(11, 0)},
        {"End at 10:20", VK_END, HMS(10, 20), HMS(10, 0)},
        {"Home", VK_HOME, HMS(3, 15), HMS(12, 15)},
        {"PageUp", VK_PRIOR, HMS(8, 10), HMS(9, 10)},
        {"PageUp at 23", VK_PRIOR, HMS(23, 10), HMS(0, 10)},
        {"PageDown at 0", VK_NEXT, HMS(0, 10), HMS(23, 10)},
        {"A in the afternoon", 'A', HMS(15, 5), HMS(3, 5)},
        {"A in the morning", 'A', HMS(3, 5), HMS(3, 5)},
        {"P in the morning", 'P', HMS(3, 5), HMS(15, 5)},
        {"another key", VK_UP, HMS(3, 5), HMS(3, 5)},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        for (bool animated : {false, true}) {
            Clock c;
            c.watch->SetAnimation(animated);
            c.watch->SetTime(k.from);
            c.watch->WatchKeyDown(k.key);
            c.source.RunAnimation([] {});
            EXPECT_EQ(TimeText(c.watch->Time()), TimeText(k.to)) << (animated ? "animated" : "direct");
        }
    }
}

TEST(VxWatch, MinuteAnimationStepsTheShortWayRound)
{
    {
        Clock c;
        c.watch->SetTime(HMS(10, 50));
        c.watch->SetMinute(0);
        EXPECT_TRUE(c.watch->Animating());
        EXPECT_EQ(TimeText(c.watch->Time()), TimeText(HMS(10, 50)));   // nothing before the first tick
        std::vector<std::string> seen;
        c.source.RunAnimation([&] { seen.push_back(TimeText(c.watch->Time()).substr(0, 5)); });
        const std::vector<std::string> forward = {"10:51", "10:52", "10:53", "10:54", "10:55", "10:56",
                                                  "10:57", "10:58", "10:59", "11:00", "11:00"};
        EXPECT_EQ(seen, forward);
        EXPECT_EQ(c.changes, 1);   // once, on arrival
    }
    {
        Clock c;
        c.watch->SetTime(HMS(10, 20));
        c.watch->SetMinute(0);
        std::vector<std::string> seen;
        c.source.RunAnimation([&] { seen.push_back(TimeText(c.watch->Time()).substr(0, 5)); });
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(seen.front(), "10:18");   // backward by nearest(20 / 10)
        EXPECT_EQ(seen.back(), "10:00");
        EXPECT_TRUE(std::is_sorted(seen.rbegin(), seen.rend()));
        EXPECT_EQ(c.changes, 1);
    }
}

TEST(VxWatch, HourAnimationAndItsLimits)
{
    Clock c;
    c.watch->SetTime(HMS(3, 25));
    c.watch->SetHour(20);
    std::vector<std::string> seen;
    c.source.RunAnimation([&] { seen.push_back(TimeText(c.watch->Time()).substr(0, 2)); });
    EXPECT_EQ(seen, (std::vector<std::string>{"05", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17", "18",
                                              "19", "20", "20"}));
    EXPECT_EQ(c.changes, 1);
    EXPECT_FALSE(c.watch->AM());

    // An hour past 23 is refused before any animation starts; a minute of 60 is an error.
    c.watch->SetHour(24);
    EXPECT_FALSE(c.watch->Animating());
    c.watch->SetAnimation(false);
    c.watch->SetHour(30);
    EXPECT_EQ(TimeText(c.watch->Time()), TimeText(HMS(20, 25)));
    EXPECT_THROW(c.watch->SetMinute(60), std::invalid_argument);
}

TEST(VxWatch, AnimationFactorOfZeroOrLessCountsAsOne)
{
    for (int factor : {0, -5, 1}) {
        SCOPED_TRACE(factor);
        Clock c;
        c.watch->SetAnimationFactor(factor);
        c.watch->SetTime(HMS(10, 10));
        c.watch->SetMinute(40);
        std::vector<std::string> seen;
        c.source.RunAnimation([&] { seen.push_back(TimeText(c.watch->Time()).substr(0, 5)); });
        EXPECT_EQ(seen, (std::vector<std::string>{"10:40", "10:40"}));
        EXPECT_EQ(c.changes, 1);
    }
}

TEST(VxWatch, LiveClockIgnoresClicksAndKeys)
{
    Clock c;
    c.source.now = HMS(14, 5, 7);
    c.watch->Settings().SetAuto(true);
    EXPECT_TRUE(c.source.Last(100).on);
    EXPECT_EQ(TimeText(c.watch->Time()), TimeText(HMS(14, 5, 7)));
    EXPECT_FALSE(c.watch->AM());
    c.Click({175, 90});
    c.Click({133, 115});
    c.watch->WatchKeyDown(VK_PRIOR);
    EXPECT_FALSE(c.watch->Animating());
    EXPECT_EQ(TimeText(c.watch->Time()), TimeText(HMS(14, 5, 7)));
    c.watch->Settings().SetAuto(false);
    EXPECT_FALSE(c.source.Last(100).on);
}

TEST(VxWatch, StylePresetsApplyFromTheDefaultsOnChange)
{
    Clock c;
    c.watch->SetStyle(TWatchStyle::wsClassic);   // stored but not applied by the constructor: no change
    EXPECT_EQ(c.watch->Appearance().HourMarkLength(), 0);
    c.watch->SetStyle(TWatchStyle::wsTower);
    const TWatchAppearance& a = c.watch->Appearance();
    EXPECT_EQ(a.BackgroundColor(), 0xB1F0FEu);
    EXPECT_EQ(a.Shape(), TWatchShape::wsRect);
    EXPECT_EQ(a.PointerStyle(), TPointerStyle::psPointer);
    EXPECT_EQ(a.HourFont().Name(), QStringLiteral("Century"));
    EXPECT_FALSE(c.watch->ShowNumbers());
    c.watch->Appearance().SetBorderWidth(7);
    c.watch->SetStyle(TWatchStyle::wsTower);   // the same style: not applied again
    EXPECT_EQ(a.BorderWidth(), 7);
    c.watch->SetStyle(TWatchStyle::wsSuperNova);
    EXPECT_EQ(a.BorderWidth(), 4);   // back to the defaults first
    EXPECT_EQ(a.HourMarkLength(), 40);   // nearest(180 / 4.5)
    EXPECT_EQ(a.MinuteMarkLength(), 60);
    c.watch->SetStyle(TWatchStyle::wsClassic);
    EXPECT_EQ(a.HourMarkLength(), 8);
    EXPECT_EQ(a.HourFont().Name(), QStringLiteral("Comic Sans MS"));
}

TEST(VxWatch, LibraryStyleColours)
{
    Clock c;
    TWatchAppearance& a = c.watch->Appearance();
    c.watch->SetComponentStyle(TZarnStyle::tsOffice2003Blue);
    EXPECT_EQ(a.BackgroundColor(), 0xFFD2AFu);
    EXPECT_EQ(a.AMPMColor(), 0xD68759u);
    EXPECT_EQ(a.AMPMBorderColor(), 0x962D00u);
    EXPECT_EQ(a.MinutePointer(), 0xD68759u);
    EXPECT_EQ(a.HourPointerShadow(), 0xFFFFFFu);
    EXPECT_EQ(a.CenterPointOuterBorderColor(), clBlack);
    c.watch->SetComponentStyle(TZarnStyle::tsOffice2007Obsidian);
    EXPECT_EQ(a.HourFont().Color(), 0xF2F1F0u);
    EXPECT_EQ(a.SecondPointer(), 0xF2F1F0u);
    a.SetHourFont(TFont());
    c.watch->SetComponentStyle(TZarnStyle::tsCustom);
    EXPECT_EQ(a.HourFont().Color(), clBlack);
    EXPECT_EQ(a.BackgroundColor(), 0x5C534Cu);   // kept
}

TEST(VxWatch, PaintsFaceHubAndHands)
{
    Clock c;
    c.watch->SetAnimation(false);
    c.watch->SetTime(HMS(3, 0));
    const QImage shot = c.watch->grab().toImage();
    auto at = [&](int x, int y) { return FromQColor(shot.pixelColor(x, y)); };
    EXPECT_EQ(at(90, 90), clBlack);    // the hub
    EXPECT_EQ(at(10, 90), clBlack);    // the border, 4 wide on the dial's edge
    EXPECT_EQ(at(60, 120), clWhite);
    EXPECT_EQ(at(60, 60), clWhite);    // the face
    EXPECT_EQ(at(90, 45), clBlack);    // the minute hand, straight up
    EXPECT_EQ(at(120, 90), clBlack);   // the hour hand, at 3
    EXPECT_EQ(at(90, 140), clWhite);   // nothing down there but the AM/PM box's inside
}
