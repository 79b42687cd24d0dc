// The Windows halves of zt_Misc.
#include "util/zt_Misc_win.h"

namespace {

// Windows does not count WM_SETREDRAW: the depth of our suspensions lives on the window, with
// whether the outermost one switched drawing off, and goes with it.
constexpr wchar_t kRedrawProperty[] = L"ValomatRedrawSuspensions";

struct Suspensions {
    INT_PTR depth = 0;
    bool switchedOff = false;
};

Suspensions Read(HWND handle) {
    const auto packed = reinterpret_cast<INT_PTR>(GetPropW(handle, kRedrawProperty));
    return {packed / 2, (packed % 2) != 0};
}

void Write(HWND handle, Suspensions s) {
    if (s.depth == 0) {
        RemovePropW(handle, kRedrawProperty);
    } else {
        SetPropW(handle, kRedrawProperty,
                 reinterpret_cast<HANDLE>(s.depth * 2 + (s.switchedOff ? 1 : 0)));
    }
}

void RedrawOn(HWND handle) {
    SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
    // Whatever changed while drawing was off has to be painted now, frame and children too.
    RedrawWindow(handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace

void SetRedraw(HWND handle, bool off) {
    if (handle == nullptr) return;
    Suspensions s = Read(handle);
    if (off) {
        if (s.depth++ == 0) {
            // WM_SETREDRAW works through the window's own visible flag.
            s.switchedOff = (GetWindowLongPtrW(handle, GWL_STYLE) & WS_VISIBLE) != 0;
            if (s.switchedOff) SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
        }
        Write(handle, s);
        return;
    }
    if (s.depth == 0) {
        RedrawOn(handle);  // drawing was not suspended here: switched on as asked
        return;
    }
    --s.depth;
    Write(handle, s);
    if (s.depth == 0 && s.switchedOff) RedrawOn(handle);
}

TztLanguage LanguageFromLocale() {
    return LanguageFromLcid(GetUserDefaultLCID());
}
