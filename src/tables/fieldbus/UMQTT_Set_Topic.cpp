#include "tables/fieldbus/UMQTT_Set_Topic.h"

#include "grid/core/VxColumnGrid.h"
#include "tables/fieldbus/MQTTTopicTable.h"
#include "tables/fieldbus/UTopicTemplate.h"

#include <QPlainTextEdit>

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

TFMQTT_Set_Topic::TFMQTT_Set_Topic(QWidget* parent) : TTableWindow(MQTT_Set_Topic_Editor(), parent)
{
    FMQTT_Set_Topic = this;
}

void TFMQTT_Set_Topic::On_Build()
{
    VCG_Pub = Grids[0];
    VCG_Sub = Grids[1];
}

TFMQTT_Set_Topic::~TFMQTT_Set_Topic()
{
    if (FMQTT_Set_Topic == this)
        FMQTT_Set_Topic = nullptr;
}

void TFMQTT_Set_Topic::Dbl_Click_Cell(TVxColumnGrid& Grid, int ARow, int ACol)
{
    TTableWindow::Dbl_Click_Cell(Grid, ARow, ACol);
    const int col = Grid.RealColIndex(ACol);
    if (ARow > 0 && col == (&Grid == VCG_Pub ? MQTT_Pub_Template_Col : MQTT_Sub_Template_Col))
        Show_Form_Topic(Grid, ARow, col);
}

void TFMQTT_Set_Topic::Show_Form_Topic(TVxColumnGrid& Grid, int ARow, int ACol)
{
    if (!FTopicTemplate)
        return;
    TFTopicTemplate& editor = *FTopicTemplate;
    const bool pub = &Grid == VCG_Pub;
    editor.TopicTemplate = ACol == (pub ? MQTT_Pub_Template_Col : MQTT_Sub_Template_Col) ? 1 : 0;
    editor.Working_Mode = Working_Mode;
    editor.Pub_Sub = pub ? 0 : 1;
    editor.Build();
    editor.RE_TopicTemplate->clear();
    editor.RE_TopicTemplate->setPlainText(Grid.Cells(ACol, ARow));
    if (editor.ShowModal() == mrOk)
        Grid.SetCells(ACol, ARow, editor.RE_TopicTemplate->toPlainText());
}
