// Where the main window goes at start: the saved position, unless that would put it where the
// user cannot reach it (a screen that is no longer there, a smaller resolution).
#pragma once

#include "core/SettingsStore.h"

// A rectangle in screen pixels, right and bottom exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The saved position when enough of the window's caption lies on the work area to grab it with
// the mouse; otherwise the window centred on the work area.
WindowPosition PlaceOnWorkArea(WindowPosition saved, int width, int height, const ScreenRect& work);
