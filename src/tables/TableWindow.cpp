#include "tables/TableWindow.h"

#include "core/ULanguage.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"
#include "ui/GridRowHelpers.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QLabel>
#include <QTabWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr int kFirstButton = 16;

std::vector<TTableColumn> Grid_Columns(const TTableEditorGrid& grid)
{
    std::vector<TTableColumn> columns;
    for (const TTableEditorColumn& c : grid.Columns)
        columns.push_back({c.Kind, c.Items, c.Width, c.Tint});
    return columns;
}
} // namespace

TTableWindow::TTableWindow(const TTableEditor& editor, QWidget* parent) : TForm(parent), FEditor(&editor)
{
    if (editor.Resizable) {
        setWindowFlag(Qt::WindowMaximizeButtonHint);
        resize(editor.Width, editor.Height);
    } else {
        SetFixedClientSize(editor.Width, editor.Height);
    }
    for (const TTableEditorGrid& g : editor.Grids)
        Rows.push_back(g.Capacity);
    SetCaption(Lang(editor.Caption));
}

void TTableWindow::Build_Controls()
{
    const TTableEditor& editor = *FEditor;
    const TTitlePanel title = Make_Title_Panel(this, editor.Width);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = Make_Button_Bar(this, editor.Width, editor.Height, editor.Bar_Height);
    // The bar's layout keeps the buttons at their edge whatever the window's width.
    auto* bar = new QHBoxLayout(P_Button);
    bar->setContentsMargins(kFirstButton, 0, kFirstButton, 0);
    bar->setSpacing(editor.Button_Gap);
    TTableButtons& b = *this;
    TSbButton** const buttons[] = {&b.Btn_OK, &b.Btn_Cancel, &b.Btn_DelRow, &b.Btn_InsRow, &b.Btn_CopyRow, &b.Btn_PasteRow};
    const auto add = [this, bar] {
        TSbButton* button = Make_Bar_Button(P_Button, 0);
        button->setFixedSize(button->size());
        bar->addWidget(button);
        return button;
    };
    for (int i = 0; i < editor.Bar_Buttons; ++i) {
        if (i == 2 && editor.Row_Buttons_Right)
            bar->addStretch(1);
        *buttons[i] = add();
    }
    for (std::size_t i = 0; i < editor.More_Buttons.size(); ++i)
        More_Buttons.push_back(add());
    if (!editor.Row_Buttons_Right)
        bar->addStretch(1);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_DelRow->OnClick = [this](QObject*) { Btn_DelRowClick(); };
    Btn_InsRow->OnClick = [this](QObject*) { Btn_InsRowClick(); };
    if (Btn_CopyRow)
        Btn_CopyRow->OnClick = [this](QObject*) { Btn_CopyRowClick(); };
    if (Btn_PasteRow)
        Btn_PasteRow->OnClick = [this](QObject*) { Btn_PasteRowClick(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    P_Title->setFixedHeight(P_Title->height());
    P_Button->setFixedHeight(editor.Bar_Height);
    layout->addWidget(P_Title);
    if (editor.Grids.size() > 1)
        PageControl1 = new QTabWidget(this);
    for (const TTableEditorGrid& g : editor.Grids) {
        auto* grid = new TVxColumnGrid(PageControl1 ? nullptr : this);
        Shape_Table_Grid(*grid, Grid_Columns(g));
        grid->SetDefaultRowHeight(editor.Row_Height);
        grid->SetRowHeights(0, 22);
        grid->SetRowCount(g.Capacity + 1);
        if (editor.Row_Height > 22) {
            grid->SetOptions(grid->Options() | TGridOption::goRowSizing);
            grid->SetVAlignment(TVAlignment::vtaCenter);
        }
        for (std::size_t c = 0; c < g.Columns.size(); ++c) {
            if (g.Columns[c].Edit_Length)
                grid->Columns().Items(static_cast<int>(c))->SetEditLength(g.Columns[c].Edit_Length);
            if (g.Columns[c].Hidden)
                grid->HideColumn(static_cast<int>(c));
        }
        if (editor.Check_Boxes)
            for (int r = 1; r <= g.Capacity; ++r) {
                grid->CreateCellGraphic(1, r)->SetCheckBox(false, false, true, TCellHAlign::haBeforeText,
                                                           TCellVAlign::vaCenter);
                grid->SetAlignments(1, r, TAlignment::taCenter);
            }
        if (g.Enter_Jump)
            grid->OnKeyPress = [grid](QObject*, QChar& Key) { Grid_Key_Press(*grid, Key); };
        grid->OnComboChange = [this, grid](QObject*, int ACol, int ARow, int AItemIndex, const QString& ASelection) {
            Combo_Change(*grid, ACol, ARow, AItemIndex, ASelection);
        };
        grid->OnGridHint = [this, grid](QObject*, int ARow, int ACol, QString& hint) {
            const int real = grid->RealColIndex(ACol);
            if (ARow > 0)
                hint = Cell_Hint(*grid, ARow, real);
            else
                hint = ACol > 0 ? Hint_Lists[static_cast<std::size_t>(Grid_Index(*grid))].value(real - 1) : QString();
        };
        Bind_Cell_Clicks(
            *grid, [grid](int ARow, int ACol) { Select_Row_On_Number(*grid, ARow, ACol); },
            [this, grid](int ARow, int ACol) { Dbl_Click_Cell(*grid, ARow, ACol); });
        if (PageControl1)
            PageControl1->addTab(grid, QString());
        else
            layout->addWidget(grid, 1);
        Grids.push_back(grid);
    }
    if (PageControl1)
        layout->addWidget(PageControl1, 1);
    layout->addWidget(P_Button);
    Hint_Lists.resize(Grids.size());
    Do_Copy.resize(Grids.size());
    On_Build();
    Set_Lang();
}

void TTableWindow::Combo_Change(TVxColumnGrid&, int, int, int, const QString&) {}

QString TTableWindow::Cell_Hint(TVxColumnGrid&, int, int)
{
    return {};
}

void TTableWindow::Use_Editor(const TTableEditor& editor)
{
    FEditor = &editor;
    Build();
    for (std::size_t g = 0; g < Grids.size(); ++g) {
        const std::vector<TTableEditorColumn>& columns = editor.Grids[g].Columns;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int column = static_cast<int>(c);
            if (columns[c].Hidden && !Grids[g]->IsHiddenColumn(column))
                Grids[g]->HideColumn(column);
            else if (!columns[c].Hidden && Grids[g]->IsHiddenColumn(column))
                Grids[g]->UnHideColumn(column);
        }
    }
    Set_Lang();
}

void TTableWindow::Dbl_Click_Cell(TVxColumnGrid& Grid, int ARow, int ACol)
{
    Grid_DblClick_Cell(Grid, ARow, ACol);
}

int TTableWindow::Grid_Index(const TVxColumnGrid& grid) const
{
    for (std::size_t g = 0; g < Grids.size(); ++g)
        if (Grids[g] == &grid)
            return static_cast<int>(g);
    return 0;
}

TVxColumnGrid& TTableWindow::Active_Grid() const
{
    return PageControl1 ? *Grids[static_cast<std::size_t>(std::max(0, PageControl1->currentIndex()))] : *Grids.front();
}

std::vector<TTableRows> TTableWindow::Tables() const
{
    std::vector<TTableRows> tables;
    for (std::size_t g = 0; g < Grids.size(); ++g) {
        TTableRows rows = Table_Rows(*Grids[g], Rows[g]);
        if (FEditor->Check_Boxes)
            for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
                bool checked = false;
                const bool has = Grids[g]->GetCheckBoxState(1, r + 1, checked);
                rows[static_cast<std::size_t>(r)][0] = has && checked ? QStringLiteral("Y") : QStringLiteral("N");
            }
        tables.push_back(std::move(rows));
    }
    return tables;
}

void TTableWindow::Set_Lang()
{
    const TTableEditor& e = *FEditor;
    SetCaption(Lang(e.Caption));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(e.Caption + 1));
    TSbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < e.Bar_Buttons; ++i) {
        const QString& fixed = e.Button_Texts[static_cast<std::size_t>(i)];
        buttons[i]->SetCaption(fixed.isEmpty() ? Lang(e.Caption + 2 + i) : fixed);
        if (e.Button_Hints[static_cast<std::size_t>(i)])
            buttons[i]->setToolTip(Lang(e.Button_Hints[static_cast<std::size_t>(i)]));
    }
    for (std::size_t i = 0; i < More_Buttons.size(); ++i)
        More_Buttons[i]->SetCaption(Lang(e.More_Buttons[i]));
    for (std::size_t g = 0; g < Grids.size(); ++g) {
        const TTableEditorGrid& grid = e.Grids[g];
        QStringList& hints = Hint_Lists[g];
        hints.clear();
        for (std::size_t c = 0; c < grid.Columns.size(); ++c) {
            Grids[g]->Columns().Items(static_cast<int>(c))->SetHeaderField(Lang(grid.Columns[c].Header));
            if (c > 0)
                hints << (grid.Columns[c].Hint ? Lang(grid.Columns[c].Hint) : QString());
        }
        // All headers in one go: setting them one by one rewrites every header at each.
        Grids[g]->SyncColumnHeaders();
        if (PageControl1)
            PageControl1->setTabText(static_cast<int>(g), Lang(grid.Tab_Text));
    }
}

void TTableWindow::FormShow()
{
    for (std::size_t g = 0; g < Grids.size(); ++g)
        Rows[g] = FEditor->Grids[g].Capacity;
    On_Show();
    const QString& path = *FEditor->File;
    for (std::size_t g = 0; g < Grids.size(); ++g) {
        TVxColumnGrid& grid = *Grids[g];
        const TTableEditorGrid& desc = FEditor->Grids[g];
        // Every row the grid can have, so that rows beyond a shorter table hold nothing from an earlier showing.
        Reset_Table_Rows(grid, desc.Capacity, FEditor->Enable_Column ? QStringLiteral("Y") : QString());
        if (FEditor->Check_Boxes)
            for (int r = 1; r <= desc.Capacity; ++r)
                grid.SetCheckBoxState(1, r, true);
        grid.SetRowCount(Rows[g] + 1);
        for (std::size_t c = 0; c < desc.Columns.size(); ++c)
            if (desc.Columns[c].Positions)
                grid.Columns().Items(static_cast<int>(c))->SetComboItems(Position_Items(FEditor->Data_Area));
    }
    if (PageControl1)
        PageControl1->setCurrentIndex(0);
    std::vector<TTableLoad> load = Load_Table_Editor(*FEditor, path, Rows);
    FPartial = false;
    for (std::size_t g = 0; g < Grids.size(); ++g) {
        TTableRows& rows = load[g].Rows;
        if (FEditor->Check_Boxes)
            for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
                QString& enable = rows[static_cast<std::size_t>(r)][0];
                Grids[g]->SetCheckBoxState(1, r + 1, enable != QLatin1String("N"));
                enable.clear();
            }
        Fill_Table_Rows(*Grids[g], rows);
        FPartial = FPartial || load[g].Partial();
        Report_Table_Load(path, load[g], Rows[g]);
    }
    std::fill(Do_Copy.begin(), Do_Copy.end(), false);
    Active_Grid().setFocus();
}

bool TTableWindow::Controllo_dati()
{
    const QString error = Check_Table_Editor(*FEditor, Tables());
    if (error.isEmpty())
        return true;
    MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    return false;
}

void TTableWindow::Btn_OKClick()
{
    if (!Controllo_dati())
        return;
    if (Save_Table_File(*FEditor->File, Table_Editor_XML(*FEditor, Tables()), FPartial))
        SetModalResult(mrOk);
}

void TTableWindow::Btn_DelRowClick()
{
    TVxColumnGrid& grid = Active_Grid();
    const int row = grid.Row();
    const int question = FEditor->Grids[static_cast<std::size_t>(Grid_Index(grid))].Delete_Question;
    if (MessageDlg(Lang(question ? question : FEditor->Delete_Question) + QString::number(row),
                   TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) != mrYes)
        return;
    if (FEditor->Check_Boxes)
        Grid_Delete_Row_Check(row, grid, FEditor->Insert_Enable);
    else
        Grid_Delete_Row(row, grid);
}

void TTableWindow::Btn_InsRowClick()
{
    TVxColumnGrid& grid = Active_Grid();
    if (FEditor->Check_Boxes)
        Grid_Insert_Row_Check(grid.Row(), grid, FEditor->Insert_Enable);
    else
        Grid_Insert_Row(grid.Row(), grid, FEditor->Insert_Enable);
}

void TTableWindow::Btn_CopyRowClick()
{
    TVxColumnGrid& grid = Active_Grid();
    if (FEditor->Check_Boxes)
        Grid_Copy_Row_Check(grid, grid.Row());
    else
        Grid_Copy_Row(grid, grid.Row());
    const int index = Grid_Index(grid);
    for (std::size_t g = 0; g < Do_Copy.size(); ++g)
        Do_Copy[g] = static_cast<int>(g) == index;
}

void TTableWindow::Btn_PasteRowClick()
{
    TVxColumnGrid& grid = Active_Grid();
    const bool copied = Do_Copy[static_cast<std::size_t>(Grid_Index(grid))];
    if (FEditor->Check_Boxes)
        Grid_Paste_Row_Check(grid, grid.Row(), copied);
    else
        Grid_Paste_Row(grid, grid.Row(), copied);
}
