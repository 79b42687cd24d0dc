#include "components/ztLinkLabel.h"

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
    if (link.find('@') != std::string_view::npos) {
        return ShellRequest{.file = "mailto:" + std::string(link)};
    }
    if (StartsWithHttp(link)) return ShellRequest{.file = std::string(link)};
    if (!viewer.empty()) {
        return ShellRequest{.verb = "open",
                            .file = ExtractFileName(viewer),
                            .parameters = std::string(link) + " " + std::string(parameters),
                            .folder = ExtractFilePath(viewer)};
    }
    return ShellRequest{.verb = "open",
                        .file = ExtractFileName(link),
                        .parameters = std::string(parameters),
                        .folder = ExtractFilePath(link)};
}
