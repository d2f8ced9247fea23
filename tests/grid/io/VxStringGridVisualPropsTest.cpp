#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/io/GridIniFile.h"
#include "grid/model/GridGrouping.h"
#include "grid/paint/ControlLook.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray ReadBytes(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteBytes(const QString& Path, const QByteArray& Bytes)
{
    QFile f(Path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(Bytes) == Bytes.size();
}

const QString kGolden = QStringLiteral(VX_TEST_DATA "/visual_props_every_line_set/VisualProps.txt");

TFont MakeFont(TColor Color, TFontStyles Style, int Size, const QString& Name)
{
    TFont f;
    f.SetColor(Color);
    f.SetStyle(Style);
    f.SetSize(Size);
    f.SetName(Name);
    return f;
}

// Every property of the file set away from its default, the look first so that it changes nothing set after it.
void SetEveryLine(TVxStringGrid& g)
{
    g.SetLook(TGridLook::glSoft);
    g.SetColor(clYellow);
    g.SetHintColor(0x102030);
    g.SetSelectionColor(clRed);
    g.SetSelectionColorTo(0xABCDEF);
    g.SetSelectionMirrorColor(clNone);
    g.SetSelectionMirrorColorTo(clBtnFace);
    g.SetSelectionTextColor(clWhite);
    g.SetURLColor(clNavy);
    g.SetURLShow(false);
    g.SetURLShowInText(true);
    g.SetScrollColor(clSilver);
    g.SetActiveRowColor(0xAABBCC);
    g.SetActiveRowShow(true);
    g.SetActiveCellShow(true);
    g.SetFont(MakeFont(clMaroon, TFontStyle::fsBold | TFontStyle::fsUnderline, 12, "Verdana"));
    g.SetActiveCellColor(0xC0FFEE);
    g.SetActiveCellColorTo(clLime);
    g.SetActiveCellFont(MakeFont(clGreen, TFontStyle::fsItalic | TFontStyle::fsStrikeOut, 9, "Courier New"));
    g.SetFixedFont(MakeFont(clWindowText, {}, 10, "Arial"));
    g.Balloon().SetBackgroundColor(clCream);
    g.Balloon().SetTextColor(clBlack);
    g.Balloon().SetTransparency(40);
    g.Bands().SetActive(true);
    g.Bands().SetPrimaryColor(clMoneyGreen);
    g.Bands().SetSecondaryColor(clSkyBlue);
    g.SortSettings().SetIndexColor(clAqua);
    g.FloatingFooter().SetColor(clMedGray);
    TControlLook& cl = g.ControlLook();
    cl.SetCheckSize(17);
    cl.SetColor(clPurple);
    cl.SetCommentColor(clTeal);
    cl.SetControlStyle(TControlStyle::csFlat);
    cl.SetFixedGradientFrom(0xF0E0D0);
    cl.SetFixedGradientTo(clGray);
    cl.SetRadioSize(13);
    cl.SetFlatButton(true);
    cl.SetProgressBorderColor(clOlive);
    cl.SetProgressXP(true);
    g.SearchFooter().SetColor(clFuchsia);
    g.SearchFooter().SetColorTo(clHighlight);
    TGrouping& gr = g.Grouping();
    gr.SetHeaderColor(0xE0E0E0);
    gr.SetHeaderColorTo(clWhite);
    gr.SetHeaderTextColor(clBlue);
    gr.SetHeaderUnderline(true);
    gr.SetHeaderLineColor(clRed);
    gr.SetHeaderLineWidth(3);
    gr.SetSummaryColor(0xD0F0D0);
    gr.SetSummaryColorTo(clNone);
    gr.SetSummaryTextColor(clMaroon);
    gr.SetSummaryLine(true);
    gr.SetSummaryLineColor(clGreen);
    gr.SetSummaryLineWidth(1);
    g.SetGridLineColor(0xDDDDDD);
    g.SetGridFixedLineColor(clBtnShadow);
    g.BackGround().SetTop(5);
    g.BackGround().SetLeft(-7);
    g.BackGround().SetDisplay(TBackGroundDisplay::bdGradientVert);
    g.BackGround().SetCells(TBackGroundCells::bcAll);
    g.BackGround().SetColor(clWindow);
    g.BackGround().SetColorTo(0x123456);
}
} // namespace

TEST(VxStringGridVisualProps, WritesEveryLineInOrderAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("props.txt");
    TVxStringGrid a;
    SetEveryLine(a);
    a.SaveVisualProps(path);
    EXPECT_EQ(ReadBytes(path), ReadBytes(kGolden));

    // A grid of the same look reads every value back as written.
    TVxStringGrid b;
    b.SetLook(TGridLook::glSoft);
    b.LoadVisualProps(kGolden);
    EXPECT_EQ(b.Font().Name(), "Verdana");
    EXPECT_EQ(b.ActiveCellFont().Style(), TFontStyle::fsItalic | TFontStyle::fsStrikeOut);
    EXPECT_EQ(b.Grouping().HeaderLineWidth(), 3);
    EXPECT_EQ(b.BackGround().Display(), TBackGroundDisplay::bdGradientVert);
    b.SaveVisualProps(dir.filePath("again.txt"));
    EXPECT_EQ(ReadBytes(dir.filePath("again.txt")), ReadBytes(kGolden));
}

TEST(VxStringGridVisualProps, ANewGridsFileGivesAnotherNewGridTheSameProperties)
{
    QTemporaryDir dir;
    TVxStringGrid a, b;
    a.SaveVisualProps(dir.filePath("a.txt"));
    SetEveryLine(b);
    b.SetLook(TGridLook::glXP);   // the new grid's look: the file's look then changes nothing
    b.LoadVisualProps(dir.filePath("a.txt"));
    b.SaveVisualProps(dir.filePath("b.txt"));
    EXPECT_EQ(ReadBytes(dir.filePath("b.txt")), ReadBytes(dir.filePath("a.txt")));
}

TEST(VxStringGridVisualProps, TheLookComesAfterTheColoursBeforeItAndBeforeTheLines)
{
    TVxStringGrid g;   // glXP
    g.LoadVisualProps(kGolden);
    EXPECT_EQ(g.Look(), TGridLook::glSoft);
    EXPECT_EQ(g.SelectionColor(), clHighlight);   // the look's, not the file's clRed
    EXPECT_EQ(g.ActiveCellColor(), TColor(0x808080));
    EXPECT_EQ(g.GridLineColor(), TColor(0xDDDDDD));   // read after the look
    EXPECT_EQ(g.SearchFooter().Color(), clFuchsia);
    EXPECT_EQ(g.Grouping().SummaryLineColor(), clGreen);
}

TEST(VxStringGridVisualProps, ReadingForms)
{
    QTemporaryDir dir;
    QByteArray golden = ReadBytes(kGolden);
    // Names without regard to case, the reader's own spelling of the balloon colour, "$" and decimal colours,
    // any case of "true", styles found anywhere in the value, enumeration names in any case, LF line ends.
    golden.replace("Balloon.BackgroundColor=clCream", "BALLOON.BACKGROUNDCOLOR=$00000102");
    golden.replace("ScrollColor=clSilver", "scrollcolor=255");
    golden.replace("URLShowInText=true", "URLShowInText=True");
    golden.replace("Bands.Active=true", "Bands.Active=yes");
    golden.replace("Font.Style=fsBold,fsUnderline", "Font.Style=[fsUnderline fsBold]");
    golden.replace("BackGround.Cells=bcAll", "BackGround.Cells=BCFIXED");
    golden.replace("ControlLook.ControlStyle=csFlat", "ControlLook.ControlStyle=csNoSuchStyle");
    golden.replace("HintColor=$00102030", "HintColor=");
    golden.replace("\r\n", "\n");
    const QString path = dir.filePath("forms.txt");
    ASSERT_TRUE(WriteBytes(path, golden));
    TVxStringGrid g;
    g.LoadVisualProps(path);
    EXPECT_EQ(g.Balloon().BackgroundColor(), TColor(0x102));
    EXPECT_EQ(g.ScrollColor(), clRed);
    EXPECT_TRUE(g.URLShowInText());
    EXPECT_FALSE(g.Bands().Active());
    EXPECT_EQ(g.Font().Style(), TFontStyle::fsBold | TFontStyle::fsUnderline);
    EXPECT_EQ(g.BackGround().Cells(), TBackGroundCells::bcFixed);
    EXPECT_EQ(g.ControlLook().ControlStyle(), TControlStyle::csTheme);   // an unknown name keeps the new grid's
    EXPECT_EQ(g.HintColor(), clNone);   // empty colour
}

TEST(VxStringGridVisualProps, BadFilesRaiseAndKeepWhatWasApplied)
{
    QTemporaryDir dir;
    TVxStringGrid g;
    EXPECT_THROW(g.LoadVisualProps(dir.filePath("missing.txt")), EInOutError);

    struct Case {
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"Font.Size=12", "Font.Size=twelve"},            // integers are strict
        {"Font.Size=12\r\n", ""},                        // and must be there
        {"Balloon.Transparency=40", "Balloon.Transparency=256"},
        {"Color=clYellow", "Color=clNoSuchColour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        QByteArray bytes = ReadBytes(kGolden);
        bytes.replace(c.from, c.to);
        const QString path = dir.filePath("bad.txt");
        ASSERT_TRUE(WriteBytes(path, bytes));
        TVxStringGrid h;
        EXPECT_THROW(h.LoadVisualProps(path), EConvertError);
    }
    // Lines before the bad one are applied.
    QByteArray bytes = ReadBytes(kGolden);
    bytes.replace("Font.Size=12", "Font.Size=x");
    ASSERT_TRUE(WriteBytes(dir.filePath("late.txt"), bytes));
    EXPECT_THROW(g.LoadVisualProps(dir.filePath("late.txt")), EConvertError);
    EXPECT_EQ(g.SelectionColor(), clRed);
    EXPECT_NE(g.Font().Name(), "Verdana");

    // A file that cannot be written leaves nothing and is reported.
    EXPECT_THROW(g.SaveVisualProps(dir.filePath("no/such/folder/props.txt")), EVxGridError);
    EXPECT_FALSE(QFile::exists(dir.filePath("no/such/folder/props.txt")));
}

TEST(VxStringGridVisualProps, FontNamesAreWrittenInTheAnsiCodePage)
{
    QTemporaryDir dir;
    TVxStringGrid a;
    TFont f = a.Font();
    f.SetName(QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"));   // é and the euro sign
    a.SetFont(f);
    a.SaveVisualProps(dir.filePath("a.txt"));
    EXPECT_TRUE(ReadBytes(dir.filePath("a.txt")).contains("Font.Name=Caf\xE9 \x80\r\n"));
    TVxStringGrid b;
    b.LoadVisualProps(dir.filePath("a.txt"));
    EXPECT_EQ(b.Font().Name(), f.Name());
}
