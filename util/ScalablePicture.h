// A picture for every DPI. Pictures drawn by code are drawn again at the size a DPI asks for,
// so they stay sharp; any other picture (a bitmap file) is resampled smoothly. The design picture
// is the 96-DPI one: controls report it, exports write it, comparisons compare it.
#pragma once

#include <functional>

#include "util/DpiScale.h"
#include "util/zt_Graph.h"

// Draws the picture at a scale (1 is 96 DPI): scale x its design size, rounded.
using PictureDrawer = std::function<Picture(double scale)>;

class ScalablePicture {
  public:
    ScalablePicture() = default;
    // Both implicit: wherever a picture is given, a drawn one may be given instead.
    ScalablePicture(Picture picture) : design_(std::move(picture)) {}
    ScalablePicture(PictureDrawer draw) : design_(draw(1.0)), draw_(std::move(draw)) {}

    const Picture& Design() const { return design_; }
    bool Empty() const { return design_.Empty(); }
    bool Drawn() const { return static_cast<bool>(draw_); }
    // The picture at a DPI; the last one asked for is kept.
    const Picture& At(int dpi) const;

    bool operator==(const ScalablePicture& other) const { return design_ == other.design_; }

  private:
    Picture design_;
    PictureDrawer draw_;
    mutable Picture scaled_;
    mutable int scaledDpi_ = 0;
};

// The picture draw(args..., scale) for every DPI:
//   .glyph = Drawn(MenuPictureOf, MenuPicture::Calculator)
template <typename Draw, typename... Args>
ScalablePicture Drawn(Draw draw, Args... args) {
    return ScalablePicture(PictureDrawer([=](double scale) { return draw(args..., scale); }));
}

// A design size at a scale, rounded as the DPI scaling rounds.
inline int ScaledSize(int size, double scale) {
    const double exact = size * scale;
    return static_cast<int>(exact >= 0 ? exact + 0.5 : exact - 0.5);
}
