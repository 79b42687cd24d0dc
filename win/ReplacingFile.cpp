#include "win/ReplacingFile.h"

#include <algorithm>
#include <string>

namespace win {

namespace {

// Bytes handed to one WriteFile call: well below its 32-bit count.
constexpr std::size_t kMaxWrite = 1u << 24;
constexpr int kNameAttempts = 100;

// "\\?\C:\..." or "\\?\UNC\server\...": the form without the 260-character limit.
std::wstring LongForm(const std::filesystem::path& path) {
    std::wstring full(32768, L'\0');
    const DWORD n =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n == 0 || n >= full.size()) return path.wstring();
    full.resize(n);
    if (full.starts_with(L"\\\\?\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// "~vm1a2b3c4d.tmp": short, so that it fits wherever the target's name fits.
std::wstring TemporaryName(int attempt) {
    wchar_t name[24];
    swprintf(name, std::size(name), L"~vm%08lx.tmp",
             static_cast<unsigned long>(GetCurrentProcessId() * 2654435761u + GetTickCount() +
                                        static_cast<unsigned>(attempt)));
    return name;
}

}  // namespace

ReplacingFile::ReplacingFile(const std::filesystem::path& target) : target_(LongForm(target)) {
    const DWORD attributes = GetFileAttributesW(target_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        readOnly_ = true;
        return;
    }
    const std::wstring folder = target_.substr(0, target_.find_last_of(L'\\') + 1);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::wstring candidate = folder + TemporaryName(attempt);
        const HANDLE handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            file_.Reset(handle);
            temporary_ = candidate;
            ok_ = true;
            return;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return;  // no folder, no rights: no use trying
    }
}

ReplacingFile::~ReplacingFile() {
    if (committed_ || temporary_.empty()) return;
    file_.Reset();
    DeleteFileW(temporary_.c_str());
}

bool ReplacingFile::Write(std::string_view bytes) {
    while (ok_ && !bytes.empty()) {
        const DWORD count = static_cast<DWORD>(std::min(bytes.size(), kMaxWrite));
        DWORD written = 0;
        if (!WriteFile(file_.Get(), bytes.data(), count, &written, nullptr) || written == 0) {
            ok_ = false;
        }
        bytes.remove_prefix(written);
    }
    return ok_;
}

bool ReplacingFile::Commit() {
    if (!ok_) return false;
    ok_ = FlushFileBuffers(file_.Get()) && CloseHandle(file_.Release()) &&
          MoveFileExW(temporary_.c_str(), target_.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    committed_ = ok_;
    return ok_;
}

}  // namespace win
