// libFuzzer harness of what a fetch reads from outside: an HTTP answer, whole or in two pieces
// (the first byte picks where it is cut), must give the same outcome either way, within its
// limits; and an address, read as the program reads KoersenURL or a links file's address, must
// give a request target and a shell address that carry nothing a request line or a command
// line could trip on.
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
};

Outcome Read(std::string_view bytes, std::size_t cut, bool end) {
    HttpResponseReader reader({.maxHeaderBytes = 1024, .maxBodyBytes = 4096});
    reader.Feed(bytes.substr(0, cut));
    reader.Feed(bytes.substr(cut));
    if (end) reader.End();
    return {reader.Complete(), reader.Fault(), reader.Status(), reader.TakeBody()};
}

bool FitForARequestLine(std::string_view text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u >= 0x7F || c == '"' || c == '#') return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool end = data[0] & 1;
    const Outcome whole = Read(bytes, bytes.size(), end);
    const Outcome split = Read(bytes, data[0] % (bytes.size() + 1), end);
    FUZZ_CHECK(whole.complete == split.complete && whole.fault == split.fault);
    FUZZ_CHECK(whole.status == split.status && whole.body == split.body);
    FUZZ_CHECK(whole.body.size() <= 4096);
    FUZZ_CHECK(!whole.complete || (whole.status >= 200 && whole.status <= 999));
    FUZZ_CHECK(whole.complete || whole.body.empty());

    const Address address = ReadAddress(bytes);
    if (address.parts) {
        FUZZ_CHECK(address.web);
        FUZZ_CHECK(!address.parts->host.empty() && address.parts->target.starts_with("/"));
        FUZZ_CHECK(FitForARequestLine(address.parts->target));
        FUZZ_CHECK(FitForARequestLine(HostHeader(*address.parts)));
        const std::optional<WebAddress> next = FollowRedirect(*address.parts, bytes);
        FUZZ_CHECK(!next || FitForARequestLine(next->target));
        FUZZ_CHECK(!next || next->secure || !address.parts->secure);
    }
    if (const std::optional<std::string> shell = ShellSafeAddress(bytes)) {
        for (const char c : *shell) {
            const auto u = static_cast<unsigned char>(c);
            FUZZ_CHECK(u >= 0x20 && u != 0x7F && c != ' ' && c != '"' && c != '\'');
        }
    }
    return 0;
}
