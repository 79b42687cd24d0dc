#include "win/ImageList.h"

#include "util/PictureOps.h"
#include "win/Gdi.h"

namespace win {

bool ImageList::Create(int width, int height) {
    list_.Reset();
    entries_.clear();
    width_ = height_ = 0;
    if (width <= 0 || height <= 0) return false;
    list_.Reset(::ImageList_Create(ScaleToDpi(width, dpi_), ScaleToDpi(height, dpi_),
                                   ILC_COLOR24 | ILC_MASK, 4, 4));
    if (!list_) return false;
    width_ = width;
    height_ = height;
    return true;
}

int ImageList::Count() const {
    return list_ ? ::ImageList_GetImageCount(list_.Get()) : 0;
}

void ImageList::SetDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    if (!list_) return;
    // Drops the images; they come back drawn for the new size.
    ::ImageList_SetIconSize(list_.Get(), Width(), Height());
    for (const Entry& entry : entries_) AddToList(entry);
}

int ImageList::AddToList(const Entry& entry) {
    const Picture& picture = entry.picture.At(dpi_);
    if (picture.width != Width() || picture.height != Height()) return -1;
    BitmapHandle bitmap = MakeBitmap(picture);
    if (!bitmap) return -1;
    return ::ImageList_AddMasked(list_.Get(), bitmap.Get(), ToColorRef(entry.mask));
}

int ImageList::Add(const ScalablePicture& picture, Colour mask) {
    if (!list_ || picture.Design().width != width_ || picture.Design().height != height_) return -1;
    const Entry entry{picture, mask};
    const int index = AddToList(entry);
    if (index >= 0) entries_.push_back(entry);
    return index;
}

int ImageList::Add(const ScalablePicture& picture) {
    return Add(picture, TransparentColour(picture.Design()));
}

bool ImageList::Replace(int index, const ScalablePicture& picture, Colour mask) {
    if (!list_ || index < 0 || index >= Count()) return false;
    if (picture.Design().width != width_ || picture.Design().height != height_) return false;
    // ImageList_Replace wants a separate mask; adding masked and moving it into place keeps the
    // mask colour the same as Add.
    const Entry entry{picture, mask};
    const int added = AddToList(entry);
    if (added < 0) return false;
    const bool copied = ::ImageList_Copy(list_.Get(), index, list_.Get(), added, ILCF_MOVE);
    ::ImageList_Remove(list_.Get(), added);
    if (copied && static_cast<std::size_t>(index) < entries_.size()) {
        entries_[static_cast<std::size_t>(index)] = entry;
    }
    return copied;
}

bool ImageList::Remove(int index) {
    if (!list_ || index < 0 || index >= Count()) return false;
    if (static_cast<std::size_t>(index) < entries_.size()) {
        entries_.erase(entries_.begin() + index);
    }
    return ::ImageList_Remove(list_.Get(), index);
}

void ImageList::Clear() {
    entries_.clear();
    if (list_) ::ImageList_RemoveAll(list_.Get());
}

bool ImageList::Draw(int index, HDC dc, int x, int y, bool transparent) const {
    if (!list_ || !dc || index < 0 || index >= Count()) return false;
    return ::ImageList_Draw(list_.Get(), index, dc, x, y,
                            transparent ? ILD_TRANSPARENT : ILD_NORMAL);
}

std::optional<Picture> ImageList::GetPicture(int index, Colour background) const {
    if (!list_ || index < 0 || index >= Count()) return std::nullopt;
    Picture canvas(Width(), Height(), background);
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
