// An image list of Pictures of one size, masked by a transparent colour.
#pragma once

#include <optional>

#include "util/zt_Graph.h"
#include "win/Handle.h"

namespace win {

class ImageList {
  public:
    ImageList() = default;
    ImageList(int width, int height) { Create(width, height); }
    // Creates an empty list of width x height images (ILC_COLOR24 | ILC_MASK); drops any
    // previous content.
    bool Create(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    HIMAGELIST Handle() const { return list_.Get(); }

    // Adds a picture of the list's size; pixels of the mask colour become transparent.
    // Returns its index, or -1 (wrong size, no list, out of memory).
    int Add(const Picture& picture, Colour mask);
    // Adds with the picture's bottom-left pixel as the mask colour.
    int Add(const Picture& picture);
    bool Replace(int index, const Picture& picture, Colour mask);
    bool Remove(int index);
    void Clear();

    // Draws an image at (x, y): transparent leaves the masked pixels out, otherwise they show
    // in the list's background colour.
    bool Draw(int index, HDC dc, int x, int y, bool transparent = true) const;
    // The image as a picture, masked pixels in the given colour; nothing for a bad index.
    std::optional<Picture> GetPicture(int index, Colour background) const;

  private:
    ImageListHandle list_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace win
