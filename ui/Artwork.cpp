// The disabled look of a picture and the icon file container.
#include <algorithm>
#include <cmath>

#include "ui/Artwork.h"

Picture GreyedPicture(const Picture& picture, Colour key) {
    Picture grey = picture;
    for (Colour& pixel : grey.pixels) {
        if (pixel == key) continue;
        double luminance =
            0.299 * (pixel & 0xFF) + 0.587 * ((pixel >> 8) & 0xFF) + 0.114 * ((pixel >> 16) & 0xFF);
        // Lifted towards the face of a tool bar, so the picture reads as unavailable.
        int level = static_cast<int>(std::lround(118 + luminance * 0.5));
        Colour c = MakeColour(level, level, level);
        if (c == key) c = MakeColour(level - 1, level - 1, level - 1);
        pixel = c;
    }
    return grey;
}

namespace {

constexpr int kMaxIconSide = 256;
constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kDirectoryEntry = 16;
constexpr std::size_t kInfoHeader = 40;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, unsigned value) {
    out[at] = static_cast<std::uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

std::size_t MaskStride(int width) {
    return static_cast<std::size_t>((width + 31) / 32) * 4;
}

std::size_t ImageBytes(const Picture& p) {
    return kInfoHeader + static_cast<std::size_t>(p.width) * p.height * 4 +
           MaskStride(p.width) * p.height;
}

}  // namespace

std::vector<std::uint8_t> EncodeIcon(const std::vector<Picture>& sizes, Colour key) {
    if (sizes.empty()) return {};
    for (const Picture& p : sizes) {
        if (p.Empty() || p.width > kMaxIconSide || p.height > kMaxIconSide ||
            p.pixels.size() != static_cast<std::size_t>(p.width) * p.height) {
            return {};
        }
    }
    std::size_t total = kDirectoryHeader + kDirectoryEntry * sizes.size();
    for (const Picture& p : sizes) total += ImageBytes(p);
    std::vector<std::uint8_t> out(total, 0);

    Put16(out, 2, 1);  // an icon, not a cursor
    Put16(out, 4, static_cast<unsigned>(sizes.size()));
    std::size_t offset = kDirectoryHeader + kDirectoryEntry * sizes.size();
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const Picture& p = sizes[i];
        std::size_t entry = kDirectoryHeader + kDirectoryEntry * i;
        out[entry] = static_cast<std::uint8_t>(p.width % kMaxIconSide);  // 0 means 256
        out[entry + 1] = static_cast<std::uint8_t>(p.height % kMaxIconSide);
        Put16(out, entry + 4, 1);
        Put16(out, entry + 6, 32);
        Put32(out, entry + 8, static_cast<std::uint32_t>(ImageBytes(p)));
        Put32(out, entry + 12, static_cast<std::uint32_t>(offset));

        // The bitmap inside counts the colour and mask rows together, hence twice the height.
        Put32(out, offset, kInfoHeader);
        Put32(out, offset + 4, static_cast<std::uint32_t>(p.width));
        Put32(out, offset + 8, static_cast<std::uint32_t>(2 * p.height));
        Put16(out, offset + 12, 1);
        Put16(out, offset + 14, 32);
        Put32(out, offset + 20, static_cast<std::uint32_t>(ImageBytes(p) - kInfoHeader));

        std::size_t colours = offset + kInfoHeader;
        std::size_t mask = colours + static_cast<std::size_t>(p.width) * p.height * 4;
        std::size_t stride = MaskStride(p.width);
        for (int row = 0; row < p.height; ++row) {
            int y = p.height - 1 - row;  // bottom-up
            for (int x = 0; x < p.width; ++x) {
                Colour c = p.At(x, y);
                std::size_t at = colours + (static_cast<std::size_t>(row) * p.width + x) * 4;
                if (c == key) {
                    out[mask + row * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                    continue;  // transparent black
                }
                out[at] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
                out[at + 1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
                out[at + 2] = static_cast<std::uint8_t>(c & 0xFF);
                out[at + 3] = 0xFF;
            }
        }
        offset += ImageBytes(p);
    }
    return out;
}
