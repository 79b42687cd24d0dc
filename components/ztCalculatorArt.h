// The calculator's pictures: the picture buttons and the two menu items, drawn in code.
#pragma once

#include "util/zt_Graph.h"

inline constexpr int kCalcPictureSize = 16;
// Background of every picture; buttons and menus leave it out.
inline constexpr Colour kCalcPictureKey = MakeColour(255, 0, 255);

enum class CalcPicture { Ok, Cancel, Back, Sqrt, Mul, Sub, Rev, PlusMinus, Add, Copy, Paste };

// 16 x 16 on kCalcPictureKey, pixel art kept sharp at a scale.
Picture CalcPictureOf(CalcPicture which, double scale = 1.0);
