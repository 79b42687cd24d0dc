#include "win/Image.h"

#include "util/PictureOps.h"

namespace win {

bool Image::Create(const ImageParams& params) {
    picture_ = params.picture;
    centre_ = params.centre;
    transparent_ = params.transparent;
    return CreateGraphic(CommonParams(params));
}

void Image::SetPicture(const Picture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    Invalidate();
}

void Image::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void Image::PaintGraphic(HDC dc, const RECT& bounds) {
    if (picture_.Empty()) return;
    int x = bounds.left;
    int y = bounds.top;
    if (centre_) {
        x += (bounds.right - bounds.left - picture_.width) / 2;
        y += (bounds.bottom - bounds.top - picture_.height) / 2;
    }
    std::optional<Colour> mask;
    if (transparent_) mask = TransparentColour(picture_);
    DrawPicture(dc, picture_, x, y, mask);
}

void Image::MouseDown(Point, bool doubleClick) {
    if (doubleClick && OnDblClick) OnDblClick();
}

}  // namespace win
