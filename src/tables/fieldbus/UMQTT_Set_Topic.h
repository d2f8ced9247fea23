#pragma once
// The MQTT topic tables: the topics an MQTT member of the family publishes, with the data it takes from its
// data area and when, and the topics it subscribes to, kept in MQTT_Set_Topic.xml. A double click on a
// template cell opens the topic template editor on it.
#include "tables/TableWindow.h"

class TFMQTT_Set_Topic : public TTableWindow {
public:
    explicit TFMQTT_Set_Topic(QWidget* parent = nullptr);
    ~TFMQTT_Set_Topic() override;

    // Edits the cell's text in the topic template editor; OK there puts the text back.
    void Show_Form_Topic(TVxColumnGrid& Grid, int ARow, int ACol);

    TVxColumnGrid* VCG_Pub = nullptr;
    TVxColumnGrid* VCG_Sub = nullptr;
    int Working_Mode = 1;   // the family's column configuration

protected:
    void On_Build() override;
    void Dbl_Click_Cell(TVxColumnGrid& Grid, int ARow, int ACol) override;
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
