#include "win/Dpi.h"

namespace win {

namespace {

template <typename F>
F User32(const char* name) {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
                  : nullptr;
}

using DpiForWindowFn = UINT(WINAPI*)(HWND);
using MetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

}  // namespace

int SystemDpi() {
    static const int dpi = [] {
        HDC screen = ::GetDC(nullptr);
        const int found = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen) ::ReleaseDC(nullptr, screen);
        return found > 0 ? found : kDesignDpi;
    }();
    return dpi;
}

int WindowDpi(HWND window) {
    static const auto forWindow = User32<DpiForWindowFn>("GetDpiForWindow");
    const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

int SystemMetricAt(int index, int dpi) {
    static const auto forDpi = User32<MetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

SIZE OuterSizeAt(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dpi) {
    static const auto forDpi = User32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, clientWidth, clientHeight};
    if (!forDpi || !forDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
    }
    return {r.right - r.left, r.bottom - r.top};
}

LOGFONTW MenuFontAt(int dpi) {
    static const auto forDpi = User32<ParametersForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics.lfMenuFont;
    }
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMenuFont.lfHeight = ::MulDiv(metrics.lfMenuFont.lfHeight, dpi, SystemDpi());
    return metrics.lfMenuFont;
}

}  // namespace win
