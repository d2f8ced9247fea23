#include "support/LocaleScope.h"
#include "grid/model/GridFilter.h"
#include "grid/edit/editors/VxDateTimePicker.h"
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TDateTime At(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return ToDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC));
}

struct PickerForm : ::testing::Test {
    QWidget form;
    QLineEdit* other = nullptr;
    void SetUp() override
    {
        form.resize(500, 300);
        other = new QLineEdit(&form);
        other->move(10, 260);
    }
    void ShowForm()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

TEST(VxDateTimePicker, WholeSecondsInBothParts)
{
    TVxDateTimePicker picker;
    picker.resize(200, 24);
    picker.SetDateTime(At(2024, 3, 5, 14, 25, 36, 250));
    ASSERT_NE(picker.TimePicker(), nullptr);
    EXPECT_EQ(FromDateTime(picker.DateTime()), QDateTime(QDate(2024, 3, 5), QTime(14, 25, 36), Qt::UTC));
    EXPECT_EQ(FromDateTime(picker.TimePicker()->PickerDateTime()).time(), QTime(14, 25, 36));
    EXPECT_EQ(FromDateTime(picker.Date()).date(), QDate(2024, 3, 5));
    EXPECT_EQ(FromDateTime(picker.Time()).time(), QTime(14, 25, 36));
}

TEST(VxDateTimePicker, TheTimePartCounts)
{
    TVxDateTimePicker picker;
    picker.SetDateTime(At(2024, 3, 5, 14, 25, 36));
    picker.TimePicker()->SetPickerDateTime(At(2024, 3, 5, 8, 0, 0));
    EXPECT_EQ(FromDateTime(picker.DateTime()), QDateTime(QDate(2024, 3, 5), QTime(8, 0), Qt::UTC));
    picker.SetDate(At(2025, 1, 2, 0, 0, 0));
    EXPECT_EQ(FromDateTime(picker.Date()).date(), QDate(2025, 1, 2));
}

TEST(VxDateTimePicker, KindDecidesTheTimePart)
{
    TVxDateTimePicker picker;
    EXPECT_EQ(picker.VxKind(), TVxDateTimeKind::dkDateTime);
    QPointer<TCustomDateTimePicker> first = picker.TimePicker();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Kind(), TDateTimeKind::dtkTime);
    picker.SetVxKind(TVxDateTimeKind::dkDate);
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(picker.TimePicker(), nullptr);
    picker.SetVxKind(TVxDateTimeKind::dkDateTime);
    ASSERT_NE(picker.TimePicker(), nullptr);
    picker.SetVxKind(TVxDateTimeKind::dkTime);
    EXPECT_EQ(picker.Kind(), TDateTimeKind::dtkTime);
    EXPECT_EQ(picker.TimePicker(), nullptr);
}

TEST(VxDateTimePicker, TimePartSitsAtTheRightEnd)
{
    TVxDateTimePicker picker;
    picker.resize(220, 24);
    picker.show();
    TCustomDateTimePicker* t = picker.TimePicker();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    const int a = QFontMetrics(picker.font()).horizontalAdvance(t->text()) + 31;
    EXPECT_EQ(t->geometry(), QRect(220 - a - 34, 1, a, 22));
}

TEST(VxDateTimePicker, UncheckingDisablesTheTimePart)
{
    TVxDateTimePicker picker;
    picker.SetShowCheckbox(true);
    ASSERT_NE(picker.CheckBox(), nullptr);
    TCustomDateTimePicker* t = picker.TimePicker();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isEnabled());
    picker.SetChecked(false);
    EXPECT_FALSE(picker.Checked());
    EXPECT_FALSE(t->isEnabled());
    picker.SetChecked(true);
    EXPECT_TRUE(t->isEnabled());
    // Checked again while the picker is disabled: the time part stays disabled.
    picker.SetChecked(false);
    picker.setEnabled(false);
    picker.SetChecked(true);
    EXPECT_FALSE(t->isEnabled());
}

TEST(VxDateTimePicker, ChangesOfTheTimePartAreReported)
{
    TVxDateTimePicker picker;
    int changes = 0, timeChanges = 0;
    picker.OnChange = [&](QObject*) { ++changes; };
    picker.OnTimeChange = [&](QObject*) { ++timeChanges; };
    picker.TimePicker()->SetPickerDateTime(At(2024, 3, 5, 9, 30, 0));
    EXPECT_GE(changes, 1);
    EXPECT_EQ(timeChanges, changes);
}

TEST_F(PickerForm, AutoTabInTheTimePicker)
{
    auto* t = new TCustomDateTimePicker(&form);
    t->SetKind(TDateTimeKind::dtkTime);
    t->SetFormat("H:mm:ss");
    t->setGeometry(10, 10, 120, 24);
    t->SetAutoTab(true);
    t->SetPickerDateTime(At(2024, 1, 1, 10, 20, 30));
    ShowForm();
    t->setFocus();
    t->setSelectedSection(QDateTimeEdit::HourSection);
    // The hour becomes 1: changed, so on to the minutes.
    QTest::keyClick(t, Qt::Key_1);
    QCoreApplication::processEvents();
    EXPECT_EQ(t->time().hour(), 1);
    EXPECT_EQ(t->currentSection(), QDateTimeEdit::MinuteSection);
    // A digit that leaves the minute as it was does not advance.
    t->SetPickerDateTime(At(2024, 1, 1, 1, 5, 30));
    t->setCurrentSection(QDateTimeEdit::MinuteSection);
    t->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClick(t, Qt::Key_5);
    QCoreApplication::processEvents();
    EXPECT_EQ(t->time().minute(), 5);
    EXPECT_EQ(t->currentSection(), QDateTimeEdit::MinuteSection);
}

TEST_F(PickerForm, AutoTabFromTheYearIntoTheTimePart)
{
    auto scope = CommaDecimals();
    auto* picker = new TVxDateTimePicker(&form);
    picker->SetFormat("dd.MM.yyyy");
    picker->setGeometry(10, 10, 260, 24);
    picker->SetAutoTab(true);
    picker->SetDateTime(At(2024, 3, 5, 14, 25, 36));
    ShowForm();
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::YearSection);
    picker->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(picker, "2031");
    QCoreApplication::processEvents();
    EXPECT_EQ(picker->date().year(), 2031);
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->hasFocus());
}

TEST_F(PickerForm, LabelBesideThePicker)
{
    auto* picker = new TVxDateTimePicker(&form);
    picker->setGeometry(200, 100, 200, 24);
    picker->SetLabelCaption("Start");
    ShowForm();
    QLabel* label = picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    const int w = QFontMetrics(label->font()).horizontalAdvance("Start");
    EXPECT_EQ(label->pos(), QPoint(200 - w - 4, 100));
    picker->SetLabelPosition(TLabelPosition::lpBottomCenter);
    EXPECT_EQ(label->pos(), QPoint(200 + (200 - label->width()) / 2, 100 + 24 + 4));
    picker->hide();
    EXPECT_FALSE(label->isVisible());
    int clicks = 0;
    picker->OnLabelClick = [&](QObject* Sender) {
        EXPECT_EQ(Sender, picker);
        ++clicks;
    };
    picker->show();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(VxgDateTimePicker, PlainPickerPaintsAsTheToolkitControl)
{
    const QDateTime value(QDate(2024, 3, 5), QTime(12, 0));
    TVxgDateTimePicker flat;
    TDateTimePicker plain;
    for (TDateTimePicker* p : {static_cast<TDateTimePicker*>(&flat), &plain}) {
        p->resize(140, 24);
        p->SetDateTimeValue(value);
    }
    EXPECT_EQ(flat.grab().toImage(), plain.grab().toImage());
    EXPECT_EQ(flat.Version(), "1.0.0.0");
    EXPECT_EQ(TVxDateTimePicker().Version(), "1.2.0.0");
}

TEST(VxgDateTimePicker, MetroStyleDrawsItsButtonAndFrame)
{
    TVxgDateTimePicker picker;
    picker.resize(140, 24);
    picker.SetMetroStyle(true);
    picker.SetBorderColor(clRed);
    picker.SetButtonColor(clLime);
    const int W = 140, H = 24, bw = picker.ButtonWidth();
    QImage image = picker.grab().toImage();
    EXPECT_EQ(FromQColor(image.pixelColor(0, 0)), clRed);
    EXPECT_EQ(FromQColor(image.pixelColor(W - 1, H - 1)), clRed);
    // The button face: left edge W - bw + 2, shrunk by one, then two more to the right.
    EXPECT_EQ(FromQColor(image.pixelColor(W - bw + 2 + 1 + 2 + 1, 4)), clLime);

    // A time picker draws no own button; the frame stays.
    picker.SetKind(TDateTimeKind::dtkTime);
    image = picker.grab().toImage();
    EXPECT_EQ(FromQColor(image.pixelColor(0, 0)), clRed);
    EXPECT_NE(FromQColor(image.pixelColor(W - bw + 2 + 1 + 2 + 1, 4)), clLime);
}

TEST(DateTimePicker, TodayFooterPicksToday)
{
    TDateTimePicker picker;
    picker.SetDateTimeValue(QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
    TMonthCalendar* calendar = picker.Calendar();
    ASSERT_TRUE(calendar->ShowToday());
    calendar->TodayButton()->click();
    EXPECT_EQ(picker.date(), QDate::currentDate());
    calendar->SetShowToday(false);
    EXPECT_FALSE(calendar->ShowToday());
}

} // namespace
