#include "util/PictureOps.h"

Colour TransparentColour(const Picture& picture) {
    if (picture.Empty() || picture.pixels.size() < static_cast<std::size_t>(picture.width) *
                                                       static_cast<std::size_t>(picture.height)) {
        return 0;
    }
    return picture.At(0, picture.height - 1);
}

Picture Greyed(const Picture& picture, Colour transparent) {
    Picture result = picture;
    for (Colour& pixel : result.pixels) {
        if (pixel == transparent) continue;
        const int red = static_cast<int>(pixel & 0xFF);
        const int green = static_cast<int>((pixel >> 8) & 0xFF);
        const int blue = static_cast<int>((pixel >> 16) & 0xFF);
        // Brightness by the usual weights, then lifted towards white so the shape reads as
        // disabled; dark pixels stay darker than light ones.
        const int brightness = (red * 299 + green * 587 + blue * 114) / 1000;
        const int grey = 128 + brightness / 2;
        pixel = MakeColour(grey, grey, grey);
        // A grey that happens to equal the transparent colour would vanish.
        if (pixel == transparent) pixel = MakeColour(grey - 1, grey - 1, grey - 1);
    }
    return result;
}
