// What the program asks the shell to open (ShellExecute's arguments), in portable form, so the
// rules that build a request are tested natively and tests can record requests.
#pragma once

#include <string>

enum class ShowKind {
    Normal,  // SW_SHOWNORMAL
    Show,    // SW_SHOW
};

struct ShellRequest {
    std::string verb{};  // empty: the default verb
    std::string file{};
    std::string parameters{};
    std::string folder{};  // the working folder; empty: none
    ShowKind show = ShowKind::Normal;
    bool operator==(const ShellRequest&) const = default;
};

// One line: verb|file|parameters|folder|normal or show.
inline std::string DescribeShellRequest(const ShellRequest& r) {
    return r.verb + "|" + r.file + "|" + r.parameters + "|" + r.folder + "|" +
           (r.show == ShowKind::Normal ? "normal" : "show");
}
