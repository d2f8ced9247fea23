// The drop-down edit's keyboard, mouse, focus and clipboard handling: what each edit type lets through.
#include "grid/core/DropDownDraw.h"
#include "grid/model/GridText.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/VxDropDown.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <algorithm>

namespace {
bool IsDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }
bool IsAsciiLetter(QChar ch) { return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z'); }
bool IsHexLetter(QChar ch) { return (ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f'); }

constexpr QChar kBackspace = QChar(8), kTab = QChar(9), kLineFeed = QChar(10), kReturn = QChar(13),
                kEscape = QChar(27);

// The integer digits of a value: thousand separators, a fraction and a sign not counted.
int IntegerLength(QString value, bool skipMinus)
{
    value = StripThousandSeparators(value);
    const qsizetype dec = value.indexOf(LocaleDecimalSeparator());
    if (dec >= 0)
        value.truncate(dec);
    if (skipMinus && value.startsWith(u'-'))
        value.remove(0, 1);
    return int(value.size());
}
} // namespace

bool TVxCustomDropDown::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const bool alt = Shift.testFlag(TShiftStateItem::ssAlt), ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    if (alt && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
        return false;
    }
    auto popupKeys = [this, &Key] {
        if (Key == VK_RETURN)
            DoHideDropDown(false);
        else if (Key == VK_ESCAPE)
            DoHideDropDown(true);
        else if (Key == VK_F4 && FDropDownForm && FDropDownForm->isVisible())
            DoHideDropDown(false);
        else if (Key == VK_F4)
            DoShowDropDown();
    };
    if (!FEditorEnabled) {
        if (!isReadOnly())
            popupKeys();
        return Key == VK_RETURN || Key == VK_ESCAPE;
    }
    if (ctrl && (Key == VK_TAB || Key == VK_RETURN))
        return true;
    if (Key == VK_RETURN && FReturnIsTab) {
        focusNextChild();
        return false;
    }
    const int caret = cursorPosition();
    if (!FSuffix.isEmpty()) {
        if (Key == VK_RIGHT && caret >= ValueEnd() && !shift)
            return false;
        if (Key == VK_DELETE && caret >= ValueEnd() && !hasSelectedText())
            return false;
        if (Key == VK_END) {
            if (shift)
                setSelection(caret, ValueEnd() - caret);
            else
                setCursorPosition(ValueEnd());
            return false;
        }
    }
    if (!FPrefix.isEmpty()) {
        if (Key == VK_LEFT && caret <= ValueStart() && !shift)
            return false;
        if (Key == VK_HOME) {
            if (shift)
                SelectAll();
            else
                setCursorPosition(ValueStart());
            return false;
        }
    }
    if (Key == VK_DELETE && caret >= ValueStart() && caret < ValueEnd()) {
        if (FLengthLimit > 0) {
            QString after = GetText();
            const int at = caret - ValueStart();
            if (hasSelectedText())
                after.remove(selectionStart() - ValueStart(), selectedText().size());
            else
                after.remove(at, 1);
            if (IntegerLength(after, FSigned) > FLengthLimit)
                return false;
        }
        SetModifiedState(true);
    }
    if (Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_F4)
        popupKeys();
    return true;
}

void TVxCustomDropDown::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste)) {
        if (FEditorEnabled)
            PasteFromClipboard();
        return;
    }
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut)) {
        CopyToClipboard(e->matches(QKeySequence::Cut));
        return;
    }
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    const TShiftState shift = ShiftStateFromQt(e->modifiers());
    const bool popupOpen = FDroppedDown;
    if (key != 0 && !EditKeyDown(key, shift))
        return;
    QChar ch = e->text().isEmpty() ? QChar() : e->text().at(0);
    if (key == VK_BACK)
        ch = kBackspace;
    const bool character = !ch.isNull() && (ch.isPrint() || ch == kBackspace || ch == kReturn || ch == kEscape ||
                                            ch == kLineFeed);
    if (character && !shift.testFlag(TShiftStateItem::ssAlt)) {
        EditKeyPress(ch, e->modifiers().testFlag(Qt::KeypadModifier));
        // Esc goes on to the parent (a dialog closes by it), unless it was the pop-up's.
        if (ch == kEscape && FDefaultHandling && !popupOpen)
            e->ignore();
        return;
    }
    QLineEdit::keyPressEvent(e);
    if (key == VK_DELETE && FEditType == TDropDownEditType::etMoney)
        FormatMoneyText();
    if (cursorPosition() < ValueStart())
        setCursorPosition(ValueStart());
}

void TVxCustomDropDown::ToggleSign()
{
    QString value = GetText();
    int caret = cursorPosition();
    if (WholeValueSelected()) {
        value = QStringLiteral("-");
        caret = ValueStart() + 1;
    } else if (!value.startsWith(u'-')) {
        value.prepend(u'-');
        ++caret;
    } else {
        value.remove(0, 1);
        caret = std::max(ValueStart(), caret - 1);
    }
    ShowValue(value);
    setCursorPosition(caret);
    SetModifiedState(true);
}

bool TVxCustomDropDown::FilterFloatChar(QChar& Key, bool Money)
{
    const QChar dec = LocaleDecimalSeparator(), thousand = LocaleThousandSeparator();
    const QString value = GetText();
    const int caret = cursorPosition() - ValueStart();
    const QString selection = selectedText();
    if (Key == u',' || Key == u'.') {
        if (Money ? Key != dec : Key != dec && Key != thousand)
            return false;
    } else if (!(Key == kTab || Key == kReturn || Key == u'-' || IsDigit(Key))) {
        return false;
    }
    if (Key == dec && !selection.contains(dec) && (value.contains(dec) || FPrecision == 0)) {
        if (FPrecision > 0) {
            if (Money && WholeValueSelected())
                SetText(QStringLiteral("0"));
            SelectAfterDecimal();
        }
        return false;
    }
    if ((Key == dec || Key == thousand) && value.contains(thousand)) {
        int nearest = -1;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value[i] != thousand)
                continue;
            const int distance = i < caret ? caret - int(i) - 1 : int(i) - caret;
            if (distance < 3)
                return false;
            nearest = nearest < 0 ? distance : std::min(nearest, distance);
        }
        if (nearest > 3)
            return false;
    }
    const qsizetype decAt = value.indexOf(dec);
    if (FPrecision > 0 && decAt >= 0 && !hasSelectedText() && caret > decAt &&
        value.size() - decAt - 1 >= FPrecision && IsDigit(Key)) {
        if (caret >= value.size())
            return false;
        QString v = value;
        v[caret] = Key;
        ShowValue(v);
        setCursorPosition(ValueStart() + caret + 1);
        SetModifiedState(true);
        return false;
    }
    if (Key == dec && value.isEmpty() && caret == 0) {
        ShowValue(QStringLiteral("0") + dec);
        setCursorPosition(ValueStart() + 2);
        SetModifiedState(true);
        return false;
    }
    if (Key == u'-' && !hasSelectedText()) {
        ToggleSign();
        return false;
    }
    return true;
}

void TVxCustomDropDown::EditKeyPress(QChar Key, bool Keypad)
{
    if (!FEditorEnabled)
        return;
    const QString before = text();
    if (WholeValueSelected() && !GetText().isEmpty())
        FBlockChange = true;
    const bool ctrl = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
    auto done = [this, &before] {
        // A dropped character leaves no change to swallow.
        if (text() == before)
            FBlockChange = false;
    };
    if (Key == kReturn || Key == kLineFeed) {
        if (Key == kReturn && OnKeyPress)
            OnKeyPress(this, Key);
        return done();
    }
    if (Key == kEscape) {
        if (FCanUndo) {
            SelectAll();
            setModified(false);
            FIsModified = false;
        }
        return done();
    }
    if (FExcelStyleDecimalSeparator && Keypad && (Key == u'.' || Key == u','))
        Key = LocaleDecimalSeparator();
    const int caret = cursorPosition();
    if (Key == kBackspace && caret <= ValueStart() && !hasSelectedText())
        return done();
    const bool numeric = FEditType == TDropDownEditType::etNumeric || FEditType == TDropDownEditType::etFloat ||
                         FEditType == TDropDownEditType::etMoney;
    if (FLengthLimit > 0 && Key != kBackspace && Key != LocaleDecimalSeparator() && !(numeric && FSigned && Key == u'-') &&
        !hasSelectedText() && IntegerLength(GetText(), numeric && FSigned) >= FLengthLimit) {
        const qsizetype dec = GetText().indexOf(LocaleDecimalSeparator());
        if (dec < 0 || caret - ValueStart() <= dec)
            return done();
    }
    if (Key == kBackspace) {
        backspace();
        SetModifiedState(true);
        return done();
    }
    if (Key == u'-' && numeric && !FSigned)
        return done();
    bool take = true;
    switch (FEditType) {
    case TDropDownEditType::etString:
    case TDropDownEditType::etPassword:
        break;
    case TDropDownEditType::etNumeric:
        if (Key == u'-') {
            ToggleSign();
            return done();
        }
        take = IsDigit(Key) || Key == kTab || ctrl;
        break;
    case TDropDownEditType::etFloat:
        take = FilterFloatChar(Key, false);
        break;
    case TDropDownEditType::etUppercase:
        Key = QLocale().toUpper(QString(Key)).at(0);
        break;
    case TDropDownEditType::etLowerCase:
        Key = QLocale().toLower(QString(Key)).at(0);
        break;
    case TDropDownEditType::etMixedCase: {
        insert(QString(Key));
        ShowValue(CapitalizeName(GetText()));
        setCursorPosition(caret + 1);
        SetModifiedState(true);
        return done();
    }
    case TDropDownEditType::etMoney:
        take = FilterFloatChar(Key, true);
        if (take) {
            insert(QString(Key));
            const QString v = GetText();
            if (!v.isEmpty() && v != QLatin1String("-") && Key != LocaleDecimalSeparator())
                FormatMoneyText();
            SetModifiedState(true);
        }
        return done();
    case TDropDownEditType::etRange:
        if (IsRangeSeparator(Key)) {
            const QString v = GetText();
            const int at = caret - ValueStart();
            take = at > 0 && !IsRangeSeparator(v[at - 1]) && !(at < v.size() && IsRangeSeparator(v[at]));
        } else {
            take = IsDigit(Key);
        }
        break;
    case TDropDownEditType::etHex:
        take = Key == u'-' || IsDigit(Key) || IsHexLetter(Key);
        break;
    case TDropDownEditType::etAlphaNumeric:
        take = IsDigit(Key) || IsAsciiLetter(Key);
        break;
    case TDropDownEditType::etValidChars:
        take = FValidChars.contains(Key);
        break;
    }
    if (take && Key != kTab) {
        insert(QString(Key));
        SetModifiedState(true);
    }
    done();
}

bool TVxCustomDropDown::TakePaste(QString& Result) const
{
    const QString clip = QGuiApplication::clipboard()->text();
    const int kind = ClassifyEditNumber(Result);
    auto every = [&Result](auto test) { return std::all_of(Result.begin(), Result.end(), test); };
    switch (FEditType) {
    case TDropDownEditType::etString:
    case TDropDownEditType::etPassword:
        return true;
    case TDropDownEditType::etNumeric:
        return kind == 0 && (FSigned || !Result.contains(u'-'));
    case TDropDownEditType::etFloat:
    case TDropDownEditType::etMoney:
        return (kind == 0 || kind == 1) && !(FPrecision == 0 && clip.contains(LocaleDecimalSeparator())) &&
               (FSigned || !Result.contains(u'-'));
    case TDropDownEditType::etUppercase:
        Result = QLocale().toUpper(Result);
        return true;
    case TDropDownEditType::etLowerCase:
        Result = QLocale().toLower(Result);
        return true;
    case TDropDownEditType::etMixedCase:
        Result = CapitalizeName(Result);
        return true;
    case TDropDownEditType::etAlphaNumeric:
        return every([](QChar c) { return IsDigit(c) || IsAsciiLetter(c); });
    case TDropDownEditType::etValidChars:
        return every([this](QChar c) { return FValidChars.contains(c); });
    case TDropDownEditType::etRange:
    case TDropDownEditType::etHex:
        return false;
    }
    return false;
}

void TVxCustomDropDown::PasteFromClipboard()
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (isReadOnly() || clip.isEmpty())
        return;
    const QString value = GetText();
    const bool replaced = hasSelectedText();
    int from = std::clamp((replaced ? selectionStart() : cursorPosition()) - ValueStart(), 0, int(value.size()));
    const int length = replaced ? std::min(int(selectedText().size()), int(value.size()) - from) : 0;
    QString result = value.left(from) + clip + value.mid(from + length);
    bool allow = true;
    if (OnClipboardPaste)
        OnClipboardPaste(this, result, allow);
    if (!allow)
        return;
    if (maxLength() > 0 && FPrefix.size() + result.size() + FSuffix.size() > maxLength())
        return;
    if (!TakePaste(result))
        return;
    ShowValue(result);
    if (FEditType == TDropDownEditType::etFloat || FEditType == TDropDownEditType::etMoney)
        SetFloatValue(GetFloatValue());
    if (FEditType == TDropDownEditType::etMoney && GetText().size() > 3) {
        SelectAll();
    } else if (replaced) {
        setSelection(ValueStart() + from, int(clip.size()));
    } else {
        setCursorPosition(std::min(ValueEnd(), ValueStart() + from + int(clip.size())));
    }
    SetModifiedState(true);
}

void TVxCustomDropDown::CopyToClipboard(bool Cut)
{
    bool allow = true;
    if (Cut) {
        if (!FEditorEnabled || isReadOnly())
            return;
        FBlockCopy = true;
        if (OnClipboardCut)
            OnClipboardCut(this, selectedText(), allow);
        if (allow)
            cut();
        FBlockCopy = false;
        return;
    }
    if (!FBlockCopy && OnClipboardCopy)
        OnClipboardCopy(this, selectedText(), allow);
    if (allow)
        copy();
}

void TVxCustomDropDown::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    if (!FEditorEnabled && e->button() == Qt::LeftButton)
        ButtonClick();
}

void TVxCustomDropDown::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (!FEditorEnabled)
        return;
    // Caret and selection stay inside the value part.
    const int caret = cursorPosition();
    if (caret < ValueStart()) {
        SelectAll();
    } else if (hasSelectedText() && selectionStart() + int(selectedText().size()) > ValueEnd()) {
        const int start = std::max(ValueStart(), selectionStart());
        setSelection(start, ValueEnd() - start);
    } else if (caret > ValueEnd()) {
        setCursorPosition(ValueEnd());
    }
}

void TVxCustomDropDown::wheelEvent(QWheelEvent* e)
{
    QLineEdit::wheelEvent(e);
    if (e->angleDelta().y() < 0)
        DoWheelNext();
    else if (e->angleDelta().y() > 0)
        DoWheelPrevious();
}

void TVxCustomDropDown::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (e->reason() != Qt::PopupFocusReason)
        DoEnter();
}

void TVxCustomDropDown::focusOutEvent(QFocusEvent* e)
{
    // Opening the pop-up takes the keyboard, not the focus.
    if (e->reason() != Qt::PopupFocusReason)
        DoExit();
    QLineEdit::focusOutEvent(e);
}

void TVxCustomDropDown::DoEnter()
{
    if (!FEditorEnabled) {
        update();
        return;
    }
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        SelectAll();
}

void TVxCustomDropDown::DoExit()
{
    const QString v = GetText();
    const bool floating = FEditType == TDropDownEditType::etFloat || FEditType == TDropDownEditType::etMoney;
    const bool modified = isModified(), own = FIsModified;
    if (floating && FPrecision > 0 && (!v.isEmpty() || !FAllowNumericNullValue)) {
        SetFloatValue(GetFloatValue());
        setModified(modified);
        FIsModified = own;
    } else if (v.isEmpty() && !FAllowNumericNullValue) {
        if (FEditType == TDropDownEditType::etNumeric)
            SetText(QStringLiteral("0"));
        else if (floating)
            SetFloatValue(0);
    }
    if (!FEditorEnabled)
        update();
}
