// One owning handle template for every kind of Win32 handle, and scoped guards for the calls
// that must be undone in order (SelectObject, BeginPaint, GetDC, OpenClipboard, GlobalLock).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace win {

// Movable, never copyable: a copy would free the handle twice.
template <typename Traits>
class Handle {
  public:
    using Type = typename Traits::Type;

    Handle() noexcept = default;
    explicit Handle(Type handle) noexcept : handle_(handle) {}
    Handle(Handle&& other) noexcept : handle_(other.Release()) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Reset(); }

    Type Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Type{}; }
    // Gives up ownership without freeing.
    Type Release() noexcept { return std::exchange(handle_, Type{}); }
    void Reset(Type handle = Type{}) noexcept {
        Type old = std::exchange(handle_, handle);
        if (old != Type{}) Traits::Free(old);
    }

  private:
    Type handle_{};
};

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static void Free(T h) noexcept { ::DeleteObject(h); }
};
struct IconTraits {
    using Type = HICON;
    static void Free(HICON h) noexcept { ::DestroyIcon(h); }
};
struct MenuTraits {
    using Type = HMENU;
    static void Free(HMENU h) noexcept { ::DestroyMenu(h); }
};
struct ImageListTraits {
    using Type = HIMAGELIST;
    static void Free(HIMAGELIST h) noexcept { ::ImageList_Destroy(h); }
};
struct GlobalTraits {
    using Type = HGLOBAL;
    static void Free(HGLOBAL h) noexcept { ::GlobalFree(h); }
};
// A DC made by CreateCompatibleDC or CreateDC (not one from GetDC: see WindowDc).
struct CreatedDcTraits {
    using Type = HDC;
    static void Free(HDC h) noexcept { ::DeleteDC(h); }
};
struct KeyTraits {
    using Type = HKEY;
    static void Free(HKEY h) noexcept { ::RegCloseKey(h); }
};
// A file from CreateFile, whose failure value INVALID_HANDLE_VALUE is stored as null.
struct FileTraits {
    using Type = HANDLE;
    static void Free(HANDLE h) noexcept { ::CloseHandle(h); }
};
struct WindowTraits {
    using Type = HWND;
    static void Free(HWND h) noexcept { ::DestroyWindow(h); }
};

using FontHandle = Handle<GdiObjectTraits<HFONT>>;
using BitmapHandle = Handle<GdiObjectTraits<HBITMAP>>;
using BrushHandle = Handle<GdiObjectTraits<HBRUSH>>;
using PenHandle = Handle<GdiObjectTraits<HPEN>>;
using RegionHandle = Handle<GdiObjectTraits<HRGN>>;
using IconHandle = Handle<IconTraits>;
using MenuHandle = Handle<MenuTraits>;
using ImageListHandle = Handle<ImageListTraits>;
using GlobalHandle = Handle<GlobalTraits>;
using DcHandle = Handle<CreatedDcTraits>;
using KeyHandle = Handle<KeyTraits>;
using FileHandle = Handle<FileTraits>;
using WindowHandle = Handle<WindowTraits>;

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// BeginPaint / EndPaint for a WM_PAINT handler.
class PaintGuard {
  public:
    explicit PaintGuard(HWND window) noexcept : window_(window) {
        dc_ = ::BeginPaint(window, &ps_);
    }
    ~PaintGuard() { ::EndPaint(window_, &ps_); }
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;

    HDC Dc() const noexcept { return dc_; }
    const RECT& Dirty() const noexcept { return ps_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// GetDC / ReleaseDC (window 0 gives the screen).
class WindowDc {
  public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// OpenClipboard / CloseClipboard. Another program may hold the clipboard for a moment, so the
// opening is retried briefly; IsOpen() tells whether it succeeded.
class ClipboardGuard {
  public:
    explicit ClipboardGuard(HWND owner) noexcept;
    ~ClipboardGuard() {
        if (open_ && !nested_) ::CloseClipboard();
    }
    ClipboardGuard(const ClipboardGuard&) = delete;
    ClipboardGuard& operator=(const ClipboardGuard&) = delete;

    bool IsOpen() const noexcept { return open_; }

  private:
    bool open_ = false;
    // Already open for the same window, by a guard further out: that one closes it (a notice
    // handled while a write waits on the old owner would otherwise close it under the write).
    bool nested_ = false;
};

// GlobalLock / GlobalUnlock; Get() is null when the lock failed.
template <typename T>
class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL memory) noexcept
        : memory_(memory), data_(memory ? static_cast<T*>(::GlobalLock(memory)) : nullptr) {}
    ~GlobalLockGuard() {
        if (data_) ::GlobalUnlock(memory_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    T* Get() const noexcept { return data_; }

  private:
    HGLOBAL memory_;
    T* data_;
};

}  // namespace win
