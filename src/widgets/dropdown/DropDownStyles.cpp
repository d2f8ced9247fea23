#include "widgets/dropdown/DropDownStyles.h"
#include <array>

namespace {

constexpr TButtonColors OfficeSet(TColor Color, TColor ColorTo)
{
    return {Color,   ColorTo, clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
            0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

constexpr TButtonColors Office2010Set(TColor Color, TColor ColorTo, TColor BorderColor)
{
    return {Color,  ColorTo,  BorderColor, 0x8AE3FD, clNone,   0x58CAF1, 0x6CD0FF,
            clNone, 0x308AC2, 0xF2F2F2,    0xB6B6B6, 0x45E1FE, clNone,   0x4FA0CE};
}

constexpr TDropDownStylePreset Preset(TColor Color, TColor ColorTo, bool Keep, TColor Border, TStripColors Header,
                                      TButtonColors Buttons)
{
    return {Color, ColorTo, Keep, Border, Header, Header, Buttons};
}

constexpr TDropDownStylePreset WithFooter(TDropDownStylePreset p, TStripColors Footer)
{
    p.Footer = Footer;
    return p;
}

// Indexed by the TZarnStyle ordinal; the tsCustom row is never read.
constexpr std::array<TDropDownStylePreset, 16> kPresets = {{
    // tsOffice2003Blue
    WithFooter(Preset(0xFFFFFF, clNone, true, clNone, {0xFCE1CB, 0xE0A57D, 0x000000, 0x000000},
                      OfficeSet(0xFCE1CB, 0xE0A57D)),
               {0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00}),
    // tsOffice2003Silver
    Preset(0xFFFFFF, clNone, true, clNone, {0xECE2E1, 0xB39698, 0x000000, 0x947C7C}, OfficeSet(0xECE2E1, 0xB39698)),
    // tsOffice2003Olive
    Preset(0xFFFFFF, clNone, false, clNone, {0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060}, OfficeSet(0xCFF0EA, 0x8CC0B1)),
    // tsOffice2003Classic
    Preset(0xF2F2F2, 0xF2F2F2, false, clNone, {0x808080, 0x808080, 0xFFFFFF, 0x808080},
           {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4,
            0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080}),
    // tsOffice2007Luna
    Preset(0xF3E5DA, 0xF0DED0, false, clNone, {0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF}, OfficeSet(0xFFEFE3, 0xFFDDC4)),
    // tsOffice2007Obsidian
    Preset(0xFFFFFF, clNone, false, clNone, {0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C}, OfficeSet(0xF2F1F0, 0xC9C2BD)),
    // tsWindowsXP
    Preset(0xFFFFFF, clNone, true, clNone, {0xFFFFFF, clBtnFace, 0x000000, 0x808080},
           {0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clActiveCaption, clActiveCaption, clHighlight,
            0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000}),
    // tsWhidbey
    Preset(0xF5F9FA, 0xF5F9FA, false, clNone, {0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00}, OfficeSet(0xFFFFFF, 0xDFEDF0)),
    // tsCustom
    {},
    // tsOffice2007Silver
    Preset(0xF8F4F1, 0xF0E8E3, false, clNone, {0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F}, OfficeSet(0xF9F8F8, 0xE4E2DF)),
    // tsWindowsVista
    WithFooter(Preset(0xFFFFFF, 0xFFFFFF, false, 0x979797, {0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA},
                      {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A,
                       0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}),
               {0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA}),
    // tsWindows7
    Preset(0xFFFFFF, 0xFFFFFF, false, 0x979797, {0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8},
           {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF,
            0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}),
    // tsTerminal
    Preset(0xFFFFFF, 0xFFFFFF, false, 0x808080, {clBtnFace, clBtnFace, 0x000000, clNone},
           {clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace,
            clBtnFace, clBtnFace, clBtnFace, clHighlight}),
    // tsOffice2010Blue
    Preset(0xFFFFFF, 0xF1EFED, false, 0xEDEDEC, {0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
           Office2010Set(0xFDF6EF, 0xF0DAC7, 0xC7B29F)),
    // tsOffice2010Silver
    Preset(0xFFFFFF, 0xF1EFED, false, 0xEDEDEC, {0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
           Office2010Set(0xFFFFFF, 0xEDE5E0, 0xD2CDC8)),
    // tsOffice2010Black
    Preset(0xFFFFFF, 0xF1EFED, false, 0xEDEDEC, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
           Office2010Set(0xBFBFBF, 0x919191, 0xD7D7D6)),
}};

constexpr std::array<TSelectionColors, 4> kSelection = {{
    {},
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF},
    {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB},
    {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE},
}};

} // namespace

const TDropDownStylePreset* DropDownStylePreset(TZarnStyle Style)
{
    if (Style == TZarnStyle::tsCustom)
        return nullptr;
    return &kPresets[size_t(Style)];
}

const TSelectionColors* SelectionColorPreset(TSelectionColorStyle Style)
{
    if (Style == TSelectionColorStyle::scCustom)
        return nullptr;
    return &kSelection[size_t(Style)];
}
