#include "grid/edit/editors/ControlLabel.h"
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

TPoint LabelOrigin(TLabelPosition Position, const QRect& Control, int CaptionWidth, QSize LabelSize, int Margin)
{
    const int L = Control.x(), T = Control.y(), W = Control.width(), H = Control.height();
    const int lw = LabelSize.width(), lh = LabelSize.height(), w = CaptionWidth, m = Margin;
    switch (Position) {
    case TLabelPosition::lpLeftTop: return {L - w - m, T};
    case TLabelPosition::lpLeftCenter: return {L - w - m, T + (H - lh) / 2};
    case TLabelPosition::lpLeftBottom: return {L - w - m, T + H - lh};
    case TLabelPosition::lpTopLeft: return {L, T - lh - m};
    case TLabelPosition::lpBottomLeft: return {L, T + H + m};
    case TLabelPosition::lpLeftTopLeft: return {L - m, T};
    case TLabelPosition::lpLeftCenterLeft: return {L - m, T + (H - lh) / 2};
    case TLabelPosition::lpLeftBottomLeft: return {L - m, T + H - lh};
    case TLabelPosition::lpTopCenter: return {L + (W - lw) / 2, T - lh - m};
    case TLabelPosition::lpBottomCenter: return {L + (W - lw) / 2, T + H + m};
    case TLabelPosition::lpRightTop: return {L + W + m, T};
    case TLabelPosition::lpRightCenter: return {L + W + m, T + (H - lh) / 2};
    case TLabelPosition::lpRighBottom: return {L + W + m, T + H - lh};
    }
    return {L, T};
}

TControlLabel::TControlLabel(QWidget* Control) : QObject(Control), FControl(Control)
{
    FFont = TFont::fromQFont(Control->font());
    Control->installEventFilter(this);
}

TControlLabel::~TControlLabel()
{
    if (FLabel) {
        FLabel->removeEventFilter(this);
        delete FLabel.data();
    }
}

QString TControlLabel::Caption() const
{
    return FLabel ? FLabel->text() : QString();
}

void TControlLabel::SetCaption(const QString& value)
{
    if (!FLabel) {
        FLabel = new QLabel(FControl->parentWidget());
        FLabel->setBuddy(FControl);
        FLabel->installEventFilter(this);
        FLabel->setEnabled(FAlwaysEnabled || FControl->isEnabled());
    }
    FLabel->setText(value);
    Layout();
}

void TControlLabel::SetFont(const TFont& value)
{
    FFont = value;
    Layout();
}

void TControlLabel::SetMargin(int value)
{
    FMargin = value;
    Layout();
}

void TControlLabel::SetPosition(TLabelPosition value)
{
    FPosition = value;
    Layout();
}

void TControlLabel::SetTransparent(bool value)
{
    FTransparent = value;
    Layout();
}

void TControlLabel::SetAlwaysEnabled(bool value)
{
    FAlwaysEnabled = value;
    if (FLabel) {
        FLabel->setEnabled(FAlwaysEnabled || FControl->isEnabled());
        FLabel->update();
    }
}

void TControlLabel::SetParentFont(bool value)
{
    FParentFont = value;
    Layout();
}

void TControlLabel::SetBold(bool value)
{
    FBold = value;
    Layout();
}

void TControlLabel::Layout()
{
    if (!FLabel)
        return;
    FLabel->setAutoFillBackground(!FTransparent);
    QFont f = FParentFont ? FControl->font() : FFont.toQFont();
    f.setBold(FBold || f.bold());
    FLabel->setFont(f);
    FLabel->adjustSize();
    QString shown = FLabel->text();
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int w = QFontMetrics(f).horizontalAdvance(shown);
    const TPoint at = LabelOrigin(FPosition, FControl->geometry(), w, FLabel->size(), FMargin);
    FLabel->move(at.X, at.Y);
    FLabel->setVisible(!FControl->isHidden());
}

bool TControlLabel::eventFilter(QObject* watched, QEvent* e)
{
    if (FLabel && watched == FLabel.data()) {
        if (e->type() == QEvent::MouseButtonRelease && OnClick)
            OnClick(FLabel);
        else if (e->type() == QEvent::MouseButtonDblClick && OnDblClick)
            OnDblClick(FLabel);
        return false;
    }
    if (!FLabel)
        return false;
    switch (e->type()) {
    case QEvent::ParentChange:
        FLabel->setParent(FControl->parentWidget());
        Layout();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::FontChange:
        Layout();
        break;
    case QEvent::EnabledChange:
        if (!FAlwaysEnabled)
            FLabel->setEnabled(FControl->isEnabled());
        Layout();
        break;
    case QEvent::FocusIn:
        if (FFocusLabel)
            SetBold(true);
        break;
    case QEvent::FocusOut:
        if (FFocusLabel)
            SetBold(false);
        break;
    default: break;
    }
    return false;
}
