#include "widgets/dropdown/VxCalculatorDropdown.h"
#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/GradientButton.h"
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <cmath>

namespace {
// Pending operations.
constexpr int opNone = -1, opAdd = 0, opMultiply = 1, opSubtract = 2, opDivide = 3;
const QString kError = QStringLiteral("Error");

constexpr QChar kBackspace = QChar(8), kReturn = QChar(13), kEscape = QChar(27);

// The platform's shortest float text, without grouping.
QString ShortestFloatText(double v)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', QLocale::FloatingPointShortest);
}
} // namespace

TVxCalculatorDropdown::TVxCalculatorDropdown(QWidget* AOwner)
    : TVxCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>())
{
    SetDropDownWidth(230);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetEditType(TDropDownEditType::etFloat);
    SetPrecision(2);
}

TVxCalculatorDropdown::~TVxCalculatorDropdown() = default;

void TVxCalculatorDropdown::SetComponentStyle(TZarnStyle AStyle)
{
    TVxCustomDropDown::SetComponentStyle(AStyle);
    // The white pop-up is set after the default style, which the base applies after this constructor.
    if (!FStyled) {
        FStyled = true;
        SetDropDownColor(clWhite);
    }
    const TVxButtonAppearance& b = ButtonAppearance();
    TButtonAppearance& k = *FCalcButtonAppearance;
    k.SetBorderColor(b.BorderColor());
    k.SetBorderColorHot(b.BorderColorHot());
    k.SetBorderColorDown(b.BorderColorDown());
    k.SetColor(b.Color());
    k.SetColorTo(b.ColorTo());
    k.SetColorDown(b.ColorDown());
    k.SetColorDownTo(b.ColorDownTo());
    k.SetColorHot(b.ColorHot());
    k.SetColorHotTo(b.ColorHotTo());
    const bool office2010 = AStyle == TZarnStyle::tsOffice2010Blue || AStyle == TZarnStyle::tsOffice2010Silver ||
                            AStyle == TZarnStyle::tsOffice2010Black;
    k.SetGlowColorHot(office2010 ? b.ColorHot() : b.ColorDownTo());
    k.SetGlowColorDown(office2010 ? b.ColorHot() : 0xD5C244);
}

void TVxCalculatorDropdown::SetShowThousandSeparator(bool value)
{
    if (value == FShowThousandSeparator)
        return;
    FShowThousandSeparator = value;
    SetEditType(value ? TDropDownEditType::etMoney : TDropDownEditType::etFloat);
    SetFloatValue(GetFloatValue());
}

long double TVxCalculatorDropdown::Value()
{
    if (Text().isEmpty())
        SetText(QStringLiteral("0"));
    long double v = 0;
    return ShownValue(v) ? v : 0;
}

void TVxCalculatorDropdown::SetValue(long double value)
{
    SetText(FormatValue(QStringLiteral("%g"), double(value)));
}

bool TVxCalculatorDropdown::ShownValue(long double& Value) const
{
    bool ok = false;
    const double v = QLocale().toDouble(StripThousandSeparators(Text()), &ok);
    if (ok)
        Value = v;
    return ok;
}

void TVxCalculatorDropdown::ZeroIfEmptyOrError()
{
    if (Text().isEmpty() || Text() == kError)
        SetText(QStringLiteral("0"));
}

bool TVxCalculatorDropdown::PopupShowing() const
{
    return DropDownForm() && DropDownForm()->isVisible();
}

// ---- the engine ----

bool TVxCalculatorDropdown::DoCalc()
{
    ZeroIfEmptyOrError();
    long double x = 0;
    if (!ShownValue(x))
        return false;
    switch (FPrevop) {
    case opAdd: FPrevval += x; break;
    case opMultiply: FPrevval *= x; break;
    case opSubtract: FPrevval -= x; break;
    case opDivide:
        if (x == 0) {
            FPrevval = 0;
            SetText(kError);
            return true;
        }
        FPrevval /= x;
        break;
    default: FPrevval = x; break;
    }
    // An overflow is absorbed as 0, as any failure of the arithmetic.
    if (!std::isfinite(FPrevval))
        FPrevval = 0;
    SetFloatValue(double(FPrevval));
    FNewval = true;
    return true;
}

bool TVxCalculatorDropdown::DoOperator(int Operation)
{
    if (!DoCalc())
        return false;
    FPrevop = Operation;
    return true;
}

bool TVxCalculatorDropdown::DoEqual()
{
    if (!DoCalc())
        return false;
    if (Text().isEmpty())
        SetText(QStringLiteral("0"));
    FPrevop = opNone;
    long double shown = 0;
    if (Text() != kError && ShownValue(shown))
        FPrevval = shown;
    return true;
}

bool TVxCalculatorDropdown::DoPercent()
{
    ZeroIfEmptyOrError();
    long double shown = 0;
    if (!ShownValue(shown))
        return false;
    SetText(FormatValue(QStringLiteral("%g"), double(FPrevval * shown / 100)));
    return true;
}

void TVxCalculatorDropdown::Clear()
{
    SetText(QStringLiteral("0"));
    FPrevval = 0;
    FPrevop = opNone;
}

// ---- the pad ----

void TVxCalculatorDropdown::CalcButtonClick(int Index)
{
    if (!FVxButtonPanel || Index < 0 || Index >= FVxButtonPanel->Buttons().Count())
        return;
    BeforeCalcKey();
    const int t = FVxButtonPanel->Buttons().Items(Index).Tag();
    if ((t >= 10 && t <= 14) || (t >= 16 && t <= 18))
        FDecim = 0;
    const bool full = maxLength() > 0 && text().size() >= maxLength();
    if ((t < 10 || t == 14 || t == 15) && full)
        return;
    bool done = true;
    if (t >= 0 && t <= 9) {
        double v = GetFloatValue();
        if ((v == 0 && FDecim == 0) || FNewval) {
            SetText(QString::number(t));
            FNewval = false;
        } else {
            if (FDecim > 0) {
                v += double(t) / FDecim;
                FDecim *= 10;
            } else {
                v = v * 10 + t;
            }
            SetFloatValue(v);
        }
    } else {
        switch (t) {
        case 10: done = DoOperator(opAdd); break;
        case 11: done = DoOperator(opSubtract); break;
        case 12: done = DoOperator(opMultiply); break;
        case 13: done = DoOperator(opDivide); break;
        case 14: {
            QString v = Text();
            if (v.contains(u'-'))
                v.remove(0, 1);
            else
                v.prepend(u'-');
            SetText(v);
            break;
        }
        case 15:
            if (!Text().contains(LocaleDecimalSeparator()))
                SetText(Text() + LocaleDecimalSeparator());
            FDecim = 10;
            if (FNewval)
                SetText(QStringLiteral("0"));
            FNewval = false;
            break;
        case 16:
        case 30:
        case 32: Clear(); break;
        case 17: done = DoEqual(); break;
        case 18: done = DoPercent(); break;
        case 31:
            if (FPrevop == opNone)
                SetText(ShortestFloatText(GetFloatValue()).chopped(1));
            break;
        case 33: FMVal = 0; break;
        case 34: SetFloatValue(double(FMVal)); break;
        case 35:
        case 36: {
            long double v = 0;
            done = ShownValue(v);
            if (done)
                FMVal = t == 35 ? v : FMVal + v;
            break;
        }
        case 37: {
            const double v = GetFloatValue();
            if (v < 0)
                SetText(kError);
            else
                SetFloatValue(std::sqrt(v));
            break;
        }
        case 38: {
            const double v = GetFloatValue();
            if (v == 0)
                SetText(kError);
            else
                SetFloatValue(1 / v);
            break;
        }
        default: break;
        }
    }
    if (done)
        SetModifiedState(true);
}

// ---- the keyboard ----

void TVxCalculatorDropdown::CalcKeyPress(QChar& Key)
{
    if (!PopupShowing()) {
        bool operatorKey = true;
        if (Key == kReturn || Key == u'=')
            DoEqual();
        else if (Key == u'%')
            DoPercent();
        else if (Key == u'*')
            DoOperator(opMultiply);
        else if (Key == u'+')
            DoOperator(opAdd);
        else if (Key == u'-')
            DoOperator(opSubtract);
        else if (Key == u'/')
            DoOperator(opDivide);
        else if (Key == u'C' || Key == u'c') {
            SetText(QStringLiteral("0"));
            FNewval = true;
            FPrevop = opNone;
        } else
            operatorKey = false;
        // The minus operator is not also a sign change of its result.
        if (operatorKey && Key == u'-') {
            Key = QChar();
            return;
        }
    }
    const QChar dec = LocaleDecimalSeparator();
    if (!(Key.isDigit() || Key == dec || Key == kBackspace || Key == u'-')) {
        Key = QChar();
        return;
    }
    const int caret = int(Prefix().size()) + 1;
    if ((Text() == QLatin1String("0") || FNewval) && Key.isDigit()) {
        SetText(QString(Key));
        setCursorPosition(caret);
        FNewval = false;
        Key = QChar();
    } else if (Text().size() == 1 && Key == kBackspace) {
        SetText(QStringLiteral("0"));
        setCursorPosition(caret);
        Key = QChar();
    } else if (Key == LocaleThousandSeparator() || (Key == dec && Text().contains(dec))) {
        Key = QChar();
    }
}

void TVxCalculatorDropdown::keyPressEvent(QKeyEvent* e)
{
    QChar ch = e->key() == Qt::Key_Backspace ? kBackspace : e->text().isEmpty() ? QChar() : e->text().at(0);
    const bool alt = e->modifiers().testFlag(Qt::AltModifier);
    if (ch.isNull() || alt || e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Copy) ||
        e->matches(QKeySequence::Cut) || !EditorEnabled()) {
        TVxCustomDropDown::keyPressEvent(e);
        if (e->key() == Qt::Key_Delete && (Text().isEmpty() || Text() == kError))
            SetText(QStringLiteral("0"));
        return;
    }
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0 && !EditKeyDown(key, ShiftStateFromQt(e->modifiers())))
        return;
    const bool escape = ch == kEscape;
    CalcKeyPress(ch);
    if (!ch.isNull())
        EditKeyPress(ch, e->modifiers().testFlag(Qt::KeypadModifier));
    // Esc goes on to the parent, so a dialog still closes by it.
    if (escape && DefaultHandling())
        e->ignore();
}

void TVxCalculatorDropdown::DoFormKeyPress(QChar& Key)
{
    QChar sent = Key;
    CalcKeyPress(sent);
    // Backspace was done by the key-down: the character does not delete a second time.
    if (!sent.isNull() && sent != kBackspace)
        EditKeyPress(sent, false);
    CalcFormKeyPress(Key);
}

void TVxCalculatorDropdown::CalcFormKeyPress(QChar Key)
{
    BeforeCalcKey();
    const QChar dec = LocaleDecimalSeparator();
    if (!Text().contains(dec))
        SetText(Text() + dec);
    if (Key.isDigit() && maxLength() > 0 && text().size() >= maxLength())
        return;
    const bool alt = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier);
    if (Key == kReturn) {
        DoEqual();
        DoHideDropDown(false);
    } else if (Key == kEscape || (Key == u'&' && alt)) {
        DoHideDropDown(true);
    } else if (Key == u'%') {
        DoPercent();
    } else if (Key == u'*') {
        DoOperator(opMultiply);
    } else if (Key == u'+') {
        DoOperator(opAdd);
    } else if (Key == u'-') {
        DoOperator(opSubtract);
    } else if (Key == u'/') {
        DoOperator(opDivide);
    } else if (Key == u'=') {
        DoEqual();
    } else if (Key.isDigit()) {
        FNewval = false;
    } else if (Key == u'C' || Key == u'c') {
        SetText(QStringLiteral("0"));
        FPrevval = 0;
        FNewval = true;
        FPrevop = opNone;
    }
}

void TVxCalculatorDropdown::DoFormKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    // Return closes the pop-up at its key-down; the result is worked out before.
    if (Key == VK_RETURN)
        DoEqual();
    TVxCustomDropDown::DoFormKeyDown(Key, Shift);
    if (Key == VK_TAB || Key == VK_F4) {
        DoHideDropDown(false);
    } else if (Key == VK_BACK) {
        QString v = Text();
        v.chop(1);
        SetText(v.isEmpty() || v == kError ? QStringLiteral("0") : v);
    }
}

// ---- the pop-up ----

void TVxCalculatorDropdown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (FVxButtonPanel)
        return;
    FVxButtonPanel = new TCustomButtonPanel(DropDownForm());
    FVxButtonPanel->SetVxDropDown(this);
    SetControl(FVxButtonPanel);
    // Sized after it is placed on the still empty pop-up, whose size follows the pad's at the opening.
    FVxButtonPanel->SetHeight(150);
    FVxButtonPanel->InitButtons();
    FVxButtonPanel->show();
    FVxButtonPanel->OnButtonClick = [this](QObject*, int Index) { CalcButtonClick(Index); };
}

void TVxCalculatorDropdown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    FVxButtonPanel->SetButtonAppearance(*FCalcButtonAppearance);
    FVxButtonPanel->SetColor(DropDownColor());
    FVxButtonPanel->LayoutButtons();
    FNewval = true;
    FDecim = 0;
    FCalcClosed = false;
}
