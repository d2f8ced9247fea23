#include "platform/CustomControl.h"
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
class Recorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    QStringList log;
    TDlgCodes dlgCode;
    std::uint16_t takesDialogKey = 0;
    QChar takesDialogChar;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
        Canvas().Brush().SetColor(clBlue);
        Canvas().FillRect(Rect(0, 0, 2, 2));
    }
    static QString S(TShiftState s)
    {
        QString out;
        if (s & TShiftStateItem::ssShift) out += 'S';
        if (s & TShiftStateItem::ssAlt) out += 'A';
        if (s & TShiftStateItem::ssCtrl) out += 'C';
        if (s & TShiftStateItem::ssLeft) out += 'L';
        if (s & TShiftStateItem::ssRight) out += 'R';
        if (s & TShiftStateItem::ssMiddle) out += 'M';
        if (s & TShiftStateItem::ssDouble) out += 'D';
        return "[" + out + "]";
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        log << QString("down %1%2 %3,%4").arg(int(b)).arg(S(s)).arg(x).arg(y);
    }
    void MouseMove(TShiftState s, int x, int y) override { log << QString("move%1 %2,%3").arg(S(s)).arg(x).arg(y); }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override
    {
        log << QString("up %1%2 %3,%4").arg(int(b)).arg(S(s)).arg(x).arg(y);
    }
    void DblClick() override { log << "dbl"; }
    void KeyDown(std::uint16_t& k, TShiftState s) override { log << QString("keydown %1%2").arg(k).arg(S(s)); }
    void KeyUp(std::uint16_t& k, TShiftState s) override { log << QString("keyup %1%2").arg(k).arg(S(s)); }
    void KeyPress(QChar& c) override { log << QString("char %1").arg(c.unicode()); }
    void DoEnter() override { log << "enter"; }
    void DoExit() override { log << "exit"; }
    void EnabledChanged() override { log << "enabled"; }
    TDlgCodes GetDlgCode() const override { return dlgCode; }
    bool DialogKey(std::uint16_t k, TShiftState) override
    {
        log << QString("dialogkey %1").arg(k);
        return k == takesDialogKey;
    }
    bool DialogChar(QChar c, TShiftState) override
    {
        log << QString("dialogchar %1").arg(c);
        return c == takesDialogChar;
    }
};

std::string Log(const Recorder* r)
{
    return r->log.join(" | ").toStdString();
}

void SendPress(QWidget* w, Qt::MouseButton b, QPoint pos, quint64 time)
{
    QMouseEvent e(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), b, b, Qt::NoModifier);
    e.setTimestamp(time);
    QApplication::sendEvent(w, &e);
}

// A window with two recorders side by side, shown so that focus and key delivery work.
struct TwoControls {
    QWidget window;
    Recorder* a = new Recorder(&window);
    Recorder* b = new Recorder(&window);
    TwoControls()
    {
        a->SetBounds(0, 0, 50, 20);
        b->SetBounds(60, 0, 50, 20);
        a->SetTabStop(true);
        b->SetTabStop(true);
        window.resize(120, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        a->SetFocus();
        a->log.clear();
        b->log.clear();
    }
};
} // namespace

TEST(VirtualKeyFromQt, MapsToThePlatformCodes)
{
    struct Case {
        int qt;
        Qt::KeyboardModifiers mods;
        std::uint16_t vk;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 'A'},       {Qt::Key_Z, Qt::ShiftModifier, 'Z'},
        {Qt::Key_0, Qt::NoModifier, '0'},       {Qt::Key_5, Qt::KeypadModifier, VK_NUMPAD5},
        {Qt::Key_Return, Qt::NoModifier, VK_RETURN}, {Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN},
        {Qt::Key_Escape, Qt::NoModifier, VK_ESCAPE}, {Qt::Key_F2, Qt::NoModifier, VK_F2},
        {Qt::Key_F4, Qt::NoModifier, VK_F4},     {Qt::Key_Backtab, Qt::ShiftModifier, VK_TAB},
        {Qt::Key_PageDown, Qt::NoModifier, VK_NEXT}, {Qt::Key_Delete, Qt::NoModifier, VK_DELETE},
        {Qt::Key_Plus, Qt::KeypadModifier, VK_ADD}, {Qt::Key_Minus, Qt::NoModifier, VK_OEM_MINUS},
        {Qt::Key_Exclam, Qt::ShiftModifier, '1'}, {Qt::Key_Space, Qt::NoModifier, VK_SPACE},
        {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.qt);
        EXPECT_EQ(VirtualKeyFromQt(c.qt, c.mods), c.vk);
    }
    const TShiftState s = ShiftStateFromQt(Qt::ShiftModifier | Qt::ControlModifier, Qt::RightButton);
    EXPECT_EQ(s, TShiftStateItem::ssShift | TShiftStateItem::ssCtrl | TShiftStateItem::ssRight);
}

TEST(IsAccel, TheCharacterAfterASingleAmpersandInAnyCase)
{
    const struct { const char* caption; QChar key; bool accel; } cases[] = {
        {"&Open", u'o', true},  {"&Open", u'O', true},  {"Op&en", u'e', true}, {"Op&en", u'o', false},
        {"A&&B", u'B', false},  {"A&&&B", u'b', true},  {"Save&", u'&', false}, {"", u'a', false},
        {"&&", u'&', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.caption << " " << c.key.toLatin1());
        EXPECT_EQ(IsAccel(c.key, QString::fromLatin1(c.caption)), c.accel);
    }
}

TEST(TCustomControl, MouseEventsCarryButtonShiftAndPosition)
{
    Recorder r;
    r.resize(50, 30);
    QTest::mousePress(&r, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QTest::mouseMove(&r, QPoint(7, 8));
    QTest::mouseRelease(&r, Qt::LeftButton, Qt::NoModifier, QPoint(70, 8));
    QTest::mouseClick(&r, Qt::RightButton, Qt::ControlModifier, QPoint(1, 2));
    EXPECT_EQ(Log(&r), "down 0[SL] 5,6 | move[L] 7,8 | up 0[] 70,8 | down 1[CR] 1,2 | up 1[C] 1,2");
}

TEST(TCustomControl, SecondQuickPressIsADoubleClickFromTheTimestamps)
{
    Recorder r;
    r.resize(50, 30);
    const int interval = QApplication::doubleClickInterval();
    SendPress(&r, Qt::LeftButton, QPoint(5, 5), 1000);
    SendPress(&r, Qt::LeftButton, QPoint(6, 5), 1000 + interval - 1);
    SendPress(&r, Qt::LeftButton, QPoint(6, 5), 1000 + interval);        // a third press starts anew
    SendPress(&r, Qt::LeftButton, QPoint(6, 5), 1000 + 3 * interval);    // too late
    SendPress(&r, Qt::RightButton, QPoint(6, 5), 1000 + 3 * interval + 1); // other button
    SendPress(&r, Qt::RightButton, QPoint(20, 5), 1000 + 3 * interval + 2); // moved too far
    EXPECT_EQ(Log(&r), "down 0[L] 5,5 | dbl | down 0[LD] 6,5 | down 0[L] 6,5 | down 0[L] 6,5 | down 1[R] 6,5 | down 1[R] 20,5");

    // Qt's own double-click event after the second press adds nothing; alone it is the double click.
    r.log.clear();
    SendPress(&r, Qt::LeftButton, QPoint(5, 5), 5000);
    SendPress(&r, Qt::LeftButton, QPoint(5, 5), 5001);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPoint(5, 5), r.mapToGlobal(QPoint(5, 5)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    dbl.setTimestamp(5001);
    QApplication::sendEvent(&r, &dbl);
    EXPECT_EQ(Log(&r), "down 0[L] 5,5 | dbl | down 0[LD] 5,5");
    r.log.clear();
    QTest::mouseDClick(&r, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(&r, Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(Log(&r), "dbl | down 0[LD] 3,4 | up 0[] 3,4");

    r.log.clear();
    r.SetDoubleClicks(false);
    SendPress(&r, Qt::LeftButton, QPoint(5, 5), 9000);
    SendPress(&r, Qt::LeftButton, QPoint(5, 5), 9001);
    QTest::mouseDClick(&r, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&r, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log(&r), "down 0[L] 5,5 | down 0[L] 5,5 | down 0[L] 5,5 | up 0[] 5,5");
}

TEST(TCustomControl, KeysGiveKeyDownKeyPressAndOneKeyUpPerKey)
{
    TwoControls w;
    QTest::keyClick(w.a, Qt::Key_X);
    QTest::keyClick(w.a, Qt::Key_Home, Qt::ControlModifier);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(w.a, &repeatRelease);
    QTest::keyClick(w.a, Qt::Key_F2);
    EXPECT_EQ(Log(w.a), "keydown 88[] | dialogchar x | char 120 | keyup 88[] | keydown 17[C] | keydown 36[C] | keyup 36[C] | keyup 17[] | keydown 113[] | keyup 113[]");
}

TEST(TCustomControl, DialogKeysGoToTheWindowsControlsUnlessWanted)
{
    TwoControls w;
    w.b->takesDialogKey = VK_ESCAPE;
    QTest::keyClick(w.a, Qt::Key_Escape);
    EXPECT_EQ(Log(w.a), "dialogkey 27 | keyup 27[]");
    EXPECT_EQ(Log(w.b), "dialogkey 27");

    // Nobody takes Enter: the focused control gets it as a key.
    w.a->log.clear();
    w.b->log.clear();
    QTest::keyClick(w.a, Qt::Key_Return);
    EXPECT_EQ(Log(w.a), "dialogkey 13 | keydown 13[] | dialogchar \r | char 13 | keyup 13[]");

    // A control that wants all keys sees Escape itself.
    w.a->log.clear();
    w.b->log.clear();
    w.a->dlgCode = TDlgCode::dlgWantAllKeys | TDlgCode::dlgWantChars;
    QTest::keyClick(w.a, Qt::Key_Escape);
    EXPECT_EQ(Log(w.a), "keydown 27[] | char 27 | keyup 27[]");
    EXPECT_EQ(Log(w.b), "");
}

TEST(TCustomControl, AcceleratorsAndArrowsAndTab)
{
    TwoControls w;
    w.b->takesDialogChar = 'o';
    QTest::keyClick(w.a, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(w.b->log.contains("dialogchar o"));
    EXPECT_FALSE(w.a->log.contains("char 111"));

    // Arrows and Tab move the focus unless the control wants them.
    QTest::keyClick(w.a, Qt::Key_Right);
    EXPECT_TRUE(w.b->hasFocus());
    QTest::keyClick(w.b, Qt::Key_Tab);
    EXPECT_TRUE(w.a->hasFocus());
    w.a->dlgCode = TDlgCode::dlgWantArrows | TDlgCode::dlgWantTab;
    w.a->log.clear();
    QTest::keyClick(w.a, Qt::Key_Down);
    QTest::keyClick(w.a, Qt::Key_Tab);
    EXPECT_TRUE(w.a->hasFocus());
    EXPECT_TRUE(w.a->log.contains(QString("keydown %1[]").arg(VK_DOWN)));
    EXPECT_TRUE(w.a->log.contains(QString("keydown %1[]").arg(VK_TAB)));
}

TEST(TCustomControl, EnterAndEscapeLeftByAPlainWidgetReachTheControls)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit(&window);
    auto* r = new Recorder(&window);
    layout->addWidget(edit);
    layout->addWidget(r);
    r->takesDialogKey = VK_RETURN;
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(Log(r), "dialogkey 13");
    EXPECT_EQ(edit->text(), "a");
}

TEST(TCustomControl, FocusEnabledVisibleAndPaint)
{
    TwoControls w;
    w.b->SetFocus();
    EXPECT_EQ(Log(w.a), "exit");
    EXPECT_EQ(Log(w.b), "enter");
    EXPECT_TRUE(w.b->Focused());

    w.a->log.clear();
    w.a->SetEnabled(false);
    EXPECT_FALSE(w.a->Enabled());
    EXPECT_EQ(Log(w.a), "enabled");
    w.window.setEnabled(false);
    EXPECT_TRUE(w.b->Enabled()); // its own flag, not the parent's
    w.window.setEnabled(true);

    Recorder hidden(&w.window);
    EXPECT_TRUE(hidden.Visible()); // a new control is visible by default, though not yet showing
    hidden.SetVisible(false);
    EXPECT_FALSE(hidden.Visible());

    EXPECT_EQ(w.a->ClientRect(), Rect(0, 0, 50, 20));
    EXPECT_EQ(w.b->Left(), 60);
    const QImage shot = w.b->grab().toImage();
    EXPECT_EQ(FromQColor(shot.pixelColor(1, 1)), clBlue);
    EXPECT_EQ(FromQColor(shot.pixelColor(2, 2)), clRed);
    EXPECT_EQ(FromQColor(shot.pixelColor(49, 19)), clRed);
}
