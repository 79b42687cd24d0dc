// Bitmap decoding (including hostile files), encoding and fitting a picture into a box.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>

#include "util/zt_Graph.h"

namespace {

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kGreen = MakeColour(0, 255, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);
constexpr Colour kSilver = MakeColour(0xC0, 0xC0, 0xC0);

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A bitmap file written by hand, so that the decoder is checked against the file layout and not
// only against our own encoder.
struct BitmapSpec {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t infoSize = 40;
    std::vector<std::uint32_t> palette{};  // 0x00RRGGBB per entry
    std::vector<std::uint32_t> masks{};    // written after a 40-byte header, inside a larger one
    std::vector<std::uint8_t> pixels{};    // rows as stored, padding included
};

std::vector<std::uint8_t> MakeBitmap(const BitmapSpec& s) {
    const bool masksInside = s.infoSize >= 52;
    const std::size_t masksAfter = masksInside ? 0 : s.masks.size() * 4;
    const std::size_t paletteAt = 14 + s.infoSize + masksAfter;
    const std::size_t pixelsAt = paletteAt + s.palette.size() * 4;
    std::vector<std::uint8_t> out(pixelsAt);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(pixelsAt + s.pixels.size()));
    Put32(out, 10, static_cast<std::uint32_t>(pixelsAt));
    Put32(out, 14, s.infoSize);
    Put32(out, 18, static_cast<std::uint32_t>(s.width));
    Put32(out, 22, static_cast<std::uint32_t>(s.height));
    Put16(out, 26, 1);
    Put16(out, 28, s.bits);
    Put32(out, 30, s.compression);
    Put32(out, 46, static_cast<std::uint32_t>(s.palette.size()));
    for (std::size_t i = 0; i < s.masks.size(); ++i)
        Put32(out, masksInside ? 54 + 4 * i : 14 + s.infoSize + 4 * i, s.masks[i]);
    for (std::size_t i = 0; i < s.palette.size(); ++i) Put32(out, paletteAt + 4 * i, s.palette[i]);
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

Picture Pattern(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.Set(x, y, MakeColour((x * 7 + 1) & 0xFF, (y * 11 + 2) & 0xFF, ((x + y) * 3) & 0xFF));
    return p;
}

std::vector<Colour> Pixels(const std::optional<Picture>& p) {
    return p ? p->pixels : std::vector<Colour>{};
}

TEST(ZtGraphCodec, RoundTripKeepsEveryPixelForAllRowPaddings) {
    // Widths 1..5 cover every padding of a 24-bit row (3, 2, 1, 0 bytes).
    for (int w = 1; w <= 5; ++w) {
        for (int h : {1, 2, 3}) {
            const Picture original = Pattern(w, h);
            const std::vector<std::uint8_t> file = EncodeBitmap(original);
            const int stride = (w * 3 + 3) / 4 * 4;
            EXPECT_EQ(file.size(), static_cast<std::size_t>(54 + stride * h)) << w << "x" << h;
            const std::optional<Picture> back = DecodeBitmap(file);
            ASSERT_TRUE(back.has_value()) << w << "x" << h;
            EXPECT_EQ(*back, original) << w << "x" << h;
        }
    }
}

TEST(ZtGraphCodec, EncodesBottomUpBlueGreenRed) {
    Picture p(2, 2);
    p.Set(0, 0, kRed);                 // top left
    p.Set(0, 1, MakeColour(1, 2, 3));  // bottom left: the first pixel in the file
    const std::vector<std::uint8_t> file = EncodeBitmap(p);
    ASSERT_EQ(file.size(), 54u + 2 * 8);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[10], 54);  // pixel data offset
    EXPECT_EQ(file[14], 40);  // info header size
    EXPECT_EQ(file[28], 24);  // bits per pixel
    EXPECT_EQ(file[22], 2);   // positive height
    EXPECT_EQ(file[54], 3);
    EXPECT_EQ(file[55], 2);
    EXPECT_EQ(file[56], 1);
    EXPECT_EQ(file[62], 0);  // second row starts after 2 bytes of padding
    EXPECT_EQ(file[64], 255);
}

TEST(ZtGraphCodec, EmptyPictureEncodesToNothing) {
    EXPECT_TRUE(EncodeBitmap(Picture{}).empty());
    EXPECT_TRUE(EncodeBitmap(Picture(0, 5)).empty());
}

TEST(ZtGraphDecode, PaletteFormats) {
    // 8 bits: 3 pixels + 1 padding per row; bottom-up, so the stored first row is the lower one.
    const auto eight = DecodeBitmap(MakeBitmap({.width = 3,
                                                .height = 2,
                                                .bits = 8,
                                                .palette = {0xFF0000, 0x00FF00, 0x0000FF},
                                                .pixels = {2, 2, 2, 0, 0, 1, 2, 0}}));
    EXPECT_EQ(Pixels(eight), (std::vector<Colour>{kRed, kGreen, kBlue, kBlue, kBlue, kBlue}));

    // 4 bits: high nibble first.
    const auto four = DecodeBitmap(MakeBitmap(
        {.width = 3, .bits = 4, .palette = {0xFF0000, 0x00FF00}, .pixels = {0x10, 0x10, 0, 0}}));
    EXPECT_EQ(Pixels(four), (std::vector<Colour>{kGreen, kRed, kGreen}));

    // 1 bit: most significant bit first; nine pixels run into the second byte.
    const auto one = DecodeBitmap(MakeBitmap(
        {.width = 9, .bits = 1, .palette = {0x000000, 0xFFFFFF}, .pixels = {0xA0, 0x80, 0, 0}}));
    const Colour w = MakeColour(255, 255, 255);
    EXPECT_EQ(Pixels(one), (std::vector<Colour>{w, 0, w, 0, 0, 0, 0, 0, w}));

    // No colour count in the header means the full table of 2^bits entries.
    BitmapSpec full{
        .width = 1, .bits = 1, .palette = {0x123456, 0xABCDEF}, .pixels = {0x80, 0, 0, 0}};
    std::vector<std::uint8_t> file = MakeBitmap(full);
    Put32(file, 46, 0);
    EXPECT_EQ(Pixels(DecodeBitmap(file)), (std::vector<Colour>{MakeColour(0xAB, 0xCD, 0xEF)}));
}

TEST(ZtGraphDecode, PaletteIndexBeyondTableIsBlack) {
    const auto p = DecodeBitmap(MakeBitmap(
        {.width = 2, .bits = 8, .palette = {0xFF0000, 0x00FF00}, .pixels = {1, 200, 0, 0}}));
    EXPECT_EQ(Pixels(p), (std::vector<Colour>{kGreen, 0}));
}

TEST(ZtGraphDecode, PackedFormats) {
    // 32 bits BI_RGB: B, G, R, unused.
    const auto plain32 = DecodeBitmap(
        MakeBitmap({.width = 2, .bits = 32, .pixels = {1, 2, 3, 0xFF, 0xFF, 0, 0, 0}}));
    EXPECT_EQ(Pixels(plain32), (std::vector<Colour>{MakeColour(3, 2, 1), kBlue}));

    // 32 bits with bit fields in a V5 header (masks inside it): R and B swapped against BI_RGB.
    const auto fields32 = DecodeBitmap(MakeBitmap({.width = 1,
                                                   .bits = 32,
                                                   .compression = 3,
                                                   .infoSize = 124,
                                                   .masks = {0x000000FF, 0x0000FF00, 0x00FF0000},
                                                   .pixels = {10, 20, 30, 0}}));
    EXPECT_EQ(Pixels(fields32), (std::vector<Colour>{MakeColour(10, 20, 30)}));

    // 16 bits BI_RGB is 5-5-5: full red 0x7C00, full blue 0x001F.
    const auto plain16 =
        DecodeBitmap(MakeBitmap({.width = 2, .bits = 16, .pixels = {0x00, 0x7C, 0x1F, 0x00}}));
    EXPECT_EQ(Pixels(plain16), (std::vector<Colour>{kRed, kBlue}));

    // 16 bits 5-6-5 with the masks after a plain header; green 0x07E0, half green 0x0400.
    const auto fields16 = DecodeBitmap(MakeBitmap({.width = 2,
                                                   .bits = 16,
                                                   .compression = 3,
                                                   .masks = {0xF800, 0x07E0, 0x001F},
                                                   .pixels = {0xE0, 0x07, 0x00, 0x04}}));
    EXPECT_EQ(Pixels(fields16), (std::vector<Colour>{kGreen, MakeColour(0, 130, 0)}));
}

TEST(ZtGraphDecode, NegativeHeightIsTopDown) {
    const std::vector<std::uint8_t> rows = {0, 0, 255, 0, 0, 255, 0, 0};  // red row, green row
    const auto bottomUp = DecodeBitmap(MakeBitmap({.width = 1, .height = 2, .pixels = rows}));
    const auto topDown = DecodeBitmap(MakeBitmap({.width = 1, .height = -2, .pixels = rows}));
    EXPECT_EQ(Pixels(bottomUp), (std::vector<Colour>{kGreen, kRed}));
    EXPECT_EQ(Pixels(topDown), (std::vector<Colour>{kRed, kGreen}));
}

TEST(ZtGraphDecode, CoreHeaderWithThreeBytePalette) {
    std::vector<std::uint8_t> file(14 + 12 + 6, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 10, 32);
    Put32(file, 14, 12);
    Put16(file, 18, 2);  // width
    Put16(file, 20, 1);  // height
    Put16(file, 22, 1);
    Put16(file, 24, 1);  // bits
    file[26] = 0xFF;     // entry 0: blue
    file[31] = 0xFF;     // entry 1: red
    file.insert(file.end(), {0x40, 0, 0, 0});
    EXPECT_EQ(Pixels(DecodeBitmap(file)), (std::vector<Colour>{kBlue, kRed}));
}

TEST(ZtGraphDecode, EveryTruncationIsRejected) {
    const std::vector<std::uint8_t> file = EncodeBitmap(Pattern(3, 3));
    ASSERT_TRUE(DecodeBitmap(file).has_value());
    for (std::size_t length = 0; length < file.size(); ++length)
        EXPECT_FALSE(DecodeBitmap(std::span(file.data(), length)).has_value()) << length;
}

TEST(ZtGraphDecode, HostileHeadersAreRejected) {
    const BitmapSpec good{.width = 2, .height = 2, .pixels = std::vector<std::uint8_t>(16, 0x55)};
    ASSERT_TRUE(DecodeBitmap(MakeBitmap(good)).has_value());

    struct Case {
        const char* what;
        void (*spoil)(std::vector<std::uint8_t>&);
    };
    const Case cases[] = {
        {"not BM", [](auto& f) { f[0] = 'P'; }},
        {"zero width", [](auto& f) { Put32(f, 18, 0); }},
        {"zero height", [](auto& f) { Put32(f, 22, 0); }},
        {"negative width", [](auto& f) { Put32(f, 18, 0xFFFFFFFE); }},
        {"width above 16384", [](auto& f) { Put32(f, 18, 16385); }},
        {"top-down height above 16384",
         [](auto& f) { Put32(f, 22, static_cast<std::uint32_t>(-16385)); }},
        {"most negative height", [](auto& f) { Put32(f, 22, 0x80000000); }},
        {"largest width and height",
         [](auto& f) {
             Put32(f, 18, 0x7FFFFFFF);
             Put32(f, 22, 0x7FFFFFFF);
         }},
        {"width within limit but no data", [](auto& f) { Put32(f, 18, 16384); }},
        {"pixel offset past the end", [](auto& f) { Put32(f, 10, 0xFFFFFFF0); }},
        {"pixel offset inside the header", [](auto& f) { Put32(f, 10, 20); }},
        {"pixel offset zero", [](auto& f) { Put32(f, 10, 0); }},
        {"pixel offset leaves too few bytes", [](auto& f) { Put32(f, 10, 56); }},
        {"header size zero", [](auto& f) { Put32(f, 14, 0); }},
        {"header size between core and info", [](auto& f) { Put32(f, 14, 16); }},
        {"header size beyond the file", [](auto& f) { Put32(f, 14, 0xFFFFFFFF); }},
        {"zero bits", [](auto& f) { Put16(f, 28, 0); }},
        {"two bits", [](auto& f) { Put16(f, 28, 2); }},
        {"64 bits", [](auto& f) { Put16(f, 28, 64); }},
        {"run-length 8", [](auto& f) { Put32(f, 30, 1); }},
        {"PNG contents", [](auto& f) { Put32(f, 30, 5); }},
        {"bit fields on 24 bits", [](auto& f) { Put32(f, 30, 3); }},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> file = MakeBitmap(good);
        c.spoil(file);
        EXPECT_FALSE(DecodeBitmap(file).has_value()) << c.what;
    }
}

TEST(ZtGraphDecode, HostilePalettesAreRejected) {
    // A colour count far beyond the file, and a table that runs into the pixel data.
    std::vector<std::uint8_t> huge =
        MakeBitmap({.width = 1, .bits = 8, .palette = {0xFF}, .pixels = {0, 0, 0, 0}});
    Put32(huge, 46, 0xFFFFFFFF);
    EXPECT_FALSE(DecodeBitmap(huge).has_value());

    std::vector<std::uint8_t> overlap =
        MakeBitmap({.width = 1, .bits = 8, .palette = {0xFF, 0xFF}, .pixels = {0, 0, 0, 0}});
    Put32(overlap, 10, 54 + 4);  // pixels start inside the two-entry table
    EXPECT_FALSE(DecodeBitmap(overlap).has_value());
}

TEST(ZtGraphDecode, RandomCorruptionNeverCrashes) {
    // Under the sanitizers any read outside the data fails this test.
    std::mt19937 random(20240611);
    const std::vector<std::uint8_t> base = MakeBitmap({.width = 5,
                                                       .height = 3,
                                                       .bits = 8,
                                                       .palette = {0xFF0000, 0x00FF00},
                                                       .pixels = std::vector<std::uint8_t>(24, 1)});
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> file = base;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i) file[random() % 54] = static_cast<std::uint8_t>(random());
        if (const auto p = DecodeBitmap(file)) {
            ++decoded;
            EXPECT_EQ(p->pixels.size(), static_cast<std::size_t>(p->width) * p->height);
        }
    }
    EXPECT_GT(decoded, 0);  // harmless changes (resolution, sizes) still decode
}

TEST(ZtGraphFile, WriteThenReadAndMissingFile) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto path = dir / ("valomat_zt_graph_" + std::to_string(std::random_device{}()) + ".bmp");
    const Picture original = Pattern(7, 4);
    ASSERT_TRUE(WriteBitmapFile(path, original));
    EXPECT_EQ(ReadBitmapFile(path), original);
    std::filesystem::remove(path);
    EXPECT_FALSE(ReadBitmapFile(path).has_value());
    EXPECT_FALSE(WriteBitmapFile(dir / "no such folder" / "x.bmp", original));

    // Up to 16 MiB a file is read (bytes after the pixels are allowed); one byte more, not.
    std::vector<std::uint8_t> big = EncodeBitmap(Picture(2048, 2730, MakeColour(1, 2, 3)));
    ASSERT_LE(big.size(), 16u << 20);
    big.resize(16u << 20);
    for (std::size_t size : {big.size(), big.size() + 1}) {
        big.resize(size);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(big.data()),
                   static_cast<std::streamsize>(big.size()));
        EXPECT_EQ(ReadBitmapFile(path).has_value(), size == 16u << 20) << size;
    }
    std::filesystem::remove(path);
}

// Which source pixel lands at each box position (-1: background).
struct FitCase {
    const char* what;
    int sourceSide;
    bool centre;
    int firstSourcePixel;  // source coordinate shown at box position 0
};

TEST(ZtGraphFit, PlacesTheSourceUnscaledOnTheBox) {
    const FitCase cases[] = {
        {"smaller, centred: 2-pixel border", 16, true, -2},
        {"larger, centred: middle 20 shown", 25, true, 2},
        {"odd difference rounds the offset down", 17, true, -1},
        {"one wider: offset truncates to 0, not -1", 21, true, 0},
        {"same size", 20, true, 0},
        {"smaller, not centred: top left", 16, false, 0},
        {"larger, not centred: top left cut", 25, false, 0},
    };
    for (const FitCase& c : cases) {
        const Picture source = Pattern(c.sourceSide, c.sourceSide);
        const Picture box = FitBitmap(source, 20, 20, c.centre, kSilver);
        ASSERT_EQ(box.width, 20) << c.what;
        ASSERT_EQ(box.height, 20) << c.what;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const int sx = x + c.firstSourcePixel, sy = y + c.firstSourcePixel;
                const bool inside = sx >= 0 && sy >= 0 && sx < c.sourceSide && sy < c.sourceSide;
                const Colour expected = inside ? source.At(sx, sy) : kSilver;
                ASSERT_EQ(box.At(x, y), expected) << c.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(ZtGraphFit, NonSquareAndEmptySources) {
    const Picture wide = FitBitmap(Pattern(30, 4), 20, 20, true, kSilver);
    EXPECT_EQ(wide.At(0, 8), Pattern(30, 4).At(5, 0));  // dx = -5, dy = 8
    EXPECT_EQ(wide.At(0, 7), kSilver);
    EXPECT_EQ(wide.At(19, 11), Pattern(30, 4).At(24, 3));
    EXPECT_EQ(wide.At(19, 12), kSilver);

    const Picture empty = FitBitmap(Picture{}, 20, 20, true, kSilver);
    EXPECT_EQ(empty, Picture(20, 20, kSilver));
    EXPECT_TRUE(FitBitmap(Pattern(3, 3), 0, 20, true, kSilver).Empty());
}

}  // namespace
