#include "grid/core/GridCellObjects.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/paint/GridPaintPass.h"
#include <QHelpEvent>
#include <QToolTip>

namespace {
constexpr int kBalloonMaxWidth = 300;

QString BalloonHtml(const QString& Title, const QString& Text)
{
    auto html = [](const QString& S) { return S.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")); };
    return QStringLiteral("<qt><table width=\"%1\"><tr><td><b>%2</b><br>%3</td></tr></table></qt>")
        .arg(kBalloonMaxWidth)
        .arg(html(Title), html(Text));
}
} // namespace

bool TVxStringGridPrivate::ShowCellBalloon(QEvent* e)
{
    auto* help = static_cast<QHelpEvent*>(e);
    const TGridCoord cell = q->MouseCoord(help->pos().x(), help->pos().y());
    if (cell.X < 0 || cell.Y < 0) {
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    const TPoint base = q->BaseCell(cell.X, cell.Y);
    const int realCol = q->RealColIndex(base.X);
    QString text = FinishBalloonText(BalloonCellText(q->Cells(realCol, base.Y), Settings.EnableHTML, {}));
    QString title = QStringLiteral(" ");
    int icon = int(TBalloonIcon::biInfo);
    TBalloonIcon own = TBalloonIcon::biInfo;
    if (q->IsBalloon(realCol, base.Y, title, text, own))
        icon = int(own);
    if (q->OnCellBalloon)
        q->OnCellBalloon(q, base.X, base.Y, title, text, icon);
    Interaction.FLastBalloonPos = base;
    title = FinishBalloonTitle(title);

    QPalette palette = QToolTip::palette();
    if (Shared.FBalloon->TextColor() != clNone)
        palette.setColor(QPalette::ToolTipText, ToQColor(ColorToRGB(Shared.FBalloon->TextColor())));
    if (Shared.FBalloon->BackgroundColor() != clNone)
        palette.setColor(QPalette::ToolTipBase, ToQColor(ColorToRGB(Shared.FBalloon->BackgroundColor())));
    QToolTip::setPalette(palette);
    QToolTip::showText(help->globalPos(), BalloonHtml(title, text), q->viewport());
    return true;
}
