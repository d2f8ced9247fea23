// Picture, indicator, comment, marker, balloon and button cells: each is one kind of cell graphic.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/FilePicture.h"
#include "grid/model/IntList.h"
#include "grid/paint/ControlLook.h"
#include "platform/Canvas.h"
#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace {
// The fields every indicator shares: its kind, left and top placement.
void SetIndicatorKind(TCellGraphic& g, TCellType Kind)
{
    g.SetCellType(Kind);
    g.SetCellHAlign(TCellHAlign::haLeft);
    g.SetCellVAlign(TCellVAlign::vaTop);
}

bool CarriesBalloon(const TCellGraphic& g)
{
    return g.CellType() == TCellType::ctCheckBox || g.CellType() == TCellType::ctDataCheckBox ||
           g.CellType() == TCellType::ctRadioButton;
}
} // namespace

TCellGraphic* TVxStringGridPrivate::GraphicOfKind(int ACol, int ARow, TCellType Kind)
{
    TCellGraphic* g = q->GetCellGraphic(ACol, ARow);
    return g && g->CellType() == Kind ? g : nullptr;
}

TCellGraphic* TVxStringGridPrivate::BaseGraphicOfKind(int ACol, int ARow, TCellType Kind)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TPoint b = q->BaseCell(ACol, ARow);
    return GraphicOfKind(b.X, b.Y, Kind);
}

// Display columns mapped to their real columns, so the cells shown are the cells visited.
void TVxStringGridPrivate::ForEachNormalCell(const std::function<void(int, int)>& Body)
{
    for (int c = 0; c < q->ColCount(); ++c)
        for (int r = 0; r < q->RowCount(); ++r)
            Body(q->RealColIndex(c), r);
}

// ---- Pictures and images

void TVxStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TVxStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* bmp = new TBitmap;
    g->SetBitmap(bmp, Transparent, hal, val);
    g->SetCellCreated(true);
    return bmp;
}

TBitmap* TVxStringGrid::GetBitmap(int ACol, int ARow)
{
    TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctBitmap);
    return g ? g->CellBitmap().As<TBitmap>() : nullptr;
}

void TVxStringGrid::AddPicture(int ACol, int ARow, TBitmap* APicture, bool Transparent, TStretchMode StretchMode,
                               int Padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TBitmap* TVxStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                      TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* picture = new TBitmap;
    g->SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return picture;
}

TBitmap* TVxStringGrid::GetPicture(int ACol, int ARow)
{
    TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctPicture);
    return g ? g->CellBitmap().As<TBitmap>() : nullptr;
}

void TVxStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                   TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TVxStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                               int Padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* picture = new TFilePicture;
    g->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return picture;
}

TFilePicture* TVxStringGrid::GetFilePicture(int ACol, int ARow)
{
    TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctFilePicture);
    return g ? g->CellBitmap().As<TFilePicture>() : nullptr;
}

void TVxStringGrid::AddIcon(int ACol, int ARow, TBitmap* AIcon, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetIcon(AIcon, hal, val);
}

TBitmap* TVxStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* icon = new TBitmap;
    g->SetIcon(icon, hal, val);
    g->SetCellCreated(true);
    return icon;
}

void TVxStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!d->Cells.FGridImages)
        return;
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetImageIdx(Aidx, hal, val);
}

bool TVxStringGrid::GetImageIdx(int ACol, int ARow, int& idx)
{
    const TCellGraphic* g = d->Cells.FGridImages ? d->GraphicOfKind(ACol, ARow, TCellType::ctImageList) : nullptr;
    if (g)
        idx = g->CellIndex();
    return g != nullptr;
}

void TVxStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (TCellGraphic* g = d->Cells.FGridImages ? d->GraphicOfKind(ACol, ARow, TCellType::ctImageList) : nullptr)
        g->SetCellIndex(Idx);
}

// The image shown is the index in the text, so an empty text takes the index given.
void TVxStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!d->Cells.FGridImages)
        return;
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).isEmpty())
        SetCells(ACol, ARow, QString::number(Aidx));
}

void TVxStringGrid::RemoveDataImage(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, TCellType::ctDataImage))
        SetCells(ACol, ARow, QString());
}

void TVxStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!d->Cells.FGridImages)
        return;
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetMultiImage(ACol, ARow, Dir, hal, val,
                         [this](QObject*, int c, int r) { d->RepaintDisplayCell(c, r); });
}

void TVxStringGrid::AddInterfacedCell(int ACol, int ARow, ICellGraphic* AObject)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetInterfacedCell(AObject);
}

ICellGraphic* TVxStringGrid::GetInterfacedCell(int ACol, int ARow)
{
    TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctInterface);
    return g ? g->CellBitmap().As<ICellGraphic>() : nullptr;
}

// ---- Indicators

void TVxStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, 0, BKColor, 0, QString(), 0, 100);
    if (TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctProgress))
        g->SetCellBoolean(false);
}

void TVxStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TVxStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                         TColor BKTextColor, const QString& Fmt, int Min, int Max)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    SetIndicatorKind(*g, TCellType::ctProgress);
    g->CellBitmap().Value = FGColor;
    g->CellIcon().Value = BKColor;
    g->SetCellIndex(int(FGTextColor));
    g->SetCellAngle(int(BKTextColor));
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellText(Fmt);
    g->SetCellBoolean(true);
    if (d->Settings.AutoNumAlign)
        SetAlignments(ACol, ARow, TAlignment::taRightJustify);
}

void TVxStringGrid::AddVxProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    SetIndicatorKind(*g, TCellType::ctXPProgress);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
}

void TVxStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    SetIndicatorKind(*g, TCellType::ctProgressPie);
    g->SetCellHAlign(TCellHAlign::haBeforeText);
    g->CellBitmap().Value = Color;
    g->SetCellAngle(Value);
}

void TVxStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    if (TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctProgressPie)) {
        g->SetCellAngle(Value);
        d->RepaintDisplayCell(ACol, ARow);
    }
}

void TVxStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                      bool ShowValue)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    SetIndicatorKind(*g, TCellType::ctRangeIndicator);
    g->SetCellIndex(Range);
    g->CellBitmap().Value = NegColor;
    g->CellIcon().Value = PosColor;
    g->SetCellBoolean(ShowValue);
}

void TVxStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                             TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetCellType(TCellType::ctShape);
    g->SetCellHAlign(hal);
    g->SetCellVAlign(val);
    g->SetCellAngle(int(Shape));
    g->SetCellIndex(int(FillColor));
    g->CellBitmap().Value = LineColor;
}

void TVxStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctShape))
        g->SetCellIndex(int(FillColor));
}

TColor TVxStringGrid::GetShapeColor(int ACol, int ARow)
{
    const TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctShape);
    return g ? TColor(g->CellIndex()) : clNone;
}

void TVxStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    SetIndicatorKind(*g, TCellType::ctRating);
    g->SetCellHAlign(TCellHAlign::haFull);
    g->SetCellAngle(Scale);
    g->SetCellIndex(int(FillColor));
    g->CellBitmap().Value = EmptyColor;
}

bool TVxStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate)
{
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

void TVxStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetCellType(TCellType::ctScrollbar);
    g->SetCellAngle(0);     // page size
    g->SetCellErrFrom(100); // range
    g->SetCellIndex(0);     // position
    g->SetCellBoolean(AutoRange);
    if (AutoRange)
        CellTextChanged(ACol, ARow);
}

bool TVxStringGrid::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const TCellGraphic* g = d->BaseGraphicOfKind(ACol, ARow, TCellType::ctScrollbar);
    return g && g->CellBoolean();
}

void TVxStringGrid::CellTextChanged(int ACol, int ARow)
{
    TBaseGrid::CellTextChanged(ACol, ARow);
    TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctScrollbar);
    if (!g || !g->CellBoolean())
        return;
    const QStringList lines = Cells(ACol, ARow).split(QStringLiteral("\r\n"));
    g->SetCellAngle(ARow < RowCount() ? RowHeights(ARow) : DefaultRowHeight());
    g->SetCellErrFrom(int(lines.size()) * QFontMetrics(font()).height());
}

void TVxStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    if (TCellGraphic* g = d->BaseGraphicOfKind(ACol, ARow, TCellType::ctScrollbar)) {
        g->SetCellIndex(Pos);
        d->RepaintDisplayCell(ACol, ARow);
    }
}

int TVxStringGrid::GetScrollPosition(int ACol, int ARow)
{
    const TCellGraphic* g = d->BaseGraphicOfKind(ACol, ARow, TCellType::ctScrollbar);
    return g ? g->CellIndex() : -1;
}

void TVxStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    if (TCellGraphic* g = d->BaseGraphicOfKind(ACol, ARow, TCellType::ctScrollbar)) {
        g->SetCellAngle(Prop.PageSize);
        g->SetCellErrFrom(Prop.Range);
    }
}

TScrollProp TVxStringGrid::GetScrollProp(int ACol, int ARow)
{
    const TCellGraphic* g = d->BaseGraphicOfKind(ACol, ARow, TCellType::ctScrollbar);
    return g ? TScrollProp{g->CellAngle(), g->CellErrFrom()} : TScrollProp{};
}

// ---- Comments and markers

void TVxStringGrid::AddComment(int ACol, int ARow, const QString& Comment)
{
    AddColorComment(ACol, ARow, Comment, ControlLook().CommentColor());
}

void TVxStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    SetIndicatorKind(*g, TCellType::ctComment);
    g->SetCellText(Comment);
    g->SetCellIndex(int(Color));
}

bool TVxStringGrid::IsComment(int ACol, int ARow, QString& Comment)
{
    const TCellGraphic* g = d->GraphicOfKind(ACol, ARow, TCellType::ctComment);
    if (g)
        Comment = g->CellText();
    return g != nullptr;
}

QString TVxStringGrid::GetComment(int ACol, int ARow)
{
    QString comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TVxStringGrid::SetComment(int ACol, int ARow, const QString& Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        AddComment(ACol, ARow, Value);
    else if (g->CellType() == TCellType::ctComment)
        g->SetCellText(Value);
}

void TVxStringGrid::RemoveAllComments()
{
    d->ForEachNormalCell([this](int c, int r) { RemoveComment(c, r); });
}

void TVxStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        if (!g)
            return;
        g->SetCellType(TCellType::ctEmpty);
    }
    g->SetCellMarkerFrom(ErrPos);
    g->SetCellMarkerLen(ErrLen);
    d->RepaintDisplayCell(ACol, ARow);
}

void TVxStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellMarkerFrom() : 0;
    ErrLen = g ? g->CellMarkerLen() : 0;
}

void TVxStringGrid::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if (g->CellType() == TCellType::ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->SetCellMarkerFrom(0);
    g->SetCellMarkerLen(0);
}

void TVxStringGrid::RemoveAllMarkers()
{
    d->ForEachNormalCell([this](int c, int r) { RemoveMarker(c, r); });
}

// ---- Balloons

void TVxStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g && CarriesBalloon(*g)) {
        if (g->CellAngle() == 1)
            g->CellBitmap().Free();
        g->SetCellAngle(1);
    } else if (g && g->CellType() == TCellType::ctBalloon) {
        g->CellBitmap().Free();
    } else if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        if (!g)
            return;
        g->SetCellType(TCellType::ctBalloon);
    } else {
        return;
    }
    g->CellBitmap().Set(new QStringList{Title, Text});
    g->SetCellIndex(int(Icon));
}

bool TVxStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !(g->CellType() == TCellType::ctBalloon || (CarriesBalloon(*g) && g->CellAngle() == 1)))
        return false;
    const QStringList* lines = g->CellBitmap().As<QStringList>();
    if (!lines)
        return false;
    Title = lines->value(0);
    Text = lines->value(1);
    Icon = TBalloonIcon(g->CellIndex());
    return true;
}

void TVxStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g && CarriesBalloon(*g) && g->CellAngle() == 1) {
        g->CellBitmap().Free();
        g->SetCellAngle(0);
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBalloon);
}

// ---- Buttons

void TVxStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                              TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetButton(bw, bh, Caption, hal, val);
}

void TVxStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph,
                                 TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TVxStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption,
                                        TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* glyph = new TBitmap;
    g->SetBitButton(bw, bh, Caption, glyph, hal, val);
    g->SetCellCreated(true);
    return glyph;
}

void TVxStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption)
{
    if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
        g->SetCellText(Caption);
        RepaintCell(ACol, ARow);
    }
}

QString TVxStringGrid::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    return g ? g->CellText() : QString();
}

void TVxStringGrid::PushButton(int ACol, int ARow, bool Push)
{
    TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (g && g->CellType() != TCellType::ctNode) {
        g->SetCellBoolean(Push);
        RepaintCell(ACol, ARow);
    }
}

void TVxStringGrid::RemoveButton(int ACol, int ARow)
{
    if (!RemoveCellGraphicOfType(ACol, ARow, TCellType::ctButton))
        RemoveCellGraphicOfType(ACol, ARow, TCellType::ctBitButton);
}

void TVxStringGrid::RemoveAllButtons()
{
    d->ForEachNormalCell([this](int c, int r) {
        if (HasButton(c, r))
            RemoveButton(c, r);
    });
}

// The painter leaves the button's offset in the cell packed as x + y * 65536; the size is packed the same way.
TRect TVxStringGrid::GetCellGraphicRect(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!g)
        return TRect{0, 0, 0, 0};
    const TRect cell = CalcCellRect(ACol, ARow);
    const int offset = int(std::lround(g->CellValue()));
    const int size = g->CellIndex();
    TRect r;
    r.Left = cell.Left + (offset & 0xFFFF);
    r.Top = cell.Top + (offset >> 16);
    r.Right = r.Left + (size & 0xFFFF);
    r.Bottom = r.Top + (size >> 16);
    if (g->CellVAlign() == TCellVAlign::vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (g->CellHAlign() == TCellHAlign::haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}
