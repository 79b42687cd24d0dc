#include "win/ImageList.h"

#include "util/PictureOps.h"
#include "win/Gdi.h"

namespace win {

bool ImageList::Create(int width, int height) {
    list_.Reset();
    width_ = height_ = 0;
    if (width <= 0 || height <= 0) return false;
    list_.Reset(::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4));
    if (!list_) return false;
    width_ = width;
    height_ = height;
    return true;
}

int ImageList::Count() const {
    return list_ ? ::ImageList_GetImageCount(list_.Get()) : 0;
}

int ImageList::Add(const Picture& picture, Colour mask) {
    if (!list_ || picture.width != width_ || picture.height != height_) return -1;
    BitmapHandle bitmap = MakeBitmap(picture);
    if (!bitmap) return -1;
    return ::ImageList_AddMasked(list_.Get(), bitmap.Get(), ToColorRef(mask));
}

int ImageList::Add(const Picture& picture) {
    return Add(picture, TransparentColour(picture));
}

bool ImageList::Replace(int index, const Picture& picture, Colour mask) {
    if (!list_ || index < 0 || index >= Count()) return false;
    if (picture.width != width_ || picture.height != height_) return false;
    BitmapHandle bitmap = MakeBitmap(picture);
    if (!bitmap) return false;
    // ImageList_Replace wants a separate mask; adding masked and moving it into place keeps the
    // mask colour the same as Add.
    const int added = ::ImageList_AddMasked(list_.Get(), bitmap.Get(), ToColorRef(mask));
    if (added < 0) return false;
    const bool copied = ::ImageList_Copy(list_.Get(), index, list_.Get(), added, ILCF_MOVE);
    ::ImageList_Remove(list_.Get(), added);
    return copied;
}

bool ImageList::Remove(int index) {
    if (!list_ || index < 0 || index >= Count()) return false;
    return ::ImageList_Remove(list_.Get(), index);
}

void ImageList::Clear() {
    if (list_) ::ImageList_RemoveAll(list_.Get());
}

bool ImageList::Draw(int index, HDC dc, int x, int y, bool transparent) const {
    if (!list_ || !dc || index < 0 || index >= Count()) return false;
    return ::ImageList_Draw(list_.Get(), index, dc, x, y,
                            transparent ? ILD_TRANSPARENT : ILD_NORMAL);
}

std::optional<Picture> ImageList::GetPicture(int index, Colour background) const {
    if (!list_ || index < 0 || index >= Count()) return std::nullopt;
    Picture canvas(width_, height_, background);
    BitmapHandle bitmap = MakeBitmap(canvas);
    WindowDc screen(nullptr);
    DcHandle memory(screen ? ::CreateCompatibleDC(screen.Get()) : nullptr);
    if (!bitmap || !memory) return std::nullopt;
    {
        SelectGuard select(memory.Get(), bitmap.Get());
        if (!::ImageList_Draw(list_.Get(), index, memory.Get(), 0, 0, ILD_TRANSPARENT)) {
            return std::nullopt;
        }
    }
    return ReadBitmap(bitmap.Get());
}

}  // namespace win
