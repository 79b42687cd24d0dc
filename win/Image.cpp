#include "win/Image.h"

#include "util/PictureOps.h"

namespace win {

bool Image::Create(const ImageParams& params) {
    picture_ = params.picture;
    centre_ = params.centre;
    transparent_ = params.transparent;
    return CreateGraphic(CommonParams(params));
}

void Image::SetPicture(const ScalablePicture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    Invalidate();
}

void Image::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void Image::PaintGraphic(HDC dc, const RECT& bounds) {
    const Picture& picture = picture_.At(Dpi());
    if (picture.Empty()) return;
    int x = bounds.left;
    int y = bounds.top;
    if (centre_) {
        x += (bounds.right - bounds.left - picture.width) / 2;
        y += (bounds.bottom - bounds.top - picture.height) / 2;
    }
    std::optional<Colour> mask;
    if (transparent_) mask = TransparentColour(picture);
    DrawPicture(dc, picture, x, y, mask);
}

void Image::MouseDown(Point, bool doubleClick) {
    if (doubleClick && OnDblClick) OnDblClick();
}

}  // namespace win
