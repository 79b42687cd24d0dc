// An image list of pictures of one size, masked by a transparent colour, at a DPI: the size is a
// 96-DPI figure, the pictures are made for the DPI the list is set to (at 96 until told).
#pragma once

#include <optional>
#include <vector>

#include "util/ScalablePicture.h"
#include "win/Handle.h"

namespace win {

class ImageList {
  public:
    ImageList() = default;
    ImageList(int width, int height) { Create(width, height); }
    // Creates an empty list of width x height images (ILC_COLOR24 | ILC_MASK); drops any
    // previous content.
    bool Create(int width, int height);

    // The size of the images at the list's DPI, in pixels.
    int Width() const { return ScaleToDpi(width_, dpi_); }
    int Height() const { return ScaleToDpi(height_, dpi_); }
    int Count() const;
    HIMAGELIST Handle() const { return list_.Get(); }

    // Makes every picture anew for a DPI (the handle stays); nothing when it has it already.
    void SetDpi(int dpi);
    int Dpi() const { return dpi_; }

    // Adds a picture of the list's size; pixels of the mask colour become transparent.
    // Returns its index, or -1 (wrong size, no list, out of memory).
    int Add(const ScalablePicture& picture, Colour mask);
    // Adds with the picture's bottom-left pixel as the mask colour.
    int Add(const ScalablePicture& picture);
    bool Replace(int index, const ScalablePicture& picture, Colour mask);
    bool Remove(int index);
    void Clear();

    // Draws an image at (x, y): transparent leaves the masked pixels out, otherwise they show
    // in the list's background colour.
    bool Draw(int index, HDC dc, int x, int y, bool transparent = true) const;
    // The image at the list's DPI as a picture, masked pixels in the given colour; nothing for a
    // bad index.
    std::optional<Picture> GetPicture(int index, Colour background) const;

  private:
    struct Entry {
        ScalablePicture picture;
        Colour mask;
    };
    int AddToList(const Entry& entry);

    ImageListHandle list_;
    std::vector<Entry> entries_;
    int width_ = 0;
    int height_ = 0;
    int dpi_ = kDesignDpi;
};

}  // namespace win
