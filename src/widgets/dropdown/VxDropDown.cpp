#include "widgets/dropdown/VxDropDown.h"
#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "platform/ImageList.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/GradientButton.h"
#include "widgets/dropdown/PopupPanels.h"
#include <QApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

namespace {
// A click on the button this soon after the pop-up lost the activation was the click that closed it.
constexpr qint64 kReopenDelay = 250;
} // namespace

TPoint PlaceDropDown(TDropPosition Position, TPoint EditPos, int EditHeight, int PopupWidth, int PopupHeight,
                     int ScreenHeight, const TRect& WorkArea)
{
    const bool below = Position == TDropPosition::dpDown ||
                       (Position == TDropPosition::dpAuto && PopupHeight + EditPos.Y < ScreenHeight);
    TPoint p{EditPos.X, below ? EditPos.Y + EditHeight - 1 : EditPos.Y - PopupHeight};
    if (WorkArea.Left >= 0 && p.X + PopupWidth > WorkArea.Right && p.X < WorkArea.Right)
        p.X = WorkArea.Right - PopupWidth;
    return p;
}

TVxCustomDropDown::TVxCustomDropDown(QWidget* AOwner)
    : QLineEdit(AOwner), FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FButtonAppearance(std::make_unique<TVxButtonAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>(this)), FDropDownGradient(TGradientDirection::gdHorizontal)
{
    resize(200, 21);
    const TNotifyEvent refresh = [this](QObject*) { UpdateHeaderFooter(); };
    FDropDownHeader->OnChange = refresh;
    FDropDownHeader->OnButtonsChanged = refresh;
    FDropDownFooter->OnChange = refresh;
    FDropDownFooter->OnButtonsChanged = refresh;
    QObject::connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
    SetText(QString());
}

TVxCustomDropDown::~TVxCustomDropDown()
{
    // The pop-up and its panels call back into this edit while they are destroyed, so they go while it is
    // still whole rather than with the edit's children.
    delete FDropDownForm.data();
    if (FLabel)
        FLabel->deleteLater();
}

void TVxCustomDropDown::AfterConstruction()
{
    if (FConstructed)
        return;
    FConstructed = true;
    CreateDropDownForm();
    CreateDropDownButton();
    SetSelectionColorStyle(TSelectionColorStyle::scOffice2007);
    SetComponentStyle(TZarnStyle::tsOffice2007Luna);
    AdjustEditSize();
}

// ---- value and formatting ----

QString TVxCustomDropDown::GetText() const
{
    QString t = text();
    if (!FPrefix.isEmpty() && t.startsWith(FPrefix))
        t.remove(0, FPrefix.size());
    t.chop(std::min(FSuffix.size(), t.size()));
    return t;
}

void TVxCustomDropDown::ShowValue(const QString& Value)
{
    SetEditText(FPrefix + Value + FSuffix);
}

void TVxCustomDropDown::SetText(const QString& Value)
{
    QString v = Value;
    const bool numeric = FEditType == TDropDownEditType::etNumeric || FEditType == TDropDownEditType::etFloat ||
                         FEditType == TDropDownEditType::etMoney || FEditType == TDropDownEditType::etHex;
    if (v.isEmpty() && numeric)
        v = QStringLiteral("0");
    if (FPrecision > 0 && !v.isEmpty() && v != QLatin1String("Error")) {
        const QString digits = QString::number(FPrecision);
        if (FEditType == TDropDownEditType::etMoney)
            v = FormatValue(QStringLiteral("%.") + digits + QLatin1Char('n'), TextToFloat(v));
        else if (FEditType == TDropDownEditType::etFloat)
            v = FormatValue(QStringLiteral("%.") + digits + QLatin1Char('f'), TextToFloat(v));
    }
    if (FEditType == TDropDownEditType::etHex)
        v = v.toUpper();
    ShowValue(v);
    FOldText = v;
    setModified(false);
    FIsModified = false;
}

void TVxCustomDropDown::SetPrefix(const QString& value)
{
    const QString v = GetText();
    FPrefix = value;
    ShowValue(v);
}

void TVxCustomDropDown::SetSuffix(const QString& value)
{
    const QString v = GetText();
    FSuffix = value;
    ShowValue(v);
}

double TVxCustomDropDown::TextToFloat(const QString& S) const
{
    bool ok = false;
    const double v = QLocale().toDouble(StripThousandSeparators(S), &ok);
    return ok ? v : 0.0;
}

double TVxCustomDropDown::GetFloatValue() const
{
    QString v = GetText();
    switch (FEditType) {
    case TDropDownEditType::etString: {
        bool ok = false;
        const double d = v.toDouble(&ok);
        return ok ? d : 0.0;
    }
    case TDropDownEditType::etMoney:
        v = StripThousandSeparators(v);
        if (v.endsWith(LocaleDecimalSeparator()))
            v.chop(1);
        [[fallthrough]];
    case TDropDownEditType::etNumeric:
    case TDropDownEditType::etFloat:
        if (v.isEmpty() || v == QLatin1String("Error") || v == QLatin1String("-"))
            return 0.0;
        return TextToFloat(v);
    case TDropDownEditType::etHex:
        return v.isEmpty() ? 0.0 : HexToInt(v);
    default:
        return 0.0;
    }
}

void TVxCustomDropDown::SetFloatValue(double Value)
{
    const QString fixed = QStringLiteral("%.") + QString::number(FPrecision);
    const QString general = QStringLiteral("%g");
    switch (FEditType) {
    case TDropDownEditType::etString:
    case TDropDownEditType::etFloat:
        SetText(FormatValue(FPrecision < 0 ? general : fixed + QLatin1Char('f'), Value));
        break;
    case TDropDownEditType::etNumeric:
        SetText(FormatValue(FPrecision < 0 ? general : fixed + QLatin1Char('n'), Value));
        break;
    case TDropDownEditType::etMoney:
        SetText(FormatValue(FPrecision < 0 ? general : fixed + QLatin1Char('f'), Value));
        FormatMoneyText();
        break;
    case TDropDownEditType::etHex:
        SetText(QString::number(std::uint32_t(std::int32_t(Value)), 16));
        break;
    default:
        return;
    }
    SetModifiedState(true);
}

void TVxCustomDropDown::SetIntValue(int Value)
{
    switch (FEditType) {
    case TDropDownEditType::etNumeric:
    case TDropDownEditType::etFloat:
        SetText(QString::number(Value));
        break;
    case TDropDownEditType::etMoney:
        SetText(QString::number(Value));
        FormatMoneyText();
        break;
    case TDropDownEditType::etHex:
        SetText(QString::number(std::uint32_t(Value), 16));
        break;
    default:
        return;
    }
    SetModifiedState(true);
}

void TVxCustomDropDown::FormatMoneyText()
{
    QString v = GetText();
    const QString sign = v.startsWith(u'-') ? QStringLiteral("-") : QString();
    const qsizetype dec = v.indexOf(LocaleDecimalSeparator());
    const QString fraction = dec >= 0 ? v.mid(dec) : QString();
    QString whole = FormatValue(FAutoThousandSeparator ? QStringLiteral("%n") : QStringLiteral("%f"),
                                std::trunc(std::fabs(GetFloatValue())));
    const qsizetype cut = whole.indexOf(LocaleDecimalSeparator());
    if (cut >= 0)
        whole.truncate(cut);
    const QString shown = FPrefix + sign + whole + fraction + FSuffix;
    if (shown == text())
        return;
    const int caret = cursorPosition();
    const int oldLength = int(text().size());
    FBlockChange = true;
    SetEditText(shown);
    setCursorPosition(std::max(0, caret + int(shown.size()) - oldLength));
}

void TVxCustomDropDown::SetEditType(TDropDownEditType Value)
{
    if (Value == FEditType)
        return;
    FEditType = Value;
    if (Value == TDropDownEditType::etPassword) {
        setEchoMode(QLineEdit::Password);
        FCanUndo = false;
    } else {
        setEchoMode(QLineEdit::Normal);
    }
    const int kind = ClassifyEditNumber(GetText());
    switch (Value) {
    case TDropDownEditType::etNumeric:
        if (kind != 0)
            SetIntValue(0);
        break;
    case TDropDownEditType::etHex:
        if (kind != 0 && kind != 5)
            SetIntValue(0);
        break;
    case TDropDownEditType::etFloat:
    case TDropDownEditType::etMoney:
        if (kind != 0 && kind != 1)
            SetFloatValue(0);
        break;
    default:
        break;
    }
}

void TVxCustomDropDown::SetPrecision(int Value)
{
    if (Value == FPrecision)
        return;
    if (FEditType != TDropDownEditType::etString && FEditType != TDropDownEditType::etFloat &&
        FEditType != TDropDownEditType::etMoney)
        return;
    FPrecision = std::int16_t(Value);
    const int kind = ClassifyEditNumber(GetText());
    SetFloatValue(kind == 0 || kind == 1 ? GetFloatValue() : 0.0);
}

void TVxCustomDropDown::SetModifiedState(bool Value)
{
    if (!FEditorEnabled || isReadOnly())
        return;
    setModified(Value);
    FIsModified = Value;
}

void TVxCustomDropDown::TextChanged()
{
    if (FBlockChange) {
        FBlockChange = false;
        return;
    }
    Change();
}

void TVxCustomDropDown::Change()
{
    if (OnChange)
        OnChange(this);
}

bool TVxCustomDropDown::WholeValueSelected() const
{
    return hasSelectedText() && selectionStart() <= ValueStart() &&
           selectionStart() + int(selectedText().size()) >= ValueEnd();
}

void TVxCustomDropDown::SelectAll()
{
    setSelection(ValueEnd(), ValueStart() - ValueEnd());
}

void TVxCustomDropDown::SelectBeforeDecimal()
{
    const qsizetype dec = GetText().indexOf(LocaleDecimalSeparator());
    setCursorPosition(ValueStart() + int(dec >= 0 ? dec : 0));
}

void TVxCustomDropDown::SelectAfterDecimal()
{
    const qsizetype dec = GetText().indexOf(LocaleDecimalSeparator());
    setCursorPosition(ValueStart() + int(dec >= 0 ? dec + 1 : 0));
}

// ---- layout and look ----

void TVxCustomDropDown::SetDropDownWidth(int value)
{
    if (value == FDropDownWidth)
        return;
    FDropDownWidth = value;
    FUserDropDownWidth = FUserDropDownHeight = -1;
}

void TVxCustomDropDown::SetDropDownHeight(int value)
{
    if (value == FDropDownHeight)
        return;
    FDropDownHeight = value;
    FUserDropDownWidth = FUserDropDownHeight = -1;
}

void TVxCustomDropDown::SetDropDownButtonWidth(int value)
{
    FButtonWidth = value;
    if (FButton) {
        FButton->SetButtonWidth(value);
        AdjustEditSize();
    }
}

void TVxCustomDropDown::SetBorderColor(TColor value)
{
    FBorderColor = value;
    update();
    if (FButton)
        FButton->InnerButton()->Invalidate();
}

void TVxCustomDropDown::SetDropDownHeader(const THeaderAppearance& value)
{
    FDropDownHeader->Assign(&value);
}

void TVxCustomDropDown::SetDropDownFooter(const TFooterAppearance& value)
{
    FDropDownFooter->Assign(&value);
}

void TVxCustomDropDown::SetButtonAppearance(const TVxButtonAppearance& value)
{
    FButtonAppearance->Assign(value);
}

void TVxCustomDropDown::UpdateHeaderFooter()
{
    if (FDroppedDown && FDropDownForm)
        FDropDownForm->InitializeAndUpdate();
}

void TVxCustomDropDown::AdjustEditSize()
{
    const QFontMetrics fm(font());
    const QFontMetrics system(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const int minHeight = fm.height() + std::min(fm.height(), system.height()) / 4;
    if (height() < minHeight) {
        resize(width(), minHeight);
        return;
    }
    if (FButton)
        FButton->SetBounds(width() - FButtonWidth, 1, FButtonWidth, height() - 2);
    SetEditRect();
    update();
}

void TVxCustomDropDown::SetEditRect()
{
    setTextMargins(0, 0, FButtonWidth, 0);
}

void TVxCustomDropDown::resizeEvent(QResizeEvent* e)
{
    QLineEdit::resizeEvent(e);
    AdjustEditSize();
    UpdateLabel();
}

void TVxCustomDropDown::changeEvent(QEvent* e)
{
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        UpdateLabel();
    if (!FButton)
        return;
    if (e->type() == QEvent::EnabledChange)
        FButton->setEnabled(isEnabled());
    else if (e->type() == QEvent::ReadOnlyChange)
        FButton->InnerButton()->Invalidate();
    else if (e->type() == QEvent::FontChange)
        SetEditRect();
}

void TVxCustomDropDown::SetComponentStyle(TZarnStyle AStyle)
{
    FZarnStyle = AStyle;
    const TDropDownStylePreset* p = DropDownStylePreset(AStyle);
    if (!p)
        return;
    FDropDownColor = p->DropDownColor;
    FDropDownColorTo = p->DropDownColorTo;
    if (!p->KeepBorderColor)
        FDropDownBorderColor = p->DropDownBorderColor;
    auto strip = [](TStripAppearance& a, const TStripColors& c) {
        a.SetColor(c.Color);
        a.SetColorTo(c.ColorTo);
        TFont font = a.Font();
        font.SetColor(c.FontColor);
        a.SetFont(font);
        a.SetBorderColor(c.BorderColor);
    };
    strip(*FDropDownHeader, p->Header);
    strip(*FDropDownFooter, p->Footer);
    TVxButtonAppearance& b = *FButtonAppearance;
    const TButtonColors& c = p->Buttons;
    b.SetColor(c.Color);
    b.SetColorTo(c.ColorTo);
    b.SetBorderColor(c.BorderColor);
    b.SetColorHot(c.ColorHot);
    b.SetColorHotTo(c.ColorHotTo);
    b.SetBorderColorHot(c.BorderColorHot);
    b.SetColorDown(c.ColorDown);
    b.SetColorDownTo(c.ColorDownTo);
    b.SetBorderColorDown(c.BorderColorDown);
    b.SetColorDisabled(c.ColorDisabled);
    b.SetColorDisabledTo(c.ColorDisabledTo);
    b.SetColorChecked(c.ColorChecked);
    b.SetColorCheckedTo(c.ColorCheckedTo);
    b.SetBorderColorChecked(c.BorderColorChecked);
}

void TVxCustomDropDown::SetColorTones(const TColorTones& ATones)
{
    if (FButton) {
        FButton->ButtonColor = ATones.Background.BrushColor;
        FButton->ButtonColorHot = ATones.Hover.BrushColor;
        FButton->ButtonColorDown = ATones.Selected.BrushColor;
        FButton->ButtonBorderColor = ATones.Background.BorderColor;
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TVxCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    FSelectionColorStyle = Value;
    if (const TSelectionColors* p = SelectionColorPreset(Value)) {
        FSelectionColor = p->Color;
        FSelectionColorTo = p->ColorTo;
    }
}

void TVxCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, const TRect& R, TColor BackColor, int Part)
{
    const TSelectionColors* p = SelectionColorPreset(FSelectionColorStyle);
    if (!p) {
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(FSelectionColor);
        Canvas.Pen().SetColor(FSelectionColor);
        Canvas.FillRect(R);
        return;
    }
    DrawSelectionBlock(Canvas, FSelectionColor, FSelectionColorTo, p->MirrorColor, p->MirrorColorTo, p->InnerTopColor,
                       p->InnerBottomColor, p->BorderColor, p->CornerColor, BackColor, R, Part);
}

void TVxCustomDropDown::DrawBackgroundGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps,
                                               const TRect& R, TGradientDirection Direction)
{
    DrawGradient(Canvas, FromColor, ToColor, Steps, R, Direction == TGradientDirection::gdHorizontal);
}

// ---- the pop-up ----

void TVxCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm)
        return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->hide();
    FDropDownForm->resize(std::max(0, FDropDownWidth), std::max(0, FDropDownHeight));
    FDropDownForm->OnHide = [this](QObject*) { AfterHideDropDown(); };
    FDropDownForm->OnKeyPress = [this](QObject*, QChar& Key) { DoFormKeyPress(Key); };
    FDropDownForm->OnKeyDown = [this](QObject*, std::uint16_t& Key, TShiftState Shift) { DoFormKeyDown(Key, Shift); };
    FDropDownForm->OnKeyUp = [this](QObject*, std::uint16_t& Key, TShiftState Shift) { DoFormKeyUp(Key, Shift); };
    FDropDownForm->OnMouseWheelDown = [this](QObject*, TShiftState Shift, QPoint Pos) { DoFormMouseWheelDown(Shift, Pos); };
    FDropDownForm->OnMouseWheelUp = [this](QObject*, TShiftState Shift, QPoint Pos) { DoFormMouseWheelUp(Shift, Pos); };
    FDropDownForm->OnDestroy = [this](QObject*) { DropDownFormDestroyed(); };
    FDropDownForm->OnSizing = [this](QObject*) {
        AlignDropDownControl();
        DoFormSizing();
    };
}

void TVxCustomDropDown::CreateDropDownButton()
{
    if (FButton)
        return;
    FButton = new TDropDownEditButton(this);
    FButton->OnClick = [this](QObject*) { ButtonClick(); };
    UpdateDropDownButton();
}

void TVxCustomDropDown::UpdateDropDownButton()
{
    FButton->SetButtonWidth(FButtonWidth);
    FButton->SetHeight(17);
    FButton->show();
    FButton->SetFocusControl(this);
}

void TVxCustomDropDown::ButtonClick()
{
    if (!FDropDownForm || FDropDownForm->isVisible())
        return;
    if (QDateTime::currentMSecsSinceEpoch() - FDropDownForm->DeActivateTime() <= kReopenDelay)
        return;
    DoShowDropDown();
}

void TVxCustomDropDown::DoBeforeDropDown()
{
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}

void TVxCustomDropDown::SetControl(QWidget* Control)
{
    if (Control == FControl)
        return;
    FControl = Control;
    PlaceDropDownControl();
}

void TVxCustomDropDown::PlaceDropDownControl()
{
    if (!FDropDownForm || !FControl)
        return;
    if (FControl->parentWidget() != FDropDownForm)
        FControl->setParent(FDropDownForm);
    AlignDropDownControl();
}

void TVxCustomDropDown::AlignDropDownControl()
{
    if (!FDropDownForm || !FControl || FControl->parentWidget() != FDropDownForm)
        return;
    const TDropDownForm& form = *FDropDownForm;
    const int border = std::max(0, FDropDownBorderWidth);
    const bool header = form.Header() && form.Header()->isVisibleTo(&form);
    const bool footer = form.Footer() && form.Footer()->isVisibleTo(&form);
    const int top = header ? form.Header()->height() + 2 : border;
    const int bottom = form.height() - border - (footer ? form.Footer()->height() : 0);
    FControl->setGeometry(border, top, std::max(0, form.width() - 2 * border), std::max(0, bottom - top));
}

void TVxCustomDropDown::UpdateDropDownSize()
{
    TDropDownForm& form = *FDropDownForm;
    const bool control = FControl && !FControl->isHidden();
    int w = FDropDownWidth > 0 ? FDropDownWidth : control ? FControl->width() : width();
    int h = FDropDownHeight;
    if (h <= 0) {
        h = 2 * FDropDownBorderWidth;
        if (form.Header() && form.Header()->isVisibleTo(&form))
            h += form.Header()->height();
        if (form.Footer() && form.Footer()->isVisibleTo(&form))
            h += form.Footer()->height();
        if (control)
            h += FControl->height();
    }
    form.resize(w, h);
}

void TVxCustomDropDown::FocusDropDownControl()
{
    if (FFocusControl && FFocusControl->focusPolicy() != Qt::NoFocus && FFocusControl->isEnabled() &&
        !FFocusControl->hasFocus())
        FFocusControl->setFocus(Qt::PopupFocusReason);
}

void TVxCustomDropDown::DoShowDropDown()
{
    if (!FDropDownForm || FDropDownForm->isVisible() || !isEnabled() || isReadOnly())
        return;
    DoBeforeDropDown();
    TDropDownForm& form = *FDropDownForm;
    form.SetShadow(FDropDownShadow);
    form.InitializeAndUpdate();
    form.move(x(), y());
    UpdateDropDownSize();
    PlaceDropDownControl();
    form.setMinimumSize(80, 50);
    if (FControl)
        FControl->installEventFilter(this);
    const QPoint global = parentWidget() ? parentWidget()->mapToGlobal(pos()) : mapToGlobal(QPoint(0, 0));
    const TPoint at{global.x(), global.y()};
    bool accept = true;
    if (OnDropDown)
        OnDropDown(this, accept);
    if (!accept)
        return;
    QScreen* screen = QGuiApplication::screenAt(global);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect full = screen ? screen->geometry() : QRect();
    const TRect work = screen ? TRect::fromQRect(screen->availableGeometry()) : TRect{};
    const TPoint place = PlaceDropDown(FDropPosition, at, height(), form.width(), form.height(),
                                       full.y() + full.height(), work);
    const int w = FUserDropDownWidth != -1 ? FUserDropDownWidth : form.width();
    int h = FUserDropDownHeight != -1 ? FUserDropDownHeight : form.height();
    AdjustDropDownHeight(h);
    // Placed and sized before it shows, so it appears at once where it belongs.
    form.setGeometry(place.X, place.Y, w, h);
    form.show();
    FDroppedDown = true;
    AlignDropDownControl();
    FocusDropDownControl();
}

void TVxCustomDropDown::DoHideDropDown(bool Cancelled)
{
    if (!FDropDownForm || !FDropDownForm->isVisible())
        return;
    if (OnBeforeDropUp)
        OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->width();
    FUserDropDownHeight = FDropDownForm->height();
    FDropDownForm->hide();
    QToolTip::hideText();
    if (Cancelled)
        SetText(FOldText);
    if (OnDropUp)
        OnDropUp(this, Cancelled);
}

void TVxCustomDropDown::AfterHideDropDown()
{
    FDroppedDown = false;
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible() && !hasFocus())
        setFocus(Qt::PopupFocusReason);
}

void TVxCustomDropDown::DoFormKeyPress(QChar& Key)
{
    EditKeyPress(Key, false);
}

void TVxCustomDropDown::DoFormKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    EditKeyDown(Key, Shift);
}

void TVxCustomDropDown::DoFormKeyUp(std::uint16_t&, TShiftState) {}

void TVxCustomDropDown::DoFormMouseWheelDown(TShiftState, QPoint)
{
    DoWheelNext();
}

void TVxCustomDropDown::DoFormMouseWheelUp(TShiftState, QPoint)
{
    DoWheelPrevious();
}

void TVxCustomDropDown::DoControlKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    std::uint16_t copy = Key;
    EditKeyDown(copy, Shift);
}

void TVxCustomDropDown::DoControlKeyUp(std::uint16_t&, TShiftState) {}

void TVxCustomDropDown::DoControlKeyPress(QChar& Key)
{
    EditKeyPress(Key, false);
}

bool TVxCustomDropDown::eventFilter(QObject* watched, QEvent* event)
{
    if (FLabel && watched == FLabel) {
        if (event->type() == QEvent::MouseButtonRelease)
            DoLabelClick();
        else if (event->type() == QEvent::MouseButtonDblClick)
            DoLabelDblClick();
        return QLineEdit::eventFilter(watched, event);
    }
    if (watched != FControl || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QLineEdit::eventFilter(watched, event);
    auto* ke = static_cast<QKeyEvent*>(event);
    std::uint16_t key = VirtualKeyFromQt(ke->key(), ke->modifiers());
    const TShiftState shift = ShiftStateFromQt(ke->modifiers());
    if (event->type() == QEvent::KeyRelease) {
        if (key == 0)
            return false;
        DoControlKeyUp(key, shift);
        return key == 0;
    }
    if (key != 0) {
        DoControlKeyDown(key, shift);
        if (key == 0)
            return true;
    }
    if (!ke->text().isEmpty() && FDropDownForm && FDropDownForm->isVisible()) {
        QChar ch = ke->text().at(0);
        DoControlKeyPress(ch);
        if (ch.isNull())
            return true;
    }
    return false;
}
