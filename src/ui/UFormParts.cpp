#include "ui/UFormParts.h"

#include "core/UComon.h"
#include "widgets/button/SbButton.h"

#include <QFont>
#include <QLabel>

void Set_Gray_Text(QLabel* label)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::gray);
    label->setPalette(p);
}

TTitlePanel Make_Title_Panel(QWidget* form, int width)
{
    TTitlePanel t;
    t.Panel = new QWidget(form);
    t.Panel->setGeometry(0, 0, width, 50);
    t.Panel->setAutoFillBackground(true);
    QPalette p = t.Panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    t.Panel->setPalette(p);
    t.L_SW_Code = new QLabel(SW_Code, t.Panel);
    QFont code = t.L_SW_Code->font();
    code.setBold(true);
    code.setPointSize(12);
    t.L_SW_Code->setFont(code);
    Set_Gray_Text(t.L_SW_Code);
    t.L_SW_Code->move(8, 4);
    t.L_SW_Code->adjustSize();
    t.L_SW_Desc = new QLabel(t.Panel);
    QFont desc = t.L_SW_Desc->font();
    desc.setBold(true);
    t.L_SW_Desc->setFont(desc);
    t.L_SW_Desc->setGeometry(8, 28, width - 16, 18);
    return t;
}

QWidget* Make_Button_Bar(QWidget* form, int width, int formHeight, int height)
{
    auto* bar = new QWidget(form);
    bar->setGeometry(0, formHeight - height, width, height);
    return bar;
}

TSbButton* Make_Bar_Button(QWidget* bar, int left)
{
    auto* b = new TSbButton(bar);
    b->setGeometry(left, (bar->height() - 28) / 2, 110, 28);
    b->SetStyle(TSbButtonStyle::bsEncarta);
    return b;
}
