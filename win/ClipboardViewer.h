// A window's place in the clipboard viewer chain. Joining on construction and leaving on
// destruction keeps the chain whole for the other viewers: the window must outlive this object,
// so a form holds it from its creation until its WM_DESTROY.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace win {

class ClipboardViewer {
  public:
    // Joins the chain with the window; onChange runs for every change of the clipboard.
    ClipboardViewer(HWND window, std::function<void()> onChange);
    // Leaves the chain, handing the next viewer to the one before us.
    ~ClipboardViewer();
    ClipboardViewer(const ClipboardViewer&) = delete;
    ClipboardViewer& operator=(const ClipboardViewer&) = delete;

    // The window's procedure hands every message here first: WM_DRAWCLIPBOARD runs onChange and
    // is passed on; WM_CHANGECBCHAIN keeps the next viewer. Other messages give nothing.
    std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    HWND Next() const { return next_; }

  private:
    HWND window_;
    HWND next_ = nullptr;
    std::function<void()> onChange_;
};

}  // namespace win
