#include "widgets/dropdown/DropDownForm.h"
#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "platform/Canvas.h"
#include "widgets/dropdown/PopupPanels.h"
#include "widgets/dropdown/VxDropDown.h"
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QPainter>

TDropDownForm::TDropDownForm(TVxCustomDropDown* AOwner) : TForm(AOwner), FVxDropDown(AOwner)
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

TDropDownForm::~TDropDownForm()
{
    if (OnDestroy)
        OnDestroy(this);
}

void TDropDownForm::InitializeAndUpdate()
{
    if (!FVxDropDown)
        return;
    TVxCustomDropDown* edit = FVxDropDown;
    const THeaderAppearance& header = edit->DropDownHeader();
    if (FHeader) {
        FHeader->SetVxDropDown(edit);
        FHeader->BuildButtons();
        FHeader->setVisible(header.Visible());
    } else if (header.Visible()) {
        FHeader = new TVxHeader(this);
        FHeader->SetHeight(header.Height());
        FHeader->SetVxDropDown(edit);
        FHeader->BuildButtons();
        FHeader->show();
    }
    if (FHeader) {
        FHeader->OnDrawBackGround = edit->OnDrawHeader;
        FHeader->OnGetText = edit->OnGetHeaderText;
    }
    const TFooterAppearance& footer = edit->DropDownFooter();
    if (FFooter) {
        FFooter->SetVxDropDown(edit);
        FFooter->BuildButtons();
        FFooter->setVisible(footer.Visible());
    } else if (footer.Visible()) {
        FFooter = new TVxFooter(this);
        FFooter->SetHeight(footer.Height());
        FFooter->SetVxDropDown(edit);
        FFooter->BuildButtons();
        FFooter->show();
    }
    if (FFooter) {
        FFooter->OnDrawBackGround = edit->OnDrawFooter;
        FFooter->OnGetText = edit->OnGetFooterText;
    }
    resizeEvent(nullptr);
}

void TDropDownForm::resizeEvent(QResizeEvent*)
{
    // Header along the top, footer along the bottom, each inside the border; the hosted control places itself.
    const int border = FVxDropDown ? std::max(0, FVxDropDown->DropDownBorderWidth()) : 0;
    if (FHeader)
        FHeader->setGeometry(border, border, width() - 2 * border, FHeader->height());
    if (FFooter)
        FFooter->setGeometry(border, height() - border - FFooter->height(), width() - 2 * border, FFooter->height());
    if (isVisible() && OnSizing)
        OnSizing(this);
}

void TDropDownForm::PaintBackground(TCanvas& Canvas)
{
    if (!FVxDropDown)
        return;
    const TVxCustomDropDown& edit = *FVxDropDown;
    const int bw = edit.DropDownBorderWidth();
    TRect r = Rect(0, 0, width(), height());
    TRect inner = r;
    InflateRect(inner, -bw, -bw);
    if (edit.DropDownColor() != clNone) {
        if (edit.DropDownColorTo() != clNone)
            DrawGradient(Canvas, edit.DropDownColor(), edit.DropDownColorTo(), 80, inner,
                         edit.DropDownGradient() == TGradientDirection::gdHorizontal);
        else
            FillRectColor(Canvas, inner, edit.DropDownColor());
    }
    if (bw > 0) {
        r.Left += bw / 2;
        r.Top += bw / 2;
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetWidth(bw);
        Canvas.Pen().SetColor(edit.DropDownBorderColor());
        Canvas.Rectangle(r);
    }
}

void TDropDownForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas;
    canvas.BeginPaint(&painter);
    PaintBackground(canvas);
    canvas.EndPaint();
}

void TDropDownForm::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    // A key the hosted control passed on after it closed the pop-up is no key of the pop-up any more.
    if (!isVisible())
        return;
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    const TShiftState shift = ShiftStateFromQt(e->modifiers());
    if (key != 0 && OnKeyDown)
        OnKeyDown(this, key, shift);
    if (key != 0 && !e->text().isEmpty() && OnKeyPress && isVisible()) {
        QChar ch = e->text().at(0);
        OnKeyPress(this, ch);
    }
}

void TDropDownForm::keyReleaseEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0 && OnKeyUp && !e->isAutoRepeat())
        OnKeyUp(this, key, ShiftStateFromQt(e->modifiers()));
    e->accept();
}

void TDropDownForm::wheelEvent(QWheelEvent* e)
{
    const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
    const QPoint pos = e->position().toPoint();
    if (e->angleDelta().y() < 0 && OnMouseWheelDown)
        OnMouseWheelDown(this, shift, pos);
    else if (e->angleDelta().y() > 0 && OnMouseWheelUp)
        OnMouseWheelUp(this, shift, pos);
    e->accept();
}

void TDropDownForm::hideEvent(QHideEvent* e)
{
    TForm::hideEvent(e);
    if (OnHide && !e->spontaneous())
        OnHide(this);
}

void TDropDownForm::DeActivate()
{
    if (FBlockActivate || !isVisible())
        return;
    FDeActivate = QDateTime::currentMSecsSinceEpoch();
    if (FVxDropDown)
        FVxDropDown->HideDropDown(FCancelOnDeActivate);
    else
        hide();
}

void TDropDownForm::closeEvent(QCloseEvent* e)
{
    // Qt closes a pop-up when a click lands outside it: that is the lost activation.
    if (FBlockActivate) {
        e->ignore();
        return;
    }
    e->accept();
    if (!FClosing) {
        FClosing = true;
        DeActivate();
        FClosing = false;
    }
}
