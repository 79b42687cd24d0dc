#include "components/ztLinkLabel.h"

#include "util/WebAddress.h"

namespace {

std::size_t NameStart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string_view::npos ? 0 : last + 1;
}

bool IsBlank(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

// A control character or a quote has no place in a path, and would split a command line.
bool IsSafePath(std::string_view path) {
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '"') return false;
    }
    return true;
}

bool StartsWithHttp(std::string_view link) {
    if (link.size() < 4) return false;
    for (std::size_t i = 0; i < 4; ++i) {
        char c = link[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != "http"[i]) return false;
    }
    return true;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, NameStart(path)));
}

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(NameStart(path)));
}

std::optional<ShellRequest> LinkLabelRequest(std::string_view link, std::string_view viewer,
                                             std::string_view parameters) {
    if (IsBlank(link)) return std::nullopt;
    // Appending rather than chaining operator+ (GCC 12 warns falsely on the chains at -O3).
    if (link.find('@') != std::string_view::npos || StartsWithHttp(link)) {
        std::string address = link.find('@') != std::string_view::npos ? "mailto:" : "";
        address += link;
        const std::optional<std::string> safe = ShellSafeAddress(address);
        if (!safe) return std::nullopt;
        return ShellRequest{.file = *safe};
    }
    if (!IsSafePath(link)) return std::nullopt;
    if (!viewer.empty()) {
        // A path with blanks reaches the viewer as one argument.
        const bool quoted = link.find(' ') != std::string_view::npos;
        std::string arguments = quoted ? "\"" : "";
        arguments += link;
        arguments += quoted ? "\" " : " ";
        arguments += parameters;
        return ShellRequest{.verb = "open",
                            .file = ExtractFileName(viewer),
                            .parameters = std::move(arguments),
                            .folder = ExtractFilePath(viewer)};
    }
    return ShellRequest{.verb = "open",
                        .file = ExtractFileName(link),
                        .parameters = std::string(parameters),
                        .folder = ExtractFilePath(link)};
}
