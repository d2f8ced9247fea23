#pragma once
// The About box: product, codes and version, in fixed texts.
#include "platform/Form.h"

class QLabel;
class TSbButton;

class TFAbout : public TForm {
public:
    explicit TFAbout(QWidget* parent = nullptr);
    ~TFAbout() override;

    void Label4Click();

    QLabel* Image2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label12;
    TSbButton* SbButton1;

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
