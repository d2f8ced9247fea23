// The clock's preset looks and its colours per library style.
#include "grid/model/GridText.h"
#include "widgets/dropdown/VxWatch.h"
#include <array>

namespace {
TFont MakeFont(const char* Name, int Size, TColor Color = clWindowText, bool Bold = false)
{
    TFont f;
    f.SetName(QString::fromLatin1(Name));
    f.SetSize(Size);
    f.SetColor(Color);
    if (Bold)
        f.SetStyle(TFontStyle::fsBold);
    return f;
}

// A font of the appearance with a new face (and size, colour, style where given).
TFont Face(const TFont& Base, const char* Name, int Size = 0, TColor Color = clNone, bool Bold = false)
{
    TFont f = Base;
    f.SetName(QString::fromLatin1(Name));
    if (Size > 0)
        f.SetSize(Size);
    if (Color != clNone)
        f.SetColor(Color);
    f.SetStyle(Bold ? TFontStyles(TFontStyle::fsBold) : TFontStyles());
    return f;
}

void Hands(TWatchAppearance& a, TColor Hour, TColor HourShadow, int HourSize, TColor Minute, TColor MinuteShadow)
{
    a.SetHourPointer(Hour);
    a.SetHourPointerShadow(HourShadow);
    a.SetHourPointerSize(HourSize);
    a.SetMinutePointer(Minute);
    a.SetMinutePointerShadow(MinuteShadow);
}

void Hub(TWatchAppearance& a, TColor Color, TColor Border, TColor Outer)
{
    a.SetCenterPointColor(Color);
    a.SetCenterPointBorderColor(Border);
    a.SetCenterPointOuterBorderColor(Outer);
}

struct StyleColors {
    TColor AMPMBorderColor, AMPMColor, BackgroundColor, BackgroundColorTo, BorderColor, CenterPointBorderColor,
        CenterPointColor, MarksAndHands, HandShadows, SecondPointer;
};

// Indexed by TZarnStyle; tsCustom's row is not used.
constexpr std::array<StyleColors, 16> kStyleColors = {{
    {0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
    {0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
    {0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
    {0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
    {0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0},
    {0x000000, clBtnFace, clBtnFace, clBtnFace, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0x000000},
    {0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
    {},
    {0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
    {0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
    {0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
    {0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
    {0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
}};

void SetFontColors(TWatchAppearance& a, TColor Color)
{
    TFont hour = a.HourFont();
    hour.SetColor(Color);
    a.SetHourFont(hour);
    TFont ampm = a.AMPMFont();
    ampm.SetColor(Color);
    a.SetAMPMFont(ampm);
}
} // namespace

void ApplyWatchColors(TWatchAppearance& a, TZarnStyle AStyle)
{
    a.SetCenterPointOuterBorderColor(clBlack);
    SetFontColors(a, clBlack);
    if (AStyle == TZarnStyle::tsCustom)
        return;
    const StyleColors& c = kStyleColors[std::size_t(AStyle)];
    a.StoreAMPMColors(c.AMPMColor, c.AMPMBorderColor);
    a.SetBackgroundColor(c.BackgroundColor);
    a.SetBackgroundColorTo(c.BackgroundColorTo);
    a.SetBorderColor(c.BorderColor);
    a.SetCenterPointBorderColor(c.CenterPointBorderColor);
    a.SetCenterPointColor(c.CenterPointColor);
    a.SetHourColor(c.MarksAndHands);
    a.SetMinuteColor(c.MarksAndHands);
    a.SetHourPointer(c.MarksAndHands);
    a.SetMinutePointer(c.MarksAndHands);
    a.SetHourPointerShadow(c.HandShadows);
    a.SetMinutePointerShadow(c.HandShadows);
    a.SetSecondPointer(c.SecondPointer);
    if (AStyle == TZarnStyle::tsOffice2007Obsidian)
        SetFontColors(a, 0xF2F1F0);
}

void TVxWatch::SetComponentStyle(TZarnStyle AStyle)
{
    ApplyWatchColors(*FAppearance, AStyle);
}

void TVxWatch::SetStyle(TWatchStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    TWatchAppearance& a = *FAppearance;
    a.SetDefaults();
    const int least = std::min(width(), height());
    switch (value) {
    case TWatchStyle::wsClassic:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif"));
        a.SetHourFont(Face(a.HourFont(), "Comic Sans MS", 10, clNone, true));
        a.SetHourMarkLength(8);
        Hands(a, clBlack, clBtnShadow, 5, a.MinutePointer(), clBtnShadow);
        a.SetMinuteMarkLength(4);
        FAnimation = true;
        FAnimationFactor = 10;
        FShowAMPM = true;
        FShowNumbers = true;
        break;
    case TWatchStyle::wsTower:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif"));
        a.SetAMPMFrame(TAMPMFrame::apRect);
        a.SetBorderWidth(1);
        a.SetBackgroundColor(0xB1F0FE);
        a.SetBackgroundColorTo(0x5BCCE8);
        a.SetBackgroundGradient(TWatchGradient::wgDiagonalForward);
        a.SetCenterPointColor(0x002BD5);
        a.SetCenterPointSize(6);
        a.SetHourFont(Face(a.HourFont(), "Century", 0, clWindowText, true));
        Hands(a, clBlack, clBtnShadow, 5, a.MinutePointer(), clBtnShadow);
        a.SetSecondPointer(0x002BD5);
        a.SetShape(TWatchShape::wsRect);
        a.SetPointerStyle(TPointerStyle::psPointer);
        a.SetAMPMColor(0xB1F0FE);
        a.SetTickMarks(TTickMarks::tmHours);
        FShowNumbers = false;
        break;
    case TWatchStyle::wsFluorescent:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif", 10, clWindowText));
        a.SetAMPMFrame(TAMPMFrame::apRoundRect);
        a.SetBorderColor(0xFF3E3E);
        a.SetBackgroundColor(clBlack);
        a.SetBackgroundColorTo(clBlack);
        Hub(a, 0xFF3E3E, clBlack, clBlack);
        a.SetCenterPointSize(20);
        a.SetHourFont(Face(a.HourFont(), "MS Sans Serif", 8, clWindowText));
        a.SetHourColor(0xFF3E3E);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(THourMarkStyle::hmsQuartDblLine);
        Hands(a, 0xFF3E3E, clBtnShadow, 2, 0xFF3E3E, clBtnShadow);
        a.SetMinuteColor(0xFF3E3E);
        a.SetMinutePointerSize(2);
        a.SetShape(TWatchShape::wsRoundRect);
        a.SetTickMarks(TTickMarks::tmHours);
        FShowAMPM = false;
        FShowNumbers = false;
        break;
    case TWatchStyle::wsEmerald:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif", 0, 0xA00000));
        a.SetAMPMFrame(TAMPMFrame::apRoundRect);
        a.SetAMPMColor(clNone);
        a.SetBorderColor(0x3AE800);
        a.SetBackgroundColor(0x3AE800);
        a.SetBackgroundColorTo(clBlack);
        a.SetBackgroundGradient(TWatchGradient::wgDiagonalForward);
        Hub(a, 0x38E100, 0x40FF00, clBlack);
        a.SetCenterPointSize(16);
        a.SetHourFont(Face(a.HourFont(), "MS Sans Serif", 0, 0x3AE800));
        a.SetHourColor(0x3AE800);
        a.SetHourMarkStyle(THourMarkStyle::hmsQuartDblLine);
        Hands(a, 0x40FF00, clBtnShadow, 5, 0x40FF00, clBtnShadow);
        a.SetSecondPointer(0x00FFFF);
        a.SetShape(TWatchShape::wsRect);
        a.SetPointerStyle(TPointerStyle::psPointer);
        a.SetTickMarks(TTickMarks::tmHours);
        FShowNumbers = false;
        FShowAMPM = false;
        break;
    case TWatchStyle::wsBlueStar:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif", 10, 0xA00000));
        a.SetAMPMBorderColor(clNone);
        a.SetAMPMColor(clNone);
        a.SetAMPMFrame(TAMPMFrame::apRoundRect);
        a.SetBorderColor(0xFFD5D5);
        a.SetBackgroundColor(0xFFD5D5);
        a.SetBackgroundColorTo(0xA00000);
        a.SetBackgroundGradient(TWatchGradient::wgRadial);
        a.SetHourFont(Face(a.HourFont(), "MS Sans Serif", 8, 0xFFD5D5));
        Hands(a, 0xA00000, clBtnShadow, 5, 0xA00000, clBtnShadow);
        a.SetShape(TWatchShape::wsRoundRect);
        a.SetPointerStyle(TPointerStyle::psPointer);
        FShowAMPM = true;
        FShowNumbers = true;
        break;
    case TWatchStyle::wsFuchsia:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif", 10, clWindowText));
        a.SetAMPMFrame(TAMPMFrame::apRoundRect);
        a.SetBorderColor(0xFFD0FF);
        a.SetBackgroundColor(clBlack);
        a.SetBackgroundColorTo(clBlack);
        a.SetCenterPointBorderColor(0xDD68DD);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointSize(20);
        a.SetHourFont(Face(a.HourFont(), "MS Sans Serif", 8, clWindowText));
        a.SetHourColor(0xFFD0FF);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(THourMarkStyle::hmsQuartDblLine);
        Hands(a, 0xFFD0FF, clBtnShadow, 2, 0xFFD0FF, clBtnShadow);
        a.SetMinuteColor(0xFFD0FF);
        a.SetMinutePointerSize(2);
        a.SetSecondPointer(0xDD68DD);
        a.SetShape(TWatchShape::wsRect);
        a.SetTickMarks(TTickMarks::tmQuartHours);
        FShowAMPM = false;
        FShowNumbers = false;
        break;
    case TWatchStyle::wsBlack:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif"));
        a.SetBackgroundColor(0x202020);
        a.SetBackgroundColorTo(clNone);
        a.SetBorderColor(clBlack);
        Hub(a, clWhite, clWhite, clWhite);
        a.SetHourColor(0x585858);
        a.SetHourFont(MakeFont("Century Gothic", 11, clWhite));
        Hands(a, clWhite, clBtnShadow, 5, clWhite, clBtnShadow);
        a.SetMinuteColor(0x585858);
        a.SetMinuteMarkLength(4);
        FShowAMPM = false;
        FShowNumbers = true;
        break;
    case TWatchStyle::wsBlackWhite:
        a.SetBackgroundColor(clWhite);
        a.SetBackgroundColorTo(clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(8);
        Hub(a, clBlack, clBlack, clBlack);
        a.SetCenterPointSize(8);
        a.SetHourColor(0x585858);
        a.SetHourFont(MakeFont("Century Gothic", 14, clBlack, true));
        Hands(a, clBlack, clBtnShadow, 5, clBlack, clBtnShadow);
        a.SetMinuteMarkLength(4);
        a.SetSecondPointer(0x000080);
        a.SetPointerStyle(TPointerStyle::psPointer);
        a.SetTickMarks(TTickMarks::tmQuartHours);
        FShowAMPM = false;
        FShowNumbers = true;
        break;
    case TWatchStyle::wsGray:
        a.SetAMPMFont(Face(a.AMPMFont(), "MS Sans Serif", 10));
        a.SetBackgroundColor(0xD1D1D1);
        a.SetBackgroundColorTo(0x6C6C6C);
        a.SetBackgroundGradient(TWatchGradient::wgRadial);
        a.SetBorderColor(0x454545);
        Hub(a, clBlack, 0x454545, clNone);
        a.SetHourColor(clBlack);
        a.SetHourFont(Face(a.HourFont(), "Comic Sans MS", 8));
        Hands(a, 0x4E4E4E, clNone, 1, 0x4E4E4E, clNone);
        a.SetMinuteColor(clGray);
        a.SetMinutePointerSize(1);
        a.SetSecondPointer(clRed);
        FShowAMPM = true;
        FShowNumbers = true;
        break;
    case TWatchStyle::wsSuperNova:
        a.SetBackgroundColorTo(0xD1D3D3);
        a.SetBorderColor(clNone);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointSize(10);
        a.SetHourMarkLength(Nearest(least / 4.5));
        Hands(a, clBlack, clBtnShadow, a.HourPointerSize(), clBlack, a.MinutePointerShadow());
        a.SetMinuteColor(clGray);
        a.SetMinuteMarkLength(least / 3);
        FShowAMPM = false;
        FShowNumbers = false;
        break;
    case TWatchStyle::wsSports:
        a.SetBackgroundColor(clBlack);
        a.SetBackgroundColorTo(clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(1);
        Hub(a, 0x191919, 0xFF0000, clBlack);
        a.SetCenterPointSize(Nearest(least / 3.6));
        a.SetHourColor(0xABB0B1);
        a.SetHourFont(MakeFont("Times New Roman", 9, 0x797979));
        Hands(a, 0x0000FF, clNone, 2, 0x00FFFF, clNone);
        a.SetMinuteColor(clGray);
        a.SetMinutePointerSize(2);
        a.SetMinuteMarkLength(1);
        a.SetSecondPointer(0x188BFE);
        a.SetTickMarks(TTickMarks::tmQuartHours);
        FShowAMPM = false;
        FShowNumbers = true;
        break;
    case TWatchStyle::wsSmooth:
        a.SetBackgroundColor(clWhite);
        a.SetBackgroundColorTo(0xABB0B1);
        a.SetBorderColor(0x585858);
        a.SetBorderWidth(1);
        Hub(a, clWhite, clBlack, 0x4A4A4A);
        a.SetCenterPointSize(6);
        a.SetHourColor(0xABB0B1);
        a.SetHourFont(MakeFont("Times New Roman", 9, 0x797979));
        Hands(a, 0x4A4A4A, 0xB2B2B2, 2, 0x4A4A4A, 0xB2B2B2);
        a.SetMinuteColor(clGray);
        a.SetMinutePointerSize(2);
        a.SetMinuteMarkLength(1);
        a.SetSecondPointer(0x4A4A4A);
        a.SetTickMarks(TTickMarks::tmQuartHours);
        FShowAMPM = false;
        FShowNumbers = true;
        break;
    }
    FCacheValid = false;
    Invalidate();
}
