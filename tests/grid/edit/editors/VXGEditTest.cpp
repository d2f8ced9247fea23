#include "grid/edit/editors/BeepCounter.h"
#include "grid/edit/editors/VXGEdit.h"
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Clicks {
    int count = 0;
    QObject* sender = nullptr;
    TNotifyEvent Handler()
    {
        return [this](QObject* s) {
            ++count;
            sender = s;
        };
    }
};

TEST(VxgEditBtn, F4ClicksTheButtonOnlyWithoutCtrlOrAlt)
{
    const struct {
        Qt::KeyboardModifiers mods;
        int clicks;
    } cases[] = {{Qt::NoModifier, 1}, {Qt::ShiftModifier, 1}, {Qt::ControlModifier, 0}, {Qt::AltModifier, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.mods));
        TVxgEditBtn edit;
        Clicks clicks;
        edit.OnClickBtn = clicks.Handler();
        QTest::keyClick(&edit, Qt::Key_F4, c.mods);
        EXPECT_EQ(clicks.count, c.clicks);
        if (c.clicks) {
            EXPECT_EQ(clicks.sender, &edit);
        }
    }
}

TEST(VxgEditBtn, ReleaseAnywhereAfterPressingTheButtonClicks)
{
    TVxgEditBtn edit;
    edit.resize(120, 24);
    edit.show();
    Clicks clicks;
    edit.OnClickBtn = clicks.Handler();
    TVxSpeedButton* button = edit.Button()->Button();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(clicks.sender, edit.Button());
    // A right-button release is no click.
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_EQ(clicks.count, 1);
}

TEST(VxgEditBtn, DisabledEditorDropsTypingSilentlyAndRefusesPaste)
{
    BeepCounter beeps;
    TVxgEditBtn edit;
    edit.SetText("ab");
    edit.SetEditorEnabled(false);
    edit.SetSelStart(2);
    QTest::keyClicks(&edit, "cd");
    QApplication::clipboard()->setText("zz");
    edit.WMPaste();
    edit.SelectAll();
    edit.WMCut();
    EXPECT_EQ(edit.Text(), "ab");
    EXPECT_EQ(beeps.Count(), 0);
    edit.SetEditorEnabled(true);
    edit.SetSelStart(2);
    QTest::keyClicks(&edit, "c");
    edit.WMPaste();
    EXPECT_EQ(edit.Text(), "abczz");
}

TEST(VxgEditBtn, ButtonWidthReadsZeroUntilAssigned)
{
    TVxgEditBtn edit;
    EXPECT_EQ(edit.ButtonWidth(), 0);
    EXPECT_EQ(edit.Button()->width(), 18);
    edit.SetButtonWidth(25);
    EXPECT_EQ(edit.Button()->width(), 25);
    EXPECT_EQ(edit.Button()->Button()->width(), 25);
}

TEST(VxgUnitEditBtn, SplitsAtTheFirstUnitThatEndsTheValue)
{
    const struct {
        QStringList units;
        const char* value;
        const char* text;
        const char* unit;
    } cases[] = {
        {{"m", "mm"}, "12mm", "12", "mm"},   // m first occurs before the end: mm is tried next
        {{"mm", "m"}, "12mm", "12", "mm"},
        {{"m", "mm"}, "5m", "5", "m"},
        {{"m"}, "m2m", "old", "kg"},          // the unit occurs earlier in the value: no split
        {{"m"}, "12", "old", "kg"},
        {{"°C", "K"}, "-3,5°C", "-3,5", "°C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TVxgUnitEditBtn edit;
        edit.SetUnits(c.units);
        edit.SetText("old");
        edit.SetUnitID("kg");
        edit.SetTextAndUnit(QString::fromUtf8(c.value));
        EXPECT_EQ(edit.Text(), QString::fromUtf8(c.text));
        EXPECT_EQ(edit.UnitID(), QString::fromUtf8(c.unit));
        EXPECT_EQ(edit.TextAndUnit(), QString::fromUtf8(c.text) + QString::fromUtf8(c.unit));
    }
}

TEST(VxgUnitEditBtn, ButtonPopsUpTheUnitsAndReportsAChange)
{
    TVxgUnitEditBtn edit;
    edit.resize(120, 24);
    edit.show();
    edit.SetUnits({"V", "mV", "kV"});
    edit.SetUnitID("V");
    Clicks clicks;
    edit.OnClickBtn = clicks.Handler();
    QStringList changes;
    edit.OnUnitChanged = [&](QObject* Sender, const QString& NewUnit) {
        EXPECT_EQ(Sender, &edit);
        changes << NewUnit;
    };
    QTest::mouseClick(edit.Button()->Button(), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(clicks.sender, &edit);
    auto* menu = edit.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[1]->text(), "mV");
    menu->actions()[1]->trigger();
    EXPECT_EQ(edit.UnitID(), "mV");
    edit.WMCommand(2);   // the unit already shown
    edit.WMCommand(4);   // no such item
    EXPECT_EQ(changes, QStringList{"mV"});
    menu->close();
}

TEST(VxgUnitEditBtn, RightAlignedWithRoomForTheUnit)
{
    TVxgUnitEditBtn edit;
    EXPECT_TRUE(edit.RightAlign());
    EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
    EXPECT_EQ(edit.UnitSpace(), 20);
    // Button, unit space, and the 5 + 3 pixels around the unit.
    EXPECT_EQ(edit.textMargins().right(), 18 + 20 + 5 + 3);
    TVxgEditBtn plain;
    EXPECT_EQ(plain.textMargins().right(), 18 + 5);
}

} // namespace
