// Writing a file so that a failed write never costs the file it replaces: the bytes go to a new
// file in the same folder, which takes the target's place only when every byte was written. A
// read-only target is refused, as Windows refuses to replace it. Paths of any length work: a
// name the save dialog accepts leaves no room for a temporary file's name within the old
// 260-character limit, so both are used in their long form.
#pragma once

#include <filesystem>
#include <string_view>

#include "win/Handle.h"

namespace win {

class ReplacingFile {
  public:
    // Creates the temporary file beside `target`; Ok() tells whether that worked.
    explicit ReplacingFile(const std::filesystem::path& target);
    // Without a successful Commit the temporary file is removed and the target left as it was.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool Ok() const { return ok_; }
    // The target exists and is read-only: nothing was created.
    bool TargetReadOnly() const { return readOnly_; }
    // Appends bytes; after a failure every further call fails too.
    bool Write(std::string_view bytes);
    // Flushes the bytes to disk and moves the temporary file over the target.
    bool Commit();

  private:
    std::wstring target_;     // long form
    std::wstring temporary_;  // long form
    FileHandle file_;
    bool ok_ = false;
    bool readOnly_ = false;
    bool committed_ = false;
};

}  // namespace win
