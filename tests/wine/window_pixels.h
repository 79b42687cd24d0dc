// A window's own painting read back as pixels: WM_PRINTCLIENT into a bitmap.
#pragma once

#include <windows.h>

#include "util/zt_Graph.h"
#include "win/Gdi.h"
#include "win/Handle.h"

inline Picture PaintedPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    win::WindowDc screen(nullptr);
    win::DcHandle memory(CreateCompatibleDC(screen.Get()));
    win::BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    {
        win::SelectGuard select(memory.Get(), bitmap.Get());
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()),
                     PRF_CLIENT | PRF_ERASEBKGND);
    }
    return win::ReadBitmap(bitmap.Get()).value_or(Picture{});
}
