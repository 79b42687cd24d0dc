#include "win/Image.h"

#include "util/PictureOps.h"

namespace win {

bool Image::Create(const ImageParams& params) {
    picture_ = params.picture;
    centre_ = params.centre;
    transparent_ = params.transparent;
    return CreateWindowFor(CommonParams(params), L"STATIC", SS_LEFT | SS_NOTIFY, 0);
}

void Image::SetPicture(const Picture& picture) {
    picture_ = picture;
    Invalidate();
}

void Image::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

std::optional<LRESULT> Image::ReflectCommand(int, int code) {
    if (code == STN_DBLCLK) {
        if (OnDblClick) OnDblClick();
        return 0;
    }
    return std::nullopt;
}

std::optional<LRESULT> Image::WindowMessage(UINT msg, WPARAM wp, LPARAM) {
    auto paint = [this](HDC dc) {
        PaintParentBackground(dc);
        if (picture_.Empty()) return;
        int x = 0;
        int y = 0;
        if (centre_) {
            RECT client{};
            ::GetClientRect(Handle(), &client);
            x = (client.right - picture_.width) / 2;
            y = (client.bottom - picture_.height) / 2;
        }
        std::optional<Colour> mask;
        if (transparent_) mask = TransparentColour(picture_);
        DrawPicture(dc, picture_, x, y, mask);
    };
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PaintGuard guard(Handle());
            if (guard.Dc()) paint(guard.Dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wp));
            return 0;
        case WM_ENABLE:
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace win
