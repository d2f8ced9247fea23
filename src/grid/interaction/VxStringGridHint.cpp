// The cell hint: what the hint window shows for the cell under the pointer, from the cell's text, its
// anchors and the application's hint event.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/FloatingFooter.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/paint/ControlLook.h"
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

namespace {

constexpr int kHintBelowCell = 6;
const QPoint kAnchorHintOffset(8, -16);

} // namespace

void TVxStringGrid::BuildCellHint(QString& HintStr, THintInfo& HintInfo)
{
    const QPoint cursor = HintInfo.CursorPos;
    const TGridCoord cell = MouseCoord(cursor.x(), cursor.y());
    if (d->Shared.FControlLook->HintMaxWidth() > 0)
        HintInfo.HintMaxWidth = d->Shared.FControlLook->HintMaxWidth();
    HintInfo.HintColor = d->Settings.HintColor;
    QPoint pos = cursor;
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount()) {
        HintInfo.HintPos = viewport()->mapToGlobal(pos);
        return;
    }
    const TPoint base = BaseCell(cell.X, cell.Y);
    const int ACol = base.X;
    const int ARow = base.Y;
    d->Interaction.FLastHintPos = base;
    const TRect R = CellRect(ACol, ARow);
    const int RC = RealColIndex(ACol);
    pos = QPoint(cursor.x(), R.Bottom + kHintBelowCell);

    const QString text = AllGridCells(RC, ARow);
    const bool html = ClassifyCellText(text, d->Settings.EnableHTML) == TCellTextKind::ctkHtml;
    const bool wide = IsWideCell(RC, ARow);
    // The text as the hint shows it: wide text unchanged, tags kept for the HTML hint, stripped otherwise.
    auto hintText = [&] {
        if (wide || !html || d->Settings.HTMLHint)
            return text;
        return MiniHtmlToPlainText(text);
    };

    if (d->Settings.AnchorHint && html) {
        TMiniHtmlParams params;
        params.Rect = R;
        params.XPos = cursor.x();
        params.YPos = cursor.y();
        params.CheckHotSpot = true;
        params.Cache = d->Shared.FImageCache.get();
        TMiniHtmlResult hit;
        if (RenderMiniHtml(*Canvas(), text, params, hit) && !hit.AnchorVal.isEmpty() && hit.AnchorVal != "ctrl") {
            QString anchor = hit.AnchorHint.isEmpty() ? hit.AnchorVal : hit.AnchorHint;
            if (OnAnchorHint)
                OnAnchorHint(this, ARow, RC, anchor);
            d->Interaction.FLastAnchorHint = anchor;
            HintStr = anchor;
            pos = cursor + kAnchorHintOffset;
        }
    }

    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - d->Shared.FFixedRightCols &&
                        ARow < RowCount() - d->Shared.FFixedFooters;
    if (d->Settings.HintShowCells && normal) {
        pos.setY(R.Top);
        HintStr = hintText();
    }

    if (d->Settings.HintShowLargeText) {
        QSize size;
        if (html) {
            TMiniHtmlParams params;
            params.Rect = {0, 0, 0x3FFF, 0x3FFF};
            params.CheckHeight = true;
            params.Cache = d->Shared.FImageCache.get();
            TMiniHtmlResult measured;
            RenderMiniHtml(*Canvas(), text, params, measured);
            size = QSize(measured.XSize, measured.YSize);
        } else {
            const QFontMetrics metrics(d->CellMeasureFont(RC, ARow, false).toQFont());
            size = metrics.size(0, wide ? DecodeWideCellText(text) : text);
        }
        if (size.width() > R.Width() || size.height() > R.Height()) {
            HintStr = hintText();
            if (d->Settings.HintShowLargeTextPos == THintPos::hpCell)
                pos = QPoint(R.Left, R.Top);
        }
    }

    // The floating footer's row has no hint of the application's.
    if (!(d->Order.FFloatingFooter->Visible() && ARow == RowCount() - 1)) {
        QString wideHint;
        GetCellHint(ACol, ARow, HintStr, wideHint);
    }
    HintInfo.HtmlHint =
        d->Settings.UseInternalHintClass &&
        (ClassifyCellText(HintStr, true) == TCellTextKind::ctkHtml || HintStr.startsWith(QStringLiteral("|\\")));
    HintInfo.HintPos = viewport()->mapToGlobal(pos);
}

bool TVxStringGridPrivate::ShowCellHint(QEvent* e)
{
    auto* help = static_cast<QHelpEvent*>(e);
    QString hint;
    THintInfo info;
    info.CursorPos = help->pos();
    q->BuildCellHint(hint, info);
    if (hint.startsWith(QStringLiteral("|\\")))
        hint = DecodeWideCellText(hint);
    if (hint.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, ToQColor(ColorToRGB(info.HintColor)));
    QToolTip::setPalette(palette);
    if (info.HtmlHint && !hint.startsWith(QStringLiteral("<qt>")))
        hint = QStringLiteral("<qt>") + PrepareMiniHtml(hint) + QStringLiteral("</qt>");
    else if (!info.HtmlHint && Qt::mightBeRichText(hint))
        hint = QStringLiteral("<qt>") + hint.toHtmlEscaped() + QStringLiteral("</qt>");
    QToolTip::showText(info.HintPos, hint, q->viewport());
    return true;
}
