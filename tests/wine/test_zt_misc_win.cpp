// Switching a real window's redrawing, and the language of the user's locale.
#include <gtest/gtest.h>

#include "util/zt_Misc_win.h"

namespace {

// WM_SETREDRAW works by toggling WS_VISIBLE behind the window's back; the style shows whether
// drawing is on.
bool DrawingOn(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND CreatePlainWindow() {
    static const ATOM windowClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ValomatRedrawTest";
        return RegisterClassW(&wc);
    }();
    if (windowClass == 0) return nullptr;
    return CreateWindowExW(0, L"ValomatRedrawTest", L"redraw", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                           0, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

bool NeedsPainting(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

TEST(ZtMiscWinSetRedraw, TurnsDrawingOffAndBackOnWithARepaint) {
    SetRedraw(nullptr, true);  // a null handle is ignored
    SetRedraw(nullptr, false);

    HWND window = CreatePlainWindow();
    ASSERT_NE(window, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20,
                                 window, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    ASSERT_TRUE(DrawingOn(window));
    ValidateRect(window, nullptr);
    ValidateRect(child, nullptr);
    ASSERT_FALSE(NeedsPainting(window));
    ASSERT_FALSE(NeedsPainting(child));

    SetRedraw(window, true);
    EXPECT_FALSE(DrawingOn(window));
    EXPECT_TRUE(DrawingOn(child));  // only the window itself is switched

    SetRedraw(window, false);
    EXPECT_TRUE(DrawingOn(window));
    EXPECT_TRUE(IsWindowVisible(child));
    // What changed meanwhile was not drawn: the window and its children are repainted.
    EXPECT_TRUE(NeedsPainting(window));
    EXPECT_TRUE(NeedsPainting(child));

    EXPECT_TRUE(DestroyWindow(window));
}

TEST(ZtMiscWinSetRedraw, NestedSuspensionsResumeDrawingOnlyAtTheOutermost) {
    HWND window = CreatePlainWindow();
    ASSERT_NE(window, nullptr);
    {
        RedrawSuspension outer(window);  // a dialog around a layout that suspends itself
        {
            RedrawSuspension inner(window);
            EXPECT_FALSE(DrawingOn(window));
        }
        EXPECT_FALSE(DrawingOn(window));
        ValidateRect(window, nullptr);
    }
    EXPECT_TRUE(DrawingOn(window));
    EXPECT_TRUE(NeedsPainting(window));
    EXPECT_TRUE(DestroyWindow(window));
}

TEST(ZtMiscWinSetRedraw, AHiddenWindowStaysHidden) {
    HWND window = CreatePlainWindow();
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_HIDE);
    { RedrawSuspension suspended(window); }
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(DestroyWindow(window));
}

TEST(ZtMiscWinLanguage, FollowsTheUserLocale) {
    const LCID lcid = GetUserDefaultLCID();
    EXPECT_EQ(LanguageFromLocale(), LanguageFromLcid(lcid)) << lcid;
    // run-wine.sh starts with nl_BE unless told otherwise.
    if (lcid == 2067) {
        EXPECT_EQ(LanguageFromLocale(), lgNederlands);
    }
}

}  // namespace
