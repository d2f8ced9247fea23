#include "widgets/dropdown/VxMemoDropDown.h"
#include "grid/core/DropDownDraw.h"
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {
// The toolkit's line break between the lines of a text list.
const QString kLineBreak = QStringLiteral("\r\n");

QStringList SplitLines(const QString& Text)
{
    if (Text.isEmpty())
        return {};
    return Text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}
} // namespace

TVxMemoDropDown::TVxMemoDropDown(QWidget* AOwner) : TVxCustomDropDown(AOwner) {}

void TVxMemoDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (FMemo)
        return;
    FMemo = new QPlainTextEdit(DropDownForm());
    FMemo->resize(FMemo->width(), 100);
    FMemo->setFrameShape(QFrame::NoFrame);
    QObject::connect(FMemo, &QPlainTextEdit::textChanged, this, [this] {
        if (OnMemoChange)
            OnMemoChange(this);
    });
    SetControl(FMemo);
}

QStringList TVxMemoDropDown::MemoLines() const
{
    return SplitLines(FMemo->toPlainText());
}

void TVxMemoDropDown::SetMemoLines(const QStringList& Lines)
{
    FMemo->setPlainText(Lines.join(QLatin1Char('\n')));
}

void TVxMemoDropDown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    SetMemoLines(FMemoText);
    FMemo->setContextMenuPolicy(FMemoPopup ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
    FMemo->setVerticalScrollBarPolicy(FMemoScrollBars);
    FMemo->setHorizontalScrollBarPolicy(FMemoScrollBars);
    FMemo->setReadOnly(FMemoReadOnly);
}

void TVxMemoDropDown::DoHideDropDown(bool Cancelled)
{
    // Refocusing the edit after the close must not open the pop-up again.
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    const QStringList kept = FMemoText;
    if (Cancelled && FMemo)
        SetMemoLines(FMemoText);
    TVxCustomDropDown::DoHideDropDown(Cancelled);
    // The base returns the edit to the value last written with SetText, which a memo never uses; its text
    // would be lost with that value, so a cancelled close keeps the text the memo had.
    if (Cancelled) {
        FMemoText = kept;
        UpdateEditText();
    }
    FAutoDrop = autoDrop;
}

void TVxMemoDropDown::AfterHideDropDown()
{
    TVxCustomDropDown::AfterHideDropDown();
    FMemoText = MemoLines();
    UpdateEditText();
    setCursorPosition(0);
}

void TVxMemoDropDown::DoEnter()
{
    TVxCustomDropDown::DoEnter();
    if (FAutoDrop)
        ShowDropDown();
}

void TVxMemoDropDown::SetMemoText(const QStringList& value)
{
    FMemoText = value;
    if (FMemo)
        SetMemoLines(value);
    UpdateEditText();
}

void TVxMemoDropDown::SetMemoReadOnly(bool value)
{
    FMemoReadOnly = value;
    if (FMemo && DroppedDown())
        FMemo->setReadOnly(value);
}

void TVxMemoDropDown::Change()
{
    if (!FInternalUpdate)
        FMemoText = SplitLines(GetText());
    TVxCustomDropDown::Change();
}

void TVxMemoDropDown::resizeEvent(QResizeEvent* e)
{
    TVxCustomDropDown::resizeEvent(e);
    UpdateEditText();
}

void TVxMemoDropDown::UpdateEditText()
{
    QString shown;
    if (FMemoText.isEmpty() || EditorEnabled()) {
        shown = FMemoText.join(kLineBreak);
    } else {
        TCanvas measure;
        measure.SetFont(TFont::fromQFont(font()));
        // The formatting rectangle: from 1 to the button, less 3 pixels.
        const int room = width() - DropDownButtonWidth() - 4;
        const QString first = FMemoText.front();
        if (GetTextSize(measure, first).Width < room)
            shown = FMemoText.size() > 1 ? first + QStringLiteral("...") : first;
        else
            shown = TruncateText(measure, first, room, true);
    }
    FInternalUpdate = true;
    SetEditText(shown);
    FInternalUpdate = false;
}

void TVxMemoDropDown::DoControlKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (Shift.testFlag(TShiftStateItem::ssCtrl) && Key == 'A') {
        FMemo->selectAll();
        return;
    }
    if (Shift.testFlag(TShiftStateItem::ssAlt) || Key == VK_ESCAPE || Key == VK_F4) {
        TVxCustomDropDown::DoControlKeyDown(Key, Shift);
        if (Key == VK_ESCAPE || Key == VK_F4 || Shift.testFlag(TShiftStateItem::ssAlt))
            Key = 0;
    }
}

void TVxMemoDropDown::DoControlKeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (Shift.testFlag(TShiftStateItem::ssAlt) || Key == VK_ESCAPE || Key == VK_F4)
        TVxCustomDropDown::DoControlKeyUp(Key, Shift);
}

void TVxMemoDropDown::DoControlKeyPress(QChar& Key)
{
    if (Key == QChar(27))
        TVxCustomDropDown::DoControlKeyPress(Key);
}
