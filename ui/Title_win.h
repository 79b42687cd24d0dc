// The product name as the splash and the About box show it: teal Arial bold, 29 pixels high,
// over a white copy of itself moved down and right. Drawn by the panel that holds it, since
// two overlapping texts cannot be two windows that each paint their own background.
#pragma once

#include <windows.h>

// Positions and sizes are 96-DPI figures, drawn at the DPI given.
void DrawProductTitle(HDC dc, int left, int top, int shadowX, int shadowY, int dpi);
