#include "widgets/dropdown/VxTrackBarDropDown.h"
#include "grid/core/HeaderFooterAppearance.h"
#include <QMouseEvent>
#include <QSlider>

TVxTrackBarDropDown::TVxTrackBarDropDown(QWidget* AOwner) : TVxCustomDropDown(AOwner)
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(TDropDownEditType::etNumeric);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
}

void TVxTrackBarDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (FTrackBar)
        return;
    FTrackBar = new QSlider(Qt::Horizontal, DropDownForm());
    FTrackBar->setGeometry(0, 0, FTrackBar->width(), 40);
    FTrackBar->setTickPosition(QSlider::TicksBelow);
    FTrackBar->setRange(FMin, FMax);
    FTrackBar->setValue(FPosition);
    QObject::connect(FTrackBar, &QSlider::valueChanged, this, [this] { TrackChanged(); });
}

void TVxTrackBarDropDown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    FTrackBar->setRange(FMin, FMax);
    FTrackBar->setValue(FPosition);
    FTrackBar->setPageStep(FPageSize);
    FTrackBar->setTickInterval(FFrequency);
    FTrackBar->resize(width(), FTrackBar->height());
    SetControl(FTrackBar);
}

void TVxTrackBarDropDown::SetMin(int value)
{
    FMin = value;
    if (FTrackBar) {
        FTrackBar->setMinimum(value);
        FMin = FTrackBar->minimum();
    }
}

void TVxTrackBarDropDown::SetMax(int value)
{
    FMax = value;
    if (FTrackBar) {
        FTrackBar->setMaximum(value);
        FMax = FTrackBar->maximum();
    }
}

void TVxTrackBarDropDown::SetPosition(int value)
{
    FPosition = value;
    if (FTrackBar) {
        FTrackBar->setValue(value);
        FPosition = FTrackBar->value();
    }
}

void TVxTrackBarDropDown::SetFrequency(int value)
{
    FFrequency = value;
    if (FTrackBar)
        FTrackBar->setTickInterval(value);
}

void TVxTrackBarDropDown::SetPageSize(int value)
{
    FPageSize = value;
    if (FTrackBar)
        FTrackBar->setPageStep(value);
}

void TVxTrackBarDropDown::TrackChanged()
{
    FPosition = FTrackBar->value();
    SetEditText(QString::number(FPosition));
    if (OnTrackChange)
        OnTrackChange(this);
}

void TVxTrackBarDropDown::Change()
{
    TVxCustomDropDown::Change();
    // A text that is no whole number (a program may write one) leaves the position as it was.
    bool ok = false;
    const int value = GetText().toInt(&ok);
    if (ok)
        SetPosition(value);
}

bool TVxTrackBarDropDown::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const bool passOn = TVxCustomDropDown::EditKeyDown(Key, Shift);
    if (EditorEnabled() || Shift.testFlag(TShiftStateItem::ssAlt))
        return passOn;
    if (Key == VK_UP && FPosition - FFrequency >= FMin)
        SetPosition(FPosition - FFrequency);
    else if (Key == VK_DOWN && FPosition + FFrequency <= FMax)
        SetPosition(FPosition + FFrequency);
    return passOn;
}

void TVxTrackBarDropDown::mousePressEvent(QMouseEvent* e)
{
    if (DropDownEnabled() && !EditorEnabled() && e->button() == Qt::LeftButton) {
        FMouseDraging = true;
        FMouseX = e->position().toPoint().x();
    }
    TVxCustomDropDown::mousePressEvent(e);
}

void TVxTrackBarDropDown::mouseMoveEvent(QMouseEvent* e)
{
    TVxCustomDropDown::mouseMoveEvent(e);
    if (!FMouseDraging || FPageSize == 0)
        return;
    const int x = e->position().toPoint().x();
    SetPosition(FPosition + (x - FMouseX) / FPageSize);
    FMouseX = x;
}

void TVxTrackBarDropDown::mouseReleaseEvent(QMouseEvent* e)
{
    FMouseDraging = false;
    TVxCustomDropDown::mouseReleaseEvent(e);
}
