// The Win32 registry backend against the real registry, under a scratch key of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "util/zt_Registry_win.h"

namespace {

class Win32RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        scratch_ = "Software\\ZT\\ValomatTest-" + std::to_string(GetCurrentProcessId());
        wideScratch_ = std::wstring(scratch_.begin(), scratch_.end());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wideScratch_.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
        reg_ = registry_.NewKey();
        ASSERT_TRUE(reg_->OpenKey(scratch_, false));
    }

    void TearDown() override {
        reg_.reset();
        if (key_) RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, wideScratch_.c_str());
    }

    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }

    // The type and bytes the registry holds, read past our backend.
    std::pair<DWORD, std::vector<BYTE>> GetRaw(const wchar_t* name) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExW(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return {REG_NONE, {}};
        }
        std::vector<BYTE> bytes(size);
        RegQueryValueExW(key_, name, nullptr, &type, bytes.data(), &size);
        return {type, bytes};
    }

    bool KeyExists(const std::wstring& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    std::string scratch_;
    std::wstring wideScratch_;
    HKEY key_ = nullptr;
    Win32Registry registry_;
    std::unique_ptr<RegistryKey> reg_;
};

TEST_F(Win32RegistryTest, KindsOfValueTypes) {
    const DWORD number = 7;
    const BYTE bytes[3] = {1, 2, 3};
    const wchar_t text[] = L"%TEMP%";
    const ULONGLONG quad = 1;
    SetRaw(L"sz", REG_SZ, text, sizeof text);
    SetRaw(L"dword", REG_DWORD, &number, sizeof number);
    SetRaw(L"binary", REG_BINARY, bytes, sizeof bytes);
    SetRaw(L"expand", REG_EXPAND_SZ, text, sizeof text);
    SetRaw(L"multi", REG_MULTI_SZ, L"a\0b\0", 10);
    SetRaw(L"qword", REG_QWORD, &quad, sizeof quad);
    SetRaw(L"empty binary", REG_BINARY, nullptr, 0);

    const std::pair<const char*, RegKind> cases[] = {
        {"sz", RegKind::Text},         {"dword", RegKind::Integer},
        {"binary", RegKind::Binary},   {"expand", RegKind::Other},
        {"multi", RegKind::Other},     {"qword", RegKind::Other},
        {"missing", RegKind::Missing}, {"empty binary", RegKind::Binary},
        {"DWORD", RegKind::Integer},  // names ignore case
    };
    for (const auto& [name, kind] : cases) EXPECT_EQ(reg_->ValueKind(name), kind) << name;

    EXPECT_EQ(reg_->ReadText("sz"), "%TEMP%");
    EXPECT_EQ(reg_->ReadText("expand"), std::nullopt);
    EXPECT_EQ(reg_->ReadInteger("dword"), 7u);
    EXPECT_EQ(reg_->ReadInteger("qword"), std::nullopt);
    EXPECT_EQ(reg_->ReadBinary("binary"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(reg_->ReadBinary("empty binary"), std::vector<std::uint8_t>{});
    EXPECT_EQ(reg_->ReadBinary("sz"), std::nullopt);
}

TEST_F(Win32RegistryTest, TextRoundTripIsUtf16InTheRegistry) {
    const std::string name = "Naam \xE2\x82\xAC";                                    // Naam €
    const std::string text = "\xE2\x82\xAC \xC5\xBD \xE6\x97\xA5 \xF0\x9F\x98\x80";  // € Ž 日 😀
    ASSERT_TRUE(reg_->WriteText(name, text));
    EXPECT_EQ(reg_->ReadText(name), text);

    const auto [type, bytes] = GetRaw(L"Naam \u20AC");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    const wchar_t expected[] = L"\u20AC \u017D \u65E5 \xD83D\xDE00";  // with its NUL
    ASSERT_EQ(bytes.size(), sizeof expected);
    EXPECT_EQ(std::memcmp(bytes.data(), expected, sizeof expected), 0);

    ASSERT_TRUE(reg_->WriteText("empty", ""));
    EXPECT_EQ(reg_->ReadText("empty"), "");
    EXPECT_FALSE(reg_->WriteText("bad", "\xFF\xFE")) << "invalid UTF-8 is not stored";
    EXPECT_EQ(reg_->ValueKind("bad"), RegKind::Missing);
}

TEST_F(Win32RegistryTest, TextDataWithoutTerminatorOrOfOddLength) {
    struct Case {
        const wchar_t* name;
        const char* raw;
        DWORD size;
        const char* expected;
    };
    // Little-endian UTF-16 written byte by byte.
    const Case cases[] = {
        {L"no terminator", "a\0b\0c\0", 6, "abc"},
        {L"odd length", "a\0b\0c\0d", 7, "abc"},
        {L"one byte", "a", 1, ""},
        {L"no data", "", 0, ""},
        {L"stops at the first NUL", "a\0\0\0c\0\0\0", 8, "a"},
        {L"lone surrogate", "a\0\x00\xD8", 4, "a\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        SetRaw(c.name, REG_SZ, c.raw, c.size);
        const std::wstring wide(c.name);
        const std::string name(wide.begin(), wide.end());
        EXPECT_EQ(reg_->ReadText(name), c.expected) << name;
    }
}

TEST_F(Win32RegistryTest, IntegerAndBinaryWrites) {
    ASSERT_TRUE(reg_->WriteInteger("n", 0x80000005u));
    auto [type, bytes] = GetRaw(L"n");
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(bytes, (std::vector<BYTE>{5, 0, 0, 0x80}));
    EXPECT_EQ(reg_->ReadInteger("n"), 0x80000005u);

    ASSERT_TRUE(WriteFloat(*reg_, "rate", 0.62L));
    std::tie(type, bytes) = GetRaw(L"rate");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    const double d = 0.62;
    ASSERT_EQ(bytes.size(), 8u);
    EXPECT_EQ(std::memcmp(bytes.data(), &d, 8), 0);

    ASSERT_TRUE(reg_->WriteBinary("none", {}));
    EXPECT_EQ(reg_->ReadBinary("none"), std::vector<std::uint8_t>{});
}

TEST_F(Win32RegistryTest, ReadRoutinesReplaceMismatchedValues) {
    SetRaw(L"Geselecteerd5", REG_SZ, L"1", 4);
    EXPECT_TRUE(ReadBoolDef(*reg_, "Geselecteerd5", true));
    EXPECT_EQ(GetRaw(L"Geselecteerd5"),
              (std::pair<DWORD, std::vector<BYTE>>{REG_DWORD, {1, 0, 0, 0}}));

    const BYTE seven[7] = {1, 2, 3, 4, 5, 6, 7};
    SetRaw(L"GBP", REG_BINARY, seven, sizeof seven);
    EXPECT_EQ(ReadFloatDef(*reg_, "GBP", 2.5L), 2.5L);
    const auto [type, bytes] = GetRaw(L"GBP");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes, (std::vector<BYTE>{0, 0, 0, 0, 0, 0, 4, 0x40}));

    SetRaw(L"Letters", REG_EXPAND_SZ, L"%X%", 8);
    EXPECT_EQ(ReadStringDef(*reg_, "Letters", "VL"), "VL");
    EXPECT_EQ(GetRaw(L"Letters").first, static_cast<DWORD>(REG_SZ));

    const DWORD two = 2;
    SetRaw(L"Weergave", REG_DWORD, &two, sizeof two);
    EXPECT_EQ(ReadIntegerDef(*reg_, "Weergave", 1), 2) << "a present value is kept";
}

TEST_F(Win32RegistryTest, OpenKeyRelativeRootedAndFailing) {
    auto reg = registry_.NewKey();
    ASSERT_TRUE(reg->OpenKey(scratch_, false));
    ASSERT_TRUE(reg->OpenKey("A\\B", true));
    EXPECT_TRUE(KeyExists(wideScratch_ + L"\\A\\B"));
    EXPECT_FALSE(reg->OpenKey("Missing", false));
    ASSERT_TRUE(reg->WriteInteger("here", 1)) << "a failed open stays on A\\B";
    HKEY ab = nullptr;
    ASSERT_EQ(RegOpenKeyExW(key_, L"A\\B", 0, KEY_READ, &ab), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExW(ab, L"here", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(ab);

    ASSERT_TRUE(reg->OpenKey("\\" + scratch_ + "\\C", true));
    EXPECT_TRUE(KeyExists(wideScratch_ + L"\\C"));
    EXPECT_FALSE(KeyExists(wideScratch_ + L"\\A\\B\\" + wideScratch_));

    OpenSoftwareKey(*reg, "ZT\\ValomatTest-" + std::to_string(GetCurrentProcessId()) + "\\D");
    EXPECT_TRUE(KeyExists(wideScratch_ + L"\\D"));
    ASSERT_TRUE(reg->WriteText("in D", "x"));
    EXPECT_EQ(reg->ReadText("in D"), "x");
}

TEST_F(Win32RegistryTest, DeleteKeyRemovesATree) {
    auto reg = registry_.NewKey();
    ASSERT_TRUE(reg->OpenKey(scratch_ + "\\Old\\Sub\\Deeper", true));
    ASSERT_TRUE(reg->WriteInteger("v", 1));
    ASSERT_TRUE(reg->OpenKey("\\" + scratch_ + "\\Old", false));
    ASSERT_TRUE(reg->WriteInteger("v", 2));
    ASSERT_TRUE(reg->OpenKey("\\" + scratch_ + "\\Keep", true));

    EXPECT_FALSE(reg_->DeleteKey("Missing"));
    EXPECT_FALSE(reg_->DeleteKey(""));
    EXPECT_TRUE(reg_->DeleteKey("old"));
    EXPECT_FALSE(KeyExists(wideScratch_ + L"\\Old"));
    EXPECT_TRUE(KeyExists(wideScratch_ + L"\\Keep"));
    EXPECT_TRUE(KeyExists(wideScratch_));
}

}  // namespace
