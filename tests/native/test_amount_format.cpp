#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/AmountFormat.h"
#include "native/locales.h"

namespace {

const Separators kFrench{",", "\u00A0"};
const Separators kSwiss{".", "\u2019"};
const Separators kArabic{"\u066B", "\u066C"};

bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

TEST(AmountMask, OneZeroPerDecimalAfterThePoint) {
    EXPECT_EQ(AmountMask(0), "#,###,###,###,###0.");
    EXPECT_EQ(AmountMask(2), "#,###,###,###,###0.00");
    EXPECT_EQ(AmountMask(5), "#,###,###,###,###0.00000");
}

struct MaskedCase {
    const char* what;
    long double value;
    int decimals;
    const char* comma;  // in the comma locale
};

const MaskedCase kMaskedCases[] = {
    {"2.675 reaches the half at 18 digits", 2.675L, 2, "2,68"},
    {"1.005 likewise", 1.005L, 2, "1,01"},
    {"half at no decimals rounds up", 0.5L, 0, "1"},
    {"negative half rounds away from zero", -2.5L, 0, "-3"},
    {"exact eighth: half up, not to even", 0.125L, 2, "0,13"},
    {"below the half", 0.124L, 2, "0,12"},
    {"carry into the thousands", 999.995L, 2, "1.000,00"},
    {"carry into a new group", 999999.5L, 0, "1.000.000"},
    {"grouping of large numbers", 1234567890123.0L, 2, "1.234.567.890.123,00"},
    {"three digits need no separator", 123.0L, 0, "123"},
    {"four digits get one", 1234.0L, 0, "1.234"},
    {"six digits", 100000.0L, 0, "100.000"},
    {"negative with grouping", -1234.5L, 1, "-1.234,5"},
    {"zero", 0.0L, 2, "0,00"},
    {"negative zero", -0.0L, 2, "0,00"},
    {"negative that rounds to zero loses its sign", -0.004L, 2, "0,00"},
    {"negative that rounds to a cent keeps it", -0.005L, 2, "-0,01"},
    {"tiny value", 1e-20L, 2, "0,00"},
    {"only 18 digits survive the expansion", 1180591620717411303424.0L, 0,
     "1.180.591.620.717.411.300.000"},
    {"exact power of ten", 1e25L, 2, "10.000.000.000.000.000.000.000.000,00"},
    {"a third to 20 decimals keeps 18 digits", 1.0L / 3, 20, "0,33333333333333333300"},
    {"lire of one euro", 1936.27L, 0, "1.936"},
    {"a leading zero before the point", 0.05L, 3, "0,050"},
};

TEST(FormatMasked, CommaAndPointLocales) {
    for (const MaskedCase& c : kMaskedCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FormatMasked(c.value, c.decimals, kComma), c.comma);
        EXPECT_EQ(FormatMasked(c.value, c.decimals, kPoint), ForPointLocale(c.comma));
    }
}

TEST(FormatMasked, MultiByteSeparators) {
    EXPECT_EQ(FormatMasked(1234567.5L, 2, kFrench), "1\u00A0234\u00A0567,50");
    EXPECT_EQ(FormatMasked(-1234.5L, 2, kSwiss), "-1\u2019234.50");
    EXPECT_EQ(FormatMasked(1234.5L, 1, kArabic), "1\u066C234\u066B5");
}

TEST(FormatMasked, ManyDecimalsAndOddValues) {
    std::string many = FormatMasked(0.25L, 255, kComma);
    EXPECT_EQ(many.size(), 2u + 255u);
    EXPECT_EQ(many.substr(0, 5), "0,250");
    EXPECT_EQ(many.find_first_not_of('0', 4), std::string::npos);

    // Values no amount should reach still give a text.
    EXPECT_FALSE(FormatMasked(std::numeric_limits<long double>::infinity(), 2, kComma).empty());
    EXPECT_FALSE(FormatMasked(std::numeric_limits<long double>::quiet_NaN(), 2, kComma).empty());
    std::string largest = FormatMasked(std::numeric_limits<long double>::max(), 2, kComma);
    EXPECT_EQ(largest.substr(0, 8), "1.189.73");
    EXPECT_EQ(largest.size(), 4933u + 4933u / 3 + 3);
}

struct GeneralCase {
    const char* what;
    long double value;
    const char* comma;
};

const GeneralCase kGeneralCases[] = {
    {"a third: fifteen threes", 1.0L / 3, "0,333333333333333"},
    {"a hundred-thousandth", 1e-5L, "1E-5"},
    {"ten to the twentieth", 1e20L, "1E20"},
    {"a mantissa with decimals", 1.5e20L, "1,5E20"},
    {"negative exponent with decimals", -1.5e-7L, "-1,5E-7"},
    {"zero", 0.0L, "0"},
    {"smallest fixed magnitude", 0.0001L, "0,0001"},
    {"fixed with leading zeros", 0.00012345L, "0,00012345"},
    {"just below 0.0001", 0.00009999L, "9,999E-5"},
    {"fifteen integer digits stay fixed", 123456789012345.0L, "123456789012345"},
    {"sixteen go scientific", 1234567890123456.0L, "1,23456789012346E15"},
    {"rounding up to sixteen digits goes scientific", 999999999999999.9L, "1E15"},
    {"no grouping", 1936.27L, "1936,27"},
    {"2.675 keeps its digits", 2.675L, "2,675"},
    {"euro of a hundred francs", 100.0L / 40.3399L, "2,47893524773239"},
    {"negative", -2.5L, "-2,5"},
    {"integer", 1000.0L, "1000"},
};

TEST(FormatGeneral, CommaAndPointLocales) {
    for (const GeneralCase& c : kGeneralCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FormatGeneral(c.value, kComma), c.comma);
        EXPECT_EQ(FormatGeneral(c.value, kPoint), ForPointLocale(c.comma));
    }
}

struct ParseCase {
    const char* comma;  // in the comma locale
    std::optional<long double> expected;
};

const ParseCase kParseCases[] = {
    {" 12,5 ", 12.5L},
    {"\t7\t", 7.0L},
    {"+1", 1.0L},
    {"-1,5e3", -1500.0L},
    {"1,5E+2", 150.0L},
    {"2e-3", 0.002L},
    {"1,", 1.0L},
    {",5", 0.5L},
    {"0,1", 0.1L},
    {"00012", 12.0L},
    {"0,00000000000000000000000000000000000001", 1e-38L},
    {"123456789012345678901234567890", 123456789012345678901234567890.0L},
    {"1e-999999999999", 0.0L},
    {"0e999999999999", 0.0L},
    {"1.234,56", std::nullopt},
    {"12.5", std::nullopt},
    {"", std::nullopt},
    {" ", std::nullopt},
    {",", std::nullopt},
    {"+", std::nullopt},
    {"1e", std::nullopt},
    {"1e+", std::nullopt},
    {"e5", std::nullopt},
    {"1,2,3", std::nullopt},
    {"abc", std::nullopt},
    {"1 000", std::nullopt},
    {"1,5 e3", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {"- 1", std::nullopt},
    {"1-", std::nullopt},
    {"1e5e5", std::nullopt},
    {"0x10", std::nullopt},
    {"1e5000", std::nullopt},
    {"1e999999999999999999999", std::nullopt},
    {"-1e5000", std::nullopt},
};

TEST(ParseAmount, AcceptAndRejectInCommaAndPointLocales) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(c.comma);
        const std::pair<std::string, const Separators*> runs[] = {
            {c.comma, &kComma}, {ForPointLocale(c.comma), &kPoint}};
        for (const auto& [text, seps] : runs) {
            auto parsed = ParseAmount(text, *seps);
            ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << text;
            if (parsed) {
                EXPECT_TRUE(SameBits(*parsed, *c.expected)) << text;
            }
        }
    }
}

TEST(ParseAmount, NegativeZeroAndSign) {
    auto negativeZero = ParseAmount("-0", kComma);
    ASSERT_TRUE(negativeZero.has_value());
    EXPECT_EQ(*negativeZero, 0.0L);
    EXPECT_EQ(FormatMasked(*negativeZero, 2, kComma), "0,00");
}

TEST(ParseAmount, OtherLocalesUseTheirOwnDecimalSeparatorOnly) {
    struct Case {
        const Separators* seps;
        const char* text;
        std::optional<long double> expected;
    } cases[] = {
        {&kFrench, "1,5", 1.5L},
        {&kFrench, "1\u00A0000", std::nullopt},
        {&kFrench, "1.5", std::nullopt},
        {&kSwiss, "1.5", 1.5L},
        {&kSwiss, "1\u2019000", std::nullopt},
        {&kArabic, "1\u066B5", 1.5L},
        {&kArabic, "\u066B25", 0.25L},
        {&kArabic, "1.5", std::nullopt},
        {&kArabic, "1\u066B5\u066B", std::nullopt},
        {&kArabic, "1\xD9", std::nullopt},  // the separator's first byte alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto parsed = ParseAmount(c.text, *c.seps);
        ASSERT_EQ(parsed.has_value(), c.expected.has_value());
        if (parsed) {
            EXPECT_EQ(*parsed, *c.expected);
        }
    }
}

// What the amount mask writes reads back, thousands separators and all; misplaced separators
// are no number.
TEST(ParseGroupedAmount, TheMasksOwnTextsInEveryLocale) {
    for (const Separators* seps : {&kComma, &kPoint, &kFrench, &kSwiss}) {
        for (long double v : {0.5L, 999.0L, 1000.0L, -12345678.9L, 1e15L}) {
            const std::string text = FormatMasked(v, 2, *seps);
            EXPECT_EQ(ParseGroupedAmount(text, *seps),
                      ParseAmount(FormatMasked(v, 2, {seps->decimal, ""}), *seps))
                << text;
        }
    }
    for (const char* bad : {"1.23", "1234.567,8", "1..234", ".234", "1.234,567.8", "1,234.5"}) {
        EXPECT_FALSE(ParseGroupedAmount(bad, kComma)) << bad;
    }
}

#ifdef __GLIBC__
// Texts as long as the clipboard holds read exactly as a short text of the same value would;
// glibc's strtold, exact at any length, is the oracle.
TEST(ParseAmount, VeryLongTextsReadExactly) {
    // Joined by appending: GCC 12 warns falsely (-Wrestrict) on "text" + std::string in Release.
    const auto join = [](std::initializer_list<std::string_view> parts) {
        std::string text;
        for (const std::string_view part : parts) text += part;
        return text;
    };
    const std::string zeros(2'500'000, '0');
    const std::string_view few = std::string_view(zeros).substr(0, 1'500'000);
    const std::string_view z4931 = std::string_view(zeros).substr(0, 4931);
    const std::string_view z4940 = std::string_view(zeros).substr(0, 4940);
    const std::string texts[] = {
        join({"1,", zeros, "1"}),                 // 1.000...01: one
        join({"0,", few, "1e9999999"}),           // 10^8499998: too large
        join({"0,", zeros, "15e2500001"}),        // 1.5
        join({"1", zeros, "e-2500000"}),          // 1
        join({zeros, "7,", zeros}),               // 7
        join({"-0,", zeros, "1"}),                // below the range: -0
        join({"1", z4931, ",", zeros}),           // near the largest value
        join({"0,", z4940, "36451", zeros}),      // a subnormal
        join({"1", few, ",", few, "e-1500005"}),  // 0.00001
        join({"9", few, "e-1499995"}),            // above the range
    };
    for (const std::string& text : texts) {
        std::string point = text;
        std::replace(point.begin(), point.end(), ',', '.');
        const long double expected = std::strtold(point.c_str(), nullptr);
        const auto parsed = ParseAmount(text, kComma);
        SCOPED_TRACE(text.substr(0, 12) + "... of " + std::to_string(text.size()));
        if (std::isinf(expected)) {
            EXPECT_FALSE(parsed.has_value());
            continue;
        }
        ASSERT_TRUE(parsed.has_value());
        EXPECT_TRUE(SameBits(*parsed, expected)) << static_cast<double>(*parsed);
    }
}
#endif

TEST(ReplaceForeignSeparator, OnlyTheFirstForeignMarkInCommaAndPointLocales) {
    struct Case {
        const char* what;
        const Separators* seps;
        const char* text;
        std::optional<std::string> expected;
    } cases[] = {
        {"comma locale, point typed", &kComma, "12.5", "12,5"},
        {"comma locale, only the first", &kComma, "1.2.3", "1,2.3"},
        {"comma locale, own separator", &kComma, "12,5", std::nullopt},
        {"comma locale, empty", &kComma, "", std::nullopt},
        {"point locale, comma typed", &kPoint, "12,5", "12.5"},
        {"point locale, only the first", &kPoint, "1,2,3", "1.2,3"},
        {"point locale, own separator", &kPoint, "12.5", std::nullopt},
        {"French: comma decimal whatever the thousands", &kFrench, "12.5", "12,5"},
        {"French: own separator", &kFrench, "12,5", std::nullopt},
        {"Swiss: point decimal", &kSwiss, "12,5", "12.5"},
        {"Swiss: own separator", &kSwiss, "12.5", std::nullopt},
        {"other locale: a point stays", &kArabic, "12.5", std::nullopt},
        {"other locale: a comma stays", &kArabic, "12,5", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto fix = ReplaceForeignSeparator(c.text, 3, *c.seps);
        ASSERT_EQ(fix.has_value(), c.expected.has_value());
        if (fix) {
            EXPECT_EQ(fix->text, *c.expected);
            EXPECT_EQ(fix->caret, 3);
        }
    }
}

}  // namespace
