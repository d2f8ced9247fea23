// The drop-down edit's look beyond the edit itself: its custom border, the highlighted value of a focused
// pick-only edit, the attached label, and copying the settings of another drop-down.
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/GradientButton.h"
#include "widgets/dropdown/VxDropDown.h"
#include <QApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>

TPoint PlaceLabel(TLabelPosition Position, const TRect& Edit, int LabelWidth, int LabelHeight, int Margin)
{
    const int left = Edit.Left, top = Edit.Top, width = Edit.Width(), height = Edit.Height();
    const int centre = top + (height - LabelHeight) / 2, bottom = top + height - LabelHeight;
    const int above = top - LabelHeight - Margin, below = top + height + Margin;
    const int leftOf = left - LabelWidth - Margin, rightOf = left + width + Margin;
    switch (Position) {
    case TLabelPosition::lpLeftTop: return {leftOf, top};
    case TLabelPosition::lpLeftCenter: return {leftOf, centre};
    case TLabelPosition::lpLeftBottom: return {leftOf, bottom};
    case TLabelPosition::lpTopLeft: return {left, above};
    case TLabelPosition::lpBottomLeft: return {left, below};
    case TLabelPosition::lpLeftTopLeft: return {left - Margin, top};
    case TLabelPosition::lpLeftCenterLeft: return {left - Margin, centre};
    case TLabelPosition::lpLeftBottomLeft: return {left - Margin, bottom};
    case TLabelPosition::lpTopCenter: return {left + (width - LabelWidth) / 2, above};
    case TLabelPosition::lpBottomCenter: return {left + (width - LabelWidth) / 2, below};
    case TLabelPosition::lpRightTop: return {rightOf, top};
    case TLabelPosition::lpRightCenter: return {rightOf, centre};
    case TLabelPosition::lpRighBottom: return {rightOf, bottom};
    case TLabelPosition::lpTopRight: return {left + width - LabelWidth, above};
    case TLabelPosition::lpBottomRight: return {left + width - LabelWidth, below};
    }
    return {left, top};
}

QLabel* TVxCustomDropDown::Label() const
{
    return FLabel;
}

QString TVxCustomDropDown::LabelCaption() const
{
    return FLabel ? FLabel->text() : QString();
}

void TVxCustomDropDown::SetLabelCaption(const QString& value)
{
    if (!FLabel) {
        if (!parentWidget())
            return;
        FLabel = new QLabel(parentWidget());
        FLabel->setBuddy(this);
        FLabel->installEventFilter(this);
    }
    FLabel->setText(value);
    UpdateLabel();
}

void TVxCustomDropDown::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    UpdateLabel();
}

void TVxCustomDropDown::SetLabelMargin(int value)
{
    FLabelMargin = value;
    UpdateLabel();
}

void TVxCustomDropDown::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    UpdateLabel();
}

void TVxCustomDropDown::SetLabelAlwaysEnabled(bool value)
{
    FLabelAlwaysEnabled = value;
    UpdateLabel();
}

void TVxCustomDropDown::SetLabelFont(const TFont& value)
{
    FLabelFont = value;
    UpdateLabel();
}

void TVxCustomDropDown::UpdateLabel()
{
    if (!FLabel)
        return;
    FLabel->setAutoFillBackground(!FLabelTransparent);
    FLabel->setFont(FLabelFont.toQFont());
    QPalette palette = FLabel->palette();
    palette.setColor(QPalette::WindowText, ToQColor(FLabelFont.Color()));
    FLabel->setPalette(palette);
    const QFontMetrics fm(FLabel->font());
    const QString shown = QString(FLabel->text()).remove(QLatin1Char('&'));
    const int w = fm.boundingRect(QRect(0, 0, 1000, 255), Qt::TextSingleLine, shown).width();
    const int h = fm.height();
    FLabel->resize(w, h);
    const TPoint at = PlaceLabel(FLabelPosition, TRect::fromQRect(geometry()), w, h, FLabelMargin);
    FLabel->move(at.X, at.Y);
    FLabel->setVisible(isVisibleTo(parentWidget()));
    FLabel->setEnabled(isEnabled() || FLabelAlwaysEnabled);
}

void TVxCustomDropDown::DoLabelClick()
{
    if (OnLabelClick)
        OnLabelClick(this);
}

void TVxCustomDropDown::DoLabelDblClick()
{
    if (OnLabelDblClick)
        OnLabelDblClick(this);
}

void TVxCustomDropDown::moveEvent(QMoveEvent* e)
{
    QLineEdit::moveEvent(e);
    UpdateLabel();
}

void TVxCustomDropDown::showEvent(QShowEvent* e)
{
    QLineEdit::showEvent(e);
    UpdateLabel();
}

void TVxCustomDropDown::hideEvent(QHideEvent* e)
{
    QLineEdit::hideEvent(e);
    if (FLabel && !e->spontaneous())
        FLabel->hide();
}

void TVxCustomDropDown::enterEvent(QEnterEvent* e)
{
    QLineEdit::enterEvent(e);
    FMouseInControl = true;
    update();
}

void TVxCustomDropDown::leaveEvent(QEvent* e)
{
    QLineEdit::leaveEvent(e);
    FMouseInControl = false;
    update();
}

void TVxCustomDropDown::SetFocusBorderColor(TColor value)
{
    FFocusBorderColor = value;
    update();
}

void TVxCustomDropDown::SetDisabledBorder(bool value)
{
    FDisabledBorder = value;
    update();
}

void TVxCustomDropDown::SetDropDownButtonHint(const QString& value)
{
    FButtonHint = value;
    if (FButton)
        FButton->SetHint(value);
}

void TVxCustomDropDown::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    UpdateBorder();
    DrawFocusedText();
}

void TVxCustomDropDown::UpdateBorder()
{
    const bool hot = FMouseInControl || hasFocus();
    if (FButton)
        FButton->InnerButton()->SetFocused(hot);
    if (isEnabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone)
        return;
    QPainter painter(this);
    TCanvas canvas;
    canvas.BeginPaint(&painter);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Pen().SetWidth(1);
    const TRect r = Rect(0, 0, width(), height());
    auto frame = [&](const TRect& f, TColor color) {
        canvas.Pen().SetColor(color);
        canvas.Rectangle(f);
    };
    if (!isEnabled() && FDisabledBorder) {
        frame(r, 0xC0C0C0);
    } else if (FBorderColor != clNone && (!hasFocus() || FFocusBorderColor == clNone)) {
        frame(r, FBorderColor);
    } else if (FFocusBorderColor != clNone) {
        if (hasFocus())
            frame(r, FFocusBorderColor);
    } else if (FFlat) {
        const TColor parent = parentWidget() ? FromQColor(parentWidget()->palette().color(QPalette::Window)) : clBtnFace;
        frame(r, hot ? clBtnShadow : parent);
        frame(Rect(1, 1, width() - 1, height() - 1), hot ? clBtnFace : parent);
    }
    canvas.EndPaint();
}

void TVxCustomDropDown::DrawFocusedText()
{
    if (FEditorEnabled || !hasFocus() || !FFocusDraw)
        return;
    QPainter painter(this);
    TCanvas canvas;
    canvas.BeginPaint(&painter);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clHighlight);
    canvas.Pen().SetColor(clBlack);
    const TRect r = Rect(2, 2, width() - FButtonWidth - 1, height() - 2);
    canvas.Rectangle(r);
    canvas.SetFont(TFont::fromQFont(font()));
    canvas.Font().SetColor(clHighlightText);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect text = Rect(r.Left + 2, r.Top, r.Right - 3, r.Bottom);
    canvas.DrawText(GetText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    canvas.EndPaint();
}

void TVxCustomDropDown::Assign(const QObject* Source)
{
    const auto* d = dynamic_cast<const TVxCustomDropDown*>(Source);
    if (!d)
        return;
    FFocusDraw = d->FFocusDraw;
    FForceShadow = d->FForceShadow;
    FDropDownEnabled = d->FDropDownEnabled;
    FDropDownColor = d->FDropDownColor;
    FDropDownColorTo = d->FDropDownColorTo;
    FDropDownGradient = d->FDropDownGradient;
    FDropDownBorderColor = d->FDropDownBorderColor;
    FDropDownBorderWidth = d->FDropDownBorderWidth;
    FDropDownShadow = d->FDropDownShadow;
    SetDropDownWidth(d->FDropDownWidth);
    SetDropDownHeight(d->FDropDownHeight);
    FDropDownSizeable = d->FDropDownSizeable;
    SetEditType(d->FEditType);
    FReturnIsTab = d->FReturnIsTab;
    FLengthLimit = d->FLengthLimit;
    SetPrecision(d->FPrecision);
    SetPrefix(d->FPrefix);
    SetSuffix(d->FSuffix);
    FDefaultHandling = d->FDefaultHandling;
    FCanUndo = d->FCanUndo;
    FExcelStyleDecimalSeparator = d->FExcelStyleDecimalSeparator;
    FValidChars = d->FValidChars;
    FSigned = d->FSigned;
    FAutoThousandSeparator = d->FAutoThousandSeparator;
    FButtonAppearance->Assign(*d->FButtonAppearance);
    FDropDownHeader->Assign(d->FDropDownHeader.get());
    FDropDownFooter->Assign(d->FDropDownFooter.get());
    FDropPosition = d->FDropPosition;
    FFlat = d->FFlat;
    SetDropDownButtonWidth(d->FButtonWidth);
    SetDropDownButtonHint(d->FButtonHint);
    FEditorEnabled = d->FEditorEnabled;
    if (FButton && d->FButton) {
        FButton->InnerButton()->Glyph().Assign(d->FButton->InnerButton()->Glyph());
        FButton->InnerButton()->SetCaption(d->FButton->InnerButton()->Caption());
    }
    FEtched = d->FEtched;
    FImages = d->FImages;
    FSelectionColorStyle = d->FSelectionColorStyle;
    FSelectionColor = d->FSelectionColor;
    FSelectionColorTo = d->FSelectionColorTo;
}
