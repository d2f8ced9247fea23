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

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QWidget* Panel1 = nullptr;
    QPlainTextEdit* RE_TopicTemplate = nullptr;
    QWidget* P_Legend = nullptr;
    QLabel* L_List_Keywords = nullptr;
    TVxStringGrid* VXG_Keywords = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override;
};

extern TFTopicTemplate* FTopicTemplate;
