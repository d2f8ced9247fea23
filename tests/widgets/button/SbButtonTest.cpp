#include "widgets/button/SbButton.h"
#include "platform/Form.h"
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A modal form (shown without blocking) with an edit box, a Default OK, a Cancel and a plain button.
struct Dialog {
    TForm dialog;
    QLineEdit* edit = new QLineEdit(&dialog);
    TSbButton* ok = new TSbButton(&dialog);
    TSbButton* cancel = new TSbButton(&dialog);
    TSbButton* other = new TSbButton(&dialog);
    int okClicks = 0, cancelClicks = 0, otherClicks = 0;

    Dialog()
    {
        dialog.resize(400, 100);
        edit->setGeometry(0, 0, 100, 20);
        ok->SetBounds(0, 40, 110, 28);
        cancel->SetBounds(120, 40, 110, 28);
        other->SetBounds(240, 40, 110, 28);
        ok->SetCaption("&OK");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        other->SetCaption("&Apply");
        ok->OnClick = [this](QObject* s) { okClicks += s == ok; };
        cancel->OnClick = [this](QObject* s) { cancelClicks += s == cancel; };
        other->OnClick = [this](QObject* s) { otherClicks += s == other; };
        dialog.open();
        QApplication::setActiveWindow(&dialog);
        edit->setFocus();
    }
    bool Closed() const { return !dialog.isVisible(); }
};

void Key(QWidget* w, QEvent::Type type, Qt::Key key, bool autoRepeat = false)
{
    const QString text = key == Qt::Key_Return ? "\r" : key == Qt::Key_Space ? " " : QString();
    QKeyEvent e(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(w, &e);
}

// What the window system delivers for a double click: press, release, press with a double-click event
// right after it, release.
void DoubleClick(QWidget* w, QPoint pos)
{
    static quint64 time = 1'000'000'000;
    const QPointF global = w->mapToGlobal(QPointF(pos));
    auto send = [&](QEvent::Type type, Qt::MouseButtons held, quint64 t) {
        QMouseEvent e(type, QPointF(pos), global, Qt::LeftButton, held, Qt::NoModifier);
        e.setTimestamp(t);
        QApplication::sendEvent(w, &e);
    };
    time += 10'000;
    send(QEvent::MouseButtonPress, Qt::LeftButton, time);
    send(QEvent::MouseButtonRelease, Qt::NoButton, time + 50);
    send(QEvent::MouseButtonPress, Qt::LeftButton, time + 100);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, time + 100);
    send(QEvent::MouseButtonRelease, Qt::NoButton, time + 150);
}

void SendEnter(QWidget* w, bool enter)
{
    if (enter) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &e);
    } else {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
}
} // namespace

TEST(TSbButton, CreatedWithItsInitialLooks)
{
    QWidget form;
    QFont font("DejaVu Sans");
    font.setPixelSize(15);
    form.setFont(font);
    TSbButton b(&form);
    EXPECT_EQ(b.HotTrackFont().Height(), -15); // the hot-track font starts as the form's
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_EQ(b.LightColor(), clWhite);
    EXPECT_EQ(b.ShadowColor(), clGray);
    EXPECT_EQ(b.HotTrackColor(), clNone);
    EXPECT_EQ(b.ColorWhenDown(), clNone);
    EXPECT_EQ(b.Alignment(), TAlignment::taCenter);
    EXPECT_EQ(b.Style(), TSbButtonStyle::bsNormal);
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.ModalResult(), mrNone);
}

TEST(TSbButton, MouseClicksOnReleaseEvenOutsideButNotWhenDisabled)
{
    Dialog d;
    QTest::mouseClick(d.other, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(d.otherClicks, 1);
    EXPECT_TRUE(d.other->hasFocus()); // a press takes the focus

    // The press holds the mouse: a release away from the button still clicks.
    QTest::mousePress(d.other, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(d.other, Qt::LeftButton, {}, QPoint(300, 90));
    EXPECT_EQ(d.otherClicks, 2);

    // A right press does not press the button; a right release after a left press clicks it once.
    QTest::mouseClick(d.other, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(d.otherClicks, 2);
    QTest::mousePress(d.other, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mousePress(d.other, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(d.other, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(d.other, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(d.otherClicks, 3);

    // A double click is two clicks: the second press is an ordinary press.
    DoubleClick(d.other, QPoint(10, 10));
    EXPECT_EQ(d.otherClicks, 5);

    d.other->SetEnabled(false);
    QTest::mouseClick(d.other, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(d.otherClicks, 5);
}

TEST(TSbButton, EnterAndSpaceClickTheFocusedButtonOncePerKeystroke)
{
    Dialog d;
    d.other->SetFocus();
    QTest::keyClick(d.other, Qt::Key_Space);
    EXPECT_EQ(d.otherClicks, 1);
    // The Default button leaves Enter to a focused push button.
    QTest::keyClick(d.other, Qt::Key_Return);
    EXPECT_EQ(d.otherClicks, 2);
    EXPECT_EQ(d.okClicks, 0);

    // Held down: auto-repeated presses and releases click once, on the real release.
    Key(d.other, QEvent::KeyPress, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        Key(d.other, QEvent::KeyRelease, Qt::Key_Space, true);
        Key(d.other, QEvent::KeyPress, Qt::Key_Space, true);
    }
    EXPECT_EQ(d.otherClicks, 2);
    Key(d.other, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(d.otherClicks, 3);
    EXPECT_FALSE(d.Closed());
}

TEST(TSbButton, AReleaseWithoutItsPressDoesNotClick)
{
    Dialog d;
    d.other->SetFocus();
    Key(d.other, QEvent::KeyRelease, Qt::Key_Return);
    Key(d.other, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(d.otherClicks, 0);

    // Pressed on one button, the focus moves, released on another: neither clicks.
    Key(d.other, QEvent::KeyPress, Qt::Key_Space);
    d.cancel->SetFocus();
    Key(d.cancel, QEvent::KeyRelease, Qt::Key_Space);
    d.other->SetFocus();
    Key(d.other, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(d.otherClicks, 0);
    EXPECT_EQ(d.cancelClicks, 0);

    // Repeats of a key that went down before the button had the focus do not arm it.
    Key(d.other, QEvent::KeyPress, Qt::Key_Return, true);
    Key(d.other, QEvent::KeyPress, Qt::Key_Return, true);
    Key(d.other, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(d.otherClicks, 0);

    // A window taking the focus while the key is held disarms the button.
    Key(d.other, QEvent::KeyPress, Qt::Key_Space);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(d.other, &out);
    Key(d.other, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(d.otherClicks, 0);

    // A press on one key and the release of the other does not click either.
    Key(d.other, QEvent::KeyPress, Qt::Key_Space);
    Key(d.other, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(d.otherClicks, 0);
    Key(d.other, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(d.otherClicks, 1);
}

TEST(TSbButton, EnterInAnEditClicksTheDefaultButtonAndClosesWithItsResult)
{
    Dialog d;
    QTest::keyClick(d.edit, Qt::Key_Return);
    EXPECT_EQ(d.okClicks, 1);
    EXPECT_TRUE(d.Closed());
    EXPECT_EQ(d.dialog.result(), mrOk);
}

TEST(TSbButton, EscapeClicksTheCancelButtonWithoutModifiers)
{
    Dialog d;
    QTest::keyClick(d.edit, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(d.cancelClicks, 0);
    d.cancel->SetEnabled(false);
    QTest::keyClick(d.edit, Qt::Key_Escape);
    EXPECT_EQ(d.cancelClicks, 0);
    d.cancel->SetEnabled(true);
    QTest::keyClick(d.edit, Qt::Key_Escape);
    EXPECT_EQ(d.cancelClicks, 1);
    EXPECT_TRUE(d.Closed());
    EXPECT_EQ(d.dialog.result(), mrCancel);
}

TEST(TSbButton, DisabledDefaultButtonTakesEnterButFiresNothing)
{
    Dialog d;
    d.ok->SetEnabled(false);
    bool reachedDialog = false;
    QObject::connect(d.edit, &QLineEdit::returnPressed, [&] { reachedDialog = true; });
    QTest::keyClick(d.edit, Qt::Key_Return);
    EXPECT_EQ(d.okClicks, 0);
    EXPECT_FALSE(d.Closed());
    EXPECT_TRUE(reachedDialog); // the edit itself still sees its key first
}

TEST(TSbButton, AcceleratorClicksTheButtonWithThatLetter)
{
    Dialog d;
    QTest::keyClick(d.edit, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(d.otherClicks, 1);
    QTest::keyClick(d.edit, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(d.otherClicks + d.okClicks + d.cancelClicks, 1);
    // On a focused button a plain letter is an accelerator too; "&&" is no accelerator.
    d.cancel->SetFocus();
    QTest::keyClick(d.cancel, Qt::Key_A);
    EXPECT_EQ(d.otherClicks, 2);
    d.other->SetCaption("A&&B");
    QTest::keyClick(d.cancel, Qt::Key_B);
    QTest::keyClick(d.edit, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(d.otherClicks, 2);
    // The accelerator closes the form with the button's result.
    QTest::keyClick(d.edit, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(d.okClicks, 1);
    EXPECT_TRUE(d.Closed());
}

TEST(TSbButton, ModalResultClosesAModalDialogOnlyWhenNotNone)
{
    Dialog d;
    d.other->SetKind(TSbButtonKind::bkHelp);
    QTest::mouseClick(d.other, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(d.otherClicks, 1);
    EXPECT_FALSE(d.Closed());
    d.other->SetKind(TSbButtonKind::bkRetry);
    QTest::mouseClick(d.other, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(d.Closed());
    EXPECT_EQ(d.dialog.result(), mrRetry);

    // A dialog that is not modal stays open.
    QDialog modeless;
    auto* b = new TSbButton(&modeless);
    b->SetModalResult(mrOk);
    modeless.show();
    b->Click();
    EXPECT_TRUE(modeless.isVisible());
}

TEST(TSbButton, KindSetsGlyphCaptionAndResultAndOtherSettersResetIt)
{
    TSbButton b;
    b.SetKind(TSbButtonKind::bkCancel);
    EXPECT_EQ(b.Caption(), "Abbrechen");
    EXPECT_EQ(b.ModalResult(), mrCancel);
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph().Width(), 36);
    EXPECT_EQ(b.Kind(), TSbButtonKind::bkCancel);
    b.SetKind(TSbButtonKind::bkClose);
    EXPECT_EQ(b.Caption(), QString::fromUtf8("Schließen"));
    EXPECT_EQ(b.ModalResult(), mrNone);
    b.SetKind(TSbButtonKind::bkAll);
    EXPECT_EQ(b.ModalResult(), mrAll);
    EXPECT_EQ(b.Glyph().Height(), 19);

    b.SetModalResult(mrOk);
    EXPECT_EQ(b.Kind(), TSbButtonKind::bkCustom);
    EXPECT_EQ(b.Caption(), "Alle");

    b.SetKind(TSbButtonKind::bkOK);
    TBitmap strip(48, 16);
    b.SetGlyph(&strip);
    EXPECT_EQ(b.Kind(), TSbButtonKind::bkCustom);
    EXPECT_EQ(b.NumGlyphs(), 3);
    b.SetGlyph(nullptr);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.Glyph().Height(), 0);
}

TEST(TSbButton, EveryKindHasItsCaptionResultAndTwoCellGlyph)
{
    using K = TSbButtonKind;
    struct Case {
        TSbButtonKind kind;
        const char* caption;
        TModalResult result;
        int glyphHeight;
    };
    const Case cases[] = {
        {K::bkOK, "OK", 1, 18},          {K::bkCancel, "Abbrechen", 2, 18}, {K::bkHelp, "Hilfe", 0, 18},
        {K::bkYes, "Ja", 6, 18},         {K::bkNo, "Nein", 7, 18},          {K::bkClose, "Schließen", 0, 18},
        {K::bkAbort, "Abbrechen", 3, 18}, {K::bkRetry, "Wiederholen", 4, 18}, {K::bkIgnore, "Ignorieren", 5, 18},
        {K::bkAll, "Alle", 12, 19},
    };
    TSbButton b;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        b.SetKind(c.kind);
        EXPECT_EQ(b.Kind(), c.kind);
        EXPECT_EQ(b.Caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(b.ModalResult(), c.result);
        EXPECT_EQ(b.NumGlyphs(), 2);
        EXPECT_EQ(b.Glyph().Width(), 36);
        EXPECT_EQ(b.Glyph().Height(), c.glyphHeight);
    }
    // Custom keeps what the last kind set.
    b.SetKind(K::bkCustom);
    EXPECT_EQ(b.Caption(), QStringLiteral("Alle"));
    EXPECT_EQ(b.ModalResult(), 12);
}

TEST(TSbButton, ColorStyleAppliesAPresetAndReadsCustom)
{
    TSbButton b;
    b.SetColorStyle(TSbColorStyle::lcsGold);
    EXPECT_EQ(b.ColorStyle(), TSbColorStyle::lcsCustom);
    EXPECT_EQ(b.Style(), TSbButtonStyle::bsModern);
    EXPECT_EQ(b.Color(), 0x00C0C0u);
    EXPECT_EQ(b.HotTrackColor(), 0x00DFDFu);
    EXPECT_EQ(b.Font().Color(), clBlack);
    // The window stays opaque until Style itself is set.
    EXPECT_TRUE(b.testAttribute(Qt::WA_OpaquePaintEvent));
    b.SetStyle(TSbButtonStyle::bsModern);
    EXPECT_FALSE(b.testAttribute(Qt::WA_OpaquePaintEvent));
    b.SetColorStyle(TSbColorStyle::lcsCustom);
    EXPECT_EQ(b.Color(), 0x00C0C0u);
    b.SetColorStyle(TSbColorStyle::lcsQuicken);
    EXPECT_EQ(b.Font().Color(), clWhite);
    EXPECT_EQ(b.ColorWhenDown(), 0xAD6529u);
}

TEST(TSbButton, HotTrackingAndTheFadeOut)
{
    Dialog d;
    int entered = 0, exited = 0;
    d.other->OnMouseEnter = [&](QObject*) { ++entered; };
    d.other->OnMouseExit = [&](QObject*) { ++exited; };
    SendEnter(d.other, true);
    EXPECT_EQ(d.other->HotTrackStep(), 8);
    SendEnter(d.other, false);
    EXPECT_EQ(d.other->HotTrackStep(), 0); // without the fade the highlight goes at once
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 1);

    d.other->SetSlowDecease(true);
    SendEnter(d.other, true);
    QElapsedTimer clock;
    clock.start();
    SendEnter(d.other, false);
    EXPECT_EQ(d.other->HotTrackStep(), 8);
    int last = 8;
    while (d.other->HotTrackStep() > 0 && clock.elapsed() < 2000) {
        QTest::qWait(5);
        EXPECT_LE(d.other->HotTrackStep(), last);
        EXPECT_GE(d.other->HotTrackStep(), last - 1); // one step at a time
        last = d.other->HotTrackStep();
    }
    EXPECT_EQ(d.other->HotTrackStep(), 0);
    EXPECT_GE(clock.elapsed(), 8 * 30 - 10);

    // Turning the fade off drops the highlight.
    SendEnter(d.other, true);
    d.other->SetSlowDecease(false);
    EXPECT_EQ(d.other->HotTrackStep(), 0);

    // A disabled button does not light up.
    d.other->SetEnabled(false);
    SendEnter(d.other, true);
    EXPECT_EQ(d.other->HotTrackStep(), 0);
    EXPECT_EQ(entered, 3);
}

TEST(TSbButton, EnteringAgainDuringTheFadeRelightsButTheCountdownGoesOn)
{
    Dialog d;
    d.other->SetSlowDecease(true);
    SendEnter(d.other, true);
    SendEnter(d.other, false);
    QElapsedTimer clock;
    clock.start();
    while (d.other->HotTrackStep() > 6 && clock.elapsed() < 2000)
        QTest::qWait(5);
    SendEnter(d.other, true);
    EXPECT_EQ(d.other->HotTrackStep(), 8);
    // The pointer stays over the button, yet the highlight still fades to nothing.
    while (d.other->HotTrackStep() > 0 && clock.elapsed() < 2000)
        QTest::qWait(5);
    EXPECT_EQ(d.other->HotTrackStep(), 0);
}

TEST(TSbButton, SwitchingTheFadeOffDropsTheHighlightOfAButtonThatNeverHadItOn)
{
    Dialog d;
    SendEnter(d.other, true);
    ASSERT_EQ(d.other->HotTrackStep(), 8);
    d.other->SetSlowDecease(false);
    EXPECT_EQ(d.other->HotTrackStep(), 0);
}

TEST(TSbButton, DisablingWhilePressedForgetsThePress)
{
    Dialog d;
    QTest::mousePress(d.other, Qt::LeftButton, {}, QPoint(10, 10));
    d.other->SetEnabled(false);
    d.other->SetEnabled(true);
    QTest::mouseRelease(d.other, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(d.otherClicks, 0);

    d.other->SetFocus();
    Key(d.other, QEvent::KeyPress, Qt::Key_Space);
    d.other->SetEnabled(false);
    d.other->SetEnabled(true);
    d.other->SetFocus();
    Key(d.other, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(d.otherClicks, 0);
}

TEST(TSbButton, EscapeIsLeftToAFocusedPushButton)
{
    Dialog d;
    d.other->SetFocus();
    QTest::keyClick(d.other, Qt::Key_Escape);
    EXPECT_EQ(d.cancelClicks, 0);
    EXPECT_FALSE(d.Closed());
}

TEST(TSbButton, HotTrackFontIsUsedOnlyWhileHot)
{
    Dialog d;
    d.other->SetCaption("Go");
    TFont hot = d.other->Font();
    hot.SetColor(clLime);
    d.other->SetHotTrackFont(hot);
    auto limePixels = [&] {
        const QImage shot = d.other->grab().toImage();
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += FromQColor(shot.pixelColor(x, y)) == clLime;
        return n;
    };
    SendEnter(d.other, true);
    EXPECT_EQ(limePixels(), 0); // not in use until UseHotTrackFont is set
    d.other->SetUseHotTrackFont(true);
    EXPECT_GT(limePixels(), 0);
    SendEnter(d.other, false);
    EXPECT_EQ(limePixels(), 0);
    d.other->SetFocus(); // focus makes it hot too
    EXPECT_GT(limePixels(), 0);
}

TEST(TSbButton, PopupMenuOpensUnderTheButton)
{
    Dialog d;
    QMenu menu;
    menu.addAction("One");
    d.other->SetPopupMenu(&menu);
    QTest::mouseClick(d.other, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(d.otherClicks, 1);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), d.other->mapToGlobal(QPoint(0, d.other->height())));
    menu.close();
}

TEST(TSbButton, PaintsItsFaceAndTheFocusRectangle)
{
    Dialog d;
    d.other->SetColor(clRed);
    d.other->SetCaption("");
    QImage shot = d.other->grab().toImage();
    EXPECT_EQ(FromQColor(shot.pixelColor(50, 10)), clRed);
    EXPECT_EQ(FromQColor(shot.pixelColor(0, 0)), clWhite);
    EXPECT_EQ(FromQColor(shot.pixelColor(4, 4)), clRed);

    d.other->SetFocus();
    shot = d.other->grab().toImage();
    EXPECT_EQ(FromQColor(shot.pixelColor(4, 4)), RGB(0, 255, 255)); // red inverted by the focus rectangle
    EXPECT_EQ(FromQColor(shot.pixelColor(5, 4)), clRed);

    // The focused classic button: a black frame around a face drawn one pixel in.
    d.other->SetStyle(TSbButtonStyle::bsOld);
    d.other->SetLightColor(clLime);
    shot = d.other->grab().toImage();
    const int w = d.other->width(), h = d.other->height();
    EXPECT_EQ(FromQColor(shot.pixelColor(0, 0)), clBlack);
    EXPECT_EQ(FromQColor(shot.pixelColor(w - 1, h - 1)), clBlack);
    EXPECT_EQ(FromQColor(shot.pixelColor(1, 1)), clLime);
    EXPECT_EQ(FromQColor(shot.pixelColor(w - 2, h - 2)), ColorToRGB(cl3DDkShadow));

    d.other->SetVisible(false);
    EXPECT_FALSE(d.other->Visible());
    d.other->Click();
    EXPECT_EQ(d.otherClicks, 0); // a hidden button does not click
}

TEST(TSbButton, SizeHintMakesRoomForCaptionAndGlyph)
{
    TSbButton b;
    EXPECT_EQ(b.sizeHint(), QSize(100, 23));
    b.SetCaption(QString(40, QLatin1Char('W')));
    EXPECT_GT(b.sizeHint().width(), b.Canvas().TextWidth(b.Caption()));
}
