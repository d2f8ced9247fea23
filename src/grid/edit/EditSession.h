#pragma once
// One in-place edit of a grid: what its editors read of it and what they report back (the value, the key that
// ends it, the focus leaving). Editors talk to the session; only the grid reaches its state.
#include "grid/foundation/GridTypes.h"
#include "platform/KeyCodes.h"
#include <QPointer>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

class QWidget;
class TVxStringGrid;
struct TVxStringGridPrivate;
class TGridPaintHost;
class ZEvuZudedoZadaRudiv;
class TEditLink;
class TGridCombo;
class TGridCheckBox;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridButton;
class TGridSpin;
class TGridDatePicker;
class TDropDownCellEditor;

class TGridEditSession {
public:
    explicit TGridEditSession(TVxStringGrid& AGrid) : G(AGrid) {}
    TGridEditSession(const TGridEditSession&) = delete;
    TGridEditSession& operator=(const TGridEditSession&) = delete;

    // What an editor reads.
    TEditorType Kind() const { return FEditControl; }
    bool Editing() const { return FEditing; }
    const QString& CachedText() const { return FCellCache; }   // the cell's text when the edit began
    bool LoadingEditor() const { return FNoEditChange; }        // being filled: its changes are no user's
    bool FocusLossIgnored() const { return FBlockKill; }        // the grid itself moves the focus away

    // What an editor reports.
    void EditorLoaded() { FNoEditChange = false; }
    // The value to store; false when the grid refused it. Shown is what the editor shows afterwards: the
    // value the grid kept or corrected. A refusal leaves the edit's starting text as it was.
    bool Commit(const QString& Value, QString& Shown);
    // The editor loses the focus to another control with Value: it is validated once, and a refusal does not
    // reopen the editor; Ended follows once the editor has gone.
    void FocusLost(const QString& Value);
    void Ended() { FEditing = false; }
    void StartCharUsed() { FStartEditChar = QChar(); }
    // A custom editor control has the focus: the character that opened it reaches it now.
    void CustomEditorActive(QWidget* Control, QChar StartChar);
    // A refused value stays in the custom editor and the cell stays current; the refusal has been shown.
    void RefusalShown() { FLastValidation = true; }
    // A key that ended the edit in the editor moves the grid as it would have there.
    void EndKey(std::uint16_t Key, TShiftState Shift);
    // The custom editor moved the focus away itself.
    void FocusMovedByEditor();
    QChar StartChar() const { return FStartEditChar; }

private:
    friend class TVxStringGrid;
    friend struct TVxStringGridPrivate;
    friend class TGridPaintHost;
    TVxStringGrid& G;
    bool FAlwaysValidate = false;
    bool FLookup = false;
    bool FLookupCaseSensitive = false;
    bool FLookupHistory = false;
    QPointer<ZEvuZudedoZadaRudiv> FCellChecker;
    bool FEditMode = false;
    TEditorType FEditControl = TEditorType::edNormal;
    QWidget* FEditCtrl = nullptr;
    QPointer<TEditLink> FEditLink;
    bool FEditing = false;
    bool FSpecialEditor = false;
    bool FEditActive = false;
    bool FValidating = false;
    bool FEditorLeaving = false;   // the text editor is losing the focus: a refusal does not reopen it
    bool FEntered = false;
    QString FCellCache;
    int FOldCol = 0;
    int FOldRow = 0;
    QString FOldCellText;
    bool FOldModifiedValue = false;
    QString FNewCellText;
    int FComboIdx = -1;
    bool FLastValidation = true;
    bool FEditDisable = false;
    bool FNoAutoAdvance = false;
    bool FBlockKill = false;
    bool FDisableChange = false;
    bool FGridModified = false;
    int FAECol = 0;
    int FAERow = 0;
    int FLastReportedRow = -1;
    TGridCombo* FEditCombo = nullptr;          // the editors are children of the grid
    TGridCheckBox* FEditCheck = nullptr;
    TGridEditBtn* FEditBtn = nullptr;
    TGridUnitEditBtn* FUnitEditBtn = nullptr;
    TGridButton* FGridButton = nullptr;
    TGridSpin* FSpinEdit = nullptr;
    TGridDatePicker* FDatePicker = nullptr;
    std::vector<std::pair<TEditorType, TDropDownCellEditor*>> FDropDownEditors;   // widgets owned by the grid
    bool FNoEditChange = false;   // the editor is being loaded: no OnEditChange; the editor clears it
    QChar FStartEditChar;         // the character that opened the editor, typed into it once it shows
};
