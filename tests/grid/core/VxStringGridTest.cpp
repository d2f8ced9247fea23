#include "grid/core/GridSettings.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/paint/ControlLook.h"
#include "support/CountedObject.h"
#include "support/QStringPrinter.h"
#include <QStyle>
#include <gtest/gtest.h>
#include <type_traits>

namespace {
template <typename T>
QString V(T value)
{
    if constexpr (std::is_enum_v<T>)
        return QString::number(int(value));
    else if constexpr (std::is_same_v<T, bool>)
        return value ? QStringLiteral("true") : QStringLiteral("false");
    else if constexpr (std::is_same_v<T, TColor>)
        return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0'));
    else if constexpr (std::is_same_v<T, QChar>)
        return QString(value);
    else if constexpr (std::is_integral_v<T>)
        return QString::number(value);
    else
        return QString(value);
}
QString V(TPoint p) { return QStringLiteral("(%1,%2)").arg(p.X).arg(p.Y); }

struct Default {
    const char* property;
    QString actual;
    QString expected;
};
} // namespace

TEST(VxStringGrid, DefaultsAfterConstruction)
{
    TVxStringGrid g;
    const Default table[] = {
        {"RowCount", V(g.RowCount()), "10"},
        {"ColCount", V(g.ColCount()), "5"},
        {"FixedRows", V(g.FixedRows()), "1"},
        {"FixedCols", V(g.FixedCols()), "1"},
        {"DefaultColWidth", V(g.DefaultColWidth()), "64"},
        {"Width x Height", QStringLiteral("%1x%2").arg(g.width()).arg(g.height()), "400x250"},
        {"DefaultRowHeight", V(g.DefaultRowHeight()), "22"},
        {"FixedRowHeight", V(g.FixedRowHeight()), "22"},
        {"AutoSize", V(g.AutoSize()), "false"},
        {"FloatFormat", g.FloatFormat(), "%.2f"},
        {"CheckTrue", g.CheckTrue(), "Y"},
        {"CheckFalse", g.CheckFalse(), "N"},
        {"PasswordChar", V(g.PasswordChar()), "*"},
        {"XMLEncoding", g.XMLEncoding(), "ISO-8859-1"},
        {"FilterDropDownClear", g.FilterDropDownClear(), "(All)"},
        {"Look", V(g.Look()), V(TGridLook::glXP)},
        {"SelectionColor", V(g.SelectionColor()), V(TColor(0xEACAB6))},
        {"SelectionColorTo", V(g.SelectionColorTo()), V(clNone)},
        {"SelectionMirrorColor", V(g.SelectionMirrorColor()), V(clNone)},
        {"SelectionMirrorColorTo", V(g.SelectionMirrorColorTo()), V(clNone)},
        {"SelectionTextColor", V(g.SelectionTextColor()), V(clBlack)},
        {"SelectionColorMixerFactor", V(g.SelectionColorMixerFactor()), "50"},
        {"SelectionRectangleColor", V(g.SelectionRectangleColor()), V(clBlack)},
        {"ShowSelection", V(g.ShowSelection()), "true"},
        {"ActiveCellColor", V(g.ActiveCellColor()), V(TColor(0x808080))},
        {"ActiveCellColorTo", V(g.ActiveCellColorTo()), V(clNone)},
        {"HintColor", V(g.HintColor()), V(TColor(0xFF000018))},
        {"HighlightColor", V(g.HighlightColor()), V(TColor(0xFF00000D))},
        {"HighlightTextColor", V(g.HighlightTextColor()), V(TColor(0xFF00000E))},
        {"URLColor", V(g.URLColor()), V(TColor(0xFF0000))},
        {"DisabledFontColor", V(g.DisabledFontColor()), V(TColor(0xC0C0C0))},
        {"BorderColor", V(g.BorderColor()), V(TColor(0xB99D7F))},
        {"ScrollBars", V(g.ScrollBars()), V(TScrollStyle::ssBoth)},
        {"ScrollType", V(g.ScrollType()), V(TScrollType::ssNormal)},
        {"ScrollColor", V(g.ScrollColor()), V(clNone)},
        {"ZarnGradientFrom", V(g.ZarnGradientFrom()), V(TColor(0xFFFFFF))},
        {"ZarnGradientTo", V(g.ZarnGradientTo()), V(ColorToRGB(clBtnFace))},
        {"ZarnGradientMirrorFrom", V(g.ZarnGradientMirrorFrom()), V(clNone)},
        {"ZarnGradientMirrorTo", V(g.ZarnGradientMirrorTo()), V(clNone)},
        {"XYOffset", V(g.XYOffset()), "(2,2)"},
        {"DefaultEditor", V(g.DefaultEditor()), V(TEditorType::edNormal)},
        {"DefaultAlignment", V(g.DefaultAlignment()), V(TAlignment::taLeftJustify)},
        {"VAlignment", V(g.VAlignment()), V(TVAlignment::vtaTop)},
        {"InvalidEntryIcon", V(g.InvalidEntryIcon()), V(TInvalidEntryIcon::ieWarning)},
        {"HoverFixedCells", V(g.HoverFixedCells()), V(THoverFixedCells::hfNone)},
        {"HintShowLargeTextPos", V(g.HintShowLargeTextPos()), V(THintPos::hpCell)},
        {"FilterDropDownColumns", V(g.FilterDropDownColumns()), V(TFilterDropDownColumns::fdNormal)},
        {"GroupColumn", V(g.GroupColumn()), "-1"},
        {"MinRowHeight/MaxRowHeight/MinColWidth/MaxColWidth",
         QStringLiteral("%1/%2/%3/%4").arg(g.MinRowHeight()).arg(g.MaxRowHeight()).arg(g.MinColWidth()).arg(g.MaxColWidth()),
         "0/0/0/0"},
        {"ZoomFactor", V(g.ZoomFactor()), "0"},
        {"PreviewPage", V(g.PreviewPage()), "1"},
        {"Delimiter", V(g.Delimiter().unicode()), "0"},
        {"IntelliPan", V(g.IntelliPan()), V(TIntelliPan::ipVertical)},
        {"ScrollBarAlways", V(g.ScrollBarAlways()), V(TScrollBarAlways::saNone)},
        {"ScrollHints", V(g.ScrollHints()), V(TScrollHintType::shNone)},
        {"FixedRowAlways/FixedColAlways", V(g.FixedRowAlways()) + V(g.FixedColAlways()), "falsefalse"},
        {"FixedFooters/FixedRightCols/MaxEditLength", QStringLiteral("%1/%2/%3").arg(g.FixedFooters()).arg(g.FixedRightCols()).arg(g.MaxEditLength()), "0/0/0"},
        {"WordWrap", V(g.WordWrap()), "true"},
        {"ShowDesignHelper", V(g.ShowDesignHelper()), "true"},
        {"ActiveCellShow/Hovering/AutoThemeAdapt/Flat",
         V(g.ActiveCellShow()) + V(g.Hovering()) + V(g.AutoThemeAdapt()) + V(g.Flat()), "falsefalsefalsefalse"},
        {"FixedFont", g.FixedFont().Name() + V(g.FixedFont().Style() == TFontStyles(TFontStyle::fsBold)), "Tahomatrue"},
        {"ActiveCellFont bold", V(g.ActiveCellFont().Style() == TFontStyles(TFontStyle::fsBold)), "true"},
        {"AllColCount", V(g.AllColCount()), "5"},
        {"CurrentEditor", V(g.CurrentEditor()), V(TEditorType::edNormal)},
        {"ControlLook.ControlStyle", V(g.ControlLook().ControlStyle()), V(TControlStyle::csTheme)},
        {"ControlLook.CheckSize/RadioSize/DropDownCount",
         QStringLiteral("%1/%2/%3").arg(g.ControlLook().CheckSize()).arg(g.ControlLook().RadioSize()).arg(g.ControlLook().DropDownCount()),
         "15/10/8"},
        {"ControlLook.DropDownHeader.Font", g.ControlLook().DropDownHeader().Font().Name(), "Tahoma"},
        {"ControlLook.DropDownFooter.Buttons", V(g.ControlLook().DropDownFooter().Buttons().Count()), "0"},
        {"BackGround.Color/ColorTo", V(g.BackGround().Color()) + V(g.BackGround().ColorTo()), V(clWindow) + V(clBtnFace)},
        {"ShowModified.Color/Enabled", V(g.ShowModified().Color()) + V(g.ShowModified().Enabled()), V(clYellow) + "false"},
        {"CellNode.NodeIndent/NodeType", V(g.CellNode().NodeIndent()) + V(g.CellNode().NodeType()), "12" + V(TNodeType::cnXP)},
        {"ColumnSize.StretchColumn/Rows", V(g.ColumnSize().StretchColumn()) + V(g.ColumnSize().Rows()), "-1" + V(TAutoSizeRows::arAll)},
        {"HTMLSettings.Width/BorderSize/ExportImages",
         V(g.HTMLSettings().Width()) + V(g.HTMLSettings().BorderSize()) + V(g.HTMLSettings().ExportImages()), "1001true"},
        {"PrintSettings.DateFormat/PageNumSep/Borders",
         g.PrintSettings().DateFormat() + g.PrintSettings().PageNumSep() + V(g.PrintSettings().Borders()),
         "dd/mm/yyyy/" + V(TPrintBorders::pbSingle)},
        {"SizeWhileTyping.Height/Width", V(g.SizeWhileTyping().Height()) + V(g.SizeWhileTyping().Width()), "falsefalse"},
        {"SearchFooter.Visible", V(g.SearchFooter().Visible()), "false"},
        {"RowIndicator empty", V(g.RowIndicator().Empty()), "true"},
        {"hidden editor controls", V(int(g.EditorControls().size())), "12"},
    };
    for (const Default& d : table)
        EXPECT_EQ(d.actual, d.expected) << d.property;

    bool flagsTrue = g.FitCellsInGrid() && g.FilterNormalCellsOnly() && g.AutoFilterUpdate() &&
                     g.UseInternalHintClass() && g.EnhRowColMove() && g.UseDisabledFont() && g.EnableWheel() &&
                     g.IntelliZoom() && g.LoadFirstRow() && g.QuoteEmptyCells() && g.EnableHTML() &&
                     g.ShowNullDates() && g.SaveFixedCells() && g.SaveVirtCells() && g.SaveWithHTML();
    bool flagsFalse = g.SizeGrowOnly() || g.HideFocusRect() || g.FixedAsButtons() || g.AlwaysQuotes() ||
                      g.SaveFixedRows() || g.SaveFixedCols() || g.SaveHiddenCells() || g.JavaCSV() ||
                      g.NoDefaultDraw() || g.ClearTextOnly() || g.FilterIncremental() || g.PrinterDriverFix() ||
                      g.ExcelClipboardFormat() || g.FindBusy();
    EXPECT_TRUE(flagsTrue);
    EXPECT_FALSE(flagsFalse);
    for (QWidget* editor : g.EditorControls()) {
        EXPECT_EQ(editor->parent(), &g);
        EXPECT_FALSE(editor->isVisibleTo(&g));
    }
}

// Each hook passes its coordinates to its event in the published order.
TEST(VxStringGrid, HooksPassRowAndColumnInTheirEventsOrder)
{
    TVxStringGrid g;
    QStringList seen;
    auto rc = [&](const char* name) {
        return [&seen, name](QObject*, int a, int b, auto&&...) { seen << QStringLiteral("%1(%2,%3)").arg(name).arg(a).arg(b); };
    };
    g.OnGridHint = rc("GridHint");
    g.OnGetCellColor = rc("GetCellColor");
    g.OnGetCellPrintColor = rc("GetCellPrintColor");
    g.OnGetCellBorder = rc("GetCellBorder");
    g.OnGetCellPrintBorder = rc("GetCellPrintBorder");
    g.OnGetAlignment = rc("GetAlignment");
    g.OnGetEditorType = rc("GetEditorType");
    g.OnHasComboBox = rc("HasComboBox");
    g.OnHasSpinEdit = rc("HasSpinEdit");
    g.OnIsFixedCell = rc("IsFixedCell");
    g.OnCanEditCell = rc("CanEditCell");
    g.OnIsPasswordCell = rc("IsPasswordCell");
    g.OnGetWordWrap = rc("GetWordWrap");
    g.OnGetCheckTrue = rc("GetCheckTrue");
    g.OnButtonClick = rc("ButtonClick");
    g.OnComboCloseUp = rc("ComboCloseUp");
    g.OnComboDropDown = rc("ComboDropDown");
    g.OnFixedEdit = rc("FixedEdit");
    g.OnLoadCell = rc("LoadCell");
    g.OnGetCellCursor = rc("GetCellCursor");

    const int c = 3, r = 7;
    QString hint, wide;
    TBrush brush;
    TFont font;
    TPen pen;
    TCellBorders borders;
    TAlignment ha = TAlignment::taLeftJustify;
    TVAlignment va = TVAlignment::vtaTop;
    TEditorType editor = TEditorType::edNormal;
    bool flag = false;
    QString text;
    TGridFixedCellEditor fixedEditor = TGridFixedCellEditor::fceEdit;
    QStringList values;
    g.GetCellHint(c, r, hint, wide);
    g.GetCellColor(c, r, {}, &brush, &font);
    g.GetCellPrintColor(c, r, {}, &brush, &font);
    g.GetCellBorder(c, r, &pen, borders);
    g.GetCellPrintBorder(c, r, &pen, borders);
    g.DoGetAlignment(c, r, ha, va);
    g.GetCellEditor(c, r, editor);
    g.HasComboBox(c, r);
    g.HasSpinEdit(c, r);
    g.IsFixedCell(c, r, flag);
    flag = true;
    g.CanEditCell(c, r, flag);
    g.IsPasswordCell(c, r, flag);
    g.DoGetWordWrap(c, r, flag);
    g.GetCheckTrue(c, r, text);
    g.DoButtonClick(c, r);
    g.DoComboCloseUp(r, c);
    g.DoComboDropDown(r, c);
    g.DoFixedEdit(c, r, fixedEditor, values);
    g.LoadCellText(c, r, "x");
    g.DoGetCellCursor(c, r, 1, 2);
    EXPECT_EQ(seen, QStringList({"GridHint(7,3)", "GetCellColor(7,3)", "GetCellPrintColor(7,3)", "GetCellBorder(7,3)",
                                 "GetCellPrintBorder(7,3)", "GetAlignment(7,3)", "GetEditorType(3,7)",
                                 "HasComboBox(3,7)", "HasSpinEdit(3,7)", "IsFixedCell(7,3)", "CanEditCell(7,3)",
                                 "IsPasswordCell(7,3)", "GetWordWrap(3,7)", "GetCheckTrue(3,7)", "ButtonClick(3,7)",
                                 "ComboCloseUp(7,3)", "ComboDropDown(7,3)", "FixedEdit(3,7)", "LoadCell(3,7)",
                                 "GetCellCursor(3,7)"}));
}

TEST(VxStringGrid, HookDefaultsAndBuiltInRules)
{
    TVxStringGrid g;
    QString value = "?";
    g.GetCheckTrue(1, 1, value);
    EXPECT_EQ(value, "Y");
    g.GetCheckFalse(1, 1, value);
    EXPECT_EQ(value, "N");

    // A wide hint replaces the plain one, in the wide-cell encoding.
    g.OnGridHint = [](QObject*, int, int, QString& h) { h = "plain"; };
    g.OnGridWideHint = [](QObject*, int, int, QString& w) { w = QStringLiteral("\u0416"); };
    QString hint, wide;
    g.GetCellHint(1, 1, hint, wide);
    EXPECT_EQ(hint, EncodeWideCellText(QStringLiteral("\u0416")));

    // Fixed cells never get spin buttons, whatever the event says.
    g.OnHasSpinEdit = [](QObject*, int, int, bool& has) { has = true; };
    EXPECT_FALSE(g.HasSpinEdit(0, 3));
    EXPECT_FALSE(g.HasSpinEdit(2, 0));
    EXPECT_TRUE(g.HasSpinEdit(2, 3));

    // Without an event the combo is shown only when the look asks for it and the editor is a combo.
    g.OnGetEditorType = [](QObject*, int ACol, int, TEditorType& e) {
        if (ACol == 2)
            e = TEditorType::edComboList;
    };
    EXPECT_FALSE(g.HasComboBox(2, 1));
    g.ControlLook().SetDropDownAlwaysVisible(true);
    EXPECT_TRUE(g.HasComboBox(2, 1));
    EXPECT_FALSE(g.HasComboBox(3, 1));
    EXPECT_FALSE(g.IsEditorNone(2, 1));

    // Read-only cells cannot be edited; cells with properties need goEditing.
    g.SetOptions(g.Options() | TGridOption::goEditing);
    g.SetReadOnly(2, 2, true);
    bool canEdit = true;
    g.CanEditCell(2, 2, canEdit);
    EXPECT_FALSE(canEdit);
    canEdit = true;
    g.CanEditCell(3, 3, canEdit);
    EXPECT_TRUE(canEdit);

    // The cell's own colours reach the painter, then the event may change them.
    g.SetColors(3, 3, clRed);
    g.SetFontColors(3, 3, clBlue);
    TBrush brush;
    TFont font;
    g.GetCellColor(3, 3, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clRed);
    EXPECT_EQ(font.Color(), clBlue);
}

TEST(VxStringGrid, FixedRowsKeptWithFixedRowAlways)
{
    TVxStringGrid g;
    g.SetFixedRowAlways(true);
    g.SetFixedRows(1);
    g.SetRowCount(1);
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.FixedRows(), 1);   // the toolkit holds 0 fixed rows here
    bool fixed = false;
    g.OnIsFixedCell = [](QObject*, int, int, bool&) { FAIL() << "asked although the rule decided"; };
    g.IsFixedCell(1, 0, fixed);
    EXPECT_TRUE(fixed);
    g.OnIsFixedCell = nullptr;
    g.SetRowCount(5);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.RowCount(), 5);

    // Asking for all rows fixed keeps one normal row for the toolkit and remembers the request.
    g.SetFixedRows(5);
    EXPECT_EQ(g.FixedRows(), 4);
    EXPECT_EQ(g.FixedRowsMin(), 5);

    TVxStringGrid plain;
    plain.SetFixedRows(0);
    EXPECT_EQ(plain.FixedRows(), 0);
    EXPECT_THROW(plain.SetFixedRows(10), EInvalidGridOperation);
    plain.SetFixedCols(2);
    plain.SetColCount(8);
    EXPECT_EQ(plain.FixedCols(), 2);
    EXPECT_EQ(plain.LargestColCount(), 8);
}

TEST(VxStringGrid, FixedSizesZoomAndClampedSetters)
{
    TVxStringGrid g;
    g.SetColWidths(0, 90);
    g.SetFixedColWidth(g.DefaultColWidth());   // the default width changes nothing
    EXPECT_EQ(g.ColWidths(0), 90);
    g.SetFixedColWidth(30);
    EXPECT_EQ(g.ColWidths(0), 30);
    g.SetFixedRowHeight(40);
    EXPECT_EQ(g.RowHeights(0), 40);
    EXPECT_EQ(g.RowHeights(1), 22);

    g.SetColWidths(2, 3);
    g.Zoom(4);
    g.Zoom(4);
    g.Zoom(4);   // would reach 12
    EXPECT_EQ(g.ZoomFactor(), 8);
    EXPECT_EQ(g.ColWidths(1), 64 + 8);
    EXPECT_EQ(g.ColWidths(2), 3 + 8);
    g.Zoom(-10);
    g.Zoom(-4);
    EXPECT_EQ(g.ZoomFactor(), -6);

    for (auto [in, stored] : {std::pair{150, 100}, {-5, 0}, {70, 70}}) {
        g.SetSelectionColorMixerFactor(in);
        EXPECT_EQ(g.SelectionColorMixerFactor(), stored) << in;
    }
    g.SetSpreadSheet(false);
    EXPECT_TRUE(g.SelectionRectangle());
    EXPECT_TRUE(g.Options().testFlag(TGridOption::goRangeSelect));
    EXPECT_TRUE(g.Options().testFlag(TGridOption::goEditing));
    EXPECT_TRUE(g.MouseActions().RangeSelectAndEdit());

    g.SetZarnGradientFrom(clBtnFace);
    EXPECT_EQ(g.ZarnGradientFrom(), ColorToRGB(clBtnFace));
    g.SetZarnGradientMirrorFrom(clNone);
    EXPECT_EQ(g.ZarnGradientMirrorFrom(), clNone);
    g.ControlLook().SetFixedGradientFrom(clNone);   // none leaves the grid's colour
    EXPECT_EQ(g.ZarnGradientFrom(), ColorToRGB(clBtnFace));
    g.ControlLook().SetFixedGradientTo(clRed);
    EXPECT_EQ(g.ZarnGradientTo(), clRed);
}

// Cells keep their real column; the display skips the hidden one.
TEST(VxStringGrid, RealAndDisplayIndexesWithAHiddenColumn)
{
    TVxStringGrid g;
    for (int c = 0; c < 5; ++c) {
        g.SetCells(c, 1, QStringLiteral("c%1").arg(c));
        g.SetColWidths(c, 50 + c);
    }
    g.SetColors(3, 1, clRed);
    g.HideColumn(1);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.AllColCount(), 5);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_TRUE(g.IsHiddenColumn(1));

    const std::pair<int, int> realToDisplay[] = {{0, 0}, {2, 1}, {3, 2}, {4, 3}};
    for (auto [real, displ] : realToDisplay) {
        EXPECT_EQ(g.DisplColIndex(real), displ) << real;
        EXPECT_EQ(g.RealColIndex(displ), real) << displ;
        EXPECT_EQ(g.AllCells(real, 1), QStringLiteral("c%1").arg(real));
        EXPECT_EQ(g.ColWidths(displ), 50 + real) << "width follows its column";
    }
    EXPECT_EQ(g.AllCells(1, 1), "c1");   // hidden, still there
    EXPECT_EQ(g.AllColWidths(1), 51);
    EXPECT_EQ(g.Colors(3, 1), clRed);
    EXPECT_EQ(g.AllCells(-1, 1), QString());

    g.SetAllCells(4, 2, "new");
    EXPECT_EQ(g.Cells(4, 2), "new");

    // The current cell is read at the real column of the display column.
    g.SetCol(1);
    g.SetRow(1);
    EXPECT_EQ(g.CurrentCell(), "c2");

    g.UnHideColumn(1);
    EXPECT_EQ(g.ColCount(), 5);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(g.ColWidths(c), 50 + c) << c;
}

TEST(VxStringGrid, CellPropertiesReadWithoutCreatingThem)
{
    TVxStringGrid g;
    EXPECT_EQ(g.Colors(2, 2), clNone);
    EXPECT_EQ(g.FontSizes(2, 2), 0);
    EXPECT_FALSE(g.ReadOnly(2, 2));
    EXPECT_EQ(&g.Fonts(2, 2), &g.Font());
    EXPECT_FALSE(g.HasCellProperties(2, 2));
    g.WordWraps(2, 2);   // this one makes them
    EXPECT_TRUE(g.HasCellProperties(2, 2));

    TFont f;
    f.SetName("Arial");
    f.SetColor(clGreen);
    f.SetStyle(TFontStyle::fsItalic);
    g.SetFonts(1, 3, f);
    EXPECT_EQ(g.Fonts(1, 3).Name(), "Arial");
    EXPECT_EQ(g.FontColors(1, 3), clGreen);
    EXPECT_EQ(g.FontStyles(1, 3), TFontStyles(TFontStyle::fsItalic));

    g.SetRowColorTo(4, clBlue);
    EXPECT_EQ(g.ColorsTo(2, 4), clBlue);
    g.SetRowColorTo(4, clNone);
    EXPECT_FALSE(g.HasCellProperties(2, 4));
    EXPECT_FALSE(g.HasCellProperties(0, 4));   // fixed column left alone
    EXPECT_EQ(g.LinesInCell(1, 1), 1);
    g.SetCells(1, 1, "a\r\nb\r\nc");
    EXPECT_EQ(g.LinesInCell(1, 1), 3);
}

TEST(VxStringGrid, AssignCopiesLayoutSettingsAndCells)
{
    TVxStringGrid source;
    source.SetColCount(3);
    source.SetRowCount(4);
    source.SetColWidths(0, 40);
    source.SetColWidths(1, 50);
    source.SetColWidths(2, 60);
    source.SetRowHeights(2, 33);
    source.SetCells(1, 1, "one");
    source.SetCells(2, 3, "last");
    source.SetFixedRowAlways(true);
    source.SetInvalidEntryTitle("Oops");
    source.PrintSettings().SetTitleText("Title");
    source.ColumnSize().SetStretch(true);
    source.ControlLook().SetCheckSize(20);
    source.ControlLook().DropDownHeader().SetCaption("hdr");
    source.Navigation().SetAllowInsertRow(true);
    source.SetActiveCellShow(true);

    TVxStringGrid target;
    target.SizeWhileTyping().SetHeight(true);
    target.Assign(&source);
    EXPECT_EQ(target.ColCount(), 3);
    EXPECT_EQ(target.RowCount(), 4);
    EXPECT_EQ(target.ColWidths(0), 40);
    EXPECT_EQ(target.ColWidths(1), 50);
    // The copied stretch fills the client width with the last column once the widths are set.
    EXPECT_EQ(target.ColWidths(2), target.ClientWidth() - 40 - 50 - 1);
    EXPECT_EQ(target.RowHeights(2), 33);
    EXPECT_EQ(target.Cells(1, 1), "one");
    EXPECT_EQ(target.Cells(2, 3), "last");
    EXPECT_TRUE(target.FixedRowAlways());
    EXPECT_EQ(target.InvalidEntryTitle(), "Oops");
    EXPECT_EQ(target.PrintSettings().TitleText(), "Title");
    EXPECT_TRUE(target.ColumnSize().Stretch());
    EXPECT_EQ(target.ControlLook().CheckSize(), 20);
    EXPECT_EQ(target.ControlLook().DropDownHeader().Caption(), "hdr");
    EXPECT_TRUE(target.Navigation().AllowInsertRow());
    EXPECT_TRUE(target.ActiveCellShow());
    EXPECT_TRUE(target.SizeWhileTyping().Height());   // not copied

    QObject other;
    target.Assign(&other);   // ignored
    EXPECT_EQ(target.ColCount(), 3);
}

// A grid built in code brackets its set-up so the end-of-loading steps run.
TEST(VxStringGrid, LoadingBracketRunsTheEndOfLoadingSteps)
{
    TVxStringGrid g;
    g.BeginLoading();
    g.SetColumnHeaders({"A", "B", "C"});
    EXPECT_EQ(g.Cells(1, 0), QString());   // not written while loading
    g.SetFixedRows(2);
    EXPECT_EQ(g.FixedRowsMin(), 0);        // not recorded while loading
    g.SetOptions(g.Options() | TGridOption::goAlwaysShowEditor);
    EXPECT_FALSE(g.IsLoaded());
    g.EndLoading();
    EXPECT_TRUE(g.IsLoaded());
    EXPECT_EQ(g.Cells(1, 0), "B");
    EXPECT_EQ(g.FixedRowsMin(), 2);
    EXPECT_EQ(g.MinRowHeight(), 22);
    EXPECT_EQ(g.MinColWidth(), 10);
    EXPECT_TRUE(g.Navigation().AlwaysEdit());
    EXPECT_FALSE(g.Options().testFlag(TGridOption::goAlwaysShowEditor));
}

namespace {
struct RecordingNotifier : TGridChangeNotifier {
    QStringList* log;
    QString name;
    RecordingNotifier(QStringList* l, QString n) : log(l), name(std::move(n)) {}
    void CellsChanged(const TRect& R) override { *log << QStringLiteral("%1:%2,%3").arg(name).arg(R.Left).arg(R.Bottom); }
};
struct Listener : ITVxStringGridSelect {
    QStringList seen;
    void SelectionChanged(int ACol, int ARow) override { seen << QStringLiteral("%1,%2").arg(ACol).arg(ARow); }
};
} // namespace

TEST(VxStringGrid, SelectionHidingAndListeners)
{
    TVxStringGrid g;
    g.SetSelection(TGridRect{2, 3, 2, 3});
    g.HideSelection();
    EXPECT_TRUE(g.SelectionHidden());
    EXPECT_FALSE(g.Selection().Contains(2, 3));
    g.UnHideSelection();
    EXPECT_EQ(g.Selection(), (TGridRect{2, 3, 2, 3}));

    g.SetSelection(TGridRect{2, 8, 2, 8});
    g.HideSelection();
    g.SetRowCount(5);   // the old row is gone
    g.UnHideSelection();
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 1, 1}));

    QStringList log;
    RecordingNotifier a(&log, "a"), b(&log, "b");
    g.OnCellsChanged = [&](QObject*, const TRect&) { log << "event"; };
    g.RegisterNotifier(&a);
    g.RegisterNotifier(&b);
    g.RegisterNotifier(&a);   // once only
    g.UnRegisterNotifier(nullptr);
    g.CellsChanged(Rect(1, 2, 3, 4));
    EXPECT_EQ(log, QStringList({"event", "a:1,4", "b:1,4"}));

    Listener first, second;
    g.RegisterSelListener(&first);
    g.SetCol(2);
    g.SetRow(3);
    EXPECT_EQ(first.seen.last(), "2,3");
    const int seenBefore = int(first.seen.size());
    g.UnRegisterSelListener(&second);   // drops whichever is registered
    g.SetRow(2);
    EXPECT_EQ(first.seen.size(), seenBefore);
}

// Cell properties, an owned graphic and a hidden column's objects all go with the grid.
TEST(VxStringGrid, DestroyedWithHiddenColumnsFreesEverything)
{
    int alive = 0;
    {
        TVxStringGrid g;
        g.SetColCount(6);
        g.SetColors(1, 1, clRed);
        g.SetGraphicObjectEx(2, 2, std::make_unique<CountedObject>(alive));
        g.SetGraphicObjectEx(4, 3, std::make_unique<CountedObject>(alive));
        g.SetFontNames(4, 5, "Arial");
        g.ControlLook().DropDownFooter().Buttons().Add()->SetCaption("ok");
        g.HideColumn(4);
        g.HideColumn(2);
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 0);
}

TEST(VxStringGrid, IntegralHeightCorrectsEveryHeightToRowBoundaries)
{
    TVxStringGrid g;
    g.SetColCount(3);
    g.resize(400, 100);
    g.show();
    g.SetIntegralHeight(true);
    EXPECT_EQ(g.height(), 100 + 2 - (98 % 22));   // 92
    g.resize(400, 150);
    EXPECT_EQ(g.height(), 150 + 2 - (148 % 22));
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.height(), 92);

    // A horizontal scroll bar takes its height off before the rows are counted.
    g.SetColCount(30);
    const int s = g.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.height(), 100 + 2 - ((98 - s) % 22));

    // While updates are held, and without the property, the height stands.
    g.StartUpdate();
    g.SetBounds(0, 0, 400, 101);
    EXPECT_EQ(g.height(), 101);
    g.ResetUpdate();
    g.SetIntegralHeight(false);
    g.resize(400, 101);
    EXPECT_EQ(g.height(), 101);
}
