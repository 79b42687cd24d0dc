#include "ui/OwnCurrency.h"

#include "core/CurrencyTable.h"
#include "ui/Artwork.h"

OwnCurrencyFields OwnFields(const RecRec& rec, int k) {
    if (k == 1) return {rec.EigenMunt1, rec.EigenMunteenheid1, rec.EigenSymbool1, rec.EigenBitmap1};
    return {rec.EigenMunt2, rec.EigenMunteenheid2, rec.EigenSymbool2, rec.EigenBitmap2};
}

void SetOwnBitmap(RecRec& rec, int k, const std::string& path) {
    if (k == 1) rec.EigenBitmap1 = path;
    if (k == 2) rec.EigenBitmap2 = path;
}

std::optional<OwnPictureChoice> ReadOwnPictureChoice(const std::string& path) {
    const std::optional<Picture> source = ReadOwnPictureFile(path);
    if (!source || source->Empty()) return std::nullopt;
    const Colour bottomLeft = source->At(0, source->height - 1);
    // The picture box shows the bitmap centred; only its middle can be seen.
    return OwnPictureChoice{FitBitmap(*source, kOwnImageSize, kOwnImageSize, true, bottomLeft),
                            FitOwnPicture(*source)};
}

Picture OpenPictureGlyph(double scale) {
    constexpr Colour kInk = MakeColour(72, 56, 16);
    constexpr Colour kBack = MakeColour(214, 164, 40);
    constexpr Colour kFront = MakeColour(252, 214, 92);
    constexpr Colour kPaper = MakeColour(255, 255, 255);
    const int side = ScaledSize(kMenuPictureSize, scale);
    Picture picture(side, side, kPictureKey);
    art::Painter p(picture, scale);
    p.SetKey(kPictureKey);
    // The folder's back with its tab, a sheet sticking out, and the opened front flap.
    p.Rect({1, 3, 7, 5}, kInk);
    p.Rect({1, 4, 13, 14}, kInk);
    p.Rect({2, 5, 12, 13}, kBack);
    p.Rect({4, 6, 11, 11}, kPaper);
    const art::Point flap[] = {{1.0, 14.0}, {4.0, 8.0}, {15.5, 8.0}, {12.5, 14.0}};
    p.Polygon(flap, kInk);
    const art::Point inner[] = {{2.6, 13.0}, {4.8, 9.0}, {14.0, 9.0}, {11.8, 13.0}};
    p.Polygon(inner, kFront);
    return picture;
}
