#pragma once
// Measures, draws and hit-tests a mini-HTML text inside a rectangle of a canvas, line by line.
#include "platform/Types.h"
#include <QString>

class TCanvas;
class THTMLPictureCache;
class TPictureContainer;

struct TMiniHtmlParams {
    TRect Rect;
    TPictureContainer* Container = nullptr;  // pictures by name
    THTMLPictureCache* Cache = nullptr;      // pictures by address
    int XPos = -1;                           // mouse in canvas coordinates; -1: none
    int YPos = -1;
    int FocusLink = -1;                      // from 0; -1: none
    int HoverLink = 0;                       // from 1, as MouseLink reported; 0: none
    bool HoverStyle = false;                 // underline and hover colours only on the hovered link
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    int ShadowOffset = 1;
    bool MouseDown = false;
    bool WordWrap = false;
    bool BlinkOn = true;
    bool Selected = false;                   // markup leaves link, font and background colours alone
    bool CheckHeight = false;                // only measure, and do not cut at the rectangle's bottom
    bool CheckHotSpot = false;               // the second pass of every line hit-tests instead of drawing
    QString ControlID;                       // with CheckHotSpot: the control whose data is wanted
};

struct TMiniHtmlResult {
    int HyperLinks = 0;
    QString AnchorVal;                       // link under the mouse, or "ctrl" over a control
    QString AnchorHint;
    QString FocusAnchor;
    QString StripVal;                        // the plain text, a carriage return per line break
    int MouseLink = -1;                      // from 1
    TRect HoverRect;
    QString ControlID;
    QString ControlType;
    QString ControlValue;
    TRect ControlRect;
    int XSize = 0;
    int YSize = 0;
};

// True when the mouse is over a link's text (found with CheckHotSpot), a picture inside a link, or a control.
// The canvas's font, pen and brush are the base state and are restored on return.
bool RenderMiniHtml(TCanvas& Canvas, const QString& Text, const TMiniHtmlParams& Params, TMiniHtmlResult& Result);
