#include "DropDownFixture.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/VxMemoDropDown.h"
#include "widgets/dropdown/VxTrackBarDropDown.h"
#include "support/QStringPrinter.h"
#include <QPlainTextEdit>
#include <QSlider>
#include <gtest/gtest.h>

struct PlaceCase {
    const char* name;
    TDropPosition position;
    TPoint edit;
    int width, height;
    TPoint expected;
};

TEST(PlaceDropDown, AgainstTheScreenEdges)
{
    // A 1000 x 800 screen whose work area ends 40 pixels above the bottom; edits are 21 high.
    const TRect work = Rect(0, 0, 1000, 760);
    const PlaceCase cases[] = {
        {"room below", TDropPosition::dpAuto, {100, 100}, 200, 150, {100, 120}},
        {"reaches the bottom: above", TDropPosition::dpAuto, {100, 700}, 200, 100, {100, 600}},
        {"tested from the edit's top: below, past the bottom", TDropPosition::dpAuto, {100, 690}, 200, 100, {100, 710}},
        {"down always", TDropPosition::dpDown, {100, 700}, 200, 100, {100, 720}},
        {"up always", TDropPosition::dpUp, {100, 100}, 200, 150, {100, -50}},
        {"past the right edge", TDropPosition::dpAuto, {900, 100}, 200, 100, {800, 120}},
        {"wider than the work area", TDropPosition::dpAuto, {900, 100}, 1200, 100, {-200, 120}},
        {"left of the work area stays", TDropPosition::dpAuto, {1000, 100}, 200, 100, {1000, 120}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceDropDown(c.position, c.edit, 21, c.width, c.height, 800, work), c.expected);
    }
    // A monitor left of the primary one: no shift.
    EXPECT_EQ(PlaceDropDown(TDropPosition::dpAuto, {-100, 100}, 21, 200, 100, 800, Rect(-1000, 0, 0, 760)),
              (TPoint{-100, 120}));
}

namespace {
void Press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    TypeKey(w, key, mods, text);
}
} // namespace

TEST(DropDownPopup, PickOnlyOpensOnClickClosesByKey)
{
    DropDownWindow<TVxTrackBarDropDown> w;
    TVxTrackBarDropDown& d = *w.edit;
    int drops = 0;
    bool lastCancelled = false;
    d.OnDropUp = [&](QObject*, bool Cancelled) {
        ++drops;
        lastCancelled = Cancelled;
    };
    QTest::mouseClick(&d, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_TRUE(d.DroppedDown());
    ASSERT_TRUE(d.DropDownForm()->isVisible());
    EXPECT_GE(d.DropDownForm()->width(), 80);
    EXPECT_GE(d.DropDownForm()->height(), 50);
    // Keys typed on the bar reach the edit: Down moves by the frequency, Return keeps it.
    Press(d.TrackBar(), Qt::Key_Right);
    EXPECT_EQ(d.Position(), 1);
    Press(d.TrackBar(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_FALSE(lastCancelled);
    EXPECT_EQ(d.Text(), QStringLiteral("1"));

    Press(&d, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(d.DroppedDown());
    Press(d.TrackBar(), Qt::Key_Right);
    EXPECT_EQ(d.Text(), QStringLiteral("2"));
    Press(d.TrackBar(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_TRUE(lastCancelled);
    EXPECT_EQ(d.Text(), QStringLiteral("0"));   // back to the value last written
    EXPECT_EQ(d.Position(), 0);
    EXPECT_EQ(drops, 2);

    Press(&d, Qt::Key_F4);
    EXPECT_TRUE(d.DroppedDown());
    Press(d.DropDownForm(), Qt::Key_F4);
    EXPECT_FALSE(d.DroppedDown());
}

TEST(DropDownPopup, ButtonOpensOnReleaseAndNotRightAfterTheClickThatClosedIt)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    QWidget* inner = d.Button()->InnerButton();
    QTest::mousePress(inner, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(d.DroppedDown());
    QTest::mouseRelease(inner, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(d.DroppedDown());
    // The pop-up loses the activation to a click elsewhere; the same click on the button does not reopen it.
    d.DropDownForm()->DeActivate();
    EXPECT_FALSE(d.DroppedDown());
    QTest::mouseClick(inner, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(d.DroppedDown());
    QTest::qWait(300);
    QTest::mouseClick(inner, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(d.DroppedDown());
}

TEST(DropDownPopup, ClickOutsideClosesByTheDeactivationRule)
{
    DropDownWindow<TVxMemoDropDown> w;
    TVxMemoDropDown& d = *w.edit;
    d.SetMemoText({QStringLiteral("one")});
    d.ShowDropDown();
    ASSERT_TRUE(d.DroppedDown());
    d.Memo()->setPlainText(QStringLiteral("one\ntwo"));
    // Qt closes a pop-up on a click outside it; the memo keeps its edits then.
    d.DropDownForm()->close();
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.MemoText(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
}

TEST(DropDownPopup, RefusedOpeningAndDisabledEdits)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    int before = 0;
    d.OnBeforeDropDown = [&](QObject*) { ++before; };
    d.OnDropDown = [](QObject*, bool& accept) { accept = false; };
    d.ShowDropDown();
    EXPECT_EQ(before, 1);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_FALSE(d.DropDownForm()->isVisible());
    d.OnDropDown = nullptr;
    d.setReadOnly(true);
    d.ShowDropDown();
    EXPECT_FALSE(d.DroppedDown());
    d.setReadOnly(false);
    d.setEnabled(false);
    d.ShowDropDown();
    EXPECT_FALSE(d.DroppedDown());
}

TEST(DropDownPopup, UserSizeKeptUntilTheSizeIsSet)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    d.SetDropDownWidth(150);
    d.SetDropDownHeight(120);
    d.ShowDropDown();
    EXPECT_EQ(d.DropDownForm()->size(), QSize(150, 120));
    d.DropDownForm()->resize(260, 200);
    d.HideDropDown(false);
    d.ShowDropDown();
    EXPECT_EQ(d.DropDownForm()->size(), QSize(260, 200));
    d.HideDropDown(false);
    d.SetDropDownHeight(30);   // below the 50-pixel minimum
    d.ShowDropDown();
    EXPECT_EQ(d.DropDownForm()->size(), QSize(150, 50));
}

TEST(TrackBarDropDown, KeysStayWithinMinAndMax)
{
    DropDownWindow<TVxTrackBarDropDown> w;
    TVxTrackBarDropDown& d = *w.edit;
    EXPECT_EQ(d.Text(), QStringLiteral("0"));
    d.SetFrequency(4);
    for (int i = 0; i < 4; ++i)
        Press(&d, Qt::Key_Down);
    EXPECT_EQ(d.Position(), 8);   // 12 would pass Max 10
    EXPECT_EQ(d.Text(), QStringLiteral("8"));
    Press(&d, Qt::Key_Up);
    Press(&d, Qt::Key_Up);
    Press(&d, Qt::Key_Up);
    EXPECT_EQ(d.Position(), 0);
}

TEST(TrackBarDropDown, DraggingOverTheEditDividesByThePageSize)
{
    DropDownWindow<TVxTrackBarDropDown> w;
    TVxTrackBarDropDown& d = *w.edit;
    auto send = [&](QEvent::Type type, int x, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(x, 5), d.mapToGlobal(QPointF(x, 5)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&d, &e);
    };
    send(QEvent::MouseButtonPress, 20, Qt::LeftButton);
    d.HideDropDown(false);   // the press opened it too
    send(QEvent::MouseMove, 25, Qt::LeftButton);
    EXPECT_EQ(d.Position(), 2);
    send(QEvent::MouseMove, 26, Qt::LeftButton);
    EXPECT_EQ(d.Position(), 2);
    d.SetPageSize(0);   // no step at all: dragging is off
    send(QEvent::MouseMove, 60, Qt::LeftButton);
    EXPECT_EQ(d.Position(), 2);
    send(QEvent::MouseButtonRelease, 60, Qt::NoButton);
}

TEST(TrackBarDropDown, TextThatIsNoNumberKeepsThePosition)
{
    DropDownWindow<TVxTrackBarDropDown> w;
    TVxTrackBarDropDown& d = *w.edit;
    d.SetPosition(7);
    d.setText(QStringLiteral("seven"));
    EXPECT_EQ(d.Position(), 7);
    d.setText(QStringLiteral("3"));
    EXPECT_EQ(d.Position(), 3);
}

TEST(MemoDropDown, EditShowsTheFirstLineOrTheWholeText)
{
    DropDownWindow<TVxMemoDropDown> w;
    TVxMemoDropDown& d = *w.edit;
    d.resize(300, 21);
    d.SetEditorEnabled(false);
    d.SetMemoText({QStringLiteral("First line"), QStringLiteral("Second")});
    EXPECT_EQ(d.text(), QStringLiteral("First line..."));
    d.SetEditorEnabled(true);
    d.SetMemoText({QStringLiteral("First line"), QStringLiteral("Second")});
    EXPECT_EQ(d.text(), QStringLiteral("First line\r\nSecond"));
    d.resize(40, 21);
    d.SetEditorEnabled(false);
    d.SetMemoText({QStringLiteral("First line")});
    EXPECT_TRUE(d.text().endsWith(QStringLiteral("...")));
    EXPECT_LT(d.text().size(), 13);
}

TEST(MemoDropDown, EscDiscardsTheMemoEditsReturnStaysInTheMemo)
{
    DropDownWindow<TVxMemoDropDown> w;
    TVxMemoDropDown& d = *w.edit;
    d.SetMemoText({QStringLiteral("a")});
    d.ShowDropDown();
    d.Memo()->setPlainText(QStringLiteral("changed"));
    Press(d.Memo(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_TRUE(d.DroppedDown());
    Press(d.Memo(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.MemoText(), QStringList{QStringLiteral("a")});
    EXPECT_EQ(d.Text(), QStringLiteral("a"));
}

TEST(MemoDropDown, AutoDropOpensOnEnteringAndNotOnTheWayBack)
{
    DropDownWindow<TVxMemoDropDown> w;
    QLineEdit other(&w.window);
    other.show();
    TVxMemoDropDown& d = *w.edit;
    d.SetAutoDrop(true);
    other.setFocus();
    d.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(d.DroppedDown());
    d.HideDropDown(false);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_TRUE(d.AutoDrop());
}

namespace {
// A window that counts the Esc keys its children pass on.
struct EscCounter : QWidget {
    int escapes = 0;
    void keyPressEvent(QKeyEvent* e) override { escapes += e->key() == Qt::Key_Escape; }
};
} // namespace

TEST(DropDownPopup, EscClosesThePopupOrGoesOnToTheParent)
{
    EscCounter window;
    auto* d = CreateDropDown<TVxCustomDropDown>(&window);
    window.show();
    d->setFocus();
    d->SetText(QStringLiteral("abc"));
    d->ShowDropDown();
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_FALSE(d->DroppedDown());
    EXPECT_EQ(window.escapes, 0);
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_EQ(window.escapes, 1);
    EXPECT_EQ(d->selectedText(), QStringLiteral("abc"));   // and the value is selected
    d->SetDefaultHandling(false);
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_EQ(window.escapes, 1);
}
