#include "win/ClipboardViewer.h"

#include <utility>

namespace win {

ClipboardViewer::ClipboardViewer(HWND window, std::function<void()> onChange)
    : window_(window), onChange_(std::move(onChange)) {
    // Joining announces the clipboard to this window at once, before this object can take the
    // notice; its owner reads the clipboard itself when it is ready.
    next_ = ::SetClipboardViewer(window_);
}

ClipboardViewer::~ClipboardViewer() {
    ::ChangeClipboardChain(window_, next_);
}

std::optional<LRESULT> ClipboardViewer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DRAWCLIPBOARD: {
            // The next viewer gets the notice even when our handler fails.
            struct PassOn {
                ClipboardViewer* self;
                WPARAM wp;
                LPARAM lp;
                ~PassOn() {
                    if (self->next_) ::SendMessageW(self->next_, WM_DRAWCLIPBOARD, wp, lp);
                }
            } passOn{this, wp, lp};
            if (onChange_) onChange_();
            return 0;
        }
        case WM_CHANGECBCHAIN:
            if (reinterpret_cast<HWND>(wp) == next_) {
                next_ = reinterpret_cast<HWND>(lp);
            } else if (next_) {
                ::SendMessageW(next_, msg, wp, lp);
            }
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace win
