// The clipboard as text, through the real (Wine/X11) clipboard.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win/Clipboard.h"

namespace {

// Data put on the clipboard needs an owner window.
HWND TestOwner() {
    static HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    return window;
}

struct TextCase {
    const char* what;
    std::string text;
};

class ClipboardRoundTrip : public ::testing::TestWithParam<TextCase> {};

TEST_P(ClipboardRoundTrip, WhatIsWrittenIsReadBack) {
    const std::uint32_t before = win::clipboard::SequenceNumber();
    ASSERT_TRUE(win::clipboard::WriteText(GetParam().text));
    EXPECT_NE(win::clipboard::SequenceNumber(), before);
    EXPECT_TRUE(win::clipboard::HasText());
    const auto read = win::clipboard::ReadText();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, ClipboardRoundTrip,
                         ::testing::Values(TextCase{"euro amount", "€ 1,00"}, TextCase{"empty", ""},
                                           TextCase{"lines", "1,00,2,00\r\n3,00,4,00\r\n"},
                                           TextCase{"beyond the BMP", "\xF0\x9F\x92\xB6 5"},
                                           TextCase{"long", std::string(100000, '7')}),
                         [](const auto& testCase) {
                             std::string name = testCase.param.what;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(Clipboard, ReadingWhenThereIsNoTextGivesNothing) {
    ASSERT_TRUE(OpenClipboard(TestOwner()));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(win::clipboard::HasText());
    EXPECT_FALSE(win::clipboard::ReadText().has_value());
}

TEST(Clipboard, TextWithoutTerminatorIsReadOnlyUpToItsBlock) {
    // A program may put text without the closing NUL; reading must stop at the block's end.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t));
    ASSERT_NE(memory, nullptr);
    auto* data = static_cast<wchar_t*>(GlobalLock(memory));
    const std::size_t size = GlobalSize(memory) / sizeof(wchar_t);
    for (std::size_t i = 0; i < size; ++i) data[i] = L'9';
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(TestOwner()));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();
    const auto read = win::clipboard::ReadText();
    ASSERT_TRUE(read.has_value());
    // Wine puts a terminator into the last character; Windows keeps the block as it is.
    EXPECT_GE(read->size(), size - 1);
    EXPECT_LE(read->size(), size);
    EXPECT_EQ(read->find_first_not_of('9'), std::string::npos);
}

TEST(Clipboard, AGuardInsideAnotherForTheSameWindowLeavesTheClipboardOpen) {
    {
        win::ClipboardGuard outer(TestOwner());
        ASSERT_TRUE(outer.IsOpen());
        {
            win::ClipboardGuard inner(TestOwner());
            EXPECT_TRUE(inner.IsOpen());
        }
        EXPECT_EQ(GetOpenClipboardWindow(), TestOwner());
    }
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

TEST(Clipboard, RegisteredFormatsAreFoundByName) {
    EXPECT_FALSE(win::clipboard::IsFormatAvailable(""));
    ASSERT_TRUE(win::clipboard::WriteText("1"));
    EXPECT_FALSE(win::clipboard::IsFormatAvailable("Valomat Test Format"));
    const UINT format = RegisterClipboardFormatW(L"Valomat Test Format");
    ASSERT_NE(format, 0u);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_TRUE(OpenClipboard(TestOwner()));
    SetClipboardData(format, memory);
    CloseClipboard();
    EXPECT_TRUE(win::clipboard::IsFormatAvailable("Valomat Test Format"));
}

}  // namespace
