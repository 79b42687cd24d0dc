// The Windows halves of zt_Misc.
#include "util/zt_Misc_win.h"

void SetRedraw(HWND handle, bool off) {
    if (handle == nullptr) return;
    if (off) {
        SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
        return;
    }
    SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
    // Whatever changed while drawing was off has to be painted now, frame and children too.
    RedrawWindow(handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

TztLanguage LanguageFromLocale() {
    return LanguageFromLcid(GetUserDefaultLCID());
}
