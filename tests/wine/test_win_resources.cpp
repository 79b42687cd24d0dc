// Handles: the owning template, the GDI helpers and image lists, and no leaks when whole forms
// with every control kind are made and destroyed again and again.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "win/Application.h"
#include "win/Edit.h"
#include "win/Form.h"
#include "win/Gdi.h"
#include "win/Handle.h"
#include "win/Image.h"
#include "win/ImageList.h"
#include "win/Label.h"
#include "win/ListBox.h"
#include "win/Panel.h"
#include "win/PopupMenu.h"
#include "win/SpeedButton.h"
#include "win/Timer.h"
#include "win/ToolBar.h"

namespace {

// A handle kind whose frees are counted.
int freed = 0;
struct CountingTraits {
    using Type = int*;
    static void Free(int*) noexcept { ++freed; }
};
using Counted = win::Handle<CountingTraits>;

TEST(WinHandle, EachOwnedHandleIsFreedExactlyOnce) {
    int a = 0;
    int b = 0;
    freed = 0;
    {
        Counted first(&a);
        Counted second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), &a);
        Counted third(&b);
        third = std::move(second);  // b is freed, a moves over
        EXPECT_EQ(freed, 1);
        third = std::move(third);  // self-move keeps it
        EXPECT_EQ(third.Get(), &a);
        int* released = third.Release();
        EXPECT_EQ(released, &a);
        third.Reset(&b);
    }
    EXPECT_EQ(freed, 2) << "b twice (two owners in turn), a never (released)";
}

Picture Pattern(int width, int height) {
    Picture p(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            p.Set(x, y, MakeColour(x * 37 % 256, y * 53 % 256, (x + y) % 256));
    }
    return p;
}

TEST(WinGdi, PicturesSurviveTheTripThroughABitmap) {
    // Odd widths check the row padding; 1 x 1 the smallest case.
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {20, 20}, {118, 156}}) {
        const Picture p = Pattern(w, h);
        win::BitmapHandle bitmap = win::MakeBitmap(p);
        ASSERT_TRUE(bitmap) << w << "x" << h;
        const auto back = win::ReadBitmap(bitmap.Get());
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, p) << w << "x" << h;
    }
    EXPECT_FALSE(win::MakeBitmap(Picture{}));
    Picture broken(4, 4);
    broken.pixels.resize(3);  // inconsistent data is refused, not read past
    EXPECT_FALSE(win::MakeBitmap(broken));
    EXPECT_FALSE(win::ReadBitmap(nullptr).has_value());
}

TEST(WinGdi, SystemColoursFollowTheScheme) {
    EXPECT_EQ(win::ToColorRef(win::clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(win::ToColorRef(win::clInfoBk), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(win::ToColorRef(MakeColour(0, 0, 128)), RGB(0, 0, 128));
    const win::FontSpec title{.face = "Arial", .height = -29, .bold = true};
    EXPECT_EQ(win::SharedFont(title, 96), win::SharedFont(title, 96));
    EXPECT_NE(win::SharedFont(title, 96), win::SharedFont(title, 144));
    EXPECT_NE(win::SharedFont({.face = "Arial", .height = -29}, 96),
              win::SharedFont({.face = "Arial", .height = -24}, 96));
}

TEST(WinImageList, MaskedPixelsTakeTheBackgroundWhenReadBack) {
    win::ImageList list(20, 20);
    const Colour silver = MakeColour(192, 192, 192);
    Picture flag(20, 20, silver);
    flag.FillRect(5, 5, 15, 15, MakeColour(255, 0, 0));
    EXPECT_EQ(list.Add(flag), 0) << "bottom-left pixel (silver) is the mask";
    EXPECT_EQ(list.Add(Picture(16, 16)), -1) << "wrong size";
    EXPECT_EQ(list.Count(), 1);

    const auto back = list.GetPicture(0, MakeColour(0, 255, 0));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->At(0, 0), MakeColour(0, 255, 0));
    EXPECT_EQ(back->At(10, 10), MakeColour(255, 0, 0));

    Picture blue(20, 20, MakeColour(0, 0, 255));
    EXPECT_TRUE(list.Replace(0, blue, silver));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetPicture(0, 0)->At(3, 3), MakeColour(0, 0, 255));
    EXPECT_FALSE(list.Replace(1, blue, silver));
    EXPECT_FALSE(list.GetPicture(5, 0).has_value());
}

// One form with every control kind, as the program's windows build them.
struct EveryKind : win::Form {
    win::ImageList images{16, 16};
    win::Panel panel;
    win::GroupBox group;
    win::Bevel bevel;
    win::Edit edit;
    win::Label label;
    win::SpeedButton button;
    win::Image image;
    win::ToolBar bar;
    win::ListBox list;
    win::PopupMenu menu;
    win::Timer timer;

    void CreateControls() override {
        images.Add(Pattern(16, 16));
        bar.Create({.parent = this,
                    .name = "bar",
                    .align = win::Align::Top,
                    .hint = "bar",
                    .images = &images,
                    .disabledImages = &images});
        bar.Add({.name = "b", .image = 0, .hint = "hint"});
        panel.Create({.parent = this, .name = "panel", .height = 67, .align = win::Align::Top});
        edit.Create({.parent = &panel,
                     .name = "edit",
                     .x = 8,
                     .y = 6,
                     .width = 125,
                     .height = 21,
                     .hint = "amount",
                     .text = "0"});
        group.Create({.parent = this,
                      .name = "group",
                      .x = 0,
                      .y = 100,
                      .width = 66,
                      .height = 80,
                      .caption = "Bron"});
        button.Create({.parent = &group,
                       .name = "button",
                       .x = 10,
                       .y = 14,
                       .width = 44,
                       .height = 22,
                       .hint = "flag",
                       .glyph = Pattern(20, 20),
                       .groupIndex = 1});
        label.Create({.parent = this,
                      .name = "label",
                      .x = 70,
                      .y = 100,
                      .width = 170,
                      .height = 16,
                      .text = "Euro (EUR), €",
                      .transparent = true});
        bevel.Create({.parent = this,
                      .name = "bevel",
                      .x = 70,
                      .y = 120,
                      .width = 170,
                      .height = 2,
                      .shape = win::BevelShape::TopLine});
        image.Create({.parent = this,
                      .name = "image",
                      .x = 250,
                      .y = 100,
                      .width = 20,
                      .height = 20,
                      .picture = Pattern(20, 20),
                      .transparent = true});
        list.Create({.parent = this,
                     .name = "list",
                     .x = 0,
                     .y = 190,
                     .width = 300,
                     .height = 60,
                     .itemHeight = 20});
        list.Add("*1*1*2*2*");
        menu.Create(this, &images);
        menu.Add({.caption = "Kopiëren", .image = 0});
        edit.SetPopupMenu(&menu);
        timer.Create({.owner = this, .interval = 1000});
    }
};

DWORD GuiObjects(DWORD kind) {
    return GetGuiResources(GetCurrentProcess(), kind);
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND top, LPARAM lp) -> BOOL {
            auto* n = reinterpret_cast<int*>(lp);
            ++*n;
            EnumChildWindows(
                top,
                [](HWND, LPARAM inner) -> BOOL { return ++*reinterpret_cast<int*>(inner), TRUE; },
                lp);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(WinResources, FormsWithEveryControlKindLeaveNothingBehind) {
    ASSERT_TRUE(win::Application::Initialize("Valomat test"));
    auto cycle = [] {
        EveryKind form;
        ASSERT_TRUE(
            form.Create({.caption = "every kind", .clientWidth = 326, .clientHeight = 260}));
        std::string names;
        for (auto* c : form.Controls()) names += c->Name() + " ";
        ASSERT_EQ(form.Controls().size(), 9u) << names;
        // Every control paints itself once, into a memory DC: a shown window would cost
        // seconds per cycle to hide again under a window manager-less X server.
        win::DcHandle dc(CreateCompatibleDC(nullptr));
        win::BitmapHandle bitmap = win::MakeBitmap(Picture(326, 260));
        win::SelectGuard select(dc.Get(), bitmap.Get());
        for (win::Control* c : form.Controls()) {
            SendMessageW(c->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()),
                         PRF_CLIENT | PRF_ERASEBKGND);
        }
        win::Application::ProcessMessages();
    };
    cycle();  // the shared fonts and brushes are made here once
    const DWORD gdiBefore = GuiObjects(GR_GDIOBJECTS);
    const DWORD userBefore = GuiObjects(GR_USEROBJECTS);
    const int windowsBefore = ThreadWindows();
    // Each destroyed form costs Wine about two seconds here, so a few rounds must do.
    for (int i = 0; i < 12; ++i) cycle();
    win::Application::ProcessMessages();
    EXPECT_EQ(ThreadWindows(), windowsBefore);
    // Wine answers 0 for both counts; Windows counts for real.
    EXPECT_LE(GuiObjects(GR_GDIOBJECTS), gdiBefore + 20);
    EXPECT_LE(GuiObjects(GR_USEROBJECTS), userBefore + 20);
}

}  // namespace
