// libFuzzer harness of the links-file reader and the local copy's name: no input may crash
// them, and what they give back keeps its promises. Inputs go up to 1 MiB, and one that takes
// longer than its time limit is a fault (tests/fuzz/fuzz_links_file.flags).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "components/ztLinkora.h"
#include "util/FileNames.h"
#include "util/TextCodec.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool ValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Decoded d = DecodeUtf8At(text, at);
        if (!d.valid || d.c == 0) return false;
        at += d.length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = linkora::LinksText(bytes);
    Require(ValidUtf8(text));
    (void)linkora::LooksLikeServerError(text);
    const std::vector<linkora::Group> groups = linkora::ReadLinks(text);
    Require(groups.size() <= linkora::kMaxNumber + 1);
    for (const linkora::Group& group : groups) {
        Require(group.links.size() <= linkora::kMaxNumber + 1);
        Require(group.picture >= 0 && group.picture <= 99);
        Require(group.caption.find_first_of("\r\n") == std::string::npos);
        for (const linkora::Link& link : group.links) {
            Require(link.caption.find_first_of("\r\n") == std::string::npos);
            Require(link.address.size() <= linkora::kMaxAddress * 4);
            Require(link.selectedPicture >= 0 && link.selectedPicture <= 99);
            Require(linkora::Trim(link.address).size() == link.address.size());
            (void)linkora::MayOpen(link.address);
        }
    }
    // Whatever the address, the local copy's name stays in its folder.
    const std::string name = linkora::LocalCopyName(bytes);
    Require(!name.empty() && name.size() <= linkora::kLongestCopyName);
    Require(name.find_first_not_of(". ") != std::string::npos);
    for (const char c : name) Require(!IsBadFileNameChar(static_cast<unsigned char>(c)));
    Require(!IsDeviceName(name));
    return 0;
}
