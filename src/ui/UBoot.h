#pragma once
// The device-update dialog: pings the converter, writes the update job next to the program and runs the
// external update program, which sends the project's images.
#include "platform/Form.h"
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TClock;
class TPinger;
class TSbButton;

class TFBoot : public TForm {
public:
    explicit TFBoot(QWidget* parent = nullptr);
    ~TFBoot() override;

    std::uint32_t BACnetType = 0;  // of the open project: 1 = MS/TP
    std::int32_t ping_res = 0;     // last echo: 0 none answered, 1 reply with data, 2 time-out

    // The update step's entry: takes the project's BACnet type and shows the dialog modally.
    TModalResult Show_Update(std::uint32_t Type);

    void Set_Lang();
    // True when the last echo of the rounds was answered.
    bool Send_Ping();
    // False (after telling the user) when the job file could not be written.
    bool Compile_XML_Parameter_New_Boot();
    void Btn_UpdateClick(QObject* Sender);

    // What the echoes go through and how their time is measured; tests give fakes.
    void SetPinger(std::unique_ptr<TPinger> pinger);
    void SetClock(std::unique_ptr<TClock> clock);
    // True while an update press is being handled.
    bool Busy() const { return FBusy; }

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QWidget* P_IP_Address = nullptr;
    QLabel* L_IP_Address = nullptr;
    QLineEdit* E_IP1 = nullptr;
    QLineEdit* E_IP2 = nullptr;
    QLineEdit* E_IP3 = nullptr;
    QLineEdit* E_IP4 = nullptr;
    QWidget* P_Options = nullptr;
    QLabel* L_Update_Option = nullptr;
    QComboBox* CB_Update_Options = nullptr;
    QCheckBox* CB_Update_Option_Read_Back = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TSbButton* Btn_Update = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override;
    bool FormCloseQuery() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Address() const;

    std::unique_ptr<TPinger> FPinger;
    std::unique_ptr<TClock> FClock;
    QString FNoSocket;  // why no echo could be sent at all
    bool FBusy = false;
};
