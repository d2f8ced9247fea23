#include "grid/edit/editors/VxgCombo.h"
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown, active form with a panel colour, the combo and an edit to move the focus to.
struct ComboForm : ::testing::Test {
    QWidget form;
    TVxgComboBox* combo = nullptr;
    QLineEdit* other = nullptr;

    void SetUp() override
    {
        form.resize(400, 300);
        QPalette p = form.palette();
        p.setColor(QPalette::Window, ToQColor(clSkyBlue));
        form.setPalette(p);
        combo = new TVxgComboBox(&form);
        combo->setGeometry(150, 120, 120, 24);
        other = new QLineEdit(&form);
        other->move(10, 260);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        other->setFocus();
    }
};

TEST(VxgComboBox, ButtonWidthOnlyFrom14To32)
{
    TVxgComboBox combo;
    const int initial = combo.ButtonWidth();
    combo.SetButtonWidth(13);
    EXPECT_EQ(combo.ButtonWidth(), initial);
    combo.SetButtonWidth(33);
    EXPECT_EQ(combo.ButtonWidth(), initial);
    combo.SetButtonWidth(14);
    EXPECT_EQ(combo.ButtonWidth(), 14);
    combo.SetButtonWidth(32);
    EXPECT_EQ(combo.ButtonWidth(), 32);
}

TEST_F(ComboForm, LabelPlacedForEachPosition)
{
    combo->SetLabelCaption("&Name");
    QLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), &form);
    const int lw = label->width(), lh = label->height();
    const int w = QFontMetrics(label->font()).horizontalAdvance("Name");
    const int L = 150, T = 120, W = 120, H = 24, m = 4;
    const struct {
        TLabelPosition position;
        QPoint at;
    } cases[] = {
        {TLabelPosition::lpLeftTop, {L - w - m, T}},
        {TLabelPosition::lpLeftCenter, {L - w - m, T + (H - lh) / 2}},
        {TLabelPosition::lpLeftBottom, {L - w - m, T + H - lh}},
        {TLabelPosition::lpTopLeft, {L, T - lh - m}},
        {TLabelPosition::lpBottomLeft, {L, T + H + m}},
        {TLabelPosition::lpLeftTopLeft, {L - m, T}},
        {TLabelPosition::lpLeftCenterLeft, {L - m, T + (H - lh) / 2}},
        {TLabelPosition::lpLeftBottomLeft, {L - m, T + H - lh}},
        {TLabelPosition::lpTopCenter, {L + (W - lw) / 2, T - lh - m}},
        {TLabelPosition::lpBottomCenter, {L + (W - lw) / 2, T + H + m}},
        {TLabelPosition::lpRightTop, {L + W + m, T}},
        {TLabelPosition::lpRightCenter, {L + W + m, T + (H - lh) / 2}},
        {TLabelPosition::lpRighBottom, {L + W + m, T + H - lh}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.position));
        combo->SetLabelPosition(c.position);
        EXPECT_EQ(label->pos(), c.at);
    }
    // The label follows the combo's bounds and margin.
    combo->SetLabelPosition(TLabelPosition::lpRightTop);
    combo->SetLabelMargin(10);
    combo->move(20, 30);
    EXPECT_EQ(label->pos(), QPoint(20 + W + 10, 30));
}

TEST_F(ComboForm, CentredLabelWiderThanTheComboRoundsTowardZero)
{
    combo->setGeometry(150, 120, 20, 24);
    combo->SetLabelCaption("A rather long caption");
    combo->SetLabelPosition(TLabelPosition::lpTopCenter);
    QLabel* label = combo->ComboLabel();
    const int lw = label->width();
    ASSERT_GT(lw, 20);
    // (20 - lw) / 2 truncates toward zero, so an odd difference moves the label one pixel less to the left.
    EXPECT_EQ(label->x(), 150 - (lw - 20) / 2);
}

TEST_F(ComboForm, LabelFollowsVisibilityAndEnabledState)
{
    combo->SetLabelCaption("Name");
    QLabel* label = combo->ComboLabel();
    EXPECT_TRUE(label->isVisible());
    combo->SetVisible(false);
    EXPECT_FALSE(label->isVisible());
    combo->SetVisible(true);
    EXPECT_TRUE(label->isVisible());
    combo->SetEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    combo->SetEnabled(true);
    combo->SetLabelAlwaysEnabled(true);
    combo->SetEnabled(false);
    EXPECT_TRUE(label->isEnabled());
}

TEST_F(ComboForm, FlatTakesThePanelColourAndGivesBackTheAssignedOne)
{
    combo->SetColor(clCream);
    combo->SetFlat(true);
    EXPECT_EQ(combo->Color(), FromQColor(ToQColor(clSkyBlue)));
    EXPECT_FALSE(combo->Ctl3D());
    combo->SetFlat(false);
    EXPECT_EQ(combo->Color(), clCream);
    EXPECT_TRUE(combo->Ctl3D());
}

// A combo made at run time returns to its own colour after the focus colour, never to black.
TEST_F(ComboForm, FocusColourWhileFocusedThenTheNormalColourAgain)
{
    combo->SetFocusColor(clYellow);
    combo->setFocus();
    EXPECT_EQ(combo->Color(), clYellow);
    other->setFocus();
    EXPECT_EQ(combo->Color(), clWindow);

    combo->SetColor(clCream);
    combo->setFocus();
    EXPECT_EQ(combo->Color(), clYellow);
    other->setFocus();
    EXPECT_EQ(combo->Color(), clCream);
}

TEST_F(ComboForm, FocusLabelIsBoldWhileFocused)
{
    combo->SetLabelCaption("Name");
    combo->SetFocusLabel(true);
    combo->setFocus();
    EXPECT_TRUE(combo->ComboLabel()->font().bold());
    other->setFocus();
    EXPECT_FALSE(combo->ComboLabel()->font().bold());
}

TEST_F(ComboForm, BorderAndButtonColoursArePainted)
{
    combo->SetBorderColor(clRed);
    combo->SetButtonColor(clLime);
    combo->SetButtonBorderColor(clBlue);
    // Focused, so that the button is not flattened into the button face.
    combo->setFocus();
    const QImage image = combo->grab().toImage();
    const int W = combo->width(), H = combo->height(), bw = combo->ButtonWidth();
    // The one-pixel frame in the border colour.
    for (QPoint p : {QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W / 2, H - 1)})
        EXPECT_EQ(FromQColor(image.pixelColor(p)), clRed) << p.x() << "," << p.y();
    // The button: left edge at W - bw + 2, shrunk by one, one more to the left, one lower; the border line first.
    const int left = W - bw + 2 + 1 - 1;
    EXPECT_EQ(FromQColor(image.pixelColor(left, 5)), clBlue);
    EXPECT_EQ(FromQColor(image.pixelColor(left + 2, 4)), clLime);
    EXPECT_EQ(FromQColor(image.pixelColor(left + 7, 2 + 8)), clBlack);   // the arrow

    // Without the focus or the mouse the ring around the button turns to the button face.
    other->setFocus();
    const QImage flat = combo->grab().toImage();
    EXPECT_EQ(FromQColor(flat.pixelColor(left, 5)), ColorToRGB(clBtnFace));
    EXPECT_EQ(FromQColor(flat.pixelColor(left + 7, 2 + 8)), clBlack);
}

TEST(VxgComboBox, SelectItemAndDropUp)
{
    TVxgComboBox combo;
    combo.SetStyle(TComboBoxStyle::csDropDownList);
    combo.SetItems({"one", "two", "three"});
    combo.SelectItem("three");
    EXPECT_EQ(combo.ItemIndex(), 2);
    combo.SelectItem("four");
    EXPECT_EQ(combo.ItemIndex(), 2);
    int dropUps = 0;
    combo.OnDropUp = [&](QObject*) { ++dropUps; };
    combo.show();
    combo.showPopup();
    EXPECT_TRUE(combo.DroppedDown());
    combo.hidePopup();
    EXPECT_EQ(dropUps, 1);
    EXPECT_FALSE(combo.DroppedDown());
}

} // namespace
