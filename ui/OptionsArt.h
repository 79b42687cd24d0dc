// The options dialog's pictures, drawn in code on kPictureKey (the bottom-left pixel, which the
// buttons and images leave out), at a scale (1 for the sizes below).
#pragma once

#include "util/zt_Graph.h"

// 16 x 16: a coin before a row of digits, the glyph of the symbol-position buttons.
Picture SymbolPositionPicture(double scale = 1.0);
// 16 x 16: a green tick, the OK button's glyph.
Picture OkPicture(double scale = 1.0);
// 32 x 32 decorations: speech bubbles of several languages, a clipboard passing on a coin, a
// list of results.
Picture LanguagesPicture(double scale = 1.0);
Picture ClipboardCoinPicture(double scale = 1.0);
Picture ResultsPicture(double scale = 1.0);
// 16 x 16: the small arrow that points at the chosen minimise place.
Picture PointerPicture(double scale = 1.0);
