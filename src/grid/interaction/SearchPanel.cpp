#include "grid/interaction/SearchPanel.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/VxCheckBox.h"
#include "grid/foundation/VxGridButton.h"
#include "grid/core/FloatingFooter.h"
#include "grid/paint/ControlLook.h"
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

enum class TGlyph { Down, Up, Close, CloseHot, CloseDown, Highlight };

// The footer's glyphs, drawn here rather than shipped as pictures; disabled ones are grey.
TBitmap Glyph(TGlyph Kind, bool Disabled)
{
    const int size = Kind == TGlyph::Close || Kind == TGlyph::CloseHot || Kind == TGlyph::CloseDown ? 14 : 16;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = Disabled ? QColor(160, 160, 160) : QColor(30, 90, 170);
    QPainterPath arrow;
    switch (Kind) {
    case TGlyph::Down:
        arrow.moveTo(3, 5), arrow.lineTo(13, 5), arrow.lineTo(8, 12), arrow.closeSubpath();
        p.fillPath(arrow, ink);
        break;
    case TGlyph::Up:
        arrow.moveTo(3, 11), arrow.lineTo(13, 11), arrow.lineTo(8, 4), arrow.closeSubpath();
        p.fillPath(arrow, ink);
        break;
    case TGlyph::Close:
    case TGlyph::CloseHot:
    case TGlyph::CloseDown: {
        if (Kind != TGlyph::Close)
            p.fillRect(image.rect(), Kind == TGlyph::CloseHot ? QColor(255, 220, 200) : QColor(230, 160, 130));
        p.setPen(QPen(QColor(90, 90, 90), 2));
        p.drawLine(3, 3, 11, 11);
        p.drawLine(11, 3, 3, 11);
        break;
    }
    case TGlyph::Highlight:
        p.fillRect(QRect(2, 9, 12, 5), Disabled ? ink : QColor(255, 230, 0));
        p.setPen(QPen(ink, 2));
        p.drawLine(5, 10, 11, 3);
        break;
    }
    p.end();
    TBitmap bitmap;
    bitmap.SetImage(image);
    return bitmap;
}

void SetGlyphs(TVxGridButton* Button, TGlyph Kind)
{
    Button->SetGlyph(Glyph(Kind, false));
    Button->SetGlyphDisabled(Glyph(Kind, true));
}

} // namespace

// ---- TRetEdit ----

TRetEdit::TRetEdit(QWidget* AOwner) : QLineEdit(AOwner) {}

void TRetEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    QChar ch(13);
    if (OnKeyPress)
        OnKeyPress(this, ch);
    const TNotifyEvent& event = e->modifiers().testFlag(Qt::ControlModifier) ? OnCtrlReturn : OnReturn;
    if (event)
        event(this);
    e->accept();
}

// ---- TSearchPanel ----

TSearchPanel::TSearchPanel(TVxStringGrid* AOwner)
    : TCustomControl(AOwner), FGrid(AOwner), FEdit(new TRetEdit(this)), FForwardButton(new TVxGridButton(this)),
      FBackwardButton(new TVxGridButton(this)), FExitButton(new TVxGridButton(this)),
      FHiliteButton(new TVxGridButton(this)), FMatchCase(new TVxCheckBox(this))
{
    FEdit->setFixedWidth(110);
    QObject::connect(FEdit, &QLineEdit::textChanged, this, [this] { EditChanged(); });
    FEdit->OnReturn = [this](QObject*) {
        if (OnForwardClick)
            OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](QObject*) {
        if (OnBackwardClick)
            OnBackwardClick(this);
    };
    SetGlyphs(FForwardButton, TGlyph::Down);
    SetGlyphs(FBackwardButton, TGlyph::Up);
    SetGlyphs(FHiliteButton, TGlyph::Highlight);
    FExitButton->SetGlyph(Glyph(TGlyph::Close, false));
    FExitButton->SetGlyphHot(Glyph(TGlyph::CloseHot, false));
    FExitButton->SetGlyphDown(Glyph(TGlyph::CloseDown, false));
    FExitButton->SetShowCaption(false);
    FHiliteButton->SetStyle(TVxGridButtonStyle::tasCheck);
    for (TVxGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton})
        b->SetEnabled(false);   // nothing to find yet
    FForwardButton->OnClick = [this](QObject*) {
        if (OnForwardClick)
            OnForwardClick(this);
    };
    FBackwardButton->OnClick = [this](QObject*) {
        if (OnBackwardClick)
            OnBackwardClick(this);
    };
    FExitButton->OnClick = [this](QObject*) {
        if (OnExitClick)
            OnExitClick(this);
    };
    FHiliteButton->OnClick = [this](QObject*) {
        if (OnHighlightClick)
            OnHighlightClick(this);
    };
    FMatchCase->SetTransparent(true);
    LayoutChildren();
    hide();
    AOwner->installEventFilter(this);
    FViewport = AOwner->viewport();
    FViewport->installEventFilter(this);
}

void TSearchPanel::SetColorTo(TColor Value)
{
    SetProperty(FColorTo, Value, [this] { Invalidate(); });
}

void TSearchPanel::SetCaptions(const QString& FindNext, const QString& FindPrev, const QString& MatchCase,
                               const QString& HighLight)
{
    FForwardButton->SetCaption(FindNext);
    FBackwardButton->SetCaption(FindPrev);
    FMatchCase->SetCaption(MatchCase);
    FHiliteButton->SetCaption(HighLight);
}

void TSearchPanel::SetHints(const QString& FindNext, const QString& FindPrev, const QString& Close,
                            const QString& Highlight)
{
    FForwardButton->SetHint(FindNext);
    FBackwardButton->SetHint(FindPrev);
    FExitButton->SetHint(Close);
    FHiliteButton->SetHint(Highlight);
}

void TSearchPanel::Place(QWidget* Child, int Left, int Top, int Width, int Height)
{
    const int left = layoutDirection() == Qt::RightToLeft ? width() - Width - Left : Left;
    Child->setGeometry(left, Top, Width, Height);
}

// Hidden buttons keep their places and only lose their height; the match-case box moves up to the
// highlight button's place when that is hidden.
void TSearchPanel::LayoutChildren()
{
    const auto height = [](QWidget* w, int shown) { return w->isVisibleTo(w->parentWidget()) ? shown : 0; };
    Place(FEdit, 25, 6, 110, FEdit->sizeHint().height());
    Place(FForwardButton, 140, 5, 90, height(FForwardButton, 23));
    Place(FBackwardButton, 235, 5, 90, height(FBackwardButton, 23));
    Place(FExitButton, 5, 7, 14, height(FExitButton, 14));
    Place(FHiliteButton, 330, 5, 90, height(FHiliteButton, 23));
    const bool hilite = FHiliteButton->isVisibleTo(this);
    Place(FMatchCase, hilite ? 425 : 330, 8, std::max(FMatchCase->sizeHint().width(), 120), height(FMatchCase, 18));
}

void TSearchPanel::FollowGrid()
{
    const int h = isVisibleTo(FGrid) ? PanelHeight : 0;
    setGeometry(0, FGrid->height() - h, FGrid->width(), h);
}

bool TSearchPanel::eventFilter(QObject* watched, QEvent* e)
{
    // The viewport settles after the grid's own resize handling; both are followed.
    if (e->type() == QEvent::Resize && (watched == FGrid || watched == FViewport))
        FollowGrid();
    return false;
}

void TSearchPanel::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    if (layoutDirection() == Qt::RightToLeft)
        LayoutChildren();
}

void TSearchPanel::EditChanged()
{
    const bool any = !FEdit->text().isEmpty();
    for (TVxGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton})
        b->SetEnabled(any);
    if (OnEditChange)
        OnEditChange(this);
}

void TSearchPanel::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    if (FColorTo == clNone) {
        c.Brush().SetColor(Color());
        c.Pen().SetColor(Color());
        c.FillRect(r);
    } else {
        // 32 bands from the panel colour down to ColorTo.
        const QColor from = ToQColor(Color()), to = ToQColor(FColorTo);
        for (int i = 0; i < 32; ++i) {
            const double t = i / 31.0;
            const QColor band = QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                                                 float(from.greenF() + (to.greenF() - from.greenF()) * t),
                                                 float(from.blueF() + (to.blueF() - from.blueF()) * t));
            c.Brush().SetColor(FromQColor(band));
            c.FillRect(TRect{r.Left, r.Top + r.Height() * i / 32, r.Right, r.Top + r.Height() * (i + 1) / 32});
        }
    }
    c.Pen().SetColor(FGrid->GridLineColor());
    c.MoveTo(0, 0);
    c.LineTo(Width(), 0);
}

// ---- The grid's side ----

TSearchPanel* TVxStringGridPrivate::SearchPanel()
{
    if (Aux.FSearchPanel || q->IsDesigning())
        return Aux.FSearchPanel;
    auto* p = new TSearchPanel(q);
    p->hide();   // until the footer shows: made before the grid shows, it would show with it
    p->OnEditChange = [this](QObject*) { q->SearchEditChange(); };
    p->OnForwardClick = [this](QObject*) { q->SearchFindNext(); };
    p->OnBackwardClick = [this](QObject*) { q->SearchFindPrevious(); };
    p->OnHighlightClick = [this](QObject*) { q->SearchHighlightClick(); };
    p->OnExitClick = [this](QObject*) { q->SearchFooterClose(); };
    Aux.FSearchPanel = p;
    q->SearchFooterChanged();
    return p;
}

void TVxStringGrid::SearchFooterChanged()
{
    if (d->Shared.FLoading || IsDesigning())
        return;
    TSearchFooter& sf = *d->Shared.FSearchFooter;
    if (!d->Aux.FSearchPanel && sf.Visible()) {
        d->SearchPanel();   // which comes back here to dress it
        return;
    }
    TSearchPanel* p = d->Aux.FSearchPanel;
    if ((p && p->HiliteButton()->Down() && p->isVisibleTo(this) && !sf.Visible()) || sf.AlwaysHighLight())
        UnHilightInGrid(false);
    if (p) {
        p->SetColor(sf.Color());
        p->SetColorTo(sf.ColorTo());
        p->SetFont(sf.Font());
        p->SetCaptions(sf.FindNextCaption(), sf.FindPrevCaption(), sf.MatchCaseCaption(), sf.HighLightCaption());
        p->SetHints(sf.HintFindNext(), sf.HintFindPrev(), sf.HintClose(), sf.HintHighlight());
        const TControlStyle style = d->Shared.FControlLook->ControlStyle();
        const bool themed =
            !sf.AutoThemeAdapt() && (style == TControlStyle::csWinXP || style == TControlStyle::csTheme);
        for (TVxGridButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton()}) {
            b->SetAutoXPStyle(themed);
            b->SetFlat(sf.AutoThemeAdapt() || style == TControlStyle::csFlat);
            b->SetAutoThemeAdapt(sf.AutoThemeAdapt());
        }
        p->HiliteButton()->setVisible(sf.ShowHighLight());
        p->ExitButton()->setVisible(sf.ShowClose());
        p->MatchCase()->setVisible(sf.ShowMatchCase());
        p->BackwardButton()->setVisible(sf.ShowFindPrev());
        p->ForwardButton()->setVisible(sf.ShowFindNext());
        p->LayoutChildren();
        p->setVisible(sf.Visible());
    }
    // The strip takes its room below the cells, so the last row is never behind it.
    setViewportMargins(0, 0, 0, sf.Visible() ? TSearchPanel::PanelHeight : 0);
    if (p)
        p->FollowGrid();
}

// ---- Searching from the strip ----

TFindParams TVxStringGridPrivate::SearchFooterParams(bool ForEditChange)
{
    const TSearchFooter& sf = *Shared.FSearchFooter;
    TFindParams p{TFindParameters::fnAutoGoto};
    if (SearchPanel()->HiliteButton()->Down())
        p.Include(TFindParameters::fnIgnoreHTMLTags);
    if (SearchPanel()->MatchCase()->Checked())
        p.Include(TFindParameters::fnMatchCase);
    if (sf.SearchActiveColumnOnly())
        p.Include(TFindParameters::fnFindInCurrentCol);
    if (sf.SearchMatchStart())
        p.Include(TFindParameters::fnMatchStart);
    if (ForEditChange && sf.SearchFixedCells())
        p.Include(TFindParameters::fnIncludeFixed);
    if (ForEditChange && sf.SearchHiddenRows())
        p.Include(TFindParameters::fnIncludeHiddenRows);
    if (sf.SearchDirection() == TSearchDirection::sdLeftRight)
        p.Include(TFindParameters::fnDirectionLeftRight);
    if (sf.SearchColumn() >= 0 && sf.SearchColumn() < q->ColCount()) {
        q->SetFindCol(sf.SearchColumn());
        p.Include(TFindParameters::fnFindInPresetCol);
    }
    return p;
}

namespace {

// The edit repaints its colour only when its size changes.
void ColorEdit(QLineEdit* Edit, const QColor& Color)
{
    QPalette pal = Edit->palette();
    pal.setColor(QPalette::Base, Color);
    Edit->setPalette(pal);
    Edit->resize(Edit->width() + 1, Edit->height());
    Edit->resize(Edit->width() - 1, Edit->height());
}

} // namespace

void TVxStringGrid::SearchEditChange()
{
    const TSearchFooter& sf = *d->Shared.FSearchFooter;
    const QString text = d->SearchPanel()->Edit()->text();
    bool defaultSearch = true;
    if (OnSearchEditChange)
        OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !sf.AutoSearch())
        return;
    const TFindParams params = d->SearchFooterParams(true);
    const bool hilite = d->SearchPanel()->HiliteButton()->Down() || sf.AlwaysHighLight();
    const bool matchCase = d->SearchPanel()->MatchCase()->Checked();
    auto unhilite = [&] {
        if (sf.SearchColumn() != -1)
            UnHilightInCol(false, sf.SearchColumn());
        else
            UnHilightInGrid(false);
    };
    if (hilite)
        unhilite();
    const QColor window = d->SearchPanel()->palette().color(QPalette::Active, QPalette::Base);
    if (text.isEmpty()) {
        ColorEdit(d->SearchPanel()->Edit(), window);
        return;
    }
    d->Find.FSearchCell = Find(TPoint{-1, -1}, text, params);
    DoSearchFooterAction(text, d->Find.FSearchCell.X, d->Find.FSearchCell.Y, TSearchAction::saFindFirst);
    if (d->Find.FSearchCell.X < 0) {
        ColorEdit(d->SearchPanel()->Edit(), ToQColor(clRed));
        return;
    }
    ColorEdit(d->SearchPanel()->Edit(), window);
    ScrollInView(d->Find.FSearchCell.X, d->Find.FSearchCell.Y);
    if (hilite) {
        if (sf.SearchColumn() != -1)
            HilightInCol(false, matchCase, sf.SearchColumn(), text);
        else
            HilightInGrid(false, matchCase, text);
    }
}

void TVxStringGridPrivate::SearchFooterStep(bool Backward)
{
    TSearchFooter& sf = *Shared.FSearchFooter;
    const QString text = SearchPanel()->Edit()->text();
    if (!sf.AutoSearch() && text != sf.LastSearch()) {
        Find.FSearchCell = TPoint{-1, -1};
        sf.SetLastSearch(text);
    }
    TFindParams params = SearchFooterParams(false);
    if (Backward)
        params.Include(TFindParameters::fnBackward);
    // Keeps the found row clear of the strip and a floating footer.
    auto keepClear = [&] {
        const int a = Order.FFloatingFooter->Visible() ? 1 : 0;
        if (q->TopRow() + q->VisibleRowCount() - 2 - a < q->Row() &&
            q->VisibleRowCount() + q->FixedRows() + a < q->RowCount())
            q->SetTopRow(q->TopRow() + 2);
    };
    Find.FSearchCell = q->Find(Find.FSearchCell, text, params);
    if (Backward)
        keepClear();
    if (Find.FSearchCell.X >= 0)
        q->ScrollInView(Find.FSearchCell.X, Find.FSearchCell.Y);
    if (!Backward)
        keepClear();
    q->DoSearchFooterAction(text, Find.FSearchCell.X, Find.FSearchCell.Y,
                         Backward ? TSearchAction::saFindPrevious : TSearchAction::saFindNext);
    SearchPanel()->Invalidate();
}

void TVxStringGrid::SearchFindNext()
{
    d->SearchFooterStep(false);
}

void TVxStringGrid::SearchFindPrevious()
{
    d->SearchFooterStep(true);
}

void TVxStringGrid::SearchHighlightClick()
{
    const TSearchFooter& sf = *d->Shared.FSearchFooter;
    const QString text = d->SearchPanel()->Edit()->text();
    const bool matchCase = d->SearchPanel()->MatchCase()->Checked();
    if (d->SearchPanel()->HiliteButton()->Down()) {
        if (sf.SearchColumn() != -1)
            HilightInCol(false, matchCase, sf.SearchColumn(), text);
        else
            HilightInGrid(false, matchCase, text);
    } else if (sf.SearchColumn() != -1) {
        UnHilightInCol(false, sf.SearchColumn());
    } else {
        UnHilightInGrid(false);
    }
}

void TVxStringGrid::SearchFooterClose()
{
    if (OnSearchFooterClose)
        OnSearchFooterClose(this);
    d->Shared.FSearchFooter->SetVisible(false);
}
