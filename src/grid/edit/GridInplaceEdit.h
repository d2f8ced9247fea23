#pragma once
// The grid's text editor: the toolkit's in-place editor with a character filter per editor kind, and
// validation on Enter, Tab, the vertical keys and loss of focus.
#include "grid/foundation/GridTypes.h"
#include "platform/GridEdit.h"

class TVxStringGrid;

class TVxInplaceEdit : public TInplaceEdit {
    Q_OBJECT
public:
    explicit TVxInplaceEdit(TVxStringGrid* AGrid);

    // Whether the kind lets the character through; Text, caret and selection as they stand before it.
    // A character the kind changes (upper or lower case) comes back changed.
    static bool FilterChar(TEditorType Kind, QChar& Key, const QString& Text, int Caret, const QString& Selected,
                           const QString& ValidChars, bool Ctrl);

protected:
    void UpdateContents() override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool event(QEvent* e) override;

private:
    void CompleteFromLookup();
    bool ValidateOrRestore();   // false: the value was refused and the editor shows the grid's value again
    TVxStringGrid* FGrid;
    bool FWorkmode = true;    // completion is allowed after the current key; Backspace and Delete forbid it
    bool FGotFocus = false;   // the end of the edit is still to be reported
    int FColE = 0;            // the display cell the editor was loaded for
    int FRowE = 0;
};
