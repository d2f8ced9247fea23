#include "tables/fieldbus/UTopicTemplate.h"

#include "core/ULanguage.h"
#include "grid/core/VxStringGrid.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {
constexpr int kWidth = 635;
constexpr int kHeight = 396;

// The family's keywords with their descriptions: it has none.
const QStringList kKeywords;
const QStringList kKeywordDescriptions;
} // namespace

TFTopicTemplate::TFTopicTemplate(QWidget* parent) : TForm(parent)
{
    FTopicTemplate = this;
    resize(kWidth, kHeight);
    Set_Lang();
}

void TFTopicTemplate::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Title->setFixedHeight(P_Title->height());

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setHandleWidth(3);
    Panel1 = new QWidget(Splitter1);
    RE_TopicTemplate = new QPlainTextEdit(Panel1);
    // A template may hold tabs; Tab types one instead of leaving the box.
    RE_TopicTemplate->setTabChangesFocus(false);
    auto* text = new QVBoxLayout(Panel1);
    text->setContentsMargins(0, 0, 0, 0);
    text->addWidget(RE_TopicTemplate);
    P_Legend = new QWidget(Splitter1);
    L_List_Keywords = new QLabel(P_Legend);
    VXG_Keywords = new TVxStringGrid(P_Legend);
    VXG_Keywords->SetColCount(2);
    VXG_Keywords->SetFixedCols(0);
    VXG_Keywords->SetFixedRows(1);
    VXG_Keywords->SetColWidths(0, 200);
    VXG_Keywords->SetColWidths(1, 380);
    VXG_Keywords->SetOptions(VXG_Keywords->Options() | TGridOption::goEditing);
    auto* legend = new QVBoxLayout(P_Legend);
    legend->setContentsMargins(4, 4, 4, 4);
    legend->addWidget(L_List_Keywords);
    legend->addWidget(VXG_Keywords, 1);
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(P_Legend);
    Splitter1->setStretchFactor(0, 1);

    P_Button = Make_Button_Bar(this, kWidth, kHeight);
    P_Button->setFixedHeight(P_Button->height());
    Btn_OK = Make_Bar_Button(P_Button, 10);
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = Make_Bar_Button(P_Button, 125);
    Btn_Cancel->SetModalResult(mrCancel);
    auto* bar = new QHBoxLayout(P_Button);
    bar->setContentsMargins(10, 0, 10, 0);
    for (TSbButton* button : {Btn_OK, Btn_Cancel}) {
        button->setFixedSize(button->size());
        bar->addWidget(button);
    }
    bar->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(P_Button);
    Set_Lang();
}

TFTopicTemplate::~TFTopicTemplate()
{
    if (FTopicTemplate == this)
        FTopicTemplate = nullptr;
}

void TFTopicTemplate::Set_Lang()
{
    SetCaption(Lang(3600));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(3602));
    L_List_Keywords->setText(Lang(3604));
    VXG_Keywords->SetCells(0, 0, Lang(3605));
    VXG_Keywords->SetCells(1, 0, Lang(3606));
    Btn_OK->SetCaption(Lang(3607));
    Btn_Cancel->SetCaption(Lang(3608));
}

void TFTopicTemplate::FormShow()
{
    const bool isTemplate = TopicTemplate != 0;
    SetCaption(Lang(isTemplate ? 3601 : 3600));
    L_SW_Desc->setText(Lang(isTemplate ? 3603 : 3602));
    Laod_Keywords();
    RE_TopicTemplate->setFocus();
}

void TFTopicTemplate::Laod_Keywords()
{
    const int n = static_cast<int>(kKeywords.size());
    VXG_Keywords->SetRowCount(std::max(n, 1) + 1);
    for (int r = 1; r <= std::max(n, 1); ++r) {
        VXG_Keywords->SetCells(0, r, kKeywords.value(r - 1));
        VXG_Keywords->SetCells(1, r, kKeywordDescriptions.value(r - 1));
        VXG_Keywords->SetReadOnly(1, r, true);
    }
}
