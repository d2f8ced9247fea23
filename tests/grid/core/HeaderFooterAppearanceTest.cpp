#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridTypes.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {
// Records what each event saw, in order, as "<event>:<sender>".
struct EventLog {
    QStringList seen;
    void Bind(TStripAppearance& a, const QString& name)
    {
        a.OnChange = [this, &a, name](QObject* s) {
            seen << (s == &a ? name + ".OnChange" : QStringLiteral("OnChange:wrong sender"));
        };
        a.OnButtonsChanged = [this, &a, name](QObject* s) {
            seen << (s == &a ? name + ".OnButtonsChanged" : QStringLiteral("OnButtonsChanged:wrong sender"));
        };
    }
};
} // namespace

TEST(HeaderFooterAppearance, DefaultsOfBothStrips)
{
    QObject owner;
    THeaderAppearance header(&owner);
    TFooterAppearance footer(&owner);
    for (TStripAppearance* a : {static_cast<TStripAppearance*>(&header), static_cast<TStripAppearance*>(&footer)}) {
        EXPECT_EQ(a->GetOwner(), &owner);
        EXPECT_EQ(a->Color(), 0xC0C0C0u);
        EXPECT_EQ(a->ColorTo(), 0xFFFFFFu);
        EXPECT_EQ(a->Caption(), QString());
        EXPECT_EQ(a->GradientDirection(), TGradientDirection::gdVertical);
        EXPECT_TRUE(a->Visible());
        EXPECT_EQ(a->Height(), 22);
        EXPECT_EQ(a->BorderColor(), 0u);
        EXPECT_EQ(a->BorderWidth(), 1);
        EXPECT_EQ(a->ImageIndex(), -1);
        EXPECT_EQ(a->ButtonAlignment(), TButtonAlignment::baRight);
    }
    EXPECT_EQ(header.Font().Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(footer.Font(), TFont());
    EXPECT_TRUE(footer.SizeGrip());
    EXPECT_EQ(header.Buttons().Count(), 0);
    EXPECT_EQ(footer.Buttons().Count(), 0);
    // The collections belong to the appearance's owner, not the appearance.
    EXPECT_EQ(header.Buttons().GetOwner(), &owner);
    EXPECT_EQ(footer.Buttons().GetOwner(), &owner);

    TFooterButton* b = footer.Buttons().Add();
    EXPECT_EQ(b->Caption(), QString());
    EXPECT_EQ(b->ImageIndex(), -1);
    EXPECT_TRUE(b->Enabled());
    EXPECT_EQ(b->Width(), 0);
    EXPECT_EQ(b->Height(), 0);
    EXPECT_EQ(b->ModalResult(), mrNone);
}

TEST(HeaderFooterAppearance, OnlyVisibleAndButtonCaptionEnabledWidthNotify)
{
    THeaderAppearance header(nullptr);
    EventLog log;
    log.Bind(header, "header");

    header.SetVisible(true);   // unchanged
    header.SetColor(clRed);
    header.SetHeight(30);
    header.SetCaption("x");
    THeaderButton* b = header.Buttons().Add();
    header.Buttons().Insert(0);
    EXPECT_EQ(header.Buttons().GetItem(1), b);
    b->SetHeight(5);
    b->SetImageIndex(2);
    b->SetCaption("");   // unchanged
    EXPECT_TRUE(log.seen.isEmpty());

    header.SetVisible(false);
    b->SetCaption("OK");
    b->SetEnabled(false);
    b->SetWidth(40);
    b->SetWidth(40);   // unchanged
    header.Buttons().Delete(0);
    EXPECT_EQ(log.seen, QStringList({"header.OnChange", "header.OnButtonsChanged", "header.OnButtonsChanged",
                                     "header.OnButtonsChanged"}));
    EXPECT_THROW(header.Buttons().GetItem(1), EListError);
}

TEST(HeaderFooterAppearance, AssignCopiesInOrderAndFiresVisibleBeforeTheButtons)
{
    QObject owner;
    TFooterAppearance source(&owner);
    source.SetBorderColor(clBlue);
    source.SetColor(clRed);
    source.SetColorTo(clNone);
    source.SetGradientDirection(TGradientDirection::gdHorizontal);
    TFont font;
    font.SetName("Arial");
    source.SetFont(font);
    source.SetCaption("<b>foot</b>");
    source.SetSizeGrip(false);
    source.SetBorderWidth(0);
    source.SetHeight(40);
    source.SetImageIndex(3);
    source.SetVisible(false);
    source.SetButtonAlignment(TButtonAlignment::baLeft);
    TFooterButton* sb = source.Buttons().Add();
    sb->SetCaption("Close");
    sb->SetModalResult(mrCancel);
    sb->SetEnabled(false);
    sb->SetWidth(60);
    sb->SetHeight(20);
    sb->SetImageIndex(1);

    TFooterAppearance target(nullptr);
    target.Buttons().Add()->SetCaption("old");
    EventLog log;
    log.Bind(target, "footer");
    // When Visible fires, the look is copied and the buttons are not yet.
    target.OnChange = [&](QObject*) {
        log.seen << QStringLiteral("visible: height %1, alignment left %2, buttons %3")
                        .arg(target.Height())
                        .arg(target.ButtonAlignment() == TButtonAlignment::baLeft)
                        .arg(target.Buttons().GetItem(0)->Caption());
    };
    target.Assign(&source);
    EXPECT_EQ(log.seen, QStringList({"visible: height 40, alignment left 0, buttons old",
                                     "footer.OnButtonsChanged", "footer.OnButtonsChanged",
                                     "footer.OnButtonsChanged"}));
    EXPECT_EQ(target.BorderColor(), clBlue);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clNone);
    EXPECT_EQ(target.GradientDirection(), TGradientDirection::gdHorizontal);
    EXPECT_EQ(target.Font().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(target.Caption(), QStringLiteral("<b>foot</b>"));
    EXPECT_FALSE(target.SizeGrip());
    EXPECT_EQ(target.BorderWidth(), 0);
    EXPECT_EQ(target.ImageIndex(), 3);
    EXPECT_FALSE(target.Visible());
    EXPECT_EQ(target.ButtonAlignment(), TButtonAlignment::baLeft);
    ASSERT_EQ(target.Buttons().Count(), 1);
    const TFooterButton* tb = target.Buttons().GetItem(0);
    EXPECT_NE(tb, sb);
    EXPECT_EQ(tb->Caption(), QStringLiteral("Close"));
    EXPECT_EQ(tb->ModalResult(), mrCancel);
    EXPECT_FALSE(tb->Enabled());
    EXPECT_EQ(tb->Width(), 60);
    EXPECT_EQ(tb->Height(), 20);
    EXPECT_EQ(tb->ImageIndex(), 1);

    // Same visibility again: no OnChange.
    log.seen.clear();
    target.Assign(&source);
    EXPECT_TRUE(log.seen.filter(QStringLiteral("visible:")).isEmpty()) << log.seen.join(", ").toStdString();
}

TEST(HeaderFooterAppearance, AssignFromAnotherClassKeepsEverything)
{
    THeaderAppearance header(nullptr);
    header.SetHeight(33);
    header.Buttons().Add()->SetCaption("h");
    TFooterAppearance footer(nullptr);
    footer.SetHeight(44);
    footer.SetColor(clRed);
    QObject other;

    header.Assign(&footer);
    header.Assign(&other);
    header.Assign(nullptr);
    header.AssignColors(&footer);
    EXPECT_EQ(header.Height(), 33);
    EXPECT_EQ(header.Color(), clSilver);
    EXPECT_EQ(header.Buttons().Count(), 1);

    THeaderAppearance colours(nullptr);
    colours.SetColor(clRed);
    colours.SetBorderColor(clBlue);
    colours.SetHeight(99);
    header.AssignColors(&colours);
    EXPECT_EQ(header.Color(), clRed);
    EXPECT_EQ(header.BorderColor(), clBlue);
    EXPECT_EQ(header.Height(), 33);   // not a colour
}

TEST(HeaderFooterAppearance, ButtonAssignFromAnotherClassRaises)
{
    THeaderButtons headers(nullptr);
    TFooterButtons footers(nullptr);
    THeaderButton* h = headers.Add();
    TFooterButton* f = footers.Add();
    f->SetCaption("f");
    try {
        h->Assign(f);
        FAIL() << "no error raised";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TFooterButton to a THeaderButton");
    }
    EXPECT_EQ(h->Caption(), QString());

    // SetItem assigns into the button already there.
    TFooterButton value(nullptr);
    value.SetCaption("v");
    value.SetModalResult(mrOk);
    footers.SetItem(0, value);
    EXPECT_EQ(footers.GetItem(0), f);
    EXPECT_EQ(f->Caption(), QStringLiteral("v"));
    EXPECT_EQ(f->ModalResult(), mrOk);
}
