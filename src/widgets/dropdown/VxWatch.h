#pragma once
// The analogue clock: a painted dial with hour and minute hands (and a second hand as a live clock). A click
// inside the dial sets the hour, in the ring outside it the minute, on the AM/PM box the half of the day; the
// hands move in animated steps. Its look (TWatchAppearance) and behaviour (TWatchSettings) are objects of
// their own; twelve preset looks and a colour table per library style fill the look.
//
// The system time, the two timers and the pause between frames of the AM/PM roll come from a time source,
// which tests replace to step the clock by hand.
#include "grid/foundation/GridTypes.h"
#include "grid/foundation/VxStyleIF.h"
#include "platform/CustomControl.h"
#include <QImage>
#include <functional>
#include <memory>

enum class TWatchShape { wsCircle, wsRect, wsRoundRect };
enum class TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum class TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum class THourMarkStyle { hmsLine, hmsQuartDblLine };
enum class TAMPMFrame { apRect, apRoundRect };
enum class TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum class TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray, wsSuperNova,
    wsSports, wsSmooth
};

// A time of day from its parts; false (and T unchanged) for an hour above 23 or a minute, second or
// millisecond out of range.
bool TryEncodeTime(int Hour, int Minute, int Second, int MSec, TDateTime& T);
// The parts of the time of day of T (its fraction of a day).
void DecodeTime(TDateTime T, int& Hour, int& Minute, int& Second, int& MSec);

// A repeating timer.
class TWatchTimer {
public:
    virtual ~TWatchTimer() = default;
    virtual void SetEnabled(bool value) = 0;
    virtual bool Enabled() const = 0;
    std::function<void()> OnTimer;
};

class TWatchTimeSource {
public:
    virtual ~TWatchTimeSource() = default;
    virtual TDateTime CurrentTime() = 0;
    virtual std::unique_ptr<TWatchTimer> CreateTimer(int Interval) = 0;
    virtual void Pause(int Milliseconds) = 0;
};

class TWatchAppearance;

// The clock colours of a library style (tsCustom sets none), the same for a clock and a time picker.
void ApplyWatchColors(TWatchAppearance& Appearance, TZarnStyle AStyle);

// The source new clocks take: the system's, unless one was installed (nullptr reinstalls the system's).
TWatchTimeSource& WatchTimeSource();
void SetWatchTimeSource(TWatchTimeSource* Source);

class TWatchAppearance {
public:
    TWatchAppearance();
    // Every property back to its default, with new default fonts and an empty picture.
    void SetDefaults();
    // Copies every property of another appearance.
    void Assign(const TWatchAppearance& Source);

#define VX_WATCH_PROPERTY(Type, Name)                                                                               \
    Type Name() const { return F##Name; }                                                                            \
    void Set##Name(Type value) { SetProperty(F##Name, value, [this] { Changed(); }); }
    VX_WATCH_PROPERTY(int, Size)
    VX_WATCH_PROPERTY(TWatchShape, Shape)
    VX_WATCH_PROPERTY(TColor, BackgroundColor)
    VX_WATCH_PROPERTY(TColor, BackgroundColorTo)
    VX_WATCH_PROPERTY(TWatchGradient, BackgroundGradient)
    VX_WATCH_PROPERTY(TColor, BorderColor)
    VX_WATCH_PROPERTY(int, BorderWidth)
    VX_WATCH_PROPERTY(TTickMarks, TickMarks)
    VX_WATCH_PROPERTY(TColor, HourColor)
    VX_WATCH_PROPERTY(int, HourMarkWidth)
    VX_WATCH_PROPERTY(int, HourMarkLength)
    VX_WATCH_PROPERTY(THourMarkStyle, HourMarkStyle)
    VX_WATCH_PROPERTY(TColor, MinuteColor)
    VX_WATCH_PROPERTY(int, MinuteMarkWidth)
    VX_WATCH_PROPERTY(int, MinuteMarkLength)
    VX_WATCH_PROPERTY(TPointerStyle, PointerStyle)
    VX_WATCH_PROPERTY(TColor, HourPointer)
    VX_WATCH_PROPERTY(int, HourPointerSize)
    VX_WATCH_PROPERTY(TColor, HourPointerShadow)
    VX_WATCH_PROPERTY(TColor, MinutePointer)
    VX_WATCH_PROPERTY(int, MinutePointerSize)
    VX_WATCH_PROPERTY(TColor, MinutePointerShadow)
    VX_WATCH_PROPERTY(TColor, SecondPointer)
    VX_WATCH_PROPERTY(int, SecondPointerSize)
    VX_WATCH_PROPERTY(int, CenterPointSize)
    VX_WATCH_PROPERTY(TColor, CenterPointColor)
    VX_WATCH_PROPERTY(TColor, CenterPointBorderColor)
    VX_WATCH_PROPERTY(TColor, CenterPointOuterBorderColor)
    VX_WATCH_PROPERTY(TColor, AMPMColor)
    VX_WATCH_PROPERTY(TColor, AMPMBorderColor)
    VX_WATCH_PROPERTY(TAMPMFrame, AMPMFrame)
#undef VX_WATCH_PROPERTY
    const TFont& HourFont() const { return FHourFont; }
    void SetHourFont(const TFont& value) { SetPropertyAlways(FHourFont, value, [this] { Changed(); }); }
    const TFont& AMPMFont() const { return FAMPMFont; }
    void SetAMPMFont(const TFont& value) { SetPropertyAlways(FAMPMFont, value, [this] { Changed(); }); }
    // Drawn over the face at its own size.
    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& value) { SetPropertyAlways(FPicture, value, [this] { Changed(); }); }
    // Colours set without a change notice (the style tables do).
    void StoreAMPMColors(TColor Color, TColor BorderColor);

    TNotifyEvent OnChange;

private:
    void Changed();

    int FSize;
    TWatchShape FShape;
    TColor FBackgroundColor, FBackgroundColorTo;
    TWatchGradient FBackgroundGradient;
    TColor FBorderColor;
    int FBorderWidth;
    QImage FPicture;
    TTickMarks FTickMarks;
    TColor FHourColor;
    int FHourMarkWidth, FHourMarkLength;
    THourMarkStyle FHourMarkStyle;
    TColor FMinuteColor;
    int FMinuteMarkWidth, FMinuteMarkLength;
    TFont FHourFont;
    TPointerStyle FPointerStyle;
    TColor FHourPointer;
    int FHourPointerSize;
    TColor FHourPointerShadow;
    TColor FMinutePointer;
    int FMinutePointerSize;
    TColor FMinutePointerShadow;
    TColor FSecondPointer;
    int FSecondPointerSize;
    int FCenterPointSize;
    TColor FCenterPointColor, FCenterPointBorderColor, FCenterPointOuterBorderColor;
    TFont FAMPMFont;
    TColor FAMPMColor, FAMPMBorderColor;
    TAMPMFrame FAMPMFrame;
};

class TWatchSettings {
public:
    // Runs on the system time.
    bool Auto() const { return FAuto; }
    void SetAuto(bool value) { SetProperty(FAuto, value, [this] { Changed(); }); }
    // Minutes added to the system time in Auto mode.
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int value) { SetProperty(FTimeOffset, value, [this] { Changed(); }); }
    // The second hand in Auto mode.
    bool Second() const { return FSecond; }
    void SetSecond(bool value) { SetProperty(FSecond, value, [this] { Changed(); }); }
    void Assign(const TWatchSettings& Source);

    TNotifyEvent OnChange;

private:
    void Changed();
    bool FAuto = false;
    int FTimeOffset = 0;
    bool FSecond = true;
};

class TVxWatch : public TCustomControl, public IZarnStyle {
public:
    explicit TVxWatch(QWidget* AOwner = nullptr);
    ~TVxWatch() override;

    bool Animation() const { return FAnimation; }
    void SetAnimation(bool value) { FAnimation = value; }
    // The divisor of each animation step; 0 or less counts as 1.
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int value) { FAnimationFactor = value; }
    TWatchAppearance& Appearance() const { return *FAppearance; }
    void SetAppearance(const TWatchAppearance& value) { FAppearance->Assign(value); }
    TWatchSettings& Settings() const { return *FSettings; }
    void SetSettings(const TWatchSettings& value) { FSettings->Assign(value); }
    // Writing stores the value and moves the hands at once; it does not fire OnChange.
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime value);
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool value);
    TWatchStyle Style() const { return FStyle; }
    // Applies the preset, from the defaults, when the style changes.
    void SetStyle(TWatchStyle value);
    void SetComponentStyle(TZarnStyle AStyle) override;
    // The label shows "AM".
    bool AM() const { return FAM; }
    // An animation is moving a hand.
    bool Animating() const;

    // Hour 0 to 23 (a larger one is refused) and minute 0 to 59, animated when Animation is on.
    void SetHour(int Value);
    // Throws "Invalid time" for 60 or more.
    void SetMinute(int Value);
    // PageUp, PageDown, Left, Right, Home, End, A and P.
    void WatchKeyDown(std::uint16_t Key);

    // The dial square, its centre and radius; the AM/PM box, (-1, -1, -1, -1) without ShowAMPM.
    TRect GetWatchRect() const;
    TPoint GetCenter() const;
    int GetRadius() const;
    TRect GetAMPMRect();

    // The hour or minute hand arrived where SetHour or SetMinute sent it.
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    TDlgCodes GetDlgCode() const override;
    void resizeEvent(QResizeEvent* e) override;

private:
    TDateTime DisplayTime() const;
    void InternalSetTime(TDateTime value);
    void UpdatePointers();
    void SetAM(bool AM);
    int MinuteAtPos(int X, int Y) const;
    int HourAtPos(int X, int Y) const;
    void AnimationTimerTick();
    void WatchTimerTick();
    void SettingsChanged();
    // The hour or minute set without animation.
    void SetHourDirectly(int Value);
    void SetMinuteDirectly(int Value);
    int Factor() const { return FAnimationFactor > 0 ? FAnimationFactor : 1; }

    // Face, marks, numbers and AM/PM box into the background cache.
    void DrawBackground(TCanvas& Canvas);
    void DrawTickMarks(TCanvas& Canvas);
    void DrawNumbers(TCanvas& Canvas);
    void DrawAMPM(TCanvas& Canvas);
    void DrawPointers(TCanvas& Canvas);

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    TDateTime FTime = 0;
    QImage FBKGCache;
    bool FCacheValid = false;
    TWatchTimeSource& FSource;
    std::unique_ptr<TWatchTimer> FWatchTimer;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    std::unique_ptr<TWatchTimer> FAnimationTimer;
    int FCurrentHourTo = 0;
    int FCurrentMinuteTo = 0;
    int FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    bool FInternalSet = false;
    TWatchStyle FStyle = TWatchStyle::wsClassic;
    // While the AM/PM label rolls: the top of the strip's window, in pixels from the "AM" half.
    int FRollOffset = -1;
};
