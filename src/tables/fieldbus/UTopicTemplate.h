#pragma once
// The topic template editor: one MQTT template (or topic) text edited over several lines, with the list of
// keywords below it. The MQTT topic tables open it on a template cell and take the text back on OK.
#include "platform/Form.h"

class QLabel;
class QPlainTextEdit;
class QSplitter;
class TSbButton;
class TVxStringGrid;

class TFTopicTemplate : public TForm {
public:
    explicit TFTopicTemplate(QWidget* parent = nullptr);
    ~TFTopicTemplate() override;

    void Set_Lang();
    // Fills the keyword list: one row per keyword, or one empty row when there is none.
    void Laod_Keywords();

    int TopicTemplate = 0;   // 1: the text is a template, 0: a topic; chooses the title
    int Pub_Sub = 0;         // 0: a publish row's text, 1: a subscribe row's
    int Working_Mode = 0;    // the caller's column configuration

    QWidget* P_Title;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QWidget* Panel1;
    QPlainTextEdit* RE_TopicTemplate;
    QWidget* P_Legend;
    QLabel* L_List_Keywords;
    TVxStringGrid* VXG_Keywords;
    QSplitter* Splitter1;
    QWidget* P_Button;
    TSbButton* Btn_OK;
    TSbButton* Btn_Cancel;

protected:
    void FormShow() override;
};

extern TFTopicTemplate* FTopicTemplate;
