// Where the main window goes at start: the saved position, unless that would put it where the
// user cannot reach it (a screen that is no longer there, a smaller resolution).
#pragma once

#include "core/SettingsStore.h"
#include "util/Rect.h"

// A rectangle in screen pixels.
using ScreenRect = PixelRect;

// When enough of the window's caption lies on the work area to grab it with the mouse, the saved
// position moved just so far that the whole window lies on the work area (its top-left corner
// when it is larger); otherwise the window centred on the work area.
WindowPosition PlaceOnWorkArea(WindowPosition saved, int width, int height, const ScreenRect& work);
