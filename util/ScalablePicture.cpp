#include "util/ScalablePicture.h"

#include "util/PictureOps.h"

const Picture& ScalablePicture::At(int dpi) const {
    if (dpi == kDesignDpi || design_.Empty()) return design_;
    if (scaledDpi_ != dpi) {
        scaled_ = draw_ ? draw_(ScaleFactor(dpi))
                        : ResampleArea(design_, ScaleToDpi(design_.width, dpi),
                                       ScaleToDpi(design_.height, dpi));
        scaledDpi_ = dpi;
    }
    return scaled_;
}
