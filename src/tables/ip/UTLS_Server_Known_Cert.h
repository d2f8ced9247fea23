#pragma once
// The known TLS certificates table: up to ten certificates, each with an enable check box and a
// description, kept in TLS_Known_Cert.xml.
#include "tables/TableWindow.h"

class TVxStringGrid;

// The table as the frame shows it: check boxes in column 1, 60-pixel rows, no rules.
const TTableEditor& Known_Cert_Editor();

class TFTLS_Server_Known_Cert : public TTableWindow {
public:
    explicit TFTLS_Server_Known_Cert(QWidget* parent = nullptr);
    ~TFTLS_Server_Known_Cert() override;

    TVxStringGrid* VXG = nullptr;

protected:
    void On_Build() override;
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
