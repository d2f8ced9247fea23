#include "widgets/dropdown/ItemAppearanceStyles.h"
#include "widgets/dropdown/VxItemSelector.h"

namespace {
struct TItemColors {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    TColor BorderColor;
    TColor BorderColorTop, BorderColorBottom, EdgeColor;
    TColor SelectedText;
};

constexpr TItemColors kOffice2003{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                  0x7AE1FE, 0x42AEFE, clNone,   clNone,   clNone,   clBlack};
constexpr TItemColors kOffice2007{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                  0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, clBlack};
constexpr TItemColors kClassic{0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone,
                               clNone,   0x808080, clNone, clNone, clNone,   clBlack};
constexpr TItemColors kWindowsXP{0xEFD3C6, 0xEFD3C6, clNone,      clNone, clHighlight, clNone, clNone,
                                 clNone,   clHighlight, clNone, clNone, clNone,      clHighlightText};
constexpr TItemColors kVista{0xFFFDF9, 0xFFFAF0, clNone,   clNone,   0xFEF9F0, 0xFDF0D7, clNone,
                             clNone,   0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clBlack};
constexpr TItemColors kWindows7{0xFDFBFA, 0xFDF3EB, clNone,   clNone,   0xFCEBDC, 0xFCDBC1, clNone,
                                clNone,   0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, clBlack};
constexpr TItemColors kTerminal{0xC0C0C0, 0xC0C0C0, clNone,      clNone, clHighlight, clNone, clNone,
                                clNone,   0x808080,    clNone, clNone, clNone,      clHighlightText};
constexpr TItemColors kOffice2010{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF,
                                  0x7BEEFF, 0x308AC2, clNone,   clNone,   clNone,   clBlack};

const TItemColors* ItemColors(TZarnStyle Style)
{
    switch (Style) {
    case TZarnStyle::tsOffice2003Blue:
    case TZarnStyle::tsOffice2003Silver:
    case TZarnStyle::tsOffice2003Olive:
    case TZarnStyle::tsWhidbey: return &kOffice2003;
    case TZarnStyle::tsOffice2007Luna:
    case TZarnStyle::tsOffice2007Obsidian:
    case TZarnStyle::tsOffice2007Silver: return &kOffice2007;
    case TZarnStyle::tsOffice2003Classic: return &kClassic;
    case TZarnStyle::tsWindowsXP: return &kWindowsXP;
    case TZarnStyle::tsWindowsVista: return &kVista;
    case TZarnStyle::tsWindows7: return &kWindows7;
    case TZarnStyle::tsTerminal: return &kTerminal;
    case TZarnStyle::tsOffice2010Blue:
    case TZarnStyle::tsOffice2010Silver:
    case TZarnStyle::tsOffice2010Black: return &kOffice2010;
    case TZarnStyle::tsCustom: break;
    }
    return nullptr;
}
} // namespace

void ApplyItemAppearanceStyle(TItemAppearance& ItemAppearance, TZarnStyle Style)
{
    const TItemColors* c = ItemColors(Style);
    if (!c)
        return;
    TItemAppearance& a = ItemAppearance;
    a.BorderColorHot = clNone;
    a.BorderColorSelected = clNone;
    a.ColorHotText = clBlack;
    a.ColorHot = c->ColorHot;
    a.ColorHotTo = c->ColorHotTo;
    a.ColorMirrorHot = c->ColorMirrorHot;
    a.ColorMirrorHotTo = c->ColorMirrorHotTo;
    a.ColorSelected = c->ColorSelected;
    a.ColorSelectedTo = c->ColorSelectedTo;
    a.ColorMirrorSelected = c->ColorMirrorSelected;
    a.ColorMirrorSelectedTo = c->ColorMirrorSelectedTo;
    a.BorderColor = c->BorderColor;
    a.BorderColorTop = c->BorderColorTop;
    a.BorderColorBottom = c->BorderColorBottom;
    a.EdgeColor = c->EdgeColor;
    a.ColorSelectedText = c->SelectedText;
}
