#pragma once
// The grid's settings groups. Each reports its changes through OnChange(Self); Assign copies the settings
// of a group of the same class and notifies nothing.
#include "grid/foundation/GridTypes.h"
#include "platform/Canvas.h"
#include <QObject>
#include <QString>
#include <QStringList>

class TStringGrid;

// A property kept in the group's value record F and only stored when written.
#define VX_STORED_PROPERTY(Type, Name) \
    Type Name() const { return F.Name; } \
    void Set##Name(Type value) { F.Name = value; }

class TSearchFooter : public QObject {
public:
    // InitDesign fills the captions and hints with their English texts.
    explicit TSearchFooter(bool InitDesign);
    void Assign(const QObject* Source);

    bool ShowFindPrev() const { return F.ShowFindPrev; }
    void SetShowFindPrev(bool value) { SetProperty(F.ShowFindPrev, value, [this] { Changed(); }); }
    bool ShowFindNext() const { return F.ShowFindNext; }
    void SetShowFindNext(bool value) { SetProperty(F.ShowFindNext, value, [this] { Changed(); }); }
    QString FindNextCaption() const { return F.FindNextCaption; }
    void SetFindNextCaption(const QString& value) { SetPropertyAlways(F.FindNextCaption, value, [this] { Changed(); }); }
    QString FindPrevCaption() const { return F.FindPrevCaption; }
    void SetFindPrevCaption(const QString& value) { SetPropertyAlways(F.FindPrevCaption, value, [this] { Changed(); }); }
    TColor ColorTo() const { return F.ColorTo; }
    void SetColorTo(TColor value) { SetPropertyAlways(F.ColorTo, value, [this] { Changed(); }); }
    TColor Color() const { return F.Color; }
    void SetColor(TColor value) { SetPropertyAlways(F.Color, value, [this] { Changed(); }); }
    bool Visible() const { return F.Visible; }
    void SetVisible(bool value) { SetProperty(F.Visible, value, [this] { Changed(); }); }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value) { SetPropertyAlways(FAutoThemeAdapt, value, [this] { Changed(); }); }
    bool ShowClose() const { return F.ShowClose; }
    void SetShowClose(bool value) { SetPropertyAlways(F.ShowClose, value, [this] { Changed(); }); }
    bool ShowHighLight() const { return F.ShowHighLight; }
    void SetShowHighLight(bool value) { SetProperty(F.ShowHighLight, value, [this] { Changed(); }); }
    bool ShowMatchCase() const { return F.ShowMatchCase; }
    void SetShowMatchCase(bool value) { SetProperty(F.ShowMatchCase, value, [this] { Changed(); }); }
    QString MatchCaseCaption() const { return F.MatchCaseCaption; }
    void SetMatchCaseCaption(const QString& value) { SetPropertyAlways(F.MatchCaseCaption, value, [this] { Changed(); }); }
    QString HintClose() const { return F.HintClose; }
    void SetHintClose(const QString& value) { SetPropertyAlways(F.HintClose, value, [this] { Changed(); }); }
    QString HintFindPrev() const { return F.HintFindPrev; }
    void SetHintFindPrev(const QString& value) { SetPropertyAlways(F.HintFindPrev, value, [this] { Changed(); }); }
    QString HintHighlight() const { return F.HintHighlight; }
    void SetHintHighlight(const QString& value) { SetPropertyAlways(F.HintHighlight, value, [this] { Changed(); }); }
    QString HintFindNext() const { return F.HintFindNext; }
    void SetHintFindNext(const QString& value) { SetPropertyAlways(F.HintFindNext, value, [this] { Changed(); }); }
    bool AutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool value) { FAutoSearch = value; }
    QString LastSearch() const { return FLastSearch; }
    void SetLastSearch(const QString& value) { FLastSearch = value; }
    VX_STORED_PROPERTY(int, SearchColumn)
    VX_STORED_PROPERTY(bool, SearchActiveColumnOnly)
    VX_STORED_PROPERTY(bool, SearchMatchStart)
    bool SearchFixedCells() const { return FSearchFixedCells; }
    void SetSearchFixedCells(bool value) { FSearchFixedCells = value; }
    VX_STORED_PROPERTY(bool, SearchHiddenRows)
    QString HighLightCaption() const { return F.HighLightCaption; }
    void SetHighLightCaption(const QString& value) { SetPropertyAlways(F.HighLightCaption, value, [this] { Changed(); }); }
    VX_STORED_PROPERTY(bool, AlwaysHighLight)
    VX_STORED_PROPERTY(TSearchDirection, SearchDirection)
    const TFont& Font() const { return F.Font; }
    void SetFont(const TFont& value) { SetPropertyAlways(F.Font, value, [this] { Changed(); }); }

    TNotifyEvent OnChange;

private:
    void Changed();

    // What Assign copies.
    struct Values {
        bool ShowFindPrev = true;
        bool ShowFindNext = true;
        QString FindNextCaption;
        QString FindPrevCaption;
        TColor ColorTo = clBtnFace;
        TColor Color = clWhite;
        bool Visible = false;
        bool ShowClose = true;
        bool ShowHighLight = true;
        bool ShowMatchCase = true;
        QString MatchCaseCaption;
        QString HintClose;
        QString HintFindPrev;
        QString HintHighlight;
        QString HintFindNext;
        int SearchColumn = -1;
        bool SearchActiveColumnOnly = false;
        bool SearchMatchStart = false;
        bool SearchHiddenRows = false;
        QString HighLightCaption;
        bool AlwaysHighLight = false;
        TSearchDirection SearchDirection = TSearchDirection::sdTopBottom;
        TFont Font;
    } F;
    bool FAutoThemeAdapt = false;
    bool FAutoSearch = true;
    QString FLastSearch;
    bool FSearchFixedCells = false;
};

class TNavigation : public QObject {
public:
    void Assign(const QObject* Source);

    VX_STORED_PROPERTY(bool, AllowInsertRow)
    VX_STORED_PROPERTY(bool, AllowDeleteRow)
    VX_STORED_PROPERTY(bool, AdvanceOnEnter)
    bool AdvanceInsert() const { return F.AdvanceInsert; }
    void SetAdvanceInsert(bool value);
    VX_STORED_PROPERTY(bool, AutoGotoWhenSorted)
    VX_STORED_PROPERTY(bool, AutoGotoIncremental)
    VX_STORED_PROPERTY(bool, AutoComboDropSize)
    VX_STORED_PROPERTY(bool, AllowClipboardShortCuts)
    VX_STORED_PROPERTY(bool, AllowRTFClipboard)
    VX_STORED_PROPERTY(bool, AllowSmartClipboard)
    VX_STORED_PROPERTY(bool, AllowClipboardAlways)
    VX_STORED_PROPERTY(bool, AllowClipboardColGrow)
    VX_STORED_PROPERTY(bool, AllowClipboardRowGrow)
    VX_STORED_PROPERTY(TClipboardPasteAction, ClipboardPasteAction)
    VX_STORED_PROPERTY(bool, CopyHTMLTagsToClipboard)
    TAdvanceDirection AdvanceDirection() const { return F.AdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection value);
    bool AdvanceAuto() const { return F.AdvanceAuto; }
    void SetAdvanceAuto(bool value);   // switching it on also turns AdvanceOnEnter on
    VX_STORED_PROPERTY(bool, AdvanceAutoEdit)
    VX_STORED_PROPERTY(bool, CursorWalkEditor)
    VX_STORED_PROPERTY(bool, CursorWalkAlwaysEdit)
    VX_STORED_PROPERTY(bool, MoveRowOnSort)
    bool KeepScrollOnSort() const { return FKeepScrollOnSort; }
    void SetKeepScrollOnSort(bool value) { FKeepScrollOnSort = value; }
    VX_STORED_PROPERTY(bool, ImproveMaskSel)
    VX_STORED_PROPERTY(bool, AlwaysEdit)
    VX_STORED_PROPERTY(TInsertPosition, InsertPosition)
    VX_STORED_PROPERTY(bool, LineFeedOnEnter)
    VX_STORED_PROPERTY(THomeEndAction, HomeEndKey)
    VX_STORED_PROPERTY(bool, KeepHorizScroll)
    VX_STORED_PROPERTY(bool, AllowFmtClipboard)
    VX_STORED_PROPERTY(bool, TabToNextAtEnd)
    VX_STORED_PROPERTY(bool, EditSelectAll)
    VX_STORED_PROPERTY(TAdvanceDirection, TabAdvanceDirection)
    VX_STORED_PROPERTY(bool, SkipFixedCells)
    VX_STORED_PROPERTY(bool, SkipDisabledRows)
    VX_STORED_PROPERTY(bool, AllowCtrlEnter)
    VX_STORED_PROPERTY(bool, AppendOnArrowDown)
    VX_STORED_PROPERTY(bool, LeftRightRowSelect)
    VX_STORED_PROPERTY(bool, MoveScrollOnly)
    VX_STORED_PROPERTY(bool, ComboGetUpDown)
    VX_STORED_PROPERTY(bool, AdvanceOnEnterLoop)
    VX_STORED_PROPERTY(TCursorAdvance, CursorAdvance)
    VX_STORED_PROPERTY(bool, AdvanceSkipReadOnlyCells)
    VX_STORED_PROPERTY(bool, CursorMoveRows)

    TNotifyEvent OnChange;

private:
    // What Assign copies.
    struct Values {
        bool AllowInsertRow = false;
        bool AllowDeleteRow = false;
        bool AdvanceOnEnter = false;
        bool AdvanceInsert = false;
        bool AutoGotoWhenSorted = false;
        bool AutoGotoIncremental = false;
        bool AutoComboDropSize = false;
        bool AllowClipboardShortCuts = false;
        bool AllowRTFClipboard = false;
        bool AllowSmartClipboard = false;
        bool AllowClipboardAlways = false;
        bool AllowClipboardColGrow = true;
        bool AllowClipboardRowGrow = true;
        TClipboardPasteAction ClipboardPasteAction = TClipboardPasteAction::paReplace;
        bool CopyHTMLTagsToClipboard = true;
        TAdvanceDirection AdvanceDirection = TAdvanceDirection::adLeftRight;
        bool AdvanceAuto = false;
        bool AdvanceAutoEdit = true;
        bool CursorWalkEditor = false;
        bool CursorWalkAlwaysEdit = true;
        bool MoveRowOnSort = false;
        bool ImproveMaskSel = false;
        bool AlwaysEdit = false;
        TInsertPosition InsertPosition = TInsertPosition::pInsertBefore;
        bool LineFeedOnEnter = false;
        THomeEndAction HomeEndKey = THomeEndAction::heFirstLastColumn;
        bool KeepHorizScroll = false;
        bool AllowFmtClipboard = false;
        bool TabToNextAtEnd = false;
        bool EditSelectAll = true;
        TAdvanceDirection TabAdvanceDirection = TAdvanceDirection::adLeftRight;
        bool SkipFixedCells = true;
        bool SkipDisabledRows = true;
        bool AllowCtrlEnter = true;
        bool AppendOnArrowDown = false;
        bool LeftRightRowSelect = true;
        bool MoveScrollOnly = false;
        bool ComboGetUpDown = true;
        bool AdvanceOnEnterLoop = true;
        TCursorAdvance CursorAdvance = TCursorAdvance::caDefault;
        bool AdvanceSkipReadOnlyCells = true;
        bool CursorMoveRows = false;
    } F;
    bool FKeepScrollOnSort = false;
};

class TMouseActions : public QObject {
public:
    void Assign(const QObject* Source);

    VX_STORED_PROPERTY(bool, ColSelect)
    VX_STORED_PROPERTY(bool, RowSelect)
    VX_STORED_PROPERTY(bool, AllSelect)
    VX_STORED_PROPERTY(bool, DirectEdit)
    VX_STORED_PROPERTY(bool, DirectComboDrop)
    VX_STORED_PROPERTY(bool, DirectComboClose)
    VX_STORED_PROPERTY(bool, DirectDateClose)
    VX_STORED_PROPERTY(bool, DirectDateDrop)
    // While the owner is being designed only one of the three disjunct selections may be on.
    bool DisjunctRowSelect() const { return F.DisjunctRowSelect; }
    void SetDisjunctRowSelect(bool value);
    bool DisjunctRowSelectDirect() const { return F.DisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool value) { F.DisjunctRowSelect = value; }
    bool DisjunctColSelect() const { return F.DisjunctColSelect; }
    void SetDisjunctColSelect(bool value);
    VX_STORED_PROPERTY(bool, AllColumnSize)
    VX_STORED_PROPERTY(bool, AllRowSize)
    VX_STORED_PROPERTY(bool, CaretPositioning)
    VX_STORED_PROPERTY(bool, SizeFixedCol)
    bool SizeFixedRow() const { return FSizeFixedRow; }
    void SetSizeFixedRow(bool value) { FSizeFixedRow = value; }
    bool DisjunctCellSelect() const { return F.DisjunctCellSelect; }
    void SetDisjunctCellSelect(bool value);
    VX_STORED_PROPERTY(TGridFixedCellEdit, FixedRowsEdit)
    VX_STORED_PROPERTY(TGridFixedCellEdit, FixedColsEdit)
    VX_STORED_PROPERTY(TGridFixedCellEditor, FixedRowsEditor)
    VX_STORED_PROPERTY(TGridFixedCellEditor, FixedColsEditor)
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool value);
    VX_STORED_PROPERTY(bool, RangeSelectAndEdit)
    VX_STORED_PROPERTY(bool, NoAutoRangeScroll)
    VX_STORED_PROPERTY(bool, PreciseCheckBoxCheck)
    VX_STORED_PROPERTY(bool, PreciseNodeClick)
    VX_STORED_PROPERTY(bool, CheckAllCheck)
    VX_STORED_PROPERTY(bool, NodeAllExpandContract)
    VX_STORED_PROPERTY(bool, MoveRowOnNodeClick)
    VX_STORED_PROPERTY(bool, RowSelectPersistent)
    VX_STORED_PROPERTY(bool, SelectOnRightClick)
    VX_STORED_PROPERTY(bool, NoScrollOnPartialRow)
    VX_STORED_PROPERTY(int, WheelIncrement)
    TWheelAction WheelAction() const { return F.WheelAction; }
    void SetWheelAction(TWheelAction value);
    VX_STORED_PROPERTY(bool, AutoSizeColOnDblClick)
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool value);
    VX_STORED_PROPERTY(bool, DisjunctRowSelectNoCtrl)
    const QStringList& FixedComboValues() const { return FFixedComboValues; }
    void SetFixedComboValues(const QStringList& value) { FFixedComboValues = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;

private:
    bool IsDesigning();
    void Fire(const TNotifyEvent& event) { if (event) event(this); }

    // What Assign copies.
    struct Values {
        bool ColSelect = false;
        bool RowSelect = false;
        bool AllSelect = false;
        bool DirectEdit = false;
        bool DirectComboDrop = false;
        bool DirectComboClose = false;
        bool DirectDateClose = false;
        bool DirectDateDrop = false;
        bool DisjunctRowSelect = false;
        bool DisjunctColSelect = false;
        bool AllColumnSize = false;
        bool AllRowSize = false;
        bool CaretPositioning = false;
        bool SizeFixedCol = false;
        bool DisjunctCellSelect = false;
        TGridFixedCellEdit FixedRowsEdit = TGridFixedCellEdit::fceNone;
        TGridFixedCellEdit FixedColsEdit = TGridFixedCellEdit::fceNone;
        TGridFixedCellEditor FixedRowsEditor = TGridFixedCellEditor::fceEdit;
        TGridFixedCellEditor FixedColsEditor = TGridFixedCellEditor::fceEdit;
        bool RangeSelectAndEdit = false;
        bool NoAutoRangeScroll = false;
        bool PreciseCheckBoxCheck = false;
        bool PreciseNodeClick = true;
        bool CheckAllCheck = false;
        bool NodeAllExpandContract = false;
        bool MoveRowOnNodeClick = false;
        bool RowSelectPersistent = false;
        bool SelectOnRightClick = false;
        bool NoScrollOnPartialRow = false;
        int WheelIncrement = 0;
        TWheelAction WheelAction = TWheelAction::waMoveSelection;
        bool AutoSizeColOnDblClick = true;
        bool DisjunctRowSelectNoCtrl = false;
    } F;
    bool FSizeFixedRow = false;
    bool FHotmailRowSelect = false;
    bool FEditOnDblClickOnly = false;
    QStringList FFixedComboValues;
};

class TSyncGrid : public QObject {
public:
    explicit TSyncGrid(TStringGrid* AOwner) : FOwner(AOwner) {}
    void Assign(const QObject* Source);

    VX_STORED_PROPERTY(bool, ScrollHorizontal)
    TStringGrid* Grid() const { return F.Grid; }
    void SetGrid(TStringGrid* value);   // never the owner itself
    VX_STORED_PROPERTY(bool, ScrollVertical)
    VX_STORED_PROPERTY(bool, SelectionRow)
    VX_STORED_PROPERTY(bool, SelectionColumn)
    VX_STORED_PROPERTY(bool, MoveRow)
    VX_STORED_PROPERTY(bool, MoveColumn)

private:
    TStringGrid* FOwner;
    struct Values {
        bool ScrollHorizontal = false;
        TStringGrid* Grid = nullptr;
        bool ScrollVertical = false;
        bool SelectionRow = false;
        bool SelectionColumn = false;
        bool MoveRow = false;
        bool MoveColumn = false;
    } F;
};

class TBands : public QObject {
public:
    void Assign(const QObject* Source);

    VX_STORED_PROPERTY(bool, Print)
    bool Active() const { return F.Active; }
    void SetActive(bool value);
    int TotalLength() const { return F.PrimaryLength + F.SecondaryLength; }
    int SecondaryLength() const { return F.SecondaryLength; }
    void SetSecondaryLength(int value) { SetWhileActive(F.SecondaryLength, value); }
    int PrimaryLength() const { return F.PrimaryLength; }
    void SetPrimaryLength(int value) { SetWhileActive(F.PrimaryLength, value); }
    TColor SecondaryColor() const { return F.SecondaryColor; }
    void SetSecondaryColor(TColor value) { SetWhileActive(F.SecondaryColor, value); }
    TColor PrimaryColor() const { return F.PrimaryColor; }
    void SetPrimaryColor(TColor value) { SetWhileActive(F.PrimaryColor, value); }

    TNotifyEvent OnChange;

private:
    template <typename T>
    void SetWhileActive(T& field, T value)
    {
        SetProperty(field, value, [this] {
            if (F.Active && OnChange)
                OnChange(this);
        });
    }

    struct Values {
        bool Print = false;
        bool Active = false;
        int SecondaryLength = 1;
        int PrimaryLength = 1;
        TColor SecondaryColor = clWindow;
        TColor PrimaryColor = clInfoBk;
    } F;
};

class TFocusHelper : public QObject {
public:
    void Assign(const QObject* Source);
    VX_STORED_PROPERTY(bool, Enabled)

private:
    struct Values {
        bool Enabled = false;
    } F;
};

#undef VX_STORED_PROPERTY
