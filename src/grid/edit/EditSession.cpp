#include "grid/edit/EditSession.h"

#include "grid/core/VxStringGridPrivate.h"

bool TGridEditSession::Commit(const QString& Value, QString& Shown)
{
    const QString oldText = FOldCellText;
    const bool accepted = G.ValidateCell(Value);
    Shown = FNewCellText;
    if (!accepted)
        FOldCellText = oldText;
    return accepted;
}

void TGridEditSession::FocusLost(const QString& Value)
{
    FEditorLeaving = true;
    G.ValidateCell(Value);
    FEditorLeaving = false;
}

void TGridEditSession::CustomEditorActive(QWidget* Control, QChar StartChar)
{
    // The focus change may have ended both.
    FEditActive = true;
    FStartEditChar = StartChar;
    G.d->PostStartChar(Control);
}

void TGridEditSession::FocusMovedByEditor()
{
    G.d->Interaction.FInvokedFocusChange = true;
}

void TGridEditSession::EndKey(std::uint16_t Key, TShiftState Shift)
{
    G.KeyDown(Key, Shift);
}
