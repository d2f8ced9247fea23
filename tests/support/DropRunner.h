#pragma once
// Drags without a pointer: the events a window system sends a drop target, delivered in order.
#include "grid/foundation/DragDrop.h"
#include <QImage>
#include <QPoint>

class QMimeData;
class QWidget;

// Enter, one move and the drop at Pos of Target (viewport coordinates). The action the target took;
// IgnoreAction when it refused the data at any step.
Qt::DropAction DeliverDrop(QWidget* Target, QPoint Pos, const QMimeData* Data, Qt::DropActions Offered,
                           Qt::KeyboardModifiers Modifiers = Qt::NoModifier);

// Stands in for the drag loop while it lives: every drag the program starts lands on Target at Pos.
class EventDropRunner : public TDragRunner {
public:
    EventDropRunner(QWidget* Target, QPoint Pos, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    ~EventDropRunner() override;
    Qt::DropAction Exec(QWidget* Source, QMimeData* Data, Qt::DropActions OKEffects,
                        const std::function<void(Qt::DropAction)>& Feedback) override;
    void DragImage(const QPixmap& Image, QPoint HotSpot) override
    {
        FImage = Image.toImage();
        FHotSpot = HotSpot;
    }
    int Drags() const { return FDrags; }
    // The picture the last drag showed, and where the pointer sat on it.
    const QImage& Image() const { return FImage; }
    QPoint HotSpot() const { return FHotSpot; }

private:
    QWidget* FTarget;
    QPoint FPos;
    Qt::KeyboardModifiers FModifiers;
    int FDrags = 0;
    QImage FImage;
    QPoint FHotSpot;
};
