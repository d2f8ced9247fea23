#pragma once
// The visual-styles binding: themed parts drawn through the application's QStyle. A binding is loaded
// when a widget application (and so a style) exists; without one every caller draws classic frames.
#include "platform/Types.h"
#include <QString>

class QWidget;
class TCanvas;

// A theme handle names the class it was opened for; 0 when the class is unknown.
using HTHEME = int;

struct TThemeApiTable {
    // Class names: "button" (parts 1 push, 2 radio, 3 check box), "combobox" (1 drop-down button),
    // "spin" (1 up, 2 down), "header" (1 item), "Progress" (1 bar, 3 chunk).
    HTHEME (*OpenThemeData)(QWidget* Window, const QString& ClassList) = nullptr;
    void (*CloseThemeData)(HTHEME Theme) = nullptr;
    void (*DrawThemeBackground)(HTHEME Theme, TCanvas& DC, int PartId, int StateId, const TRect& Rect) = nullptr;
    bool (*IsThemeActive)() = nullptr;
    // The style's name, standing for the colour scheme name.
    QString (*GetCurrentThemeName)() = nullptr;
};

class TThemeBinding {
public:
    // Binds once; a second call changes nothing.
    void BindThemeApi();
    void FreeThemeApi();
    bool ThemeApiLoaded();            // binds on first use
    const TThemeApiTable& ThemeApi() const { return FApi; }
    // All of the conditions for drawing themed instead of classic.
    bool ThemedDrawing();

private:
    bool FLoaded = false;
    TThemeApiTable FApi;
};

// The binding of the grid, its editors, auxiliary controls and the mini-HTML renderer.
TThemeBinding& VxXPVS();
