#pragma once
// The pictures of wheel panning: a cursor for each direction the view moves in, and the marker left where the
// middle button went down.
#include <QImage>

enum class TIntelliPan;

// 32 x 32 cursor pictures with their hot spot in the middle. Dx and Dy are -1, 0 or 1 (Dy 1: down); 0, 0 is the
// resting cursor with all four directions.
constexpr int kPanCursorSize = 32;
QImage PanCursorImage(int Dx, int Dy);

// 32 x 32, drawn with its top-left at the start point; the colour of pixel (0, 0) stands for transparent.
constexpr int kPanMarkerSize = 32;
QImage PanMarkerImage(TIntelliPan Mode);
