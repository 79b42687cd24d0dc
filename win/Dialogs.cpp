#include "win/Dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "win/Form.h"
#include "win/Text.h"

namespace win {

namespace {

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// "A | *.a|B|*.b" becomes "A\0*.a\0B\0*.b\0\0" as the dialog wants it.
std::wstring FilterString(std::string_view filter) {
    std::wstring result;
    std::size_t start = 0;
    while (start <= filter.size() && !filter.empty()) {
        const std::size_t bar = filter.find('|', start);
        const std::string part = Trim(filter.substr(
            start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        result += Widen(part);
        result.push_back(L'\0');
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    result.push_back(L'\0');
    return result;
}

std::optional<std::string> Run(const FileDialogParams& params, bool save) {
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring proposed = Widen(params.fileName);
    if (proposed.size() < file.size()) std::copy(proposed.begin(), proposed.end(), file.begin());
    const std::wstring filter = FilterString(params.filter);
    const std::wstring title = Widen(params.title);
    std::string ext = params.defaultExt;
    if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
    const std::wstring defaultExt = Widen(ext);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = params.owner ? params.owner->Handle() : nullptr;
    ofn.lpstrFilter = params.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL ok = save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!ok) return std::nullopt;
    return Narrow(file.data());
}

}  // namespace

std::optional<std::string> SaveFileDialog(const FileDialogParams& params) {
    return Run(params, true);
}

std::optional<std::string> OpenFileDialog(const FileDialogParams& params) {
    return Run(params, false);
}

bool AskYesNo(Form* owner, std::string_view question, std::string_view caption) {
    const std::wstring text = Widen(question);
    const std::wstring title = Widen(caption);
    return ::MessageBoxW(owner ? owner->Handle() : nullptr, text.c_str(), title.c_str(),
                         MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace win
