// Pictures for the README, made only when VALOMAT_DOCS_SHOTS names a folder: four colour pickers
// on a plain form with a drop-down open, and the own-currencies dialog with a chosen picture.
// Each is taken from the screen as Windows bitmaps (scripts/screenshots.sh turns them into PNG).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "components/ztColorPick_win.h"
#include "core/CurrencyTable.h"
#include "ui/Artwork.h"
#include "ui/OwnCurrency_win.h"
#include "ui/SlotPictures.h"
#include "win/Application.h"
#include "win/Gdi.h"
#include "win/Label.h"
#include "win/Message.h"
#include "win/Panel.h"
#include "win/Text.h"

namespace {

namespace fs = std::filesystem;

void Settle() {
    for (int i = 0; i < 20; ++i) {
        win::Application::ProcessMessages();
        Sleep(10);
    }
}

// The screen's pixels in a rectangle.
bool SaveScreen(RECT r, const fs::path& file) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    win::WindowDc screen(nullptr);
    win::DcHandle memory(CreateCompatibleDC(screen.Get()));
    win::BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        win::SelectGuard select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    }
    const std::optional<Picture> picture = win::ReadBitmap(bitmap.Get());
    return picture && WriteBitmapFile(file, *picture);
}

RECT Union(HWND a, HWND b) {
    RECT ra{}, rb{}, both{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    UnionRect(&both, &ra, &rb);
    return both;
}

TEST(DocsPictures, ColourPickersAndOwnCurrencies) {
    const char* folder = std::getenv("VALOMAT_DOCS_SHOTS");
    if (!folder || !*folder) GTEST_SKIP() << "VALOMAT_DOCS_SHOTS names no folder";
    const fs::path out(folder);
    ASSERT_TRUE(win::Application::Initialize("Valomat"));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);

    // The four pickers as the results page stacks them, each with its label.
    win::Form form;
    ASSERT_TRUE(
        form.Create({.caption = "Kleuren munten", .clientWidth = 260, .clientHeight = 190}));
    win::GroupBox group;
    ASSERT_TRUE(group.Create({.parent = &form,
                              .name = "GroupBox_Colors",
                              .x = 8,
                              .y = 8,
                              .width = 244,
                              .height = 116,
                              .caption = "Kleuren munten"}));
    const struct {
        const char* label;
        Colour colour;
    } rows[] = {{"Euro-landen (EU, Europa)", MakeColour(0, 0, 0x80)},
                {"EU-landen (Europa)", MakeColour(0x80, 0, 0)},
                {"Europese landen", MakeColour(0x80, 0, 0x80)},
                {"Andere landen", 0}};
    TztColorPicker pickers[4];
    win::Label labels[4];
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(pickers[i].Create({.parent = &group,
                                       .name = "ztColorPicker" + std::to_string(i),
                                       .x = 12,
                                       .y = 18 + 24 * i,
                                       .color = rows[i].colour,
                                       .flat = true}));
        ASSERT_TRUE(labels[i].Create({.parent = &group,
                                      .x = 62,
                                      .y = 22 + 24 * i,
                                      .width = 170,
                                      .height = 14,
                                      .text = rows[i].label}));
    }
    form.Show();
    SetForegroundWindow(form.Handle());
    pickers[1].SetFocus();
    Settle();
    pickers[1].OpenDropDown();
    Settle();
    HWND dropDown = pickers[1].DropDown()->Handle();
    SendMessageW(dropDown, WM_MOUSEMOVE, 0, win::MakePointParam(48, 30));  // over yellow
    Settle();
    EXPECT_TRUE(SaveScreen(Union(form.Handle(), dropDown), out / "color-picker.bmp"));
    pickers[1].DropDown()->CloseUp();
    form.Hide();

    // The own-currencies dialog with a coin chosen for the first currency.
    RecRec rec;
    InitCurrencyTable(rec);
    SetOwnCurrency(rec, 1, "z\u0142oty", "PLN", "z\u0142");
    SetOwnCurrency(rec, 2, "daalder", "DLR", "d");
    SlotPictures pictures;
    Picture coin(18, 18, MakeColour(0, 128, 128));
    art::Painter painter(coin);
    art::DrawCoin(painter, {9, 9}, 8);
    const fs::path coinFile = fs::temp_directory_path() / "valomat-docs-coin.bmp";
    ASSERT_TRUE(WriteBitmapFile(coinFile, coin));
    TFormEigenMunt dialog(rec, pictures);
    ASSERT_TRUE(dialog.CreateEigenMunt());
    dialog.Show();
    ASSERT_TRUE(dialog.UsePicture(1, win::Narrow(coinFile.wstring())));
    SetForegroundWindow(dialog.Handle());
    dialog.Edit_Munt[0].SetFocus();
    Settle();
    RECT frame{};
    GetWindowRect(dialog.Handle(), &frame);
    EXPECT_TRUE(SaveScreen(frame, out / "own-currencies.bmp"));
    fs::remove(coinFile);
}

}  // namespace
