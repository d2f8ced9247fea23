#pragma once
// The IEC 61850 variables table: the variables the converter's IEC 61850 server publishes, each with
// its type, place in the internal data area and conversion, kept in IEC61850_Variables.xml.
#include "tables/TableWindow.h"

class TFIEC61850_Variables : public TTableWindow {
public:
    explicit TFIEC61850_Variables(QWidget* parent = nullptr);
    ~TFIEC61850_Variables() override;

    TVxColumnGrid* VCG = nullptr;

protected:
    void On_Build() override;
};

extern TFIEC61850_Variables* FIEC61850_Variables;
