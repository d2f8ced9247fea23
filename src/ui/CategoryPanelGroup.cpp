#include "ui/CategoryPanelGroup.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int kLineStep = 8;  // pixels per scroll line

// The header bar: caption at the left, a chevron at the right pointing up while expanded and
// down while collapsed; a click toggles the panel.
class TCategoryHeader : public QWidget {
public:
    explicit TCategoryHeader(TCategoryPanel* panel) : QWidget(panel), FPanel(panel)
    {
        QFont f(QStringLiteral("Verdana"));
        f.setPixelSize(15);
        f.setBold(true);
        setFont(f);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xE4, 0xEA, 0xEC));
        p.setPen(QColor(0xC8, 0xCE, 0xD0));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.setPen(Qt::gray);
        p.drawText(rect().adjusted(6, 0, -28, 0), Qt::AlignLeft | Qt::AlignVCenter, FPanel->Caption());
        const int cx = width() - 16;
        const int cy = height() / 2;
        const int d = FPanel->Collapsed() ? 1 : -1;
        p.setBrush(Qt::gray);
        p.drawPolygon(QPolygon({QPoint(cx - 5, cy - 2 * d), QPoint(cx + 5, cy - 2 * d), QPoint(cx, cy + 3 * d)}));
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            FPanel->SetCollapsed(!FPanel->Collapsed());
    }

private:
    TCategoryPanel* FPanel;
};

} // namespace

TCategoryPanel::TCategoryPanel(TCategoryPanelGroup* group)
    : QWidget(group->FContent), FGroup(group), FFullHeight(200)
{
    FHeader = new TCategoryHeader(this);
    FSurface = new QWidget(this);
    FGroup->Add(this);
}

void TCategoryPanel::SetCaption(const QString& value)
{
    FCaption = value;
    FHeader->update();
}

void TCategoryPanel::SetCollapsed(bool value)
{
    if (value == FCollapsed)
        return;
    FCollapsed = value;
    FHeader->update();
    FGroup->Restack();
}

void TCategoryPanel::SetHeight(int value)
{
    FFullHeight = std::max(value, FGroup->HeaderHeight());
    FGroup->Restack();
}

void TCategoryPanel::SetTop(int value)
{
    auto& order = FGroup->FPanels;
    order.erase(std::find(order.begin(), order.end(), this));
    FGroup->Restack();
    const auto at = std::find_if(order.begin(), order.end(), [value](const TCategoryPanel* p) {
        return !p->isHidden() && p->y() >= value;
    });
    order.insert(at, this);
    FGroup->Restack();
}

void TCategoryPanel::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    FGroup->Restack();
}

TCategoryPanelGroup::TCategoryPanelGroup(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setTracking(true);
    verticalScrollBar()->setSingleStep(kLineStep);
    FContent = new QWidget;
    setWidget(FContent);
    setWidgetResizable(false);
}

void TCategoryPanelGroup::Add(TCategoryPanel* panel)
{
    FPanels.push_back(panel);
    Restack();
}

void TCategoryPanelGroup::ScrollLines(int lines)
{
    const auto action = lines < 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    for (int i = 0; i < std::abs(lines); ++i)
        verticalScrollBar()->triggerAction(action);
}

void TCategoryPanelGroup::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    Restack();
}

void TCategoryPanelGroup::Restack()
{
    if (FRestacking)
        return;
    FRestacking = true;
    // The panels' total height decides the scroll bar, and the scroll bar the panels' width.
    int total = 0;
    for (const TCategoryPanel* p : FPanels)
        if (!p->isHidden())
            total += p->FCollapsed ? FHeaderHeight : p->FFullHeight;
    const int width = total > height() ? this->width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this)
                                       : this->width();
    int top = 0;
    for (TCategoryPanel* p : FPanels) {
        const int h = p->FCollapsed ? FHeaderHeight : p->FFullHeight;
        p->FHeader->setGeometry(0, 0, width, FHeaderHeight);
        p->FSurface->setGeometry(0, FHeaderHeight, width, std::max(0, h - FHeaderHeight));
        p->FSurface->setVisible(!p->FCollapsed);
        p->resize(width, h);
    }
    for (TCategoryPanel* p : FPanels)
        if (!p->isHidden()) {
            p->move(0, top);
            top += p->height();
        }
    FContent->resize(width, top);
    FRestacking = false;
}
