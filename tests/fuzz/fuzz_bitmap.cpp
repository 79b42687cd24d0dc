// The bitmap decoder on any bytes: it gives a whole picture or nothing, what it gives survives
// encoding and decoding unchanged, and fitting it into the 20 x 20 flag box is safe.
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "util/PictureOps.h"
#include "util/zt_Graph.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<Picture> picture = DecodeBitmap(std::span<const std::uint8_t>(data, size));
    if (!picture) return 0;
    FUZZ_CHECK(!picture->Empty());
    FUZZ_CHECK(picture->pixels.size() == static_cast<std::size_t>(picture->width) *
                                             static_cast<std::size_t>(picture->height));
    for (const Colour c : picture->pixels) FUZZ_CHECK((c >> 24) == 0);

    const std::vector<std::uint8_t> encoded = EncodeBitmap(*picture);
    const std::optional<Picture> again = DecodeBitmap(encoded);
    FUZZ_CHECK(again && *again == *picture);

    for (const bool centre : {true, false}) {
        const Picture box = FitBitmap(*picture, 20, 20, centre, TransparentColour(*picture));
        FUZZ_CHECK(box.width == 20 && box.height == 20 && box.pixels.size() == 400u);
    }
    return 0;
}
