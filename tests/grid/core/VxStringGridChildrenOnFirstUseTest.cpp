#include "grid/core/VxStringGrid.h"
#include "grid/edit/editors/GridEditors.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/interaction/FilterDropDown.h"
#include "grid/interaction/GridFormControls.h"
#include "grid/interaction/SearchPanel.h"
#include "support/QStringPrinter.h"
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

template <class W>
bool Is(QObject* o)
{
    return dynamic_cast<W*>(o) != nullptr;
}

// The grid's own helpers by kind (not all of them declare themselves to Qt's casts), an open filter list in
// the viewport included; the scroll area's own bars live in their containers, not here.
QStringList MadeChildren(const TVxStringGrid& g)
{
    using Kind = std::pair<const char*, bool (*)(QObject*)>;
    const Kind kinds[] = {
        {"search panel", Is<TSearchPanel>},      {"drop list", Is<TDropList>},
        {"drop check list", Is<TDropCheckList>}, {"check box", Is<TGridCheckBox>},
        {"unit edit button", Is<TGridUnitEditBtn>}, {"edit button", Is<TGridEditBtn>},
        {"push button", Is<TGridButton>},        {"fixed edit", Is<TGridTransEdit>},
        {"fixed combo", Is<TGridTransCombo>},    {"control edit", Is<TControlEdit>},
        {"control combo", Is<TControlCombo>},    {"scroll bar", Is<QScrollBar>},
    };
    QStringList made;
    for (const auto& [name, is] : kinds)
        for (QObject* child : g.children() + g.viewport()->children())
            if (is(child) && !(is == Is<TGridEditBtn> && Is<TGridUnitEditBtn>(child)))
                made << QString::fromLatin1(name);
    return made;
}

struct ShownGrid {
    QWidget window;
    TVxStringGrid* g = new TVxStringGrid(&window);
    TEditorType kind = TEditorType::edNormal;
    ShownGrid()
    {
        g->SetColCount(4);
        g->SetRowCount(5);
        g->SetEnableHTML(true);
        g->OnGetEditorType = [this](QObject*, int, int, TEditorType& e) { e = kind; };
        g->resize(500, 300);
        window.resize(520, 320);
        window.show();
        QApplication::setActiveWindow(&window);
        g->setFocus();
        QApplication::processEvents();
    }
    void Key(Qt::Key k)
    {
        QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : g;
        QTest::keyClick(w, k);
    }
    void EditWith(TEditorType Kind)
    {
        kind = Kind;
        g->SetOptions(g->Options() | TGridOption::goEditing);
        g->SetCol(2);
        g->SetRow(2);
        Key(Qt::Key_F2);
    }
    void ClickHeader(int X, int Y)
    {
        const TRect header = g->CellRect(2, 0);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(header.Left + X, header.Top + Y));
    }
    void EnterOnControl(const char* Type)
    {
        g->SetCells(2, 2, QStringLiteral("<CONTROL TYPE=\"%1\" ID=\"c\" VALUE=\"x\" WIDTH=\"60\">").arg(Type));
        g->SetCol(2);
        g->SetRow(2);
        Key(Qt::Key_Return);
    }
    void OpenFilter(bool Check)
    {
        g->SetFilterDropDownAuto(true);
        g->SetFilterDropDownCheck(Check);
        for (int r = 1; r < 5; ++r)
            g->SetCells(2, r, QStringLiteral("v%1").arg(r));
        ClickHeader(g->CellRect(2, 0).Width() - 8, 5);
    }
};

} // namespace

// A table window's grid makes its hidden helpers only when they are first used, each by its own use.
TEST(VxStringGrid, MakesEachHiddenHelperOnlyWhenFirstUsed)
{
    struct Case {
        const char* name;
        std::function<void(ShownGrid&)> use;
        QStringList made;
        std::function<QWidget*(TVxStringGrid&)> shown;   // the helper the use shows, if any
    };
    const Case cases[] = {
        {"showing the search footer", [](ShownGrid& s) { s.g->SearchFooter().SetVisible(true); },
         {"search panel"}, [](TVxStringGrid& g) -> QWidget* { return g.SearchPanel(); }},
        {"opening a filter list", [](ShownGrid& s) { s.OpenFilter(false); }, {"drop list"},
         [](TVxStringGrid& g) -> QWidget* { return g.DropList(); }},
        {"opening a checked filter list", [](ShownGrid& s) { s.OpenFilter(true); }, {"drop check list"},
         [](TVxStringGrid& g) -> QWidget* { return g.DropCheckList(); }},
        {"editing a check-box cell", [](ShownGrid& s) { s.EditWith(TEditorType::edCheckBox); }, {"check box"},
         [](TVxStringGrid& g) -> QWidget* { return g.EditCheck(); }},
        {"editing an edit-button cell", [](ShownGrid& s) { s.EditWith(TEditorType::edEditBtn); }, {"edit button"},
         [](TVxStringGrid& g) -> QWidget* { return g.EditBtn(); }},
        {"editing a unit cell", [](ShownGrid& s) { s.EditWith(TEditorType::edUnitEditBtn); },
         {"unit edit button"}, [](TVxStringGrid& g) -> QWidget* { return g.UnitEditBtn(); }},
        {"editing a button cell", [](ShownGrid& s) { s.EditWith(TEditorType::edButton); }, {"push button"},
         [](TVxStringGrid& g) -> QWidget* { return g.GridButton(); }},
        {"clicking an editable header",
         [](ShownGrid& s) {
             s.g->MouseActions().SetFixedRowsEdit(TGridFixedCellEdit::fceLeftClick);
             s.ClickHeader(5, 5);
         },
         {"fixed edit"}, [](TVxStringGrid& g) -> QWidget* { return g.TransEdit(); }},
        {"clicking a header edited by a list",
         [](ShownGrid& s) {
             s.g->MouseActions().SetFixedRowsEdit(TGridFixedCellEdit::fceLeftClick);
             s.g->MouseActions().SetFixedRowsEditor(TGridFixedCellEditor::fceComboList);
             s.ClickHeader(5, 5);
         },
         {"fixed combo"}, [](TVxStringGrid& g) -> QWidget* { return g.TransCombo(); }},
        {"Enter on an edit control in a cell", [](ShownGrid& s) { s.EnterOnControl("EDIT"); }, {"control edit"},
         [](TVxStringGrid& g) -> QWidget* { return g.ControlEdit(); }},
        {"Enter on a combo control in a cell", [](ShownGrid& s) { s.EnterOnControl("COMBO"); },
         {"control combo"}, [](TVxStringGrid& g) -> QWidget* { return g.ControlCombo(); }},
        {"listing the editor controls", [](ShownGrid& s) { s.g->EditorControls(); },
         {"check box", "unit edit button", "edit button", "push button", "fixed edit", "fixed combo",
          "control edit", "control combo", "scroll bar", "scroll bar"},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid s;
        EXPECT_EQ(MadeChildren(*s.g), QStringList());
        c.use(s);
        EXPECT_EQ(MadeChildren(*s.g), c.made);
        if (c.shown) {
            QWidget* helper = c.shown(*s.g);
            ASSERT_NE(helper, nullptr);
            EXPECT_TRUE(s.g->isAncestorOf(helper));
            EXPECT_TRUE(helper->isVisible());
        }
        s.g->HideInplaceEdit();
        s.g->EndHTMLControlEdit();
    }
}
