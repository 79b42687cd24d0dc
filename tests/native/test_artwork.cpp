// The drawn artwork: flags on their silver squares, keyed tool-bar and menu pictures, the
// disabled look and the icon file container.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Artwork.h"
#include "util/PictureOps.h"

namespace {

int Red(Colour c) {
    return static_cast<int>(c & 0xFF);
}
int Green(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

bool Dark(Colour c) {
    return Red(c) < 100 && Green(c) < 100 && Blue(c) < 100;
}

// The smallest box holding every pixel that differs from the background.
art::Box Extent(const Picture& p, Colour background) {
    art::Box box{p.width, p.height, 0, 0};
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (p.At(x, y) == background) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    return box;
}

TEST(ArtworkFlags, EachSitsFramedAndCentredOnSilver) {
    for (int slot = 1; slot <= 20; ++slot) {
        SCOPED_TRACE(slot);
        Picture flag = SmallFlag(slot);
        ASSERT_EQ(flag.width, 20);
        ASSERT_EQ(flag.height, 20);
        art::Box box = Extent(flag, kFlagBackground);
        // Silver all round, and the flag in the middle.
        EXPECT_GE(box.left, 1);
        EXPECT_GE(box.top, 2);
        EXPECT_EQ(box.left, 20 - box.right);
        EXPECT_EQ(box.top, 20 - box.bottom);
        EXPECT_GE(box.Width(), 12);
        EXPECT_GE(box.Height(), 12);
        // Every pixel outside the flag's box is silver, every pixel of its edge dark.
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
                bool edge = inside && (x == box.left || x == box.right - 1 || y == box.top ||
                                       y == box.bottom - 1);
                if (!inside) {
                    EXPECT_EQ(flag.At(x, y), kFlagBackground) << x << "," << y;
                }
                if (edge) {
                    EXPECT_TRUE(Dark(flag.At(x, y))) << x << "," << y;
                }
            }
        }
    }
}

TEST(ArtworkFlags, AllDifferAndOutsideSlotsAreEmpty) {
    std::vector<Picture> flags;
    for (int slot = 1; slot <= 20; ++slot) flags.push_back(SmallFlag(slot));
    for (std::size_t i = 0; i < flags.size(); ++i) {
        for (std::size_t j = i + 1; j < flags.size(); ++j) {
            EXPECT_NE(flags[i], flags[j]) << "slots " << i + 1 << " and " << j + 1;
        }
    }
    for (int slot : {-1, 0, 21, 22}) EXPECT_TRUE(SmallFlag(slot).Empty()) << slot;
}

// A tricolour turned the wrong way is a different country's flag.
TEST(ArtworkFlags, TricoloursRunTheRightWay) {
    struct Case {
        int slot;
        bool vertical;
    };
    const Case cases[] = {{2, true},  {5, true},  {7, true},  {12, true},
                          {3, false}, {4, false}, {6, false}, {10, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        Picture flag = SmallFlag(c.slot);
        art::Box box = Extent(flag, kFlagBackground);
        int bands = 0;
        Colour last = 0;
        for (int y = box.top + 1; y < box.bottom - 1; ++y) {
            for (int x = box.left + 1; x < box.right - 1; ++x) {
                // Along a band the colour never changes.
                Colour along = c.vertical ? flag.At(x, box.top + 1) : flag.At(box.left + 1, y);
                ASSERT_EQ(flag.At(x, y), along) << x << "," << y;
            }
        }
        int steps = c.vertical ? box.Width() - 2 : box.Height() - 2;
        for (int i = 0; i < steps; ++i) {
            Colour across = c.vertical ? flag.At(box.left + 1 + i, box.top + 1)
                                       : flag.At(box.left + 1, box.top + 1 + i);
            if (i == 0 || across != last) ++bands;
            last = across;
        }
        EXPECT_EQ(bands, 3);
    }
}

void ExpectKeyedPicture(const Picture& p, int size) {
    ASSERT_EQ(p.width, size);
    ASSERT_EQ(p.height, size);
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
        EXPECT_EQ(p.At(x, y), kPictureKey) << x << "," << y;
    }
    auto drawn =
        std::count_if(p.pixels.begin(), p.pixels.end(), [](Colour c) { return c != kPictureKey; });
    EXPECT_GT(drawn, size * size / 5);
    // An edge blended with the key would show as a pink fringe once the key is masked out.
    auto fringe = std::count_if(p.pixels.begin(), p.pixels.end(), [](Colour c) {
        return c != kPictureKey && Red(c) > 160 && Blue(c) > 160 && Green(c) < 110;
    });
    EXPECT_EQ(fringe, 0);
}

TEST(ArtworkPictures, KeyedAtTheCornersAndDistinct) {
    std::vector<Picture> tools;
    for (ToolPicture t : {ToolPicture::Copy, ToolPicture::Paste, ToolPicture::Convert,
                          ToolPicture::List, ToolPicture::StayOnTop, ToolPicture::PrintList,
                          ToolPicture::Options, ToolPicture::Info, ToolPicture::Exit}) {
        SCOPED_TRACE(static_cast<int>(t));
        tools.push_back(ToolbarPicture(t));
        ExpectKeyedPicture(tools.back(), 24);
    }
    std::vector<Picture> menus;
    for (int m = 0; m <= static_cast<int>(MenuPicture::Calculator); ++m) {
        SCOPED_TRACE(m);
        menus.push_back(MenuPictureOf(static_cast<MenuPicture>(m)));
        ExpectKeyedPicture(menus.back(), 16);
    }
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        ExpectKeyedPicture(AppIcon(size), size);
    }
    for (const auto* set : {&tools, &menus}) {
        for (std::size_t i = 0; i < set->size(); ++i) {
            for (std::size_t j = i + 1; j < set->size(); ++j) {
                EXPECT_NE((*set)[i], (*set)[j]) << i << " and " << j;
            }
        }
    }
    Picture splash = SplashPicture();
    EXPECT_EQ(splash.width, 118);
    EXPECT_EQ(splash.height, 156);
    EXPECT_TRUE(AppIcon(0).Empty());
}

// Drawn again at 150 % and 200 %: each picture has its size scaled, keeps its key colour at the
// bottom-left (where the controls take the transparent colour from), and, at twice the size taken
// back down to its design size, looks like its design picture: the whole drawing was scaled.
TEST(ArtworkScaled, EveryPictureIsDrawnAtTheScaleAsked) {
    const struct {
        const char* name;
        PictureDrawer draw;
    } cases[] = {
        {"flag", [](double s) { return SmallFlag(13, s); }},
        {"square flag", [](double s) { return SmallFlag(18, s); }},
        {"tool picture", [](double s) { return ToolbarPicture(ToolPicture::List, s); }},
        {"menu picture", [](double s) { return MenuPictureOf(MenuPicture::SaveWeb, s); }},
        {"splash", [](double s) { return SplashPicture(s); }},
    };
    for (const auto& c : cases) {
        const Picture design = c.draw(1.0);
        for (const double scale : {1.5, 2.0}) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(scale));
            const Picture scaled = c.draw(scale);
            ASSERT_EQ(scaled.width, ScaledSize(design.width, scale));
            ASSERT_EQ(scaled.height, ScaledSize(design.height, scale));
            EXPECT_EQ(TransparentColour(scaled), TransparentColour(design));
            // At 150 % edges fall on half pixels of the design, so only twice the size compares.
            if (scale != 2.0) continue;
            const Picture back = ResampleArea(scaled, design.width, design.height);
            long long difference = 0;
            for (std::size_t i = 0; i < design.pixels.size(); ++i) {
                for (int shift : {0, 8, 16}) {
                    difference += std::abs(static_cast<int>((design.pixels[i] >> shift) & 0xFF) -
                                           static_cast<int>((back.pixels[i] >> shift) & 0xFF));
                }
            }
            EXPECT_LT(difference / static_cast<long long>(3 * design.pixels.size()), 8);
        }
    }
}

TEST(ArtworkPainter, KeepsKeyEdgesHardAndStaysInsideTheClip) {
    const Colour ink = MakeColour(0, 0, 200);
    Picture keyed(12, 12, kPictureKey);
    art::Painter p(keyed);
    p.SetKey(kPictureKey);
    p.SetClip({0, 0, 8, 12});
    p.Disc(6, 6, 4.3, ink);
    p.Line({0, 0}, {12, 12}, 1.5, ink);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            Colour c = keyed.At(x, y);
            EXPECT_TRUE(c == kPictureKey || c == ink) << x << "," << y;
            if (x >= 8) {
                EXPECT_EQ(c, kPictureKey) << x << "," << y;
            }
        }
    }
    // Over other colours the same edge is smoothed.
    Picture plain(12, 12, MakeColour(255, 255, 255));
    art::Painter(plain).Disc(6, 6, 4.3, ink);
    EXPECT_TRUE(std::any_of(plain.pixels.begin(), plain.pixels.end(),
                            [&](Colour c) { return c != ink && c != MakeColour(255, 255, 255); }));
}

TEST(ArtworkGreyed, KeepsTheKeyAndTurnsTheRestLightGrey) {
    Picture source = ToolbarPicture(ToolPicture::Convert);
    Picture grey = GreyedPicture(source, kPictureKey);
    ASSERT_EQ(grey.width, source.width);
    ASSERT_EQ(grey.height, source.height);
    for (std::size_t i = 0; i < source.pixels.size(); ++i) {
        Colour g = grey.pixels[i];
        if (source.pixels[i] == kPictureKey) {
            EXPECT_EQ(g, kPictureKey);
            continue;
        }
        EXPECT_NE(g, kPictureKey);
        EXPECT_EQ(Red(g), Green(g));
        EXPECT_EQ(Green(g), Blue(g));
        EXPECT_GE(Red(g), 100);  // even the black outline comes out lighter
    }
}

TEST(ArtworkGreyed, NeverTurnsAPixelIntoAGreyKey) {
    // Black greys to the darkest level; with that level as the key it must step aside.
    Picture source(2, 1, MakeColour(0, 0, 0));
    Colour darkest = GreyedPicture(source, kPictureKey).At(0, 0);
    source.Set(1, 0, darkest);
    Picture grey = GreyedPicture(source, darkest);
    EXPECT_NE(grey.At(0, 0), darkest);
    EXPECT_EQ(grey.At(1, 0), darkest);
}

std::uint32_t Read(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
    return v;
}

TEST(ArtworkIcon, FileDirectoryAndImagesAreConsistent) {
    Picture small(16, 16, MakeColour(10, 20, 30));
    small.Set(0, 0, kPictureKey);  // top left: the last row stored, first pixel
    const std::vector<Picture> sizes{small, Picture(32, 32, kPictureKey), Picture(256, 48, 0)};
    std::vector<std::uint8_t> ico = EncodeIcon(sizes, kPictureKey);
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(Read(ico, 0, 2), 0u);
    EXPECT_EQ(Read(ico, 2, 2), 1u);
    ASSERT_EQ(Read(ico, 4, 2), 3u);
    std::size_t end = 6 + 3 * 16;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(i);
        std::size_t entry = 6 + 16 * i;
        int w = sizes[i].width;
        int h = sizes[i].height;
        EXPECT_EQ(ico[entry], w % 256);
        EXPECT_EQ(ico[entry + 1], h % 256);
        EXPECT_EQ(Read(ico, entry + 4, 2), 1u);
        EXPECT_EQ(Read(ico, entry + 6, 2), 32u);
        std::uint32_t bytes = Read(ico, entry + 8, 4);
        std::uint32_t offset = Read(ico, entry + 12, 4);
        std::size_t maskRow = static_cast<std::size_t>((w + 31) / 32) * 4;
        EXPECT_EQ(bytes, 40 + static_cast<std::size_t>(w) * h * 4 + maskRow * h);
        EXPECT_EQ(offset, end);  // packed one after another
        ASSERT_LE(offset + bytes, ico.size());
        EXPECT_EQ(Read(ico, offset, 4), 40u);
        EXPECT_EQ(Read(ico, offset + 4, 4), static_cast<std::uint32_t>(w));
        EXPECT_EQ(Read(ico, offset + 8, 4), static_cast<std::uint32_t>(2 * h));
        end = offset + bytes;
    }
    EXPECT_EQ(end, ico.size());

    // The 16 x 16: top left transparent, its neighbour opaque in blue-green-red order.
    std::size_t colours = 6 + 3 * 16 + 40;
    std::size_t lastRow = colours + 15 * 16 * 4;
    EXPECT_EQ(ico[lastRow + 3], 0);
    EXPECT_EQ(ico[lastRow + 4], 30);
    EXPECT_EQ(ico[lastRow + 5], 20);
    EXPECT_EQ(ico[lastRow + 6], 10);
    EXPECT_EQ(ico[lastRow + 7], 0xFF);
    std::size_t mask = colours + 16 * 16 * 4;
    EXPECT_EQ(ico[mask + 15 * 4], 0x80);  // the top row: only its first pixel masked
    EXPECT_EQ(ico[mask + 15 * 4 + 1], 0x00);
    EXPECT_EQ(ico[mask + 14 * 4], 0x00);  // the row below it
    // The 32 x 32 is all key: every mask bit set.
    std::size_t second = 6 + 3 * 16 + 40 + 16 * 16 * 4 + 4 * 16;
    std::size_t mask2 = second + 40 + 32 * 32 * 4;
    EXPECT_TRUE(std::all_of(ico.begin() + mask2, ico.begin() + mask2 + 4 * 32,
                            [](std::uint8_t b) { return b == 0xFF; }));
}

TEST(ArtworkIcon, RefusesWhatAnIconCannotHold) {
    EXPECT_TRUE(EncodeIcon({}, kPictureKey).empty());
    EXPECT_TRUE(EncodeIcon({AppIcon(16), Picture()}, kPictureKey).empty());
    EXPECT_TRUE(EncodeIcon({Picture(257, 16, 0)}, kPictureKey).empty());
}

}  // namespace
