// The header's filter drop-down: the list of a column's values that opens under its filter button.
#include "grid/model/RowFilter.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/interaction/FilterDropDown.h"
#include <QSignalBlocker>
#include <QStyle>

TDropList* TVxStringGridPrivate::DropList()
{
    return ChildOnFirstUse(Aux.FDropList, [this](TDropList& list) {
        list.OnSelect = [this](QObject*, int ItemIndex) { q->FilterSelected(ItemIndex); };
        list.OnCancel = [this](QObject*) { Find.FFilterCol = -1; };
    });
}

TDropCheckList* TVxStringGridPrivate::DropCheckList()
{
    return ChildOnFirstUse(Aux.FDropCheckList, [this](TDropCheckList& list) {
        list.OnSelect = [this](QObject*, int) { q->FilterChecked(Aux.FDropCheckList->CheckedItems()); };
        list.OnCancel = [this](QObject*) { Find.FFilterCol = -1; };
    });
}

namespace {

QString ShownEntry(const QString& Entry)
{
    const qsizetype eq = Entry.indexOf(QLatin1Char('='));
    return eq < 0 ? Entry : Entry.left(eq);
}

} // namespace

bool TVxStringGridPrivate::FilterDropDownRelease(int X, int Y)
{
    const TGridCoord hit = q->MouseCoord(X, Y);
    const int rc = hit.X >= 0 ? q->RealColIndex(hit.X) : -1;
    const TRect cell = hit.X >= 0 && hit.Y >= 0 ? q->CellRect(hit.X, hit.Y) : TRect{};
    const bool onButton = hit.Y == Settings.FilterDropDownRow && hit.X >= 0 && rc != Find.FFilterCol &&
                          X >= cell.Right - 16 && X < cell.Right - 3 && Y < cell.Top + 19;
    if (!onButton || !q->BuildColumnFilterList(rc)) {
        if (Aux.FDropList)
            Aux.FDropList->hide();
        Find.FFilterCol = -1;
        return false;
    }
    Find.FFilterCol = rc;
    const bool check = Settings.FilterDropDownCheck;
    TDropListBase* list = check ? static_cast<TDropListBase*>(DropCheckList()) : DropList();
    const QSignalBlocker quiet(list);   // filling is not choosing
    list->clear();
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, ToQColor(Aux.FFilterDropDown->Color()));
    list->setPalette(pal);
    list->setFont(Aux.FFilterDropDown->Font().toQFont());
    int widest = 0;
    for (const QString& entry : Shared.FFilterList) {
        const QString shown = ShownEntry(entry);
        auto* item = new QListWidgetItem(shown, list);
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(shown));
        if (!check)
            continue;
        const QString quoted = shown.contains(QLatin1Char(' ')) ? QLatin1Char('"') + shown + QLatin1Char('"') : shown;
        bool checked = false;
        const TFilter& filter = Find.FRowFilter->Filter();
        for (int i = 0; i < filter.Count() && !checked; ++i)
            checked = filter.Items(i)->Column == rc && filter.Items(i)->Condition == quoted;
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    if (!check)
        list->setCurrentRow(0);
    int w = Aux.FFilterDropDown->Width(), h = Aux.FFilterDropDown->Height();
    if (Aux.FFilterDropDown->AutoSize()) {
        const int edge = q->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        h = list->count() * list->sizeHintForRow(0) + 2 * edge;
        w = widest + 8 + 2 * edge;
    }
    int left = cell.Right - 16;
    if (Aux.FFilterDropDown->ColumnWidth()) {
        left = cell.Left;
        w = cell.Width();
    }
    if (left + w > q->viewport()->width())
        left = std::max(0, q->CalcCellRect(hit.X, 0).Right - w);
    list->setParent(q->viewport());
    list->setGeometry(left, cell.Top + 16, w, h);
    list->show();
    list->raise();
    list->setFocus();
    return true;
}
