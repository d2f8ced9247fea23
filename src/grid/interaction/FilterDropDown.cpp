#include "grid/interaction/FilterDropDown.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

// ---- TFilterDropDown ----

TFilterDropDown::TFilterDropDown() : FGlyph(std::make_unique<TBitmap>()), FGlyphActive(std::make_unique<TBitmap>()) {}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Assign(const TFilterDropDown& Source)
{
    FColor = Source.FColor;
    FColumnWidth = Source.FColumnWidth;
    FFont = Source.FFont;
    FHeight = Source.FHeight;
    FWidth = Source.FWidth;
    SetGlyph(*Source.FGlyph);
    SetGlyphActive(*Source.FGlyphActive);
}

void TFilterDropDown::SetGlyph(const TBitmap& Value)
{
    FGlyph->Assign(Value);
    if (OnChange)
        OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const TBitmap& Value)
{
    FGlyphActive->Assign(Value);
    if (OnChange)
        OnChange(this);
}

// ---- The lists ----

TDropListBase::TDropListBase(QWidget* AOwner) : QListWidget(AOwner)
{
    resize(0, 0);
    hide();
}

void TDropListBase::showEvent(QShowEvent* e)
{
    QListWidget::showEvent(e);
    qApp->installEventFilter(this);
}

void TDropListBase::hideEvent(QHideEvent* e)
{
    qApp->removeEventFilter(this);
    QListWidget::hideEvent(e);
}

bool TDropListBase::eventFilter(QObject*, QEvent* e)
{
    if (e->type() != QEvent::MouseButtonPress || !isVisible())
        return false;
    const QPoint global = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
    if (!rect().contains(mapFromGlobal(global))) {
        hide();
        if (OnCancel)
            OnCancel(this);
    }
    return false;
}

void TDropList::Choose()
{
    hide();
    if (OnSelect)
        OnSelect(this, currentRow());
}

void TDropList::keyPressEvent(QKeyEvent* e)
{
    QListWidget::keyPressEvent(e);
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        Choose();
}

void TDropList::mouseReleaseEvent(QMouseEvent* e)
{
    QListWidget::mouseReleaseEvent(e);
    Choose();
}

TDropCheckList::TDropCheckList(QWidget* AOwner) : TDropListBase(AOwner)
{
    connect(this, &QListWidget::itemChanged, this, [this] {
        if (OnSelect)
            OnSelect(this, -1);
    });
}

std::vector<int> TDropCheckList::CheckedItems() const
{
    std::vector<int> checked;
    for (int i = 0; i < count(); ++i)
        if (item(i)->checkState() == Qt::Checked)
            checked.push_back(i);
    return checked;
}

// ---- TNoActiveForm ----

TNoActiveForm::TNoActiveForm(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);   // takes no clicks either
}

// Where the window system activates it anyway, the activation goes straight back to the owner's window.
bool TNoActiveForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && parentWidget())
        parentWidget()->window()->activateWindow();
    return QWidget::event(e);
}
