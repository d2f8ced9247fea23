#include "DropDownFixture.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "platform/SaveFile.h"
#include "support/PaintSurface.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/GradientButton.h"
#include "widgets/dropdown/PopupPanels.h"
#include <QBuffer>
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
TColor PixelOf(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}

// A drop-down whose footer has an OK and a Cancel button.
struct FooterDropDown : DropDownWindow<TVxCustomDropDown> {
    int clicked = -1;
    int dropUps = 0;
    bool cancelled = false;
    FooterDropDown()
    {
        TFooterAppearance& f = edit->DropDownFooter();
        TFooterButton* ok = f.Buttons().Add();
        ok->SetCaption(QStringLiteral("OK"));
        ok->SetModalResult(mrOk);
        TFooterButton* cancel = f.Buttons().Add();
        cancel->SetCaption(QStringLiteral("Cancel"));
        cancel->SetModalResult(mrCancel);
        f.SetCaption(QStringLiteral("<b>Pick</b>"));
        edit->DropDownHeader().SetVisible(false);
        edit->SetDropDownWidth(220);
        edit->SetDropDownHeight(120);
        edit->OnDropDownFooterButtonClick = [this](QObject*, int index) { clicked = index; };
        edit->OnDropUp = [this](QObject*, bool c) {
            ++dropUps;
            cancelled = c;
        };
    }
    TVxFooter* Footer() const { return edit->DropDownForm()->Footer(); }
    TVxButton* FooterButton(int i) const { return Footer()->ButtonList().GetItemsEx(i); }
};
} // namespace

TEST(PopupStrips, FooterWithTwoButtonsAndTheSizeGrip)
{
    FooterDropDown w;
    w.edit->ShowDropDown();
    TVxFooter* footer = w.Footer();
    ASSERT_NE(footer, nullptr);
    ASSERT_EQ(footer->ButtonList().Count(), 2);
    EXPECT_EQ(footer->height(), 22);
    EXPECT_EQ(footer->y() + footer->height(), 120 - 1);   // above the pop-up's 1-pixel border
    // Right-aligned, the first button rightmost, ending where the grip's room begins.
    const TRect area = footer->GetButtonArea();
    EXPECT_EQ(area.Right, footer->width() - 14);
    EXPECT_EQ(w.FooterButton(0)->x() + w.FooterButton(0)->width(), area.Right);
    EXPECT_EQ(w.FooterButton(1)->x() + w.FooterButton(1)->width(), w.FooterButton(0)->x());
    EXPECT_THROW(footer->ButtonList().GetItemsEx(2), std::out_of_range);

    const QImage shot = footer->grab().toImage();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(shot.save(&buffer, "PNG"));
    EXPECT_TRUE(SaveWholeFile(QCoreApplication::applicationDirPath() + QStringLiteral("/dropdown_footer.png"), png));

    // The grip: white squares with border-coloured ones a pixel up and left (Luna: border $FFD2AF).
    const int L = footer->width() - 1 - 16, B = footer->height();
    for (const QPoint& p : {QPoint(5, -4), QPoint(13, -4), QPoint(13, -12), QPoint(9, -8)}) {
        SCOPED_TRACE(p.x() * 100 + p.y());
        EXPECT_EQ(PixelOf(shot, L + p.x() + 1, B + p.y() + 1), clWhite);
        EXPECT_EQ(PixelOf(shot, L + p.x() - 1, B + p.y() - 1), 0xFFD2AFu);
    }
    // The top border line in the footer's border colour over the gradient.
    EXPECT_EQ(PixelOf(shot, 40, 0), 0xFFD2AFu);
}

TEST(PopupStrips, FooterButtonsCloseByTheirModalResult)
{
    FooterDropDown w;
    w.edit->SetText(QStringLiteral("kept"));
    w.edit->ShowDropDown();
    w.edit->setText(QStringLiteral("typed"));
    QTest::mouseClick(w.FooterButton(1), Qt::LeftButton);
    EXPECT_FALSE(w.edit->DroppedDown());
    EXPECT_TRUE(w.cancelled);
    EXPECT_EQ(w.clicked, 1);
    EXPECT_EQ(w.edit->Text(), QStringLiteral("kept"));

    w.edit->ShowDropDown();
    w.clicked = -1;
    // Enter on a button closes by its result without the click event.
    TypeKey(w.FooterButton(0), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(w.edit->DroppedDown());
    EXPECT_FALSE(w.cancelled);
    EXPECT_EQ(w.clicked, -1);

    // mrRetry sets the pop-up's result and leaves it open.
    w.edit->DropDownFooter().Buttons().GetItem(0)->SetModalResult(mrRetry);
    w.edit->ShowDropDown();
    QTest::mouseClick(w.FooterButton(0), Qt::LeftButton);
    EXPECT_TRUE(w.edit->DroppedDown());
    EXPECT_EQ(w.edit->DropDownForm()->ModalResult(), mrRetry);
    EXPECT_EQ(w.clicked, 0);
    EXPECT_EQ(w.dropUps, 2);
}

TEST(PopupStrips, NoGripWhenThePopupIsNotSizeableAndTheGripResizes)
{
    FooterDropDown w;
    w.edit->SetDropDownSizeable(false);
    w.edit->ShowDropDown();
    EXPECT_FALSE(w.Footer()->SizeGripShown());
    EXPECT_EQ(w.Footer()->GetButtonArea().Right, w.Footer()->width() - 2);
    w.edit->HideDropDown(false);

    w.edit->SetDropDownSizeable(true);
    w.edit->ShowDropDown();
    TVxFooter* footer = w.Footer();
    const QSize before = w.edit->DropDownForm()->size();
    const QPoint grip(footer->width() - 4, footer->height() - 4);
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), footer->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(footer, &e);
    };
    send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
    send(QEvent::MouseMove, grip + QPoint(30, 20), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grip + QPoint(30, 20), Qt::NoButton);
    EXPECT_EQ(w.edit->DropDownForm()->size(), before + QSize(30, 20));
}

TEST(PopupStrips, HeaderButtonsAndOwnPainting)
{
    DropDownWindow<TVxCustomDropDown> w;
    TVxCustomDropDown& d = *w.edit;
    THeaderAppearance& h = d.DropDownHeader();
    h.Buttons().Add()->SetCaption(QStringLiteral("A"));
    h.Buttons().Add()->SetCaption(QStringLiteral("B"));
    h.Buttons().GetItem(1)->SetHeight(100);   // cut to the button area
    h.SetButtonAlignment(TButtonAlignment::baLeft);
    d.DropDownFooter().SetVisible(false);
    int painted = 0, clicked = -1;
    d.OnDrawHeader = [&](QObject*, TCanvas& c, const TRect& r) {
        ++painted;
        FillRectColor(c, r, clRed);
    };
    d.OnDropDownHeaderButtonClick = [&](QObject* sender, int index) {
        clicked = sender == &d ? index : -2;
    };
    d.ShowDropDown();
    TVxHeader* header = d.DropDownForm()->Header();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(d.DropDownForm()->Footer(), nullptr);   // never needed, never made
    TVxButton* a = header->ButtonList().GetItemsEx(0);
    TVxButton* b = header->ButtonList().GetItemsEx(1);
    EXPECT_EQ(a->x(), 2);
    EXPECT_EQ(b->x(), a->x() + a->width());
    EXPECT_EQ(b->height(), header->GetButtonArea().Height());
    const QImage shot = header->grab().toImage();
    EXPECT_GT(painted, 0);
    EXPECT_EQ(PixelOf(shot, header->width() - 3, 3), clRed);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(clicked, 1);
    EXPECT_TRUE(d.DroppedDown());
}

TEST(GradientButton, FaceByStateAndNothingWithoutAppearance)
{
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::black);
    parent.setPalette(pal);
    parent.resize(100, 50);
    TVxButtonAppearance appearance;
    auto* button = new TVxButton(&parent);
    button->SetBounds(10, 10, 40, 20);
    parent.show();
    EXPECT_EQ(PixelOf(button->grab().toImage(), 20, 10), clBlack);   // no appearance: the parent only
    button->SetAppearance(&appearance);
    EXPECT_EQ(PixelOf(button->grab().toImage(), 20, 10), clBlack);   // default normal state: no face
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    const QImage hot = button->grab().toImage();
    EXPECT_EQ(PixelOf(hot, 20, 10), 0xF5F0E1u);
    EXPECT_EQ(PixelOf(hot, 0, 10), 0x808080u);
    EXPECT_EQ(PixelOf(hot, 39, 19), 0x808080u);
    button->SetDown(true);
    EXPECT_FALSE(button->Down());   // a plain button outside a group never stays down
    button->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(PixelOf(button->grab().toImage(), 20, 10), 0xF5D8CAu);   // the latched face, a tenth darker
}

TEST(GradientButton, ReleaseOnTheBottomRowCountsAsInside)
{
    QWidget parent;
    auto* button = new TVxButton(&parent);
    button->SetBounds(0, 0, 30, 20);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    parent.show();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 20));
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
    EXPECT_EQ(clicks, 1);
}

TEST(DropDownEditButton, GlyphOrColouredFaceAndFixedWidth)
{
    DropDownWindow<TVxCustomDropDown> w;
    TDropDownEditButton* button = w.edit->Button();
    button->SetBounds(0, 0, 40, 20);
    EXPECT_EQ(button->width(), 17);
    button->ButtonColor = clYellow;
    button->ButtonTextColor = clBlue;
    QImage shot = button->InnerButton()->grab().toImage();
    EXPECT_EQ(PixelOf(shot, 12, 3), clYellow);
    EXPECT_EQ(PixelOf(shot, 8, 8), clBlue);   // the arrow
    button->ButtonColor = clNone;
    button->InnerButton()->Glyph().SetSize(6, 6);
    button->InnerButton()->Glyph().Canvas().Brush().SetColor(clLime);
    button->InnerButton()->Glyph().Canvas().FillRect(Rect(0, 0, 6, 6));
    button->InnerButton()->Glyph().Canvas().SetPixels(0, 5, clRed);   // the transparent colour
    shot = button->InnerButton()->grab().toImage();
    EXPECT_EQ(PixelOf(shot, 0, 10), 0x808080u);
    EXPECT_EQ(PixelOf(shot, 3, 3), clLime);
    EXPECT_EQ(PixelOf(shot, 8, 8), ColorToRGB(clBtnFace));   // no arrow
}
