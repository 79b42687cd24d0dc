// Small operations on Pictures shared by the windows.
#pragma once

#include "util/zt_Graph.h"

// The colour a picture is drawn transparent with: its bottom-left pixel (0 for an empty one).
Colour TransparentColour(const Picture& picture);

// The picture as a disabled control shows it: every pixel that is not the transparent colour
// becomes a light grey of its brightness, so shapes stay visible; transparent pixels stay.
Picture Greyed(const Picture& picture, Colour transparent);

// The picture resampled to width x height, each new pixel the average of the source area it
// covers: a doubled picture is every pixel doubled, other factors blend only where a new pixel
// straddles two old ones. Empty for an empty picture or size.
Picture ResampleArea(const Picture& picture, int width, int height);

// Pixel art at a scale: every pixel becomes the block of new pixels whose centres fall in it, so
// the picture keeps its hard edges (doubled exactly at twice the size).
Picture ScalePixelArt(const Picture& picture, double scale);
