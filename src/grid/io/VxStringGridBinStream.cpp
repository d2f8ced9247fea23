// The binary cell stream: a record image for the grid, then per cell its text, its properties and its
// graphic, as the clipboard, drags and the bin files carry them.
#include "grid/core/CellGraphic.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/ColorText.h"
#include "grid/foundation/DragDrop.h"
#include "grid/io/ComponentStream.h"
#include "grid/io/GridFile.h"
#include "grid/io/GridFileProgress.h"
#include <cmath>

namespace {

// The shortest cell image: signature, "TGridCellIO", no name, Col, Row and HasProp, both list ends.
constexpr qsizetype kMinCellImage = 40;

// Value names of the enumerations the records carry, in ordinal order.
const QList<const char*> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
const QList<const char*> kBrushStyleNames{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                          "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
const QList<const char*> kVAlignmentNames{"vtaTop", "vtaCenter", "vtaBottom"};
const QList<const char*> kGradientNames{"GradientVertical", "GradientHorizontal"};
const QList<const char*> kEditorNames{
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
    "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric", "edFloat",
    "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase", "edFloatSpinEdit",
    "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn", "edCustom", "edRichEdit", "edNone",
    "edDateTimeEdit", "edValidChars", "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown",
    "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown", "edColorPickerDropDown",
    "edImagePickerDropDown", "edVxGridDropDown", "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn",
    "edMaskEditBtn"};
const QList<const char*> kCellTypeNames{
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
    "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress",
    "ctComment", "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary",
    "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape",
    "ctRating", "ctTriStateCheckBox", "ctExpand"};
const QList<const char*> kCellVAlignNames{"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
const QList<const char*> kCellHAlignNames{"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
const QList<std::pair<TFontStyle, const char*>> kFontStyleNames{{TFontStyle::fsBold, "fsBold"},
                                                                 {TFontStyle::fsItalic, "fsItalic"},
                                                                 {TFontStyle::fsUnderline, "fsUnderline"},
                                                                 {TFontStyle::fsStrikeOut, "fsStrikeOut"}};

bool CarriesPayload(TCellType t)
{
    switch (t) {
    case TCellType::ctBitmap:
    case TCellType::ctIcon:
    case TCellType::ctRadio:
    case TCellType::ctImages:
    case TCellType::ctPicture:
    case TCellType::ctFilePicture:
    case TCellType::ctBitButton: return true;
    default: return false;
    }
}

void WriteColor(TComponentWriter& w, const char* Name, TColor c)
{
    const QString ident = ColorToIdent(c);
    if (!ident.isEmpty())
        w.WriteIdent(Name, ident.toLatin1().constData());
    else
        w.WriteInteger(Name, qint32(c));
}

template <class E>
void WriteEnum(TComponentWriter& w, const char* Name, const QList<const char*>& Names, E Value)
{
    w.WriteIdent(Name, Names.value(int(Value), Names.first()));
}

// A property image of a read record: integer, Boolean, enumeration or colour, each checked.
struct TRecordValues {
    const TComponentImage& Image;
    bool Ok = true;

    const TStreamValue* Get(const char* Name) const { return Image.Find(Name); }
    std::optional<qint64> Int(const char* Name)
    {
        const TStreamValue* v = Get(Name);
        if (!v)
            return std::nullopt;
        if (v->Kind != TValueKind::vaInt8 && v->Kind != TValueKind::vaInt16 && v->Kind != TValueKind::vaInt32)
            Ok = false;
        return v->Int;
    }
    std::optional<bool> Bool(const char* Name)
    {
        const TStreamValue* v = Get(Name);
        if (!v)
            return std::nullopt;
        if (v->Kind != TValueKind::vaTrue && v->Kind != TValueKind::vaFalse)
            Ok = false;
        return v->Bool();
    }
    std::optional<int> Enum(const char* Name, const QList<const char*>& Names)
    {
        const TStreamValue* v = Get(Name);
        if (!v)
            return std::nullopt;
        for (int i = 0; i < Names.size(); ++i)
            if (v->Kind == TValueKind::vaIdent && v->Text == QLatin1String(Names[i]))
                return i;
        Ok = false;
        return std::nullopt;
    }
    std::optional<TColor> Color(const char* Name)
    {
        const TStreamValue* v = Get(Name);
        if (!v)
            return std::nullopt;
        if (v->Kind == TValueKind::vaIdent) {
            TColor c = 0;
            if (IdentToColor(v->Text, c))
                return c;
            Ok = false;
            return std::nullopt;
        }
        return TColor(Int(Name).value_or(0));
    }
};

// Properties of a cell as read, kept apart until the whole stream has been checked.
struct TBinCell {
    qint64 Col = 0, Row = 0;
    QString Text;
    std::optional<TComponentImage> Props;
    std::optional<TComponentImage> Graphic;
};

struct TBinBlock {
    qint64 ColCount = 0, RowCount = 0;
    QList<int> ColWidths, RowHeights;
    bool FullGrid = false;
    std::int32_t ID = 0;
    std::vector<TBinCell> Cells;
};

bool ParseSizes(const QString& Text, qint64 Count, QList<int>& Out)
{
    if (Count == 0)
        return true;
    const QStringList parts = Text.split(QLatin1Char(','));
    if (parts.size() < Count)
        return false;
    for (qint64 i = 0; i < Count; ++i) {
        bool ok = false;
        const int v = parts[i].toInt(&ok);
        if (!ok || v < 0 || v > 65535)
            return false;
        Out << v;
    }
    return true;
}

// The whole stream, checked: record order, counts against the bytes present, every coordinate inside the
// rectangle it declares. A stream of another class or with unknown properties is refused.
bool ParseBinBlock(const QByteArray& Stream, TBinBlock& Block)
{
    TComponentReader in(Stream);
    const auto grid = in.ReadImage();
    if (!grid || grid->ClassName != "TGridPropIO")
        return false;
    TRecordValues g{*grid};
    Block.ColCount = g.Int("ColCount").value_or(0);
    Block.RowCount = g.Int("RowCount").value_or(0);
    Block.FullGrid = g.Bool("FullGrid").value_or(false);
    Block.ID = std::int32_t(g.Int("ID").value_or(0));
    if (!g.Ok || Block.ColCount < 0 || Block.RowCount < 0 || Block.ColCount > Max_Exchange_Cols ||
        Block.RowCount > Max_Exchange_Rows || (Block.ColCount == 0) != (Block.RowCount == 0) ||
        Block.ColCount * Block.RowCount > in.Remaining() / kMinCellImage)
        return false;
    if (Block.FullGrid) {
        const TStreamValue* w = grid->Find("ColWidths");
        const TStreamValue* h = grid->Find("RowHeights");
        if (!ParseSizes(w ? w->Text : QString(), Block.ColCount, Block.ColWidths) ||
            !ParseSizes(h ? h->Text : QString(), Block.RowCount, Block.RowHeights))
            return false;
    }
    const qint64 cells = Block.ColCount * Block.RowCount;
    qint64 originCol = 0, originRow = 0;
    while (in.Remaining() >= 2) {   // a terminating zero after the last record is no record
        const auto cell = in.ReadImage();
        if (!cell || cell->ClassName != "TGridCellIO" || qint64(Block.Cells.size()) >= cells)
            return false;
        TRecordValues c{*cell};
        TBinCell bc;
        bc.Col = c.Int("Col").value_or(0);
        bc.Row = c.Int("Row").value_or(0);
        const TStreamValue* text = cell->Find("Cell");
        bc.Text = text ? text->Text : QString();
        const bool hasProp = c.Bool("HasProp").value_or(false);
        if (!c.Ok)
            return false;
        if (Block.Cells.empty() && !Block.FullGrid)
            originCol = bc.Col, originRow = bc.Row;
        bc.Col -= originCol;
        bc.Row -= originRow;
        if (bc.Col < 0 || bc.Col >= Block.ColCount || bc.Row < 0 || bc.Row >= Block.RowCount)
            return false;
        if (hasProp) {
            bc.Props = in.ReadImage();
            if (!bc.Props || bc.Props->ClassName != "TGridCellPropIO")
                return false;
            TRecordValues p{*bc.Props};
            if (p.Bool("HasGraphic").value_or(false)) {
                bc.Graphic = in.ReadImage();
                if (!bc.Graphic || bc.Graphic->ClassName != "TGridGraphicIO")
                    return false;
                TRecordValues gr{*bc.Graphic};
                const auto type = gr.Enum("CellGraphic.CellType", kCellTypeNames);
                // Pictures, icons and lists are not taken over: their record is read past.
                if (!gr.Ok || (type && CarriesPayload(TCellType(*type)) && !in.ReadImage()))
                    return false;
            }
            if (!p.Ok)
                return false;
        }
        Block.Cells.push_back(std::move(bc));
    }
    return in.Remaining() == 0 || Stream.endsWith('\0');
}

void ApplyProperties(const TComponentImage& Image, TCellProperties& p, QWidget* ControlScope)
{
    TRecordValues v{Image};
    if (auto b = v.Bool("CellProperties.IsBaseCell")) p.SetIsBaseCell(*b);
    if (auto i = v.Int("CellProperties.CellSpanX")) p.SetCellSpanX(int(*i));
    if (auto i = v.Int("CellProperties.CellSpanY")) p.SetCellSpanY(int(*i));
    if (auto e = v.Enum("CellProperties.Alignment", kAlignmentNames)) p.SetAlignment(TAlignment(*e));
    if (auto c = v.Color("CellProperties.BorderColor")) p.SetBorderColor(*c);
    if (auto i = v.Int("CellProperties.BorderWidth")) p.SetBorderWidth(int(*i));
    if (auto c = v.Color("CellProperties.BrushColor")) p.SetBrushColor(*c);
    if (auto c = v.Color("CellProperties.BrushColorTo")) p.SetBrushColorTo(*c);
    if (auto e = v.Enum("CellProperties.BrushStyle", kBrushStyleNames)) p.SetBrushStyle(TBrushStyle(*e));
    if (auto c = v.Color("CellProperties.FontColor")) p.SetFontColor(*c);
    if (const TStreamValue* n = v.Get("CellProperties.FontName"); n && !n->Text.isEmpty()) p.SetFontName(n->Text);
    if (auto i = v.Int("CellProperties.FontSize")) p.SetFontSize(int(*i));
    if (const TStreamValue* s = v.Get("CellProperties.FontStyle")) {
        TFontStyles styles;
        for (const auto& [style, name] : kFontStyleNames)
            if (s->List.contains(QLatin1String(name)))
                styles |= style;
        p.SetFontStyle(styles);
    }
    if (auto e = v.Enum("CellProperties.Editor", kEditorNames)) p.SetEditor(TEditorType(*e));
    if (auto e = v.Enum("CellProperties.GradientDirection", kGradientNames))
        p.SetGradientDirection(TCellGradientDirection(*e));
    if (auto b = v.Bool("CellProperties.ReadOnly")) p.SetReadOnly(*b);
    if (auto e = v.Enum("CellProperties.VAlignment", kVAlignmentNames)) p.SetVAlignment(TVAlignment(*e));
    if (auto b = v.Bool("CellProperties.WordWrap")) p.SetWordWrap(*b);
    if (auto i = v.Int("CellProperties.NodeLevel")) p.SetNodeLevel(int(*i));
    if (const TStreamValue* c = v.Get("CellProperties.Control"); c && ControlScope)
        if (auto* w = ControlScope->findChild<QWidget*>(c->Text))
            p.SetControl(w);
}

void WriteProperties(TComponentWriter& w, const TCellProperties& p)
{
    w.WriteBoolean("CellProperties.IsBaseCell", p.IsBaseCell());
    w.WriteInteger("CellProperties.CellSpanX", p.CellSpanX());
    w.WriteInteger("CellProperties.CellSpanY", p.CellSpanY());
    WriteEnum(w, "CellProperties.Alignment", kAlignmentNames, p.Alignment());
    WriteColor(w, "CellProperties.BorderColor", p.BorderColor());
    w.WriteInteger("CellProperties.BorderWidth", p.BorderWidth());
    WriteColor(w, "CellProperties.BrushColor", p.BrushColor());
    WriteColor(w, "CellProperties.BrushColorTo", p.BrushColorTo());
    WriteEnum(w, "CellProperties.BrushStyle", kBrushStyleNames, p.BrushStyle());
    WriteColor(w, "CellProperties.FontColor", p.FontColor());
    w.WriteText("CellProperties.FontName", p.FontName());
    w.WriteInteger("CellProperties.FontSize", p.FontSize());
    QList<const char*> styles;
    for (const auto& [style, name] : kFontStyleNames)
        if (p.FontStyle().testFlag(style))
            styles << name;
    w.WriteSet("CellProperties.FontStyle", styles);
    WriteEnum(w, "CellProperties.Editor", kEditorNames, p.Editor());
    WriteEnum(w, "CellProperties.GradientDirection", kGradientNames, p.GradientDirection());
    w.WriteBoolean("CellProperties.ReadOnly", p.ReadOnly());
    WriteEnum(w, "CellProperties.VAlignment", kVAlignmentNames, p.VAlignment());
    w.WriteBoolean("CellProperties.WordWrap", p.WordWrap());
    w.WriteInteger("CellProperties.NodeLevel", p.NodeLevel());
    if (p.Control() && !p.Control()->objectName().isEmpty())
        w.WriteIdent("CellProperties.Control", p.Control()->objectName().toUtf8().constData());
}

void WriteGraphic(TComponentWriter& w, const TCellGraphic& g)
{
    WriteEnum(w, "CellGraphic.CellType", kCellTypeNames, g.CellType());
    WriteEnum(w, "CellGraphic.CellVAlign", kCellVAlignNames, g.CellVAlign());
    WriteEnum(w, "CellGraphic.CellHAlign", kCellHAlignNames, g.CellHAlign());
    w.WriteInteger("CellGraphic.CellIndex", g.CellIndex());
    w.WriteBoolean("CellGraphic.CellTransparent", g.CellTransparent());
    w.WriteBoolean("CellGraphic.CellCreated", g.CellCreated());
    w.WriteBoolean("CellGraphic.CellBoolean", g.CellBoolean());
    w.WriteIdent("CellGraphic.CellCheckBoxState", "cbUnchecked");   // the graphic's copy does not carry it
    w.WriteInteger("CellGraphic.CellAngle", g.CellAngle());
    if (g.CellValue() != 0)
        w.WriteFloat("CellGraphic.CellValue", g.CellValue());
    w.WriteInteger("CellGraphic.CellErrFrom", g.CellErrFrom());
    w.WriteInteger("CellGraphic.CellErrLen", g.CellErrLen());
    w.WriteText("CellGraphic.CellText", g.CellText());
}

void ApplyGraphic(const TComponentImage& Image, TCellGraphic& g)
{
    TRecordValues v{Image};
    if (auto e = v.Enum("CellGraphic.CellType", kCellTypeNames)) g.SetCellType(TCellType(*e));
    if (auto e = v.Enum("CellGraphic.CellVAlign", kCellVAlignNames)) g.SetCellVAlign(TCellVAlign(*e));
    if (auto e = v.Enum("CellGraphic.CellHAlign", kCellHAlignNames)) g.SetCellHAlign(TCellHAlign(*e));
    if (auto i = v.Int("CellGraphic.CellIndex")) g.SetCellIndex(int(*i));
    if (auto b = v.Bool("CellGraphic.CellTransparent")) g.SetCellTransparent(*b);
    if (auto b = v.Bool("CellGraphic.CellCreated")) g.SetCellCreated(*b);
    if (auto b = v.Bool("CellGraphic.CellBoolean")) g.SetCellBoolean(*b);
    if (auto i = v.Int("CellGraphic.CellAngle")) g.SetCellAngle(int(*i));
    if (const TStreamValue* f = v.Get("CellGraphic.CellValue"); f && f->Kind == TValueKind::vaExtended)
        g.SetCellValue(ExtendedToDouble(f->Bytes));
    if (auto i = v.Int("CellGraphic.CellErrFrom")) g.SetCellErrFrom(int(*i));
    if (auto i = v.Int("CellGraphic.CellErrLen")) g.SetCellErrLen(int(*i));
    if (const TStreamValue* t = v.Get("CellGraphic.CellText")) g.SetCellText(t->Text);
}

} // namespace

QByteArray TVxStringGrid::SaveRectToBinStream(const TGridRect& ARect)
{
    QByteArray out;
    TComponentWriter w(out);
    const int cols = std::max(0, ARect.Right - ARect.Left + 1), rows = std::max(0, ARect.Bottom - ARect.Top + 1);
    QStringList widths, heights;
    for (int c = ARect.Left; c <= ARect.Right; ++c)
        widths << QString::number(ColWidths(c));
    for (int r = ARect.Top; r <= ARect.Bottom; ++r)
        heights << QString::number(RowHeights(r));
    const bool full = SaveFixedCells() ? rows == RowCount() && cols == ColCount()
                                       : rows == RowCount() - FixedRows() && cols == ColCount() - FixedCols();
    w.BeginImage("TGridPropIO");
    w.WriteInteger("ColCount", cols);
    w.WriteInteger("RowCount", rows);
    w.WriteText("ColWidths", widths.join(QLatin1Char(',')));
    w.WriteText("RowHeights", heights.join(QLatin1Char(',')));
    w.WriteBoolean("FullGrid", full);
    // Stands for the window handle: a reader compares it with its own; always four bytes wide.
    w.WriteInteger("ID", d->BinStreamID());
    w.EndImage();

    TFileProgress progress(OnFileProgress, this);
    ExportNotification(TGridExportState::esExportStart, ARect.Top);
    for (int r = ARect.Top; r <= ARect.Bottom; ++r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        for (int c = ARect.Left; c <= ARect.Right; ++c) {
            const int rc = RealColIndex(c);
            const bool hasProp = HasCellProperties(rc, r);
            // Coordinates are written whole: cut to 16 bits, rows past 65,535 came back on top of others.
            w.BeginImage("TGridCellIO");
            w.WriteInteger("Col", c);
            w.WriteInteger("Row", r);
            w.WriteText("Cell", GetCellEx(rc, r));
            w.WriteBoolean("HasProp", hasProp);
            w.EndImage();
            if (!hasProp)
                continue;
            TCellGraphic* graphic = GetCellGraphic(rc, r);
            const TCellType type = graphic ? graphic->CellType() : TCellType::ctEmpty;
            // Pictures, icons and lists stay with their grid: no record carries them yet.
            const bool hasGraphic = graphic && type != TCellType::ctEmpty && !CarriesPayload(type);
            w.BeginImage("TGridCellPropIO");
            WriteProperties(w, *GetCellProperties(rc, r));
            w.WriteBoolean("HasGraphic", hasGraphic);
            w.EndImage();
            if (hasGraphic) {
                w.BeginImage("TGridGraphicIO");
                WriteGraphic(w, *graphic);
                w.EndImage();
            }
        }
        progress.Report(r - ARect.Top, ARect.Bottom - ARect.Top);
    }
    ExportNotification(TGridExportState::esExportDone, -1);
    return out;
}

QByteArray TVxStringGrid::SaveToBinStream()
{
    return SaveRectToBinStream(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()});
}

void TVxStringGrid::SaveToBinFile(const QString& FileName)
{
    WriteGridFile(FileName, SaveToBinStream());
}

std::int32_t TVxStringGridPrivate::BinStreamID()
{
    // No window handles here: the grid's address stands in, kept positive and unlike any other live grid's.
    const quint64 a = quint64(quintptr(q));
    return std::int32_t(0x40000000 | ((a ^ (a >> 32)) & 0x3fffffff));
}

bool TVxStringGrid::BinStreamHead(const QByteArray& Stream, int& Cols, int& Rows, std::int32_t& ID)
{
    TBinBlock block;
    if (!ParseBinBlock(Stream, block))
        return false;
    Cols = int(block.ColCount);
    Rows = int(block.RowCount);
    ID = block.ID;
    return true;
}

bool TVxStringGrid::LoadAtPointFromBinStream(TPoint ACell, const QByteArray& Stream)
{
    TBinBlock block;
    if (ACell.X < 0 || ACell.Y < 0 || !ParseBinBlock(Stream, block))
        return false;
    if (!block.FullGrid && ACell.Y + block.RowCount > std::max<qint64>(RowCount(), Max_Exchange_Rows))
        return false;
    BeginUpdate();
    if (block.FullGrid) {
        ClearAll();
        SetRowCount(int(block.RowCount));
        SetColCount(int(block.ColCount));
        for (int c = 0; c < ColCount(); ++c)
            SetColWidths(c, block.ColWidths[c]);
        for (int r = 0; r < RowCount(); ++r)
            SetRowHeights(r, block.RowHeights[r]);
        ACell = TPoint{0, 0};
    } else if (ACell.Y + int(block.RowCount) > RowCount()) {
        SetRowCount(ACell.Y + int(block.RowCount));   // drops grow the grid by the rows of the block
    }
    TFileProgress progress(OnFileProgress, this);
    for (const TBinCell& cell : block.Cells) {
        const qint64 c = ACell.X + cell.Col, r = ACell.Y + cell.Row;
        if (c >= ColCount() || r >= RowCount())
            continue;   // outside the grid: nothing is written past its edge
        const int rc = RealColIndex(int(c));
        SetCellEx(rc, int(r), cell.Text);
        progress.Report(double(r), RowCount());
        if (!cell.Props)
            continue;
        TCellProperties* props = GetCellProperties(rc, int(r));
        ApplyProperties(*cell.Props, *props, window());
        props->SetOwnerCol(rc);
        props->SetOwnerRow(int(r));
        if (cell.Graphic)
            if (TCellGraphic* g = CreateCellGraphic(rc, int(r)))
                ApplyGraphic(*cell.Graphic, *g);
    }
    EndUpdate();
    return true;
}

bool TVxStringGrid::LoadFromBinStream(const QByteArray& Stream)
{
    return LoadAtPointFromBinStream(TPoint{0, 0}, Stream);
}

void TVxStringGrid::LoadFromBinFile(const QString& FileName)
{
    if (!LoadFromBinStream(ReadGridFile(FileName)))
        throw EVxGridError("Stream read error");
}
