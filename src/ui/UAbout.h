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

    QLabel* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label12 = nullptr;
    TSbButton* SbButton1 = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
