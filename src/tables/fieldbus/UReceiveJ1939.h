#pragma once
// The J1939 receive frame table: the parameter groups a J1939 member captures, kept in J1939_Rec_Frames.xml.
#include "tables/TableWindow.h"

class TFReceiveJ1939 : public TTableWindow {
public:
    explicit TFReceiveJ1939(QWidget* parent = nullptr);
    ~TFReceiveJ1939() override;

    TVxColumnGrid* sga = nullptr;

protected:
    void On_Build() override;
};

extern TFReceiveJ1939* FReceiveJ1939;
