#pragma once
// A vertical stack of collapsible panels, each with a header bar showing its caption and an
// expand/collapse symbol, inside an area that scrolls vertically while the thumb is dragged.
// The group keeps its visible panels stacked in the order of their tops: when a panel changes
// height, is collapsed or expanded, shown or hidden, the panels below it move; the order stays.
#include <QScrollArea>
#include <QString>
#include <vector>

class TCategoryPanelGroup;

class TCategoryPanel : public QWidget {
public:
    // A new panel of `group`, expanded, below the panels already there.
    explicit TCategoryPanel(TCategoryPanelGroup* group);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);

    bool Collapsed() const { return FCollapsed; }
    void SetCollapsed(bool value);

    // Sets the expanded height, header included; a collapsed panel shows only its header.
    void SetHeight(int value);

    int Top() const { return y(); }
    // Moves the panel to `value` in the stack: taken out, it goes back before the first visible panel
    // then at that top or lower, or last.
    void SetTop(int value);

    // The area below the header that holds the panel's controls.
    QWidget* Surface() const { return FSurface; }
    QWidget* Header() const { return FHeader; }

    void setVisible(bool visible) override;

private:
    friend class TCategoryPanelGroup;
    TCategoryPanelGroup* FGroup;
    QWidget* FHeader;
    QWidget* FSurface;
    QString FCaption;
    bool FCollapsed = false;
    int FFullHeight;
};

class TCategoryPanelGroup : public QScrollArea {
public:
    explicit TCategoryPanelGroup(QWidget* parent = nullptr);

    int HeaderHeight() const { return FHeaderHeight; }
    // Every panel, in stacking order.
    const std::vector<TCategoryPanel*>& Panels() const { return FPanels; }

    // Scrolls one line up (negative) or down (positive) per step.
    void ScrollLines(int lines);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TCategoryPanel;
    void Add(TCategoryPanel* panel);
    void Restack();

    QWidget* FContent;
    std::vector<TCategoryPanel*> FPanels;
    int FHeaderHeight = 24;
    bool FRestacking = false;
};
