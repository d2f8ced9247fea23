#pragma once
// The column grid: a string grid whose cells take their look, editor, read-only state, check-box texts and sort
// format from one definition per real column. Every table editor of the program is one.
//   GridColumnItem.cpp  the definitions and their collection
//   VxColumnGrid.cpp    the grid: count synchronisation and the per-cell answers
//   ../io/VxColumnGridIO.cpp  column positions and the definitions' stream, both checked whole before use
#include "grid/core/VxStringGrid.h"
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class QIODevice;
class TGridColumnCollection;
class TVxColumnGrid;

enum class TColumnPopupType {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick, cpAllCellsLClick
};

class TGridColumnItem {
public:
    // Without a collection the definition is a save slot: default fonts, colour black, no notifications.
    explicit TGridColumnItem(TGridColumnCollection* Collection = nullptr);

    TGridColumnCollection* Collection() const { return FCollection; }
    int Index() const;

    // The grid's width is authoritative; a definition without a collection reads 0.
    int Width() const;
    void SetWidth(int Value);
    QString Header() const { return FColumnHeader; }
    void SetHeader(const QString& Value);
    void SetHeaderField(const QString& Value) { FColumnHeader = Value; }

    TEditorType Editor() const { return FEditorType; }
    void SetEditor(TEditorType Value);
    const QStringList& ComboItems() const { return FComboItems; }
    QStringList& ComboItems() { return FComboItems; }
    void SetComboItems(const QStringList& Value) { FComboItems = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    const TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value);
    const TFont& PrintFont() const { return FPrintFont; }
    void SetPrintFont(const TFont& Value) { FPrintFont = Value; }
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    const TPen& BorderPen() const { return FBorderPen; }
    void SetBorderPen(const TPen& Value);
    QString CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const QString& Value) { FCheckTrue = Value; }
    QString CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const QString& Value) { FCheckFalse = Value; }
    QString FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& Value);
    const QStringList& Filter() const { return FFilter; }
    void SetFilter(const QStringList& Value);

    // Plain stored values.
    TSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
    QString SortPrefix() const { return FSortPrefix; }
    void SetSortPrefix(const QString& Value) { FSortPrefix = Value; }
    QString SortSuffix() const { return FSortSuffix; }
    void SetSortSuffix(const QString& Value) { FSortSuffix = Value; }
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Value) { FEditMask = Value; }
    int EditLength() const { return FEditLength; }
    void SetEditLength(int Value) { FEditLength = Value; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    int SpinMin() const { return FSpinMin; }
    void SetSpinMin(int Value) { FSpinMin = Value; }
    int SpinMax() const { return FSpinMax; }
    void SetSpinMax(int Value) { FSpinMax = Value; }
    int SpinStep() const { return FSpinStep; }
    void SetSpinStep(int Value) { FSpinStep = Value; }
    TColor PrintColor() const { return FPrintColor; }
    void SetPrintColor(TColor Value) { FPrintColor = Value; }
    TCellBorders PrintBorders() const { return FPrintBorders; }
    void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
    const TPen& PrintBorderPen() const { return FPrintBorderPen; }
    void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen = Value; }
    bool PrintBorderCustom() const { return FPrintBorderCustom; }
    void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
    bool PrintFontCustom() const { return FPrintFontCustom; }
    void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    QString Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value; }
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int Value) { FMaxSize = Value; }
    int AutoMinSize() const { return FAutoMinSize; }
    void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
    int AutoMaxSize() const { return FAutoMaxSize; }
    void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
    TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
    void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
    bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
    void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
    int DefIdx() const { return FDefIdx; }
    void SetDefIdx(int Value) { FDefIdx = Value; }

    // The column's pop-up menu, not owned: forgotten when the menu goes.
    QMenu* ColumnPopup() const { return FColumnPopup; }
    void SetColumnPopup(QMenu* Value) { FColumnPopup = Value; }

    // The cell of row idx in this definition's real column, as text and typed.
    QString Rows(int idx) const;
    void SetRows(int idx, const QString& Value);
    int Ints(int idx) const;
    void SetInts(int idx, int Value);
    double Floats(int idx) const;
    void SetFloats(int idx, double Value);
    TDateTime Dates(int idx) const;
    void SetDates(int idx, TDateTime Value);
    TDateTime Times(int idx) const;
    void SetTimes(int idx, TDateTime Value);

    // Field copies without side effects; the look alone takes the owning grid's colour and font.
    void Assign(const TGridColumnItem& Source);
    void AssignVisuals(const TGridColumnItem& Source);
    QString GetDisplayName() const;

private:
    friend class TGridColumnCollection;
    friend class TVxColumnGrid;
    TVxColumnGrid* Grid() const;
    void Changed();
    void Repaint();

    TGridColumnCollection* FCollection;
    int FWidth = 50;
    TAlignment FAlignment;
    QString FColumnHeader;
    TSortStyle FSortStyle = TSortStyle::ssAutomatic;
    QString FSortPrefix;
    QString FSortSuffix;
    QString FEditMask;
    int FEditLength = 0;
    TFont FFont;
    TColor FColor = clBlack;
    TEditorType FEditorType = TEditorType::edNormal;
    bool FFixed = false;
    bool FReadOnly = false;
    QStringList FComboItems;
    int FDropDownCount = 8;
    int FSpinMin = 0;
    int FSpinMax = 0;
    int FSpinStep = 1;
    bool FPassword = false;
    TFont FPrintFont;
    TColor FPrintColor = clWhite;
    TCellBorders FBorders;
    TPen FBorderPen;
    TCellBorders FPrintBorders{TCellBorder::cbTop, TCellBorder::cbLeft, TCellBorder::cbRight, TCellBorder::cbBottom};
    TPen FPrintBorderPen;
    int FTag = 0;
    int FDefIdx = 0;
    QString FName;
    QString FCheckFalse = QStringLiteral("N");
    QString FCheckTrue = QStringLiteral("Y");
    bool FShowBands = false;
    QStringList FFilter;
    int FMaxSize = 0;
    int FMinSize = 0;
    int FAutoMinSize = 0;
    int FAutoMaxSize = 0;
    TColumnPopupType FColumnPopupType = TColumnPopupType::cpFixedCellsRClick;
    bool FFilterCaseSensitive = false;
    QString FFloatFormat;
    TAlignment FHeaderAlignment;
    TFont FHeaderFont;
    bool FPrintBorderCustom = true;
    bool FPrintFontCustom = true;
    QPointer<QMenu> FColumnPopup;
};

// The definitions by real column index; the grid owns it.
class TGridColumnCollection {
public:
    explicit TGridColumnCollection(TVxColumnGrid* AOwner);
    ~TGridColumnCollection();
    TGridColumnCollection(const TGridColumnCollection&) = delete;
    TGridColumnCollection& operator=(const TGridColumnCollection&) = delete;

    TVxColumnGrid* GetOwner() const { return FOwner; }
    int Count() const { return int(FItems.size()); }
    TGridColumnItem* Items(int Index) const { return FItems.at(std::size_t(Index)).get(); }
    TGridColumnItem* GetItem(int Index) const { return Items(Index); }
    void SetItem(int Index, const TGridColumnItem& Value) { Items(Index)->Assign(Value); }
    int IndexOf(const TGridColumnItem* Item) const;

    // A new definition copies the look of the one before it; an inserted one keeps its creation values.
    TGridColumnItem* Add();
    TGridColumnItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    // The same number of definitions, each assigned from Source's.
    void Assign(const TGridColumnCollection& Source);

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // A definition changed: the grid's column count and headers follow, unless held off.
    void Update(TGridColumnItem* Item);
    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
    void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }

    // Records every definition's place as its initial one; ResetOrganization moves the columns back there.
    void SetOrganization();
    void ResetOrganization();

private:
    TVxColumnGrid* FOwner;
    std::vector<std::unique_ptr<TGridColumnItem>> FItems;
    int FUpdateCount = 0;
    bool FNoRecursiveUpdate = false;
};

using TColumnPopupEvent = std::function<void(QObject* Sender, int ACol, int ARow, QMenu* PopupMenu)>;
using TAfterColumnMoved = std::function<void(QObject* Sender, int FromIndex, int ToIndex)>;

class TVxColumnGrid : public TVxStringGrid {
    Q_OBJECT

public:
    explicit TVxColumnGrid(QWidget* AOwner = nullptr);
    ~TVxColumnGrid() override;

    TGridColumnCollection& Columns() const { return *FColumnCollection; }
    void SetColumns(const TGridColumnCollection& Value) { FColumnCollection->Assign(Value); }
    TGridColumnItem* GetColumnByName(const QString& AValue) const;

    // Visible columns; setting the count keeps one definition per real column.
    int ColCount() const { return TVxStringGrid::ColCount(); }
    int GetColCount() const { return ColCount(); }
    void SetColCount(int Value);
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
    bool ColMoving() const { return FColMoving; }

    void SyncColumnCount();
    void SyncColumnHeaders();
    int GetVersionNr() override;
    QString GetVersionString() override;
    // The fonts of the definitions follow a change of the form's scale from D to M.
    void ChangeScale(int M, int D);

    // Column order in an INI file under "CP<position>" keys. A load that does not find a whole permutation of
    // the columns changes nothing and answers false, as does a save that could not write the file.
    bool SaveColumnPositions(const QString& Key, const QString& Section);
    bool LoadColumnPositions(const QString& Key, const QString& Section);
    // The definitions as a self-describing record; a load of a stream that does not hold one whole record
    // for every definition changes nothing and answers false.
    bool SaveColumnsToStream(QIODevice& st) const;
    bool LoadColumnsFromStream(QIODevice& st);

    // The per-cell answers, each from the cell's definition first.
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) override;
    void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    void DoGetEditorProp(int ACol, int ARow, QObject* AEditLink) override;
    void IsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
    void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, QString& Value) override;
    void GetCheckFalse(int ACol, int ARow, QString& Value) override;
    bool BuildColumnFilterList(int ACol) override;
    // The definition's filter entries; its name becomes the header with AutoFilterDisplay.
    void FilterSelected(int ItemIndex) override;
    // With an INI file location the column grid's own "CP" keys, else the string grid's.
    void SaveColPositions() override;
    void LoadColPositions() override;
    void ColumnHeadersChanged() override;
    void UpdateColumnSize(int ACol, int& AWidth) override;
    void UpdateAutoColumnSize(int ACol, int& AWidth) override;
    QString GetCellFloatFormat(int ACol, int ARow) override;
    QString GetFormattedCell(int ACol, int ARow) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    void CellsLoaded() override;
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    void Group(int Colindex) override;
    void UnGroup() override;

    TColumnPopupEvent OnColumnPopup;
    TAfterColumnMoved OnAfterColumnMoved;

protected:
    void Loaded() override;
    void ColWidthsChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    QString GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                  TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                  bool& WW, TCellGradientDirection& GD) override;

private:
    // The definition of real column ACol, none past the collection.
    TGridColumnItem* Definition(int ACol) const;
    bool IsNormalCell(int ACol, int ARow) const;
    bool IsDataCheckBoxColumn(int ACol, int ARow) const;
    void SyncColumnCountQuietly();

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    bool FColMoving = false;
    bool FAutoFilterDisplay = false;
    std::unique_ptr<TCellGraphic> FCellGraphic;   // shared by every data check-box cell
};
