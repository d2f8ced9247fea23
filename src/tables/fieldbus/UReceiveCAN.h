#pragma once
// The CAN receive frame table: the frames a CAN member of the family receives, their identifiers, lengths,
// time-outs and the data-area positions of their bytes, kept in CAN_Rec_Frames.xml.
#include "tables/TableWindow.h"

class TFReceiveCAN : public TTableWindow {
public:
    explicit TFReceiveCAN(QWidget* parent = nullptr);
    ~TFReceiveCAN() override;

    TVxColumnGrid* VCG_CAN_Receive = nullptr;

protected:
    void On_Build() override;
};

extern TFReceiveCAN* FReceiveCAN;
