#include "ui/UAbout.h"

#include "ui/UProduct.h"
#include "widgets/button/SbButton.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>


namespace {

// The maker's mark: a blue tile with a white "V".
QPixmap Logo()
{
    QPixmap p(64, 64);
    p.fill(QColor(0x1F, 0x4E, 0x96));
    QPainter painter(&p);
    QFont f = painter.font();
    f.setPixelSize(44);
    f.setBold(true);
    painter.setFont(f);
    painter.setPen(Qt::white);
    painter.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("V"));
    return p;
}

} // namespace

TFAbout::TFAbout(QWidget* parent) : TForm(parent)
{
    SetCaption(QStringLiteral("About"));
}

void TFAbout::Build_Controls()
{
    auto label = [this](int left, int top, const QString& text = QString()) {
        auto* l = new QLabel(text, this);
        l->move(left, top);
        return l;
    };
    Image2 = label(12, 12);
    Image2->setPixmap(Logo());
    Image2->adjustSize();
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);
    Label1 = label(90, 10, QStringLiteral("Software Vostrelant "));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = label(90, 30);
    Label3 = label(90, 52, QStringLiteral("Version :"));
    Label6 = label(90, 70, QStringLiteral("Software Code : "));
    Label8 = label(90, 88, QStringLiteral("Document Code :"));
    Label10 = label(200, 52);
    Label9 = label(200, 70);
    Label12 = label(200, 88);
    Label4 = label(12, 118, Link_Html(Web_Home_Page(), Web_Host));
    connect(Label4, &QLabel::linkActivated, this, [this] { Label4Click(); });
    SbButton1 = new TSbButton(this);
    SbButton1->setGeometry(303, 110, 110, 28);
    SbButton1->SetCaption(QStringLiteral("OK"));
    SbButton1->SetModalResult(mrOk);
    for (QLabel* l : {Label1, Label3, Label4, Label6, Label8})
        l->adjustSize();
}

TFAbout::~TFAbout() = default;

void TFAbout::FormShow()
{
    Label2->setText(Product_SW_Desc);
    Label9->setText(Product_SW_Code);
    Label10->setText(Product_Version);
    Label12->setText(Product_Doc_Code);
    for (QLabel* l : {Label2, Label9, Label10, Label12})
        l->adjustSize();
    SetFixedClientSize(425, 148);
}

void TFAbout::Label4Click()
{
    Open_Link(Web_Home_Page());
}

bool TFAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image2 && event->type() == QEvent::MouseButtonRelease) {
        Label4Click();
        return true;
    }
    return TForm::eventFilter(watched, event);
}
