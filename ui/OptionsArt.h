// The options dialog's pictures, drawn in code on kPictureKey (the bottom-left pixel, which the
// buttons and images leave out).
#pragma once

#include "util/zt_Graph.h"

// 16 x 16: a coin before a row of digits, the glyph of the symbol-position buttons.
Picture SymbolPositionPicture();
// 16 x 16: a green tick, the OK button's glyph.
Picture OkPicture();
// 32 x 32 decorations: speech bubbles of several languages, a clipboard passing on a coin, a
// list of results.
Picture LanguagesPicture();
Picture ClipboardCoinPicture();
Picture ResultsPicture();
// 16 x 16: the small arrow that points at the chosen minimise place.
Picture PointerPicture();
