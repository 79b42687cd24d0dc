// libFuzzer harness of what a fetch reads from outside: an HTTP answer, whole or in two pieces
// (the first byte picks where it is cut), must give the same outcome either way, within its
// limits; and an address, read as the program reads KoersenURL or a links file's address, must
// give a request target and a shell address that carry nothing a request line or a command
// line could trip on.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "util/HttpResponse.h"
#include "util/WebAddress.h"

namespace {

struct Outcome {
    bool complete;
    HttpFault fault;
    int status;
    std::string body;
    bool operator==(const Outcome&) const = default;
};

Outcome Read(std::string_view bytes, std::size_t cut, bool end) {
    HttpResponseReader reader({.maxHeaderBytes = 1024, .maxBodyBytes = 4096});
    reader.Feed(bytes.substr(0, cut));
    reader.Feed(bytes.substr(cut));
    if (end) reader.End();
    return {reader.Complete(), reader.Fault(), reader.Status(), reader.TakeBody()};
}

// No blank, control character, quote or fragment: nothing that could end or split a line.
bool Plain(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u > ' ' && u < 0x7F && c != '"' && c != '#';
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool end = data[0] & 1;
    const Outcome whole = Read(bytes, bytes.size(), end);
    FUZZ_CHECK(whole == Read(bytes, data[0] % (bytes.size() + 1), end));
    FUZZ_CHECK(whole.body.size() <= 4096 && (whole.complete || whole.body.empty()));
    FUZZ_CHECK(!whole.complete || (whole.status >= 200 && whole.status <= 999));

    if (const std::optional<WebAddress> parts = ReadAddress(bytes).parts) {
        FUZZ_CHECK(!parts->host.empty() && parts->target.starts_with("/"));
        FUZZ_CHECK(Plain(parts->target) && Plain(HostHeader(*parts)));
        const std::optional<WebAddress> next = FollowRedirect(*parts, bytes);
        FUZZ_CHECK(!next || (Plain(next->target) && (next->secure || !parts->secure)));
    }
    if (const std::optional<std::string> shell = ShellSafeAddress(bytes)) {
        FUZZ_CHECK(std::none_of(shell->begin(), shell->end(), [](char c) {
            return static_cast<unsigned char>(c) <= ' ' || c == 0x7F || c == '"' || c == '\'';
        }));
    }
    return 0;
}
