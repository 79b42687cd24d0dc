#include <gtest/gtest.h>

#include "ui/ClipboardWatch.h"

namespace {

const Separators kComma{",", "."};

ClipboardNotice Copied(std::string text, std::uint64_t ms = 10000) {
    return {.text = std::move(text), .nowMs = ms};
}

struct PrefixCase {
    const char* letters;
    const char* text;
    std::optional<long double> amount;
    const char* what;
};

class ClipboardPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(ClipboardPrefix, ConvertsOnlyThePrefixFollowedByAReadableAmount) {
    const PrefixCase& c = GetParam();
    ClipboardWatch watch;
    watch.SetReady(true);
    EXPECT_EQ(watch.AmountToConvert(Copied(c.text), c.letters, kComma), c.amount) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipboardPrefix,
    ::testing::Values(PrefixCase{"VL", "VL100", 100.0L, "prefix and amount"},
                      PrefixCase{"VL", "VL12,5", 12.5L, "the locale's separator"},
                      PrefixCase{"VL", "VL 7 ", 7.0L, "blanks around the amount"},
                      PrefixCase{"VL", "vl100", std::nullopt, "case-sensitive"},
                      PrefixCase{"VL", "VL", std::nullopt, "no amount"},
                      PrefixCase{"VL", "V", std::nullopt, "shorter than the prefix"},
                      PrefixCase{"VL", "VL12.50", std::nullopt, "foreign separator"},
                      PrefixCase{"VL", "VL1.000", std::nullopt, "thousands separator"},
                      PrefixCase{"VL", "xVL100", std::nullopt, "prefix not at the start"},
                      PrefixCase{"", "42", 42.0L, "empty prefix: any number"},
                      PrefixCase{"€", "€5", 5.0L, "a prefix beyond ASCII"}));

TEST(ClipboardWatch, NothingConvertsBeforeTheSettingsAreLoaded) {
    ClipboardWatch watch;
    EXPECT_FALSE(watch.AmountToConvert(Copied("VL100"), "VL", kComma));
    watch.SetReady(true);
    EXPECT_TRUE(watch.AmountToConvert(Copied("VL100"), "VL", kComma));
}

TEST(ClipboardWatch, OwnWriteNeverConvertsWhateverThePrefix) {
    ClipboardWatch watch;
    watch.SetReady(true);
    for (const char* letters : {"", "2", "-", "\xE2\x82\xAC"}) {
        ClipboardNotice own = Copied("2,48");
        own.ownWrite = true;
        EXPECT_FALSE(watch.AmountToConvert(own, letters, kComma)) << letters;
    }
}

TEST(ClipboardWatch, ExcludedContentIsNeitherConvertedNorOfferedForPasting) {
    ClipboardWatch watch;
    watch.SetReady(true);
    ClipboardNotice secret = Copied("VL100");
    secret.excluded = true;
    EXPECT_FALSE(watch.AmountToConvert(secret, "VL", kComma));
    ClipboardNotice number = Copied("12,5");
    number.excluded = true;
    EXPECT_FALSE(ClipboardWatch::IsNumber(number, kComma));
}

TEST(ClipboardWatch, ARepeatedAnnouncementOfOneCopyConvertsOnceAndALaterCopyAgain) {
    ClipboardWatch watch;
    watch.SetReady(true);
    EXPECT_TRUE(watch.AmountToConvert(Copied("VL100", 1000), "VL", kComma));
    EXPECT_FALSE(watch.AmountToConvert(Copied("VL100", 1400), "VL", kComma));
    EXPECT_TRUE(watch.AmountToConvert(Copied("VL200", 1500), "VL", kComma));
    EXPECT_TRUE(watch.AmountToConvert(Copied("VL100", 1600), "VL", kComma));
    EXPECT_TRUE(watch.AmountToConvert(Copied("VL100", 1600 + 1500), "VL", kComma));
}

TEST(ClipboardWatch, PasteIsOfferedForNumbersOnly) {
    EXPECT_TRUE(ClipboardWatch::IsNumber(Copied("12,5"), kComma));
    EXPECT_FALSE(ClipboardWatch::IsNumber(Copied("1.234,5"), kComma));
    EXPECT_FALSE(ClipboardWatch::IsNumber(Copied("word"), kComma));
    EXPECT_FALSE(ClipboardWatch::IsNumber(ClipboardNotice{}, kComma));  // a picture, no text
    EXPECT_FALSE(ClipboardWatch::IsNumber(Copied("2,48 EURO"), kComma));
}

}  // namespace
