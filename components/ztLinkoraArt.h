// The pictures of the news-link directory, drawn by us: sixteen 16 x 16 node pictures (folders,
// globe, web page, mail, document, star, news, coin, chart, download, information, question,
// home, link, calendar) and the two button glyphs.
#pragma once

#include "util/zt_Graph.h"

namespace linkora {

inline constexpr int kNodePictureSize = 16;
// Transparent in every picture here.
inline constexpr Colour kNodeKey = MakeColour(255, 0, 255);

// Node picture 0..15; any other number gives an empty picture.
Picture NodePicture(int index);
Picture RefreshGlyph();
Picture InfoGlyph();

}  // namespace linkora
