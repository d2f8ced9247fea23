#pragma once
// TCustomDateTimePicker: the flat picker that moves on to the next field once a typed digit changed the
// current one (AutoTab). TVxDateTimePicker: a picker of date, time or date and time with a caption label; for
// date and time it embeds a time picker at its right end and keeps the two in step.
#include "grid/foundation/GridTypes.h"
#include "grid/edit/editors/ControlLabel.h"
#include "grid/edit/editors/VxgDateTimePicker.h"
#include <QPointer>

class TCustomDateTimePicker : public TFlatDateTimePicker {
    Q_OBJECT
public:
    explicit TCustomDateTimePicker(QWidget* AOwner = nullptr);

    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool value) { FAutoTab = value; }
    // The picker's own value as the toolkit counts it.
    TDateTime PickerDateTime() const;
    void SetPickerDateTime(TDateTime value);

protected:
    // After a typed digit: moves on when it changed the field.
    virtual void CheckAutoTab();
    // True: the border painting is left to the toolkit.
    virtual bool UseDefaultPainting() const { return true; }
    bool MetroPaintingActive() const override { return MetroStyle() && !UseDefaultPainting(); }
    void KeyPress(QChar& Key) override;
    // Moves the caret to the next field, as the right-arrow key does in the platform's picker.
    void NextField();

private:
    bool FAutoTab = false;
    std::uint16_t Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};

enum class TVxDateTimeKind { dkDate, dkTime, dkDateTime };

class TVxDateTimePicker : public TCustomDateTimePicker {
    Q_OBJECT
public:
    explicit TVxDateTimePicker(QWidget* AOwner = nullptr);
    ~TVxDateTimePicker() override;

    TVxDateTimeKind VxKind() const { return FKind; }
    void SetVxKind(TVxDateTimeKind value);
    QString TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const QString& value);
    void SetAutoTab(bool value) override;
    void SetBorderStyle(TBorderStyle value) override;

    TDateTime DateTime() const;
    virtual void SetDateTime(TDateTime value);
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    void SetColor(TColor value) override;

    // nullptr unless the kind is date and time.
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

    QLabel* PickerLabel() const { return FLabel->Label(); }
    QString LabelCaption() const { return FLabel->Caption(); }
    void SetLabelCaption(const QString& value) { FLabel->SetCaption(value); }
    const TFont& LabelFont() const { return FLabel->Font(); }
    // Taken only while the label follows the picker's font is off.
    void SetLabelFont(const TFont& value);
    int LabelMargin() const { return FLabel->Margin(); }
    void SetLabelMargin(int value) { FLabel->SetMargin(value); }
    TLabelPosition LabelPosition() const { return FLabel->Position(); }
    void SetLabelPosition(TLabelPosition value) { FLabel->SetPosition(value); }
    bool LabelTransparent() const { return FLabel->Transparent(); }
    void SetLabelTransparent(bool value) { FLabel->SetTransparent(value); }
    bool LabelAlwaysEnabled() const { return FLabel->AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool value) { FLabel->SetAlwaysEnabled(value); }
    bool FocusLabel() const { return FLabel->FocusLabel(); }
    void SetFocusLabel(bool value) { FLabel->SetFocusLabel(value); }
    bool ParentFont() const { return FLabel->ParentFont(); }
    void SetParentFont(bool value) { FLabel->SetParentFont(value); }

    QString Version() const { return QStringLiteral("1.2.0.0"); }

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    bool UseDefaultPainting() const override { return false; }
    void CheckAutoTab() override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    // Key presses of the time part; nothing by default.
    virtual void TimePickerKeyPress(QObject* Sender, QChar& Key);

    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void CreateTimePicker();
    void LayoutTimePicker();
    void EnableTimePart();

    TVxDateTimeKind FKind = TVxDateTimeKind::dkDate;
    QString FTimeFormat;
    std::uint16_t Fy = 0, Fm = 0, Fd = 0;
    TControlLabel* FLabel;
    bool FIgnoreTimePickerCheck = false;
    bool FFirstRun = true;
    QPointer<TCustomDateTimePicker> FTimePicker;
};
