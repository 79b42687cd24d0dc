// Small operations on Pictures shared by the windows.
#pragma once

#include "util/zt_Graph.h"

// The colour a picture is drawn transparent with: its bottom-left pixel (0 for an empty one).
Colour TransparentColour(const Picture& picture);

// The picture as a disabled control shows it: every pixel that is not the transparent colour
// becomes a light grey of its brightness, so shapes stay visible; transparent pixels stay.
Picture Greyed(const Picture& picture, Colour transparent);
