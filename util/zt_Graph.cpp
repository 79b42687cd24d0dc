// Pictures as pixel data: Windows bitmap files in and out, and fitting a picture into a box.
#include "util/zt_Graph.h"

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <iterator>

namespace {

// Keeps a hostile header from asking for gigabytes of pixels: a picture holds at most 64 MiB.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 1 << 24;
// A picture file bigger than this is no picture for a 20 x 20 flag: it is not read at all.
constexpr std::uint64_t kMaxFileBytes = 16ULL << 20;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

constexpr Colour kRgbMask = 0x00FFFFFF;

// Little-endian reads; the caller has checked that the bytes are there.
std::uint16_t U16(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}

std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
           (static_cast<std::uint32_t>(d[at + 2]) << 16) |
           (static_cast<std::uint32_t>(d[at + 3]) << 24);
}

std::int32_t I32(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::int32_t>(U32(d, at));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

Colour Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return MakeColour(static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue));
}

// One colour channel of a packed pixel, scaled to 0..255 whatever the width of its mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            max = mask >> shift;
        }
    }
    std::uint32_t Value(std::uint32_t pixel) const {
        if (max == 0) return 0;
        const std::uint64_t v = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>((v * 255 + max / 2) / max);
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // always positive here
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint64_t paletteAt = 0;  // where the colour table starts
    std::uint64_t paletteCount = 0;
    std::uint64_t paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

bool ValidBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::optional<Header> ReadHeader(std::span<const std::uint8_t> data) {
    if (data.size() < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') return std::nullopt;
    const std::uint32_t infoSize = U32(data, kFileHeaderSize);
    const std::uint64_t infoEnd = kFileHeaderSize + static_cast<std::uint64_t>(infoSize);
    if (infoEnd > data.size()) return std::nullopt;

    Header h;
    if (infoSize == kCoreHeaderSize) {
        h.width = U16(data, 18);
        h.height = U16(data, 20);
        h.bitCount = U16(data, 24);
        if (h.bitCount == 16 || h.bitCount == 32) return std::nullopt;
        h.paletteEntrySize = 3;
        h.paletteAt = infoEnd;
        if (h.bitCount <= 8) h.paletteCount = 1ULL << h.bitCount;
    } else if (infoSize >= kInfoHeaderSize) {
        h.width = I32(data, 18);
        const std::int64_t height = I32(data, 22);
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        h.bitCount = U16(data, 28);
        h.compression = U32(data, 30);
        const std::uint32_t coloursUsed = U32(data, 46);
        h.paletteAt = infoEnd;
        if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
            if (h.bitCount != 16 && h.bitCount != 32) return std::nullopt;
            // The plain header keeps its masks after itself; the later headers inside.
            const std::uint64_t masksAt =
                infoSize >= kInfoHeaderSize + 12 ? kFileHeaderSize + 40 : infoEnd;
            const std::uint64_t maskCount = h.compression == kBiAlphaBitfields ? 4 : 3;
            if (masksAt + 12 > data.size()) return std::nullopt;
            for (std::size_t i = 0; i < 3; ++i) h.masks[i] = U32(data, masksAt + 4 * i);
            if (masksAt == infoEnd) h.paletteAt = infoEnd + 4 * maskCount;
        } else if (h.compression != kBiRgb) {
            return std::nullopt;  // run-length, JPEG and PNG contents are not supported
        }
        if (h.bitCount <= 8) {
            const std::uint64_t full = 1ULL << std::min(h.bitCount, 8);
            h.paletteCount = coloursUsed == 0 ? full : std::min<std::uint64_t>(coloursUsed, full);
        }
    } else {
        return std::nullopt;
    }

    if (!ValidBitCount(h.bitCount)) return std::nullopt;
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide ||
        h.width * h.height > kMaxPixels)
        return std::nullopt;
    if (h.compression == kBiRgb && h.bitCount == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
    if (h.compression == kBiRgb && h.bitCount == 32) h.masks = {0x00FF0000, 0xFF00, 0xFF};
    if (h.paletteAt + h.paletteCount * h.paletteEntrySize > data.size()) return std::nullopt;
    return h;
}

}  // namespace

Picture::Picture(int w, int h, Colour fill) {
    if (w > 0 && h > 0) {
        width = w;
        height = h;
        pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill);
    }
}

void Picture::Fill(Colour c) {
    std::fill(pixels.begin(), pixels.end(), c);
}

void Picture::FillRect(int left, int top, int right, int bottom, Colour c) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width);
    bottom = std::min(bottom, height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) Set(x, y, c);
}

std::optional<Picture> DecodeBitmap(std::span<const std::uint8_t> data) {
    const std::optional<Header> header = ReadHeader(data);
    if (!header) return std::nullopt;
    const Header& h = *header;

    const std::uint64_t pixelsAt = U32(data, 10);
    if (pixelsAt < h.paletteAt + h.paletteCount * h.paletteEntrySize) return std::nullopt;
    const std::uint64_t stride =
        (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bitCount) + 31) / 32 *
        4;
    const std::uint64_t height = static_cast<std::uint64_t>(h.height);
    if (pixelsAt > data.size() || stride * height > data.size() - pixelsAt) return std::nullopt;

    std::vector<Colour> palette(static_cast<std::size_t>(h.paletteCount));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = static_cast<std::size_t>(h.paletteAt + i * h.paletteEntrySize);
        palette[i] = Rgb(data[at + 2], data[at + 1], data[at]);
    }
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);

    const int w = static_cast<int>(h.width);
    const int ht = static_cast<int>(h.height);
    Picture picture(w, ht);
    for (int row = 0; row < ht; ++row) {
        const std::size_t rowAt = static_cast<std::size_t>(pixelsAt + stride * row);
        const int y = h.topDown ? row : ht - 1 - row;
        for (int x = 0; x < w; ++x) {
            Colour c = 0;
            const auto ux = static_cast<std::size_t>(x);
            switch (h.bitCount) {
                case 1:
                case 4:
                case 8: {
                    const std::size_t bit = ux * static_cast<std::size_t>(h.bitCount);
                    const unsigned byte = data[rowAt + bit / 8];
                    const unsigned shift = 8 - static_cast<unsigned>(h.bitCount) - bit % 8;
                    const std::size_t index = (byte >> shift) & ((1U << h.bitCount) - 1);
                    // An index beyond a short colour table is drawn black, as Windows does.
                    c = index < palette.size() ? palette[index] : 0;
                    break;
                }
                case 16: {
                    const std::uint32_t p = U16(data, rowAt + 2 * ux);
                    c = Rgb(red.Value(p), green.Value(p), blue.Value(p));
                    break;
                }
                case 24: {
                    const std::size_t at = rowAt + 3 * ux;
                    c = Rgb(data[at + 2], data[at + 1], data[at]);
                    break;
                }
                default: {
                    const std::uint32_t p = U32(data, rowAt + 4 * ux);
                    c = Rgb(red.Value(p), green.Value(p), blue.Value(p));
                    break;
                }
            }
            picture.Set(x, y, c);
        }
    }
    return picture;
}

std::vector<std::uint8_t> EncodeBitmap(const Picture& picture) {
    // An empty or inconsistent picture has no bitmap form.
    if (picture.Empty() || picture.pixels.size() != static_cast<std::size_t>(picture.width) *
                                                        static_cast<std::size_t>(picture.height))
        return {};
    const std::uint64_t stride = (static_cast<std::uint64_t>(picture.width) * 3 + 3) / 4 * 4;
    const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(picture.height);
    constexpr std::uint32_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
    if (imageSize + kHeadersSize > 0xFFFFFFFFULL) return {};

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(imageSize + kHeadersSize));
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(imageSize + kHeadersSize));
    Put32(out, 0);  // reserved
    Put32(out, kHeadersSize);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(picture.width));
    Put32(out, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
    Put16(out, 1);                                           // planes
    Put16(out, 24);
    Put32(out, kBiRgb);
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 0);  // horizontal resolution
    Put32(out, 0);  // vertical resolution
    Put32(out, 0);  // colours used
    Put32(out, 0);  // colours important

    const std::size_t padding = static_cast<std::size_t>(stride) - 3 * picture.width;
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            out.push_back(static_cast<std::uint8_t>(c >> 16));  // blue
            out.push_back(static_cast<std::uint8_t>(c >> 8));   // green
            out.push_back(static_cast<std::uint8_t>(c));        // red
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::optional<Picture> ReadBitmapFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size <= 0 || static_cast<std::uint64_t>(size) > kMaxFileBytes) return std::nullopt;
    file.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(data.data()), size)) return std::nullopt;
    return DecodeBitmap(data);
}

bool WriteBitmapFile(const std::filesystem::path& path, const Picture& picture) {
    const std::vector<std::uint8_t> data = EncodeBitmap(picture);
    if (data.empty()) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    file.close();
    return !file.fail();
}

Picture FitBitmap(const Picture& source, int boxWidth, int boxHeight, bool centre,
                  Colour background) {
    // Both sides are plain 24-bit pictures, so any high byte is dropped.
    Picture box(boxWidth, boxHeight, background & kRgbMask);
    if (box.Empty() || source.Empty() ||
        source.pixels.size() !=
            static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height))
        return box;
    // Integer division truncates toward zero, so a source one pixel wider than the box is not
    // shifted left.
    const int dx = centre ? (boxWidth - source.width) / 2 : 0;
    const int dy = centre ? (boxHeight - source.height) / 2 : 0;
    const int top = std::max(dy, 0), bottom = std::min(dy + source.height, boxHeight);
    const int left = std::max(dx, 0), right = std::min(dx + source.width, boxWidth);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) box.Set(x, y, source.At(x - dx, y - dy) & kRgbMask);
    return box;
}
