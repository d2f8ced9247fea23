#include "grid/foundation/VxCheckBox.h"
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown, active window holding the check box and a line edit after it.
struct CheckFixture : ::testing::Test {
    QWidget window;
    TVxCheckBox* box = nullptr;
    QLineEdit* next = nullptr;
    int clicks = 0;

    void SetUp() override
    {
        window.resize(200, 80);
        box = new TVxCheckBox(&window);
        box->move(10, 10);
        next = new QLineEdit(&window);
        next->move(10, 40);
        box->SetTabStop(true);
        box->OnClick = [this](QObject*) { ++clicks; };
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST(VxCheckBox, Defaults)
{
    TVxCheckBox box;
    EXPECT_EQ(box.Width(), 98);
    EXPECT_EQ(box.Height(), 20);
    EXPECT_EQ(box.Caption(), "TVxCheckBox");
    EXPECT_EQ(box.State(), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(box.ButtonVertAlign(), TTextLayout::tlTop);
    EXPECT_FALSE(box.TabStop());
    box.SetState(TCheckBoxState::cbGrayed);
    box.Toggle();                               // a grayed box becomes checked
    EXPECT_TRUE(box.Checked());
}

TEST_F(CheckFixture, ClicksAndSpaceToggle)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);

    // Pressed here, released outside: nothing.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseMove(box, QPoint(500, 8));
    EXPECT_FALSE(box->Down());
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(500, 8));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckFixture, FocusFrameAroundTheCaption)
{
    // The dotted frame: from 2 pixels left of the measured caption to its right and bottom edges, exclusive.
    box->SetCaption("Ab");
    box->SetFocus();
    ASSERT_TRUE(box->Focused());
    QImage image(box->size(), QImage::Format_RGB32);
    box->render(&image);
    const QFontMetrics metrics(box->Font().toQFont());
    const int left = 15 - 2, right = 15 + metrics.horizontalAdvance("Ab"), bottom = 4 + metrics.height();
    auto rowDots = [&](int y) {
        int dots = 0;
        for (int x = left; x < right; ++x)
            dots += image.pixelColor(x, y) != image.pixelColor(box->Width() - 1, y);
        return dots;
    };
    EXPECT_GT(rowDots(bottom - 1), 0);
    EXPECT_EQ(rowDots(bottom), 0);                // nothing below the frame
}

TEST_F(CheckFixture, ReadOnlyStillClicks)
{
    box->SetReadOnly(true);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(CheckFixture, ReturnIsTabAndAccelerator)
{
    box->SetFocus();
    ASSERT_TRUE(box->Focused());
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->Focused());                // Enter is not Tab by default
    box->SetReturnIsTab(true);
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(next->hasFocus());

    box->SetCaption("Match &case");
    EXPECT_TRUE(TCustomControl::DispatchDialogChar(&window, u'C', {}));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());                // taken with TabStop
    EXPECT_EQ(clicks, 0);
}

TEST(VxCheckBox, BoxPlacement)
{
    TVxCheckBox box;
    box.SetCaption("");
    auto render = [&] {
        QImage image(box.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        box.render(&image);
        return image;
    };
    const QColor frame = ToQColor(clBtnShadow);
    QImage img = render();
    EXPECT_EQ(img.pixelColor(0, 4), frame);
    EXPECT_EQ(img.pixelColor(12, 16), frame);
    box.SetAlignment(TLeftRight::taRightJustify);   // the box stands at client width - 13
    img = render();
    EXPECT_EQ(img.pixelColor(98 - 13, 4), frame);
    EXPECT_NE(img.pixelColor(0, 4), frame);
    box.SetButtonVertAlign(TTextLayout::tlBottom);  // y = client height - 17
    img = render();
    EXPECT_EQ(img.pixelColor(98 - 13, 3), frame);
    box.SetChecked(true);
    img = render();
    EXPECT_EQ(img.pixelColor(98 - 13 + 5, 3 + 7), ToQColor(clWindowText));
}

TEST(VxCheckBox, TransparentShowsTheParentBehind)
{
    QWidget parent;
    parent.resize(120, 40);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::green);
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    TVxCheckBox box(&parent);
    box.move(5, 5);
    box.SetColor(clRed);
    box.SetTransparent(true);
    box.SetTransparentChaching(true);
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    box.render(&image);
    EXPECT_EQ(image.pixelColor(60, 1), QColor(0, 255, 0));   // the parent's background, not the control's colour
    box.SetTransparent(false);
    image.fill(Qt::white);
    box.render(&image);
    EXPECT_EQ(image.pixelColor(60, 1), QColor(255, 0, 0));    // erased in its own colour
}

} // namespace
