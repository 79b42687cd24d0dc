#include "win/Folders.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>

#include "win/ReplacingFile.h"
#include "win/Text.h"

namespace win {

namespace {

struct FileCloser {
    HANDLE file;
    ~FileCloser() {
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    }
};

}  // namespace

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);  // a long path was cut
    }
    return Narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
}

std::string LocalAppDataFolder(std::string_view name) {
    PWSTR base = nullptr;
    if (FAILED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &base))) {
        if (base) ::CoTaskMemFree(base);
        return {};
    }
    std::wstring folder = std::wstring(base) + L"\\" + Widen(name);
    ::CoTaskMemFree(base);
    if (!::CreateDirectoryW(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        return {};
    }
    return Narrow(folder) + "\\";
}

bool CanWriteIn(std::string_view folder) {
    const std::wstring probe =
        Widen(folder) + L"Valomat-" + std::to_wstring(::GetCurrentProcessId()) + L".probe";
    const HANDLE file =
        ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

bool FileExists(std::string_view path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> ReadWholeFile(std::string_view path, std::size_t maxBytes) {
    FileCloser f{::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (f.file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(f.file, &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!::ReadFile(f.file, bytes.data() + done, want, &got, nullptr) || got == 0) {
            return std::nullopt;
        }
        done += got;
    }
    return bytes;
}

bool ReplaceWholeFile(std::string_view path, std::string_view bytes) {
    ReplacingFile file{std::filesystem::path(Widen(path))};
    return file.Write(bytes) && file.Commit();
}

}  // namespace win
