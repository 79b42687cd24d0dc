// The common file dialogs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace win {

class Form;

struct FileDialogParams {
    Form* owner = nullptr;
    std::string title{};
    // Pairs of description and pattern separated by "|": "TXT | *.TXT" or
    // "Bitmaps (*.bmp)|*.bmp|All files|*.*"; blanks around each part are ignored.
    std::string filter{};
    std::string defaultExt{};  // added when the user types none; a leading "." is ignored
    std::string fileName{};    // the name or path proposed
};

// The chosen path (UTF-8), or nothing when the user cancels or the dialog fails. Saving asks
// before it names an existing file, as Windows programs do; the caller then replaces it.
std::optional<std::string> SaveFileDialog(const FileDialogParams& params);
std::optional<std::string> OpenFileDialog(const FileDialogParams& params);

// A question with Yes and No, No the default; true for Yes.
bool AskYesNo(Form* owner, std::string_view question, std::string_view caption);

}  // namespace win
