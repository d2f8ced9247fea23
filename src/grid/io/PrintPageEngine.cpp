#include "grid/io/PrintPageEngine.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/io/PrintCanvas.h"
#include <QDate>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace {
bool AtTop(TPrintPosition p)
{
    return p == TPrintPosition::ppTopLeft || p == TPrintPosition::ppTopRight || p == TPrintPosition::ppTopCenter;
}

bool AtBottom(TPrintPosition p)
{
    return p == TPrintPosition::ppBottomLeft || p == TPrintPosition::ppBottomRight ||
           p == TPrintPosition::ppBottomCenter;
}

bool AtLeft(TPrintPosition p) { return p == TPrintPosition::ppTopLeft || p == TPrintPosition::ppBottomLeft; }

// A date format in the toolkit's spelling ("dd/mm/yyyy", "nn" for minutes) in Qt's.
QString QtDateFormat(const QString& Format)
{
    QString out;
    bool quoted = false;
    for (const QChar ch : Format) {
        if (ch == QLatin1Char('"')) {
            quoted = !quoted;
            out += QLatin1Char('\'');
        } else if (quoted) {
            out += ch;
        } else if (ch == QLatin1Char('m') || ch == QLatin1Char('M')) {
            out += QLatin1Char('M');
        } else if (ch == QLatin1Char('n') || ch == QLatin1Char('N')) {
            out += QLatin1Char('m');
        } else {
            out += ch.toLower();
        }
    }
    return out;
}

// The grid's font scale is the fit factor only while a run measures and draws.
class TFontScaleReset {
public:
    explicit TFontScaleReset(TGridPrintState& State) : FState(State) {}
    ~TFontScaleReset() { FState.FontScaleFactor = 1.0; }
    TFontScaleReset(const TFontScaleReset&) = delete;
    TFontScaleReset& operator=(const TFontScaleReset&) = delete;

private:
    TGridPrintState& FState;
};
} // namespace

TPrintPageEngine::TPrintPageEngine(TVxStringGrid& Grid, TPrintCanvas& Canvas)
    : G(Grid), C(Canvas), PS(Grid.PrintSettings()), FRowState(TGridExportState::esExportNewRow)
{
}

bool TPrintPageEngine::Output() const { return FMode == TPrintMode::pmPreview || FMode == TPrintMode::pmPrint; }

int& TPrintPageEngine::MaxWidth(int ACol) { return G.d->Sizing.FMaxWidths[std::size_t(ACol)]; }

int& TPrintPageEngine::Indent(int ACol) { return G.d->Sizing.FIndents[std::size_t(ACol)]; }

bool TPrintPageEngine::ColPrintable(int ACol)
{
    if (!FOnlySelected)
        return true;
    const TMouseActions& ma = G.MouseActions();
    if (ma.DisjunctRowSelect())
        return true;
    if (ACol < G.FixedCols() && PS.FixedCellsAlways())
        return true;
    if (ma.DisjunctColSelect())
        return G.GetColSelect(ACol);
    const TGridRect sel = G.Selection();
    return ACol >= sel.Left && ACol <= sel.Right;
}

bool TPrintPageEngine::RowPrintable(int ARow)
{
    if (!FOnlySelected)
        return true;
    if (ARow < G.FixedRows() && PS.FixedCellsAlways())
        return true;
    if (G.MouseActions().DisjunctRowSelect())
        return G.GetRowSelect(ARow);
    const TGridRect sel = G.Selection();
    return ARow >= sel.Top && ARow <= sel.Bottom;
}

int TPrintPageEngine::NextPrintableRow(int ARow)
{
    const int last = G.PrintState().PrintRect.Bottom;
    while (ARow <= last && !RowPrintable(ARow))
        ++ARow;
    return ARow;
}

int TPrintPageEngine::SpannedWidth(int ACol, int Span)
{
    int w = 0;
    for (int c = ACol; c <= std::min(ACol + Span, G.ColCount() - 1); ++c)
        w += MaxWidth(c) + FSpacing;
    return w;
}

int TPrintPageEngine::RepeatedFixedWidth(int ColStart)
{
    if (G.FixedCols() <= 0 || !PS.RepeatFixedCols() || ColStart < G.FixedCols())
        return 0;
    int w = 0;
    for (int c = 0; c < G.FixedCols(); ++c)
        if (ColPrintable(c))
            w += MaxWidth(c) + FSpacing;
    return w;
}

int TPrintPageEngine::Run(TPrintMode Mode, bool OnlySelected, int PageCount, int PageWidth, int PageHeight)
{
    FMode = Mode;
    FOnlySelected = OnlySelected;
    FPageCount = PageCount;
    FPageWidth = PageWidth;
    FPageHeight = PageHeight;
    FStrips.clear();
    FPages.clear();
    FPageNr = 0;
    FOutputStarted = false;
    FCachedRow = -1;
    TGridPrintState& st = G.PrintState();
    // A rectangle reaching past the grid prints the cells that exist.
    TGridRect& r = st.PrintRect;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, G.ColCount() - 1);
    r.Bottom = std::min(r.Bottom, G.RowCount() - 1);
    if (r.Left > r.Right || r.Top > r.Bottom)
        return 0;
    const std::size_t tableSize = std::max<std::size_t>(512, std::size_t(G.ColCount()) + 1);
    if (G.d->Sizing.FMaxWidths.size() < tableSize) {
        G.d->Sizing.FMaxWidths.resize(tableSize);
        G.d->Sizing.FIndents.resize(tableSize);
    }
    FSpacing = PS.UseFixedWidth() ? 0 : PS.ColumnSpacing() + 20;
    FRowSpacing = PS.RowSpacing();
    FFactor = 1.0;
    const TFontScaleReset reset(st);
    st.FontScaleFactor = 1.0;

    MeasureFonts();
    MeasureColumns();
    FitToPage();
    st.FontScaleFactor = FFactor;
    if (G.OnPrintSetColumnWidth)
        for (int c = r.Left; c <= r.Right; ++c)
            G.OnPrintSetColumnWidth(&G, c, MaxWidth(c));
    BuildStrips();
    MeasureHeaderFooter();
    const bool partial = (r.Top > 0 && r.Top >= G.FixedRows()) || r.Bottom < G.RowCount() - G.FixedFooters() - 1;
    FRowState = partial ? TGridExportState::esExportSelRow : TGridExportState::esExportNewRow;

    bool stopped = false;
    for (int i = 0; i < int(FStrips.size()) && !stopped; ++i)
        PrintStrip(i, stopped);
    return FPageNr;
}

void TPrintPageEngine::MeasureFonts()
{
    FPx = 254.0 / kPixelsPerInch;
    FFont = PS.Font();
    FFont.SetHeight(G.MapFontHeight(PS.Font().Size()));
    FLineHeight = C.TextHeight(FFont, QStringLiteral("gh"));
    FGap = FLineHeight / 8;
    FPadding = C.TextWidth(FFont, QStringLiteral("g")) / 2;
    FHeaderFont = PS.HeaderFont();
    FHeaderFont.SetHeight(G.MapFontHeight(PS.HeaderFont().Size()));
    FHeaderLine = C.TextHeight(FHeaderFont, QStringLiteral("gh"));
    FFooterFont = PS.FooterFont();
    FFooterFont.SetHeight(G.MapFontHeight(PS.FooterFont().Size()));
    FFooterLine = C.TextHeight(FFooterFont, QStringLiteral("gh"));
}

void TPrintPageEngine::MeasureColumns()
{
    const TGridRect& r = G.PrintState().PrintRect;
    std::vector<int> cols;
    for (int c = r.Left; c <= r.Right; ++c)
        cols.push_back(c);
    // Fixed columns repeated beside a rectangle that leaves them out still need their widths.
    if (PS.RepeatFixedCols() && r.Left >= G.FixedCols())
        for (int c = 0; c < G.FixedCols(); ++c)
            cols.push_back(c);
    const bool fixedRowsToo = PS.RepeatFixedRows() && r.Top >= G.FixedRows();
    for (const int c : cols) {
        MaxWidth(c) = 0;
        if (!ColPrintable(c))
            continue;
        if (PS.NoAutoSize()) {
            MaxWidth(c) = int(std::lround(G.ColWidths(c) * FPx));
            continue;
        }
        int w = 0;
        auto measure = [&](int row) {
            if (!G.IsXMergedCell(c, row))
                w = std::max(w, PS.UseFixedWidth() ? PS.FixedWidth() : MeasureCell(c, row).X);
        };
        for (int row = r.Top; row <= r.Bottom; ++row)
            measure(row);
        if (fixedRowsToo)
            for (int row = 0; row < G.FixedRows(); ++row)
                measure(row);
        MaxWidth(c) = w;
    }
}

void TPrintPageEngine::FitToPage()
{
    const TFitToPage fit = PS.FitToPage();
    if (fit == TFitToPage::fpNever)
        return;
    const TGridRect& r = G.PrintState().PrintRect;
    // The spacing of the printed columns only: with a selection printed, columns that take no room must not
    // count, or the content width can reach zero or below.
    int content = 0;
    int spacing = 0;
    for (int c = r.Left; c <= r.Right; ++c)
        if (ColPrintable(c)) {
            content += MaxWidth(c);
            spacing += FSpacing;
        }
    const int room = FPageWidth - PS.RightSize() - PS.LeftSize() - spacing;
    double f = (content > 0 && room > 0) ? double(room) / content : 1.0;
    if ((fit == TFitToPage::fpShrink && f > 1.0) || (fit == TFitToPage::fpGrow && f < 1.0))
        f = 1.0;
    if (fit == TFitToPage::fpCustom && f != 1.0 && G.OnFitToPage) {
        bool allow = true;
        G.OnFitToPage(&G, f, allow);
        if (!allow || !(f > 0.0))
            f = 1.0;
    }
    FFactor = f;
    if (f == 1.0)
        return;
    for (int c = r.Left; c <= r.Right; ++c)
        MaxWidth(c) = int(std::lround(MaxWidth(c) * f));
    if (PS.RepeatFixedCols() && r.Left >= G.FixedCols())
        for (int c = 0; c < G.FixedCols(); ++c)
            MaxWidth(c) = int(std::lround(MaxWidth(c) * f));
}

void TPrintPageEngine::BuildStrips()
{
    const TGridRect& r = G.PrintState().PrintRect;
    const int usable = FPageWidth - PS.RightSize();
    auto width = [&](int c) { return ColPrintable(c) ? MaxWidth(c) + FSpacing : 0; };
    int start = r.Left;
    while (start <= r.Right) {
        TPrintStrip s;
        s.ColStart = start;
        int w = RepeatedFixedWidth(start);
        int c = start;
        bool printable = false;
        do {
            printable = printable || ColPrintable(c);
            w += width(c);
            ++c;
        } while (c <= r.Right && w + width(c) <= usable);
        s.ColEnd = c - 1;
        s.Width = w;
        if (printable)
            FStrips.push_back(s);
        start = c;
    }
}

void TPrintPageEngine::PlaceColumns(const TPrintStrip& Strip)
{
    const int base = PS.Centered() ? 0 : PS.LeftSize();
    const int fixedWidth = RepeatedFixedWidth(Strip.ColStart);
    int x = base;
    for (int c = Strip.ColStart; c <= Strip.ColEnd; ++c) {
        Indent(c) = x;
        x += ColPrintable(c) ? MaxWidth(c) + FSpacing : 0;
    }
    Indent(Strip.ColEnd + 1) = x;
    const int fixedCount = fixedWidth > 0 ? G.FixedCols() : 0;
    x = base;
    for (int c = 0; c < fixedCount; ++c) {
        Indent(c) = x;
        x += ColPrintable(c) ? MaxWidth(c) + FSpacing : 0;
    }
    const int shift = PS.Centered() && Strip.Width < FPageWidth ? (FPageWidth - Strip.Width) / 2 : 0;
    for (int c = 0; c < fixedCount; ++c)
        Indent(c) += shift;
    for (int c = Strip.ColStart; c <= Strip.ColEnd + 1; ++c)
        Indent(c) += shift + fixedWidth;
}

void TPrintPageEngine::MeasureHeaderFooter()
{
    const TPrintPosition parts[] = {PS.Time(), PS.Date(), PS.PageNr(), PS.Title()};
    const bool top = std::any_of(std::begin(parts), std::end(parts), AtTop);
    const bool bottom = std::any_of(std::begin(parts), std::end(parts), AtBottom);
    const int moreLines = PS.TitleText().isEmpty() ? std::max(0, int(PS.TitleLines().size()) - 1) : 0;
    FHeaderHeight = PS.HeaderSize();
    if (top)
        FHeaderHeight += FGap + FHeaderLine + (AtTop(PS.Title()) ? moreLines * FHeaderLine : 0);
    FFooterHeight = FGap + FFooterLine + PS.FooterSize();
    if (bottom)
        FFooterHeight += FGap + FFooterLine + (AtBottom(PS.Title()) ? moreLines * FFooterLine : 0);
}

void TPrintPageEngine::PrintStrip(int StripIndex, bool& Stopped)
{
    const TPrintStrip& strip = FStrips[std::size_t(StripIndex)];
    TGridPrintState& st = G.PrintState();
    const TGridRect& r = st.PrintRect;
    PlaceColumns(strip);
    const int usableBottom = -FPageHeight + FFooterHeight;
    int row = NextPrintableRow(r.Top);
    int pageInStrip = 0;
    while (row <= r.Bottom) {
        ++FPageNr;
        ++pageInStrip;
        FPageOutput = Output() && FPageNr >= st.PageFrom && FPageNr <= st.PageTo;
        if (FPageOutput) {
            if (FOutputStarted)
                C.NewPage();
            FOutputStarted = true;
            if (G.OnPrintPage)
                G.OnPrintPage(&G, &C, FPageNr, FPageWidth, FPageHeight);
        }
        TPrintedPage page;
        page.PageNr = FPageNr;
        page.Strip = StripIndex;
        FY = -FHeaderHeight;
        if (FPageOutput)
            DrawHeaderFooter(FPageNr, pageInStrip, StripIndex + 1);
        FY -= PS.TitleSpacing();
        const int blockTop = FY;
        if (PS.RepeatFixedRows() && G.FixedRows() > 0 && row > 0 && (pageInStrip > 1 || r.Top >= G.FixedRows()))
            for (int fixedRow = 0; fixedRow < G.FixedRows(); ++fixedRow)
                if (RowPrintable(fixedRow)) {
                    const int h = RowHeight(fixedRow);
                    PrintRow(fixedRow, h, strip.ColStart, strip.ColEnd);
                    FY -= Pitch(h);
                }
        while (row <= r.Bottom) {
            const int h = RowHeight(row);
            // A row too high for any page still gets a page of its own.
            if (page.Rows > 0 && FY - h <= usableBottom)
                break;
            PrintRow(row, h, strip.ColStart, strip.ColEnd);
            G.ExportNotification(FRowState, row);
            FY -= Pitch(h);
            if (page.Rows++ == 0)
                page.FirstRow = row;
            page.LastRow = row;
            bool newPage = false;
            if (G.OnPrintNewPage)
                G.OnPrintNewPage(&G, row, newPage);
            row = NextPrintableRow(row + 1);
            if (newPage)
                break;
        }
        FPages.push_back(page);
        if (FPageOutput) {
            DrawPageLines(blockTop, FY, strip);
            if (G.OnPrintPageDone)
                G.OnPrintPageDone(&G, &C, row, FY, FPageNr, FPageWidth, FPageHeight);
            bool cancel = false;
            if (G.OnPrintCancel)
                G.OnPrintCancel(&G, FPageNr, cancel);
            if (cancel) {
                Stopped = true;
                return;
            }
        }
        if (st.FastPrint && Output() && FPageNr >= st.PageTo) {
            Stopped = true;
            return;
        }
    }
}

void TPrintPageEngine::PrintRow(int ARow, int ARowHeight, int ColStart, int ColEnd)
{
    if (!FPageOutput)
        return;
    bool first = true;
    if (RepeatedFixedWidth(ColStart) > 0)
        for (int c = 0; c < G.FixedCols(); ++c)
            if (ColPrintable(c)) {
                DrawCell(c, ARow, ARowHeight, first);
                first = false;
            }
    for (int c = ColStart; c <= ColEnd; ++c)
        if (ColPrintable(c)) {
            DrawCell(c, ARow, ARowHeight, first);
            first = false;
        }
}

void TPrintPageEngine::DrawPageLines(int BlockTop, int Bottom, const TPrintStrip& Strip)
{
    const TPrintBorders b = PS.Borders();
    TPen pen;
    pen.SetColor(clBlack);
    pen.SetStyle(PS.BorderStyle());
    pen.SetWidth(b == TPrintBorders::pbDouble ? 10 : 2);
    const bool fixedRepeat = RepeatedFixedWidth(Strip.ColStart) > 0;
    const int left = fixedRepeat ? Indent(0) : Indent(Strip.ColStart);
    const int right = Indent(Strip.ColEnd + 1);
    if (b == TPrintBorders::pbAround || b == TPrintBorders::pbAroundVertical ||
        b == TPrintBorders::pbAroundHorizontal) {
        const int frameBottom = Bottom - FGap / 2;
        C.Line(Point(left, BlockTop), Point(right, BlockTop), pen);
        C.Line(Point(right, BlockTop), Point(right, frameBottom), pen);
        C.Line(Point(right, frameBottom), Point(left, frameBottom), pen);
        C.Line(Point(left, frameBottom), Point(left, BlockTop), pen);
    }
    if (b == TPrintBorders::pbDouble || b == TPrintBorders::pbHorizontal || b == TPrintBorders::pbAroundHorizontal)
        C.Line(Point(left, Bottom), Point(right, Bottom), pen);
    if ((b == TPrintBorders::pbDouble || b == TPrintBorders::pbVertical || b == TPrintBorders::pbAroundVertical) &&
        fixedRepeat)
        for (int c = 0; c < G.FixedCols(); ++c)
            C.Line(Point(Indent(c), BlockTop), Point(Indent(c), Bottom), pen);
}

QString TPrintPageEngine::PageNumberText(int PageNr, int PageInStrip, int StripNr)
{
    const bool strips = FStrips.size() > 1;
    QString s;
    if (strips) {
        s = QStringLiteral("%1-%2").arg(PageInStrip).arg(StripNr);
    } else {
        s = QString::number(PageNr + PS.PageNumberOffset());
        if (!PS.PageNumSep().isEmpty() && FPageCount > 1)
            s += PS.PageNumSep() + QString::number(FPageCount + PS.MaxPagesOffset());
    }
    G.DoPrintGetPageNum(strips ? PageInStrip : PageNr, StripNr, s);
    return s;
}

void TPrintPageEngine::DrawHeaderFooter(int PageNr, int PageInStrip, int StripNr)
{
    std::array<QString, 7> texts;   // by position
    auto add = [&](TPrintPosition p, const QString& part, bool alwaysBlank) {
        if (p == TPrintPosition::ppNone)
            return;
        QString& t = texts[std::size_t(p)];
        const QString blank = alwaysBlank || (!t.isEmpty() && !part.isEmpty()) ? QStringLiteral(" ") : QString();
        t = AtLeft(p) ? part + blank + t : t + blank + part;
    };
    add(PS.Time(), QTime::currentTime().toString(QStringLiteral("hh:mm")), true);
    add(PS.Date(), QDate::currentDate().toString(QtDateFormat(PS.DateFormat())), true);
    add(PS.PageNr(), PS.PagePrefix() + QLatin1Char(' ') + PageNumberText(PageNr, PageInStrip, StripNr) +
                         QLatin1Char(' ') + PS.PageSuffix(), true);
    const QStringList& lines = PS.TitleLines();
    if (!PS.TitleText().isEmpty())
        add(PS.Title(), PS.TitleText(), true);
    else if (!lines.isEmpty())
        add(PS.Title(), lines.first(), false);
    const QStringList moreLines = PS.TitleText().isEmpty() ? lines.mid(1) : QStringList();

    auto draw = [&](TPrintPosition p, const QString& text, const TFont& font, int lineHeight, int top) {
        const int w = C.TextWidth(font, text);
        int x = PS.LeftSize();
        if (p == TPrintPosition::ppTopRight || p == TPrintPosition::ppBottomRight)
            x = FPageWidth - w - PS.RightSize() - 20;
        else if (p == TPrintPosition::ppTopCenter || p == TPrintPosition::ppBottomCenter)
            x = (FPageWidth - w) / 2;
        C.DrawText(Rect(x, top, x + w + 1, top - lineHeight), text, font, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    };
    const int headerTop = -PS.HeaderSize();
    const int footerExtra = AtBottom(PS.Title()) ? int(moreLines.size()) : 0;
    const int footerTop = -FPageHeight + PS.FooterSize() + FFooterLine * (1 + footerExtra);
    for (int i = 1; i < 7; ++i) {
        const auto p = TPrintPosition(i);
        const bool header = AtTop(p);
        const TFont& font = header ? FHeaderFont : FFooterFont;
        const int lineHeight = header ? FHeaderLine : FFooterLine;
        const int top = header ? headerTop : footerTop;
        if (!texts[std::size_t(i)].isEmpty())
            draw(p, texts[std::size_t(i)], font, lineHeight, top);
        if (p == PS.Title())
            for (int k = 0; k < int(moreLines.size()); ++k)
                draw(p, moreLines[k], font, lineHeight, top - (k + 1) * lineHeight);
    }
}
