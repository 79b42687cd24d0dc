#include "win/ReplacingFile.h"

#include <algorithm>
#include <string>

namespace win {

namespace {

// Bytes handed to one WriteFile call: well below its 32-bit count.
constexpr std::size_t kMaxWrite = 1u << 24;
constexpr int kNameAttempts = 100;

}  // namespace

ReplacingFile::ReplacingFile(const std::filesystem::path& target) : target_(target) {
    const std::wstring stem =
        L"~" + target.filename().wstring() + L"." + std::to_wstring(GetCurrentProcessId()) + L".";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path candidate =
            target.parent_path() / (stem + std::to_wstring(GetTickCount() + attempt) + L".tmp");
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
