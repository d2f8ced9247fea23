#pragma once
// A pick-only numeric drop-down whose pop-up holds a track bar; the Up and Down keys and a sideways drag over
// the edit change the value too.
#include "widgets/dropdown/VxDropDown.h"

class QSlider;

class TVxTrackBarDropDown : public TVxCustomDropDown {
public:
    explicit TVxTrackBarDropDown(QWidget* AOwner = nullptr);

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // The tick frequency, also the step of the Up and Down keys.
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    // The bar's page step, also the divisor of a drag over the edit; 0 turns dragging off.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    QSlider* TrackBar() const { return FTrackBar; }

    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void Change() override;
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void TrackChanged();

    QSlider* FTrackBar = nullptr;
    int FMin = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    int FMax = 10;
    int FPosition = 0;
    bool FMouseDraging = false;
    int FMouseX = 0;
};
