// Registry objects over the Win32 registry, names and texts converted between UTF-8 and UTF-16.
#include "util/zt_Registry_win.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace {

// Owns one opened registry key; the predefined root keys are never owned.
class KeyHandle {
  public:
    KeyHandle() = default;
    explicit KeyHandle(HKEY key) : key_(key) {}
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    KeyHandle(KeyHandle&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    KeyHandle& operator=(KeyHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }
    ~KeyHandle() { Reset(); }

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    void Reset() {
        if (key_) RegCloseKey(key_);
        key_ = nullptr;
    }

  private:
    HKEY key_ = nullptr;
};

// Invalid UTF-8 gives nothing rather than a silently altered name or text.
std::optional<std::wstring> WideFromUtf8(std::string_view text) {
    if (text.empty()) return std::wstring();
    if (text.size() > INT_MAX) return std::nullopt;
    const int length = static_cast<int>(text.size());
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (wideLength <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                            wideLength) != wideLength) {
        return std::nullopt;
    }
    return wide;
}

// What others wrote may hold unpaired surrogates; those read as U+FFFD instead of failing.
std::optional<std::string> Utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return std::string();
    if (wide.size() > INT_MAX) return std::nullopt;
    const int length = static_cast<int>(wide.size());
    const int textLength =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (textLength <= 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(textLength), '\0');
    if (WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), textLength, nullptr,
                            nullptr) != textLength) {
        return std::nullopt;
    }
    return text;
}

RegKind KindOfType(DWORD type) {
    switch (type) {
        case REG_SZ:
            return RegKind::Text;
        case REG_DWORD:
            return RegKind::Integer;
        case REG_BINARY:
            return RegKind::Binary;
        default:
            return RegKind::Other;
    }
}

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
};

std::optional<RawValue> QueryValue(HKEY key, std::string_view name) {
    const auto wideName = WideFromUtf8(name);
    if (!wideName) return std::nullopt;
    // The value may grow between asking for its size and reading it: try again a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        RawValue raw;
        DWORD size = 0;
        if (RegQueryValueExW(key, wideName->c_str(), nullptr, &raw.type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        raw.bytes.resize(size);
        const LONG status = RegQueryValueExW(key, wideName->c_str(), nullptr, &raw.type,
                                             size ? raw.bytes.data() : nullptr, &size);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        raw.bytes.resize(std::min<std::size_t>(size, raw.bytes.size()));
        return raw;
    }
    return std::nullopt;
}

class Win32Key : public RegistryKey {
  public:
    bool OpenKey(std::string_view path, bool create) override {
        std::string_view relative = path;
        const bool fromRoot = relative.starts_with('\\') || !current_;
        while (relative.starts_with('\\')) relative.remove_prefix(1);
        const auto widePath = WideFromUtf8(relative);
        if (!widePath) return false;
        const HKEY base = fromRoot ? HKEY_CURRENT_USER : current_.Get();

        HKEY opened = nullptr;
        LONG status = ERROR_FILE_NOT_FOUND;
        if (create) {
            status = RegCreateKeyExW(base, widePath->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_READ | KEY_WRITE, nullptr, &opened, nullptr);
        } else {
            status = RegOpenKeyExW(base, widePath->c_str(), 0, KEY_READ | KEY_WRITE, &opened);
        }
        // A key we may not change can still be read.
        if (status != ERROR_SUCCESS) {
            status = RegOpenKeyExW(base, widePath->c_str(), 0, KEY_READ, &opened);
        }
        if (status != ERROR_SUCCESS) return false;
        current_ = KeyHandle(opened);
        return true;
    }

    void CloseKey() override { current_.Reset(); }

    bool DeleteKey(std::string_view path) override {
        std::string_view relative = path;
        const bool fromRoot = relative.starts_with('\\') || !current_;
        while (relative.starts_with('\\')) relative.remove_prefix(1);
        while (relative.ends_with('\\')) relative.remove_suffix(1);
        if (relative.empty()) return false;  // never the current key or the root itself
        const auto widePath = WideFromUtf8(relative);
        if (!widePath) return false;
        const HKEY base = fromRoot ? HKEY_CURRENT_USER : current_.Get();

        // Empty the key through a handle with the rights that needs, then remove it.
        HKEY opened = nullptr;
        if (RegOpenKeyExW(base, widePath->c_str(), 0,
                          DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE,
                          &opened) != ERROR_SUCCESS) {
            return false;
        }
        KeyHandle target(opened);
        if (RegDeleteTreeW(target.Get(), nullptr) != ERROR_SUCCESS) return false;
        target.Reset();
        return RegDeleteKeyW(base, widePath->c_str()) == ERROR_SUCCESS;
    }

    RegKind ValueKind(std::string_view name) const override {
        const auto wideName = WideFromUtf8(name);
        if (!wideName) return RegKind::Missing;
        DWORD type = REG_NONE;
        const LONG status =
            RegQueryValueExW(Base(), wideName->c_str(), nullptr, &type, nullptr, nullptr);
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return RegKind::Missing;
        return KindOfType(type);
    }

    std::optional<std::string> ReadText(std::string_view name) const override {
        const auto raw = QueryValue(Base(), name);
        if (!raw || raw->type != REG_SZ) return std::nullopt;
        // The data need not end in a NUL and may have an odd length: take whole characters
        // up to the first NUL.
        std::wstring wide(raw->bytes.size() / sizeof(wchar_t), L'\0');
        if (!wide.empty())
            std::memcpy(wide.data(), raw->bytes.data(), wide.size() * sizeof(wchar_t));
        const auto end = wide.find(L'\0');
        if (end != std::wstring::npos) wide.resize(end);
        return Utf8FromWide(wide);
    }

    std::optional<std::uint32_t> ReadInteger(std::string_view name) const override {
        const auto raw = QueryValue(Base(), name);
        if (!raw || raw->type != REG_DWORD || raw->bytes.size() != 4) return std::nullopt;
        return static_cast<std::uint32_t>(raw->bytes[0]) |
               (static_cast<std::uint32_t>(raw->bytes[1]) << 8) |
               (static_cast<std::uint32_t>(raw->bytes[2]) << 16) |
               (static_cast<std::uint32_t>(raw->bytes[3]) << 24);
    }

    std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) const override {
        auto raw = QueryValue(Base(), name);
        if (!raw || raw->type != REG_BINARY) return std::nullopt;
        return std::move(raw->bytes);
    }

    bool WriteText(std::string_view name, std::string_view value) override {
        const auto wide = WideFromUtf8(value);
        if (!wide) return false;
        const auto* data = reinterpret_cast<const std::uint8_t*>(wide->c_str());
        return Set(name, REG_SZ, data, (wide->size() + 1) * sizeof(wchar_t));
    }

    bool WriteInteger(std::string_view name, std::uint32_t value) override {
        const std::uint8_t bytes[4] = {
            static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
        return Set(name, REG_DWORD, bytes, sizeof bytes);
    }

    bool WriteBinary(std::string_view name, const std::vector<std::uint8_t>& value) override {
        return Set(name, REG_BINARY, value.data(), value.size());
    }

  private:
    HKEY Base() const { return current_ ? current_.Get() : HKEY_CURRENT_USER; }

    bool Set(std::string_view name, DWORD type, const std::uint8_t* data, std::size_t size) {
        const auto wideName = WideFromUtf8(name);
        if (!wideName || size > MAXDWORD) return false;
        return RegSetValueExW(Base(), wideName->c_str(), 0, type, size ? data : nullptr,
                              static_cast<DWORD>(size)) == ERROR_SUCCESS;
    }

    KeyHandle current_;  // empty: HKEY_CURRENT_USER itself
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::NewKey() {
    return std::make_unique<Win32Key>();
}
