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

bool TVxStringGrid::ShowCellBalloon(QEvent* e)
{
    auto* help = static_cast<QHelpEvent*>(e);
    const TGridCoord cell = MouseCoord(help->pos().x(), help->pos().y());
    if (cell.X < 0 || cell.Y < 0) {
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    const TPoint base = BaseCell(cell.X, cell.Y);
    const int realCol = RealColIndex(base.X);
    QString text = FinishBalloonText(BalloonCellText(Cells(realCol, base.Y), d->Settings.EnableHTML, {}));
    QString title = QStringLiteral(" ");
    int icon = int(TBalloonIcon::biInfo);
    TBalloonIcon own = TBalloonIcon::biInfo;
    if (IsBalloon(realCol, base.Y, title, text, own))
        icon = int(own);
    if (OnCellBalloon)
        OnCellBalloon(this, base.X, base.Y, title, text, icon);
    d->Interaction.FLastBalloonPos = base;
    title = FinishBalloonTitle(title);

    QPalette palette = QToolTip::palette();
    if (d->Shared.FBalloon->TextColor() != clNone)
        palette.setColor(QPalette::ToolTipText, ToQColor(ColorToRGB(d->Shared.FBalloon->TextColor())));
    if (d->Shared.FBalloon->BackgroundColor() != clNone)
        palette.setColor(QPalette::ToolTipBase, ToQColor(ColorToRGB(d->Shared.FBalloon->BackgroundColor())));
    QToolTip::setPalette(palette);
    QToolTip::showText(help->globalPos(), BalloonHtml(title, text), viewport());
    return true;
}
