#pragma once
// Column definitions and items of the multi-column and grid drop-downs. Both controls have classes of these
// names, alike in content but separate types: each instantiates the templates with its own unit tag.
#include "grid/foundation/VxStyleIF.h"
#include "platform/Canvas.h"
#include "widgets/dropdown/DropDownStyles.h"
#include "widgets/dropdown/ItemCollection.h"
#include <QStringList>

class TCustomImageList;

enum class TColumnType { ctText, ctImage };

template <typename Unit>
class TDropDownColumnOf {
public:
    explicit TDropDownColumnOf(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TDropDownColumnOf& Source)
    {
        TCollectionBase* own = FCollection;
        *this = Source;
        FCollection = own;
    }

    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool Value) { FWordwrap = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    QString Header() const { return FHeader; }
    void SetHeader(const QString& Value) { FHeader = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType Value) { FColumnType = Value; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont = Value; }
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }

private:
    TCollectionBase* FCollection;
    bool FWordwrap = false;
    int FWidth = 80;
    bool FAutoSize = false;
    QString FHeader;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TColor FColor = 0xFFFFFF;
    TColumnType FColumnType = TColumnType::ctText;
    TFont FFont;
    bool FEllipsis = false;
};

template <typename Unit>
class TDropDownItemOf {
public:
    explicit TDropDownItemOf(TCollectionBase*) {}
    void Assign(const TDropDownItemOf& Source)
    {
        FImageIndex = Source.FImageIndex;
        FText = Source.FText;
    }

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    // One string per column.
    const QStringList& Text() const { return FText; }
    void SetText(const QStringList& Value) { FText = Value; }
    // The string of column Column; false when the item has none.
    bool ColumnText(int Column, QString& Value) const
    {
        if (Column < 0 || Column >= FText.size())
            return false;
        Value = FText[Column];
        return true;
    }

private:
    int FImageIndex = -1;
    QStringList FText;
};

// What one item needs of an auto-sized column, and of a row that wraps the column's text, in pixels. Images
// is the image list whose pictures an image column reserves room for (none: no room).
struct TItemNeed {
    int Width = 0;
    int Height = 0;
};
TItemNeed ItemCellNeed(TCanvas& Measure, const QString* Text, bool ImageColumn, int ImageIndex,
                       const TCustomImageList* Images, int WrapWidth);

// The widest need of Items in auto-sized column C; 0 without items.
template <typename Column, typename Items>
int AutoColumnWidth(const Column& column, const Items& items, int C, const TCustomImageList* Images)
{
    TCanvas measure;
    measure.SetFont(column.Font());
    int widest = 0;
    for (int i = 0; i < items.Count(); ++i) {
        QString text;
        const bool has = items[i].ColumnText(C, text);
        widest = std::max(widest, ItemCellNeed(measure, has ? &text : nullptr, column.ColumnType() == TColumnType::ctImage,
                                               items[i].ImageIndex(), Images, 0)
                                      .Width);
    }
    return widest;
}

// The height of an item's row over the wrapped columns (at least 24); Widths are the columns' widths.
template <typename Columns, typename Item>
int WrappedRowHeight(const Columns& columns, const Item* item, int ColCount, const std::vector<int>& Widths,
                     const TCustomImageList* Images)
{
    TCanvas measure;
    int height = 24;
    for (int c = 0; c < ColCount && c < columns.Count(); ++c) {
        if (!columns[c].Wordwrap())
            continue;
        measure.SetFont(columns[c].Font());
        QString text;
        const bool has = item && item->ColumnText(c, text);
        height = std::max(height, ItemCellNeed(measure, has ? &text : nullptr,
                                               columns[c].ColumnType() == TColumnType::ctImage,
                                               item ? item->ImageIndex() : -1, Images, Widths[std::size_t(c)])
                                      .Height);
    }
    return height;
}

// Each auto-sized column of Grid as wide as its widest item, in the grid and in its copy of the columns.
template <typename Columns, typename Items, typename Grid>
void AutoSizeItemColumns(Columns& columns, const Items& items, const TCustomImageList* Images, Grid& grid)
{
    for (int c = 0; c < columns.Count(); ++c) {
        if (!columns[c].AutoSize())
            continue;
        const int widest = AutoColumnWidth(columns[c], items, c, Images);
        columns[c].SetWidth(widest);
        grid.SetColWidths(c, widest);
    }
}

// The width of a pop-up list: its columns, and the vertical scroll bar when not all its rows show.
int ListTotalWidth(int ColumnsWidth, bool AllRowsShow);

template <typename Columns>
bool AnyWordwrap(const Columns& columns)
{
    for (int c = 0; c < columns.Count(); ++c)
        if (columns[c].Wordwrap())
            return true;
    return false;
}

// The pop-up's height snapped to whole item rows under the header; Chrome is the height of the pop-up's own
// header and footer panels, Margin what the list adds below its rows.
int SnappedDropDownHeight(int Height, int Chrome, int HeaderHeight, int RowHeight, int Margin);
// The column widths sharing Room in proportion to Widths, rounding errors carried to the next column.
std::vector<int> SharedColumnWidths(const std::vector<int>& Widths, int Room);

// The list colours of the multi-column and grid drop-downs for a style: header gradient, selection style,
// header font colour (when setFont), selected text and lines. False for a style that leaves them alone; the
// tsOffice2010 styles have colours only WithOffice2010.
struct TListDropDownStyle {
    TColor header, headerTo;
    TSelectionColorStyle selection;
    bool setFont;
    TColor font, text, line, fixedLine;
};
bool ListDropDownStyle(TZarnStyle AStyle, bool WithOffice2010, TListDropDownStyle& Style);
// The line colours a selection-colour style gives the lists; false for one that gives none.
bool ListLineColors(TSelectionColorStyle Value, TColor& Line, TColor& FixedLine);

// Sets the list colours of Control (a multi-column or grid drop-down) for AStyle, after the base's preset.
template <typename Control>
void ApplyListDropDownStyle(Control& c, TZarnStyle AStyle, bool WithOffice2010)
{
    TListDropDownStyle s;
    if (!ListDropDownStyle(AStyle, WithOffice2010, s))
        return;
    c.SetHeaderColor(s.header);
    c.SetHeaderColorTo(s.headerTo);
    c.SetSelectionColorStyle(s.selection);
    if (s.setFont) {
        TFont font = c.HeaderFont();
        font.SetColor(s.font);
        c.SetHeaderFont(font);
    }
    c.SetSelectionTextColor(s.text);
    c.SetLineColor(s.line);
    c.SetFixedLineColor(s.fixedLine);
    if (AStyle == TZarnStyle::tsWindowsXP || AStyle == TZarnStyle::tsTerminal) {
        c.SetSelectionColor(clHighlight);
        c.SetSelectionColorTo(clHighlight);
    } else if (s.headerTo == clNone) {
        c.SetSelectionColor(0x6CD0FF);
        c.SetSelectionColorTo(0x6CD0FF);
    }
}
