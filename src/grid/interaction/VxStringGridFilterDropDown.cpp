// The header's filter drop-down: the list of a column's values that opens under its filter button.
#include "grid/model/RowFilter.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/interaction/FilterDropDown.h"
#include <QSignalBlocker>
#include <QStyle>

void TVxStringGrid::CreateFilterLists()
{
    d->Aux.FDropList = new TDropList(this);
    d->Aux.FDropCheckList = new TDropCheckList(this);
    d->Aux.FDropList->OnSelect = [this](QObject*, int ItemIndex) { FilterSelected(ItemIndex); };
    d->Aux.FDropCheckList->OnSelect = [this](QObject*, int) { FilterChecked(d->Aux.FDropCheckList->CheckedItems()); };
    const TNotifyEvent closed = [this](QObject*) { d->Find.FFilterCol = -1; };
    d->Aux.FDropList->OnCancel = closed;
    d->Aux.FDropCheckList->OnCancel = closed;
}

namespace {

QString ShownEntry(const QString& Entry)
{
    const qsizetype eq = Entry.indexOf(QLatin1Char('='));
    return eq < 0 ? Entry : Entry.left(eq);
}

} // namespace

bool TVxStringGrid::FilterDropDownRelease(int X, int Y)
{
    const TGridCoord hit = MouseCoord(X, Y);
    const int rc = hit.X >= 0 ? RealColIndex(hit.X) : -1;
    const TRect cell = hit.X >= 0 && hit.Y >= 0 ? CellRect(hit.X, hit.Y) : TRect{};
    const bool onButton = hit.Y == d->Settings.FilterDropDownRow && hit.X >= 0 && rc != d->Find.FFilterCol &&
                          X >= cell.Right - 16 && X < cell.Right - 3 && Y < cell.Top + 19;
    if (!onButton || !BuildColumnFilterList(rc)) {
        d->Aux.FDropList->hide();
        d->Find.FFilterCol = -1;
        return false;
    }
    d->Find.FFilterCol = rc;
    const bool check = d->Settings.FilterDropDownCheck;
    TDropListBase* list = check ? static_cast<TDropListBase*>(d->Aux.FDropCheckList) : d->Aux.FDropList;
    const QSignalBlocker quiet(list);   // filling is not choosing
    list->clear();
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, ToQColor(d->Aux.FFilterDropDown->Color()));
    list->setPalette(pal);
    list->setFont(d->Aux.FFilterDropDown->Font().toQFont());
    int widest = 0;
    for (const QString& entry : d->Shared.FFilterList) {
        const QString shown = ShownEntry(entry);
        auto* item = new QListWidgetItem(shown, list);
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(shown));
        if (!check)
            continue;
        const QString quoted = shown.contains(QLatin1Char(' ')) ? QLatin1Char('"') + shown + QLatin1Char('"') : shown;
        bool checked = false;
        const TFilter& filter = d->Find.FRowFilter->Filter();
        for (int i = 0; i < filter.Count() && !checked; ++i)
            checked = filter.Items(i)->Column == rc && filter.Items(i)->Condition == quoted;
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    if (!check)
        list->setCurrentRow(0);
    int w = d->Aux.FFilterDropDown->Width(), h = d->Aux.FFilterDropDown->Height();
    if (d->Aux.FFilterDropDown->AutoSize()) {
        const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        h = list->count() * list->sizeHintForRow(0) + 2 * edge;
        w = widest + 8 + 2 * edge;
    }
    int left = cell.Right - 16;
    if (d->Aux.FFilterDropDown->ColumnWidth()) {
        left = cell.Left;
        w = cell.Width();
    }
    if (left + w > viewport()->width())
        left = std::max(0, CalcCellRect(hit.X, 0).Right - w);
    list->setParent(viewport());
    list->setGeometry(left, cell.Top + 16, w, h);
    list->show();
    list->raise();
    list->setFocus();
    return true;
}
