// The currency table: built-in values, lookups and the two own currencies.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/CurrencyTable.h"

namespace {

// The sign-and-exponent word and the mantissa of an x87 extended value.
struct ExtendedBits {
    std::uint16_t exponent;
    std::uint64_t mantissa;
    bool operator==(const ExtendedBits&) const = default;
};

ExtendedBits BitsOf(long double value) {
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &value, sizeof bytes);
    ExtendedBits bits{};
    std::memcpy(&bits.mantissa, bytes, 8);
    bits.exponent = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
    return bits;
}

std::ostream& operator<<(std::ostream& out, const ExtendedBits& b) {
    return out << std::hex << b.exponent << " " << b.mantissa << std::dec;
}

TEST(CurrencyTableRates, EveryRateIsTheNearestExtendedValue) {
    // The bit patterns of the decimal rates rounded to 64 mantissa bits: a literal written as a
    // double (no L suffix) or with a wrong digit shows up here.
    const struct {
        int slot;
        std::uint16_t exponent;
        std::uint64_t mantissa;
    } cases[] = {
        {1, 0x3FFF, 0x8000000000000000},  {2, 0x4004, 0xA15C0EBEDFA43FE6},
        {3, 0x4000, 0x8D0995AAF78FEEF6},  {4, 0x4004, 0xA15C0EBEDFA43FE6},
        {5, 0x4001, 0xD1E7FF583A53B8E5},  {6, 0x3FFF, 0xFA58A32F44912989},
        {7, 0x4009, 0xF208A3D70A3D70A4},  {8, 0x4006, 0xC87B645A1CAC0831},
        {9, 0x4006, 0xA662D0E560418937},  {10, 0x4002, 0xDC2A305532617C1C},
        {11, 0x4001, 0xBE436B8F9B13165D}, {12, 0x3FFE, 0xC99DCB5781C714FD},
        {13, 0x3FFE, 0x9EB851EB851EB852}, {14, 0x4002, 0x9170A3D70A3D70A4},
        {15, 0x4001, 0xEEB851EB851EB852}, {16, 0x4007, 0xAA60000000000000},
        {17, 0x4002, 0x8170A3D70A3D70A4}, {18, 0x3FFF, 0xC51EB851EB851EB8},
        {19, 0x3FFE, 0xE3D70A3D70A3D70A}, {20, 0x4005, 0xDCBD70A3D70A3D71},
        {21, 0x3FFF, 0x8000000000000000}, {22, 0x3FFF, 0x8000000000000000},
    };
    RecRec rec;
    InitCurrencyTable(rec);
    for (const auto& c : cases) {
        const ExtendedBits expected{c.exponent, c.mantissa};
        EXPECT_EQ(BitsOf(DefaultRate(c.slot)), expected) << "slot " << c.slot;
        if (IsFixedRate(c.slot)) {
            EXPECT_EQ(BitsOf(rec.Koers[c.slot]), expected) << "slot " << c.slot;
        }
    }
}

// Per slot 1..22, one character each.
constexpr const char* kColourClasses = "EEEEEEEEEEEEUUUEPPWWWW";  // Euro, eU, euroPe, World
constexpr const char* kFixed = "FFFFFFFFFFFF---F------";
constexpr const char* kDecimals = "2020220022222222222222";
constexpr const char* kSymbolBefore = "B---------------------";

char ClassLetter(ColourClass c) {
    switch (c) {
        case ColourClass::Euro:
            return 'E';
        case ColourClass::EU:
            return 'U';
        case ColourClass::Europe:
            return 'P';
        case ColourClass::World:
            return 'W';
    }
    return '?';
}

TEST(CurrencyTableSlots, ClassesRatesAndDefaultsPerSlot) {
    std::string classes, fixed, selected, decimals, before;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        classes += ClassLetter(SlotColourClass(slot));
        fixed += IsFixedRate(slot) ? 'F' : '-';
        selected += DefaultSelected(slot) ? 'F' : '-';
        decimals += static_cast<char>('0' + DefaultDecimals(slot));
        before += DefaultSymbolBefore(slot) ? 'B' : '-';
    }
    EXPECT_EQ(classes, kColourClasses);
    EXPECT_EQ(fixed, kFixed);
    EXPECT_EQ(selected, kFixed);  // exactly the euro currencies are shown at first
    EXPECT_EQ(decimals, kDecimals);
    EXPECT_EQ(before, kSymbolBefore);
}

TEST(CurrencyTableSlots, SlotColourUsesTheClassSetting) {
    RecRec rec;
    rec.KleurEuro = 1;
    rec.KleurEU = 2;
    rec.KleurEuropa = 3;
    rec.KleurWereld = 4;
    EXPECT_EQ(SlotColour(rec, 1), 1u);
    EXPECT_EQ(SlotColour(rec, 16), 1u);
    EXPECT_EQ(SlotColour(rec, 15), 2u);
    EXPECT_EQ(SlotColour(rec, 17), 3u);
    EXPECT_EQ(SlotColour(rec, 18), 3u);
    EXPECT_EQ(SlotColour(rec, 19), 4u);
    EXPECT_EQ(SlotColour(rec, 22), 4u);
}

TEST(CurrencyTableSlots, SharedNamesAndRates) {
    RecRec rec;
    InitCurrencyTable(rec);
    EXPECT_EQ(rec.Koers[2], rec.Koers[4]);  // BEF and LUF
    EXPECT_EQ(rec.Munt[2], rec.Munt[4]);
    EXPECT_EQ(rec.Munt[2][0], "frank");
    EXPECT_EQ(rec.Munt[2][1], "franc");
    EXPECT_EQ(rec.Munt[6], rec.Munt[11]);  // DEM and FIM
    EXPECT_EQ(rec.Munt[6][0], "mark");
    EXPECT_NE(rec.Munteenheid[2], rec.Munteenheid[4]);
}

TEST(CurrencyTableSlots, Captions) {
    RecRec rec;
    InitCurrencyTable(rec);
    const struct {
        int slot;
        int language;
        const char* expected;
    } cases[] = {
        {3, 0, "gulden (NLG,f.)"},
        {3, 1, "guilder (NLG,f.)"},
        {3, 2, "florin (NLG,f.)"},
        {3, 3, " (NLG,f.)"},  // the fourth name is always empty
        {1, 0, "euro (EURO,\u20AC)"},
        {12, 1, "pound (IEP,IR\u00A3)"},
        {13, 2, "livre (GBP,\u00A3)"},
        {14, 2, "couronne (SEK,Sk)"},
        {16, 1, "drachma (GRD,Dr)"},
        {20, 0, "yen (JPY,\u00A5)"},
        {21, 0, " (,)"},  // an own currency nobody filled in
        {22, 2, " (,)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SlotCaption(rec, c.slot, c.language), c.expected) << c.slot << "/" << c.language;
}

TEST(CurrencyTableInit, LeavesStoredSettingsAlone) {
    RecRec rec;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        rec.Koers[slot] = 1000.0L + slot;
        rec.Decimalen[slot] = 7;
        rec.Geselecteerd[slot] = slot % 2 == 0;
        rec.SymboolVooraan[slot] = slot % 3 == 0;
    }
    rec.Munteenheid[21] = "OWN";
    InitCurrencyTable(rec);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(rec.Decimalen[slot], 7) << slot;
        EXPECT_EQ(rec.Geselecteerd[slot], slot % 2 == 0) << slot;
        EXPECT_EQ(rec.SymboolVooraan[slot], slot % 3 == 0) << slot;
        const long double expectedRate = IsFixedRate(slot) ? DefaultRate(slot) : 1000.0L + slot;
        EXPECT_EQ(rec.Koers[slot], expectedRate) << slot;
        EXPECT_EQ(rec.Munt[slot][3], "") << slot;
    }
    EXPECT_EQ(rec.Koers[16], 340.75L);
    EXPECT_EQ(rec.Munteenheid[21], "OWN");  // the own currencies are filled in later
}

// A temporary folder per test, removed afterwards.
class CurrencyTableOwn : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = std::filesystem::temp_directory_path() /
               ("valomat_own_" + std::to_string(stamp) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    // The UTF-8 text of a path in the folder, as the settings hold it.
    std::string PathText(const std::filesystem::path& name) const {
        const std::u8string u8 = (dir_ / name).u8string();
        return std::string(u8.begin(), u8.end());
    }
    std::filesystem::path dir_;
};

constexpr Colour kCorner = MakeColour(10, 200, 30);
constexpr Colour kInk = MakeColour(250, 5, 5);

// A square picture in ink colour whose bottom-left pixel has the corner colour.
Picture Square(int side) {
    Picture p(side, side, kInk);
    p.Set(0, side - 1, kCorner);
    return p;
}

TEST_F(CurrencyTableOwn, TextsFillSlots21And22InEveryLanguage) {
    RecRec rec;
    rec.EigenMunt1 = "daalder";
    rec.EigenMunteenheid1 = "DLR";
    rec.EigenSymbool1 = "d";
    rec.EigenMunt2 = "\u20ACuro";
    rec.EigenMunteenheid2 = "XEU";
    rec.EigenSymbool2 = "\u00A5";
    OwnPictures pictures;
    const OwnPictureStatus status = ApplyOwnCurrencies(rec, pictures);
    EXPECT_FALSE(status.unreadable1);
    EXPECT_FALSE(status.unreadable2);
    EXPECT_EQ(SlotCaption(rec, 21, 2), "daalder (DLR,d)");
    EXPECT_EQ(rec.Munt[21], (std::array<std::string, 4>{"daalder", "daalder", "daalder", ""}));
    EXPECT_EQ(SlotCaption(rec, 22, 1), "\u20ACuro (XEU,\u00A5)");
    EXPECT_TRUE(pictures.own1.Empty());
}

TEST_F(CurrencyTableOwn, MissingFileKeepsThePicture) {
    RecRec rec;
    OwnPictures pictures;
    pictures.own1 = Picture(20, 20, kInk);
    pictures.own2 = Picture(20, 20, kCorner);
    rec.EigenBitmap1 = PathText("absent.bmp");
    rec.EigenBitmap2 = "";
    const OwnPictureStatus status = ApplyOwnCurrencies(rec, pictures);
    EXPECT_FALSE(status.unreadable1);
    EXPECT_FALSE(status.unreadable2);
    EXPECT_EQ(pictures.own1, Picture(20, 20, kInk));
    EXPECT_EQ(pictures.own2, Picture(20, 20, kCorner));

    rec.EigenBitmap1 = PathText("");  // the folder itself is no picture file
    ApplyOwnCurrencies(rec, pictures);
    EXPECT_EQ(pictures.own1, Picture(20, 20, kInk));
}

TEST_F(CurrencyTableOwn, SmallPictureGetsABorderInTheBottomLeftColour) {
    ASSERT_TRUE(WriteBitmapFile(dir_ / "small.bmp", Square(16)));
    RecRec rec;
    rec.EigenBitmap2 = PathText("small.bmp");
    OwnPictures pictures;
    ApplyOwnCurrencies(rec, pictures);
    ASSERT_EQ(pictures.own2.width, 20);
    ASSERT_EQ(pictures.own2.height, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool border = x < 2 || y < 2 || x >= 18 || y >= 18;
            const bool corner = x == 2 && y == 17;
            EXPECT_EQ(pictures.own2.At(x, y), border || corner ? kCorner : kInk) << x << "," << y;
        }
    }
    EXPECT_TRUE(pictures.own1.Empty());
}

TEST_F(CurrencyTableOwn, LargePictureIsCutToItsMiddle) {
    Picture source(25, 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) source.Set(x, y, MakeColour(x, y, 99));
    ASSERT_TRUE(WriteBitmapFile(dir_ / "large.bmp", source));
    RecRec rec;
    rec.EigenBitmap1 = PathText("large.bmp");
    OwnPictures pictures;
    ApplyOwnCurrencies(rec, pictures);
    ASSERT_EQ(pictures.own1.width, 20);
    EXPECT_EQ(pictures.own1.At(0, 0), MakeColour(2, 2, 99));
    EXPECT_EQ(pictures.own1.At(19, 19), MakeColour(21, 21, 99));
    EXPECT_EQ(pictures.own1.At(19, 0), MakeColour(21, 2, 99));
}

// A bitmap whose header claims 30000 x 30000 pixels: more than the program will hold.
std::vector<std::uint8_t> HugeBitmap() {
    std::vector<std::uint8_t> data = EncodeBitmap(Square(2));
    for (const std::size_t at : {18u, 22u}) {
        data[at] = 30000 & 0xFF;
        data[at + 1] = 30000 >> 8;
    }
    return data;
}

TEST_F(CurrencyTableOwn, UnreadableFileEmptiesThePictureAndIsReported) {
    const std::vector<std::uint8_t> huge = HugeBitmap();
    const std::pair<const char*, std::string> files[] = {
        {"bad.bmp", "BM this is no bitmap"},
        {"huge.bmp", std::string(huge.begin(), huge.end())},
        {"text.bmp", "hello"},
    };
    for (const auto& [name, content] : files) {
        SCOPED_TRACE(name);
        std::ofstream(dir_ / name, std::ios::binary) << content;
        EXPECT_FALSE(ReadOwnPictureFile(PathText(name)).has_value());
        RecRec rec;
        rec.EigenMunt1 = "kroon";
        rec.EigenBitmap1 = PathText(name);
        OwnPictures pictures;
        pictures.own1 = Picture(20, 20, kInk);
        pictures.own2 = Picture(20, 20, kInk);
        const OwnPictureStatus status = ApplyOwnCurrencies(rec, pictures);
        EXPECT_TRUE(status.unreadable1);
        EXPECT_FALSE(status.unreadable2);
        EXPECT_TRUE(pictures.own1.Empty());
        EXPECT_EQ(pictures.own2, Picture(20, 20, kInk));
        EXPECT_EQ(rec.Munt[21][0], "kroon");
    }
}

TEST(CurrencyTableOwnTexts, SetOwnCurrencyKeepsEveryCharacterInSettingsAndTable) {
    RecRec rec;
    SetOwnCurrency(rec, 1, "z\u0142oty", "PLN", "z\u0142");
    SetOwnCurrency(rec, 2, " \u4E2D ", "", "\U0001F4B0");
    SetOwnCurrency(rec, 3, "nothing", "X", "X");  // no such own currency
    EXPECT_EQ(rec.EigenMunt1, "z\u0142oty");
    EXPECT_EQ(rec.EigenMunteenheid1, "PLN");
    EXPECT_EQ(rec.EigenSymbool1, "z\u0142");
    for (int language = 0; language <= 2; ++language) {
        EXPECT_EQ(SlotCaption(rec, 21, language), "z\u0142oty (PLN,z\u0142)");
        EXPECT_EQ(SlotCaption(rec, 22, language), " \u4E2D  (,\U0001F4B0)") << "blanks kept";
    }
    EXPECT_EQ(rec.Munt[22][3], "");
    EXPECT_EQ(rec.EigenSymbool2, "\U0001F4B0");
    EXPECT_EQ(SlotCaption(rec, 20, 0), " (,)") << "no other slot is touched";
}

TEST_F(CurrencyTableOwn, NonAsciiPathIsFound) {
    const std::filesystem::path name(u8"vlag \u20AC\u00E9\u4E2D.bmp");
    if (!WriteBitmapFile(dir_ / name, Square(20))) {
        // Wine maps file names through the Linux locale; without a UTF-8 one it cannot make them.
        GTEST_SKIP() << "this system cannot create a file with a non-ASCII name";
    }
    RecRec rec;
    rec.EigenBitmap1 = PathText(name);
    OwnPictures pictures;
    const OwnPictureStatus status = ApplyOwnCurrencies(rec, pictures);
    EXPECT_FALSE(status.unreadable1);
    EXPECT_EQ(pictures.own1, Square(20));
}

TEST_F(CurrencyTableOwn, InvalidUtf8PathCountsAsMissing) {
    RecRec rec;
    rec.EigenBitmap1 = PathText("x") + "\xFF\xFE.bmp";
    OwnPictures pictures;
    pictures.own1 = Picture(20, 20, kInk);
    const OwnPictureStatus status = ApplyOwnCurrencies(rec, pictures);
    EXPECT_FALSE(status.unreadable1);
    EXPECT_EQ(pictures.own1, Picture(20, 20, kInk));
}

}  // namespace
