#pragma once
// The one frame of every table window: title panel, one grid or two tabs, the six buttons, header hints, the
// file loaded at each showing, and OK that checks, then writes the whole file. What differs between the
// windows stands in their TTableEditor.
// The frame and the grids are made at the window's first showing (Build_Controls).
#include "platform/Form.h"
#include "tables/TableEditor.h"
#include "tables/TableGrid.h"

#include <QStringList>
#include <vector>

class QLabel;
class QTabWidget;
class TSbButton;
class TVxColumnGrid;

class TTableWindow : public TForm, public TTableButtons {
public:
    TTableWindow(const TTableEditor& editor, QWidget* parent = nullptr);

    const TTableEditor& Editor() const { return *FEditor; }

    void Set_Lang();
    // Checks the tables; shows the first error. True when they may be written.
    virtual bool Controllo_dati();
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();

    // The grid on the active tab sheet (the one grid of a one-grid window).
    TVxColumnGrid& Active_Grid() const;
    // The cells of each grid's data rows, from column 1 on.
    std::vector<TTableRows> Tables() const;

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QWidget* P_Button = nullptr;
    QTabWidget* PageControl1 = nullptr;      // two-grid windows
    std::vector<TVxColumnGrid*> Grids;
    std::vector<TSbButton*> More_Buttons;    // the window's own, after the row buttons
    std::vector<QStringList> Hint_Lists;     // per grid: entry k is the hint of column k + 1
    std::vector<bool> Do_Copy;               // per grid: a row was copied since the showing
    std::vector<int> Rows;                   // per grid: the data rows of this showing (its capacity at most)

protected:
    void Build_Controls() override;
    // Once the frame and grids are made: takes hold of what the window's own code uses of them.
    virtual void On_Build() {}
    void FormShow() override;
    // At each showing, before the file is read: may set Rows.
    virtual void On_Show() {}
    // A choice made in a combo cell.
    virtual void Combo_Change(TVxColumnGrid& Grid, int ACol, int ARow, int AItemIndex, const QString& ASelection);
    // A double click on a cell; the header's auto-size.
    virtual void Dbl_Click_Cell(TVxColumnGrid& Grid, int ARow, int ACol);
    // The hint of a data cell (real column); none by default.
    virtual QString Cell_Hint(TVxColumnGrid& Grid, int ARow, int ACol);
    // An editor of the same grids and columns whose rules depend on the project, chosen at the showing
    // (in On_Show): its headers and hidden columns take effect.
    void Use_Editor(const TTableEditor& editor);

private:
    int Grid_Index(const TVxColumnGrid& grid) const;

    const TTableEditor* FEditor;
    bool FPartial = false;   // the file was loaded only in part
};
