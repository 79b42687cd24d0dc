// Writing a file so that a failed write never costs the file it replaces: the bytes go to a new
// file in the same folder, which takes the target's place only when every byte was written.
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
    // Appends bytes; after a failure every further call fails too.
    bool Write(std::string_view bytes);
    // Flushes the bytes to disk and moves the temporary file over the target.
    bool Commit();

  private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    FileHandle file_;
    bool ok_ = false;
    bool committed_ = false;
};

}  // namespace win
