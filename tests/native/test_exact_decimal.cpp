#include <gtest/gtest.h>

#include <cfloat>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/AmountFormat.h"
#include "core/BigNat.h"
#include "core/ExactDecimal.h"
#include "exact_oracle.h"

namespace {

struct Bits {
    std::uint16_t signExponent;
    std::uint64_t mantissa;
    bool operator==(const Bits&) const = default;
};

Bits BitsOf(long double value) {
    unsigned char raw[sizeof(long double)];
    std::memcpy(raw, &value, sizeof raw);
    Bits bits{};
    std::memcpy(&bits.mantissa, raw, 8);
    std::memcpy(&bits.signExponent, raw + 8, 2);
    return bits;
}

std::string Hex(Bits bits) {
    char text[40];
    std::snprintf(text, sizeof text, "%04X %016" PRIX64, bits.signExponent, bits.mantissa);
    return text;
}

// The next extended value up from a non-negative finite one, by its bits.
Bits NextUp(Bits bits) {
    if (bits.mantissa == std::numeric_limits<std::uint64_t>::max()) {
        return {static_cast<std::uint16_t>(bits.signExponent + 1), std::uint64_t{1} << 63};
    }
    ++bits.mantissa;
    // The largest subnormal plus one unit is the smallest normal.
    if (bits.signExponent == 0 && bits.mantissa == std::uint64_t{1} << 63) bits.signExponent = 1;
    return bits;
}

// ---- The fixed rates: literal, decimal conversion and parsing give the same bits ----

struct RateCase {
    long double literal;
    const char* digits;
    int exponent10;
    const char* commaText;
    Bits bits;
};

const RateCase kRateCases[] = {
    {1.0L, "1", 0, "1", {0x3FFF, 0x8000000000000000}},
    {40.3399L, "403399", -4, "40,3399", {0x4004, 0xA15C0EBEDFA43FE6}},
    {2.20371L, "220371", -5, "2,20371", {0x4000, 0x8D0995AAF78FEEF6}},
    {6.55957L, "655957", -5, "6,55957", {0x4001, 0xD1E7FF583A53B8E5}},
    {1.95583L, "195583", -5, "1,95583", {0x3FFF, 0xFA58A32F44912989}},
    {1936.27L, "193627", -2, "1936,27", {0x4009, 0xF208A3D70A3D70A4}},
    {200.482L, "200482", -3, "200,482", {0x4006, 0xC87B645A1CAC0831}},
    {166.386L, "166386", -3, "166,386", {0x4006, 0xA662D0E560418937}},
    {13.7603L, "137603", -4, "13,7603", {0x4002, 0xDC2A305532617C1C}},
    {5.94573L, "594573", -5, "5,94573", {0x4001, 0xBE436B8F9B13165D}},
    {0.787564L, "0787564", -6, "0,787564", {0x3FFE, 0xC99DCB5781C714FD}},
    {340.75L, "34075", -2, "340,75", {0x4007, 0xAA60000000000000}},
    {0.62L, "62", -2, "0,62", {0x3FFE, 0x9EB851EB851EB852}},
    {9.09L, "909", -2, "9,09", {0x4002, 0x9170A3D70A3D70A4}},
    {7.46L, "746", -2, "7,46", {0x4001, 0xEEB851EB851EB852}},
    {8.09L, "809", -2, "8,09", {0x4002, 0x8170A3D70A3D70A4}},
    {1.54L, "154", -2, "1,54", {0x3FFF, 0xC51EB851EB851EB8}},
    {0.89L, "89", -2, "0,89", {0x3FFE, 0xE3D70A3D70A3D70A}},
    {110.37L, "11037", -2, "110,37", {0x4005, 0xDCBD70A3D70A3D71}},
};

TEST(ExactDecimalRates, LiteralsConversionAndParsingGiveTheTableBits) {
    const Separators comma{",", "."};
    const Separators point{".", ","};
    for (const RateCase& rate : kRateCases) {
        SCOPED_TRACE(rate.commaText);
        EXPECT_EQ(Hex(BitsOf(rate.literal)), Hex(rate.bits));

        auto converted = DecimalToExtended(false, rate.digits, rate.exponent10);
        ASSERT_TRUE(converted.has_value());
        EXPECT_EQ(Hex(BitsOf(*converted)), Hex(rate.bits));

        auto parsed = ParseAmount(rate.commaText, comma);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(Hex(BitsOf(*parsed)), Hex(rate.bits));

        std::string pointText = rate.commaText;
        for (char& c : pointText) c = c == ',' ? '.' : c;
        parsed = ParseAmount(pointText, point);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(Hex(BitsOf(*parsed)), Hex(rate.bits));

        // The 21 digits that identify an extended value lead back to the same bits.
        DecimalDigits expanded = ExpandExtended(rate.literal, 21);
        auto back = DecimalToExtended(false, expanded.digits,
                                      expanded.exponent - static_cast<int>(expanded.digits.size()));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(Hex(BitsOf(*back)), Hex(rate.bits));
    }
}

// ---- ExpandExtended ----

struct ExpandCase {
    const char* what;
    long double value;
    int significant;
    bool negative;
    const char* digits;
    int exponent;
};

const ExpandCase kExpandCases[] = {
    {"2.675 is held just below its decimal", 2.675L, 22, false, "2674999999999999999957", 1},
    {"2.675 at 18 digits reaches the half", 2.675L, 18, false, "267500000000000000", 1},
    {"tie rounds down to even", 0.125L, 2, false, "12", 0},
    {"tie rounds up to even", 0.375L, 2, false, "38", 0},
    {"tie at one digit, even", 2.5L, 1, false, "2", 1},
    {"tie at one digit, odd", 3.5L, 1, false, "4", 1},
    {"carry into a new digit", 9.5L, 1, false, "1", 2},
    {"carry through nines", 0.9999996L, 6, false, "100000", 1},
    {"exact value padded with zeros", 1936.0L, 8, false, "19360000", 4},
    {"negative keeps its sign", -40.3399L, 6, true, "403399", 2},
    {"leading fraction zeros go to the exponent", 0.00012L, 2, false, "12", -3},
    {"2^64 needs more than 64 bits", 18446744073709551616.0L, 20, false, "18446744073709551616",
     20},
    {"2^100 is an integer wider than 64 bits", 1267650600228229401496703205376.0L, 31, false,
     "1267650600228229401496703205376", 31},
    {"2^127 is the widest 128-bit integer", 170141183460469231731687303715884105728.0L, 39, false,
     "170141183460469231731687303715884105728", 39},
    {"2^128 takes the big path", 340282366920938463463374607431768211456.0L, 39, false,
     "340282366920938463463374607431768211456", 39},
    {"2^-124 is the last fraction of the fast path", 0x1p-124L, 40, false,
     "4701977403289150031874946148888982711275", -37},
    {"2^-125 takes the big path", 0x1p-125L, 40, false, "2350988701644575015937473074444491355637",
     -37},
    {"largest value", LDBL_MAX, 21, false, "118973149535723176502", 4933},
    {"smallest normal", LDBL_MIN, 21, false, "336210314311209350626", -4931},
    {"smallest subnormal", std::numeric_limits<long double>::denorm_min(), 21, false,
     "364519953188247460253", -4950},
};

TEST(ExactDecimalExpand, KnownValues) {
    for (const ExpandCase& c : kExpandCases) {
        SCOPED_TRACE(c.what);
        DecimalDigits d = ExpandExtended(c.value, c.significant);
        EXPECT_EQ(d.negative, c.negative);
        EXPECT_EQ(d.digits, c.digits);
        EXPECT_EQ(d.exponent, c.exponent);
    }
}

TEST(ExactDecimalExpand, ZeroAndNonFiniteGiveNoDigits) {
    const long double values[] = {0.0L, std::numeric_limits<long double>::infinity(),
                                  -std::numeric_limits<long double>::infinity(),
                                  std::numeric_limits<long double>::quiet_NaN()};
    for (long double value : values) {
        DecimalDigits d = ExpandExtended(value, 18);
        EXPECT_TRUE(d.digits.empty());
        EXPECT_EQ(d.exponent, 0);
    }
}

// ---- DecimalToExtended ----

TEST(ExactDecimalToExtended, EdgesOfTheRange) {
    const Bits largest = BitsOf(LDBL_MAX);
    const Bits smallest = BitsOf(std::numeric_limits<long double>::denorm_min());
    struct Case {
        const char* what;
        const char* digits;
        int exponent10;
        std::optional<Bits> expected;
    } cases[] = {
        {"zero digits", "000", 5, Bits{0, 0}},
        {"no digits at all", "", 0, Bits{0, 0}},
        {"largest value", "118973149535723176502", 4912, largest},
        {"just below the overflow boundary", "118973149535723176505351158982", 4903, largest},
        {"just above the overflow boundary", "118973149535723176505351158983", 4903, std::nullopt},
        {"far beyond the range", "1", 4933, std::nullopt},
        {"huge exponent", "1", std::numeric_limits<int>::max(), std::nullopt},
        {"smallest subnormal", "364519953188247460253", -4971, smallest},
        {"far below the smallest subnormal", "1", -5000, Bits{0, 0}},
        {"huge negative exponent", "5", std::numeric_limits<int>::min(), Bits{0, 0}},
        {"leading and trailing zeros", "000123000", -3, BitsOf(123.0L)},
        {"twenty digits, 2^64 + 1 ties to even", "18446744073709551617", 0,
         Bits{0x403F, 0x8000000000000000}},
        {"2^64 + 3 ties up to even", "18446744073709551619", 0, Bits{0x403F, 0x8000000000000002}},
        {"fast path, largest exponent", "1", 27, BitsOf(1e27L)},
        {"fast path, smallest exponent", "3", -27, BitsOf(3e-27L)},
        {"just outside the fast path", "7", -28, BitsOf(7e-28L)},
        {"one tenth", "1", -1, BitsOf(0.1L)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto result = DecimalToExtended(false, c.digits, c.exponent10);
        ASSERT_EQ(result.has_value(), c.expected.has_value());
        if (result) {
            EXPECT_EQ(Hex(BitsOf(*result)), Hex(*c.expected));
        }
    }
}

TEST(ExactDecimalToExtended, SignAndBadDigits) {
    auto negative = DecimalToExtended(true, "25", -1);
    ASSERT_TRUE(negative.has_value());
    EXPECT_EQ(*negative, -2.5L);
    auto negativeZero = DecimalToExtended(true, "0", 0);
    ASSERT_TRUE(negativeZero.has_value());
    EXPECT_TRUE(std::signbit(*negativeZero));
    EXPECT_FALSE(DecimalToExtended(false, "1.5", 0).has_value());
    EXPECT_FALSE(DecimalToExtended(false, "-15", 0).has_value());
}

// The exact midpoint above the extended value mantissa * 2^scale, as decimal digits and a
// power of ten.
struct Midpoint {
    std::string digits;
    int exponent10;
};

Midpoint MidpointAbove(std::uint64_t mantissa, int scale) {
    BigNat twice{(static_cast<unsigned __int128>(mantissa) << 1) | 1};
    int halfScale = scale - 1;
    if (halfScale >= 0) {
        twice.ShiftLeft(halfScale);
        return {twice.ToDecimal(), 0};
    }
    twice.MulPow5(-halfScale);
    return {twice.ToDecimal(), halfScale};
}

// digits * 10 - 1: just below digits, with one more digit.
std::string JustBelow(std::string digits) {
    digits += '0';
    std::size_t i = digits.size();
    while (digits[--i] == '0') digits[i] = '9';
    --digits[i];
    return digits;
}

TEST(ExactDecimalToExtended, MidpointsTieToEvenAndNeighboursRoundToTheNearer) {
    std::mt19937_64 random(20240611);
    struct Start {
        const char* what;
        Bits bits;
    };
    std::vector<Start> starts = {
        {"zero and the smallest subnormal", {0, 0}},
        {"largest subnormal", {0, (std::uint64_t{1} << 63) - 1}},
        {"one", BitsOf(1.0L)},
        {"odd mantissa below two", {0x3FFF, 0xFFFFFFFFFFFFFFFF}},
        {"a euro rate", BitsOf(40.3399L)},
        {"a large integer", {0x403F, 0x8000000000000001}},
        {"largest value: the tie rounds to overflow", BitsOf(LDBL_MAX)},
    };
    const std::uint16_t exponentRanges[][2] = {
        {0x3FF0, 0x4010}, {0x3F80, 0x4080}, {0x0001, 0x7FFE}, {0x0000, 0x0000}};
    for (const auto& range : exponentRanges) {
        for (int i = 0; i < 6; ++i) {
            std::uint64_t mantissa = random();
            auto exponent = static_cast<std::uint16_t>(
                range[0] + random() % static_cast<std::uint64_t>(range[1] - range[0] + 1));
            if (exponent == 0) {
                mantissa >>= 1;
            } else {
                mantissa |= std::uint64_t{1} << 63;
            }
            starts.push_back({"random", {exponent, mantissa}});
        }
    }
    for (const Start& start : starts) {
        SCOPED_TRACE(std::string(start.what) + " " + Hex(start.bits));
        int scale = std::max<int>(start.bits.signExponent, 1) - 16383 - 63;
        Midpoint mid = MidpointAbove(start.bits.mantissa, scale);
        Bits up = NextUp(start.bits);
        const bool upOverflows = up.signExponent >= 0x7FFF;
        Bits even = (start.bits.mantissa & 1) == 0 ? start.bits : up;

        auto atTie = DecimalToExtended(false, mid.digits, mid.exponent10);
        if (upOverflows && even == up) {
            EXPECT_FALSE(atTie.has_value());
        } else {
            ASSERT_TRUE(atTie.has_value());
            EXPECT_EQ(Hex(BitsOf(*atTie)), Hex(even));
        }

        auto above = DecimalToExtended(false, mid.digits + "1", mid.exponent10 - 1);
        if (upOverflows) {
            EXPECT_FALSE(above.has_value());
        } else {
            ASSERT_TRUE(above.has_value());
            EXPECT_EQ(Hex(BitsOf(*above)), Hex(up));
        }

        auto below = DecimalToExtended(false, JustBelow(mid.digits), mid.exponent10 - 1);
        ASSERT_TRUE(below.has_value());
        EXPECT_EQ(Hex(BitsOf(*below)), Hex(start.bits));
    }
}

TEST(ExactDecimalToExtended, DigitsBeyondTheExactLimitStillBreakATie) {
    // 1 + 2^-64 lies halfway between 1 and the next value up.
    const std::string tie = "10000000000000000000542101086242752217003726400434970855712890625";
    const int tieExponent = -64;
    std::string longTie = tie + std::string(20000, '0');
    const int longExponent = tieExponent - 20000;
    auto even = DecimalToExtended(false, longTie, longExponent);
    ASSERT_TRUE(even.has_value());
    EXPECT_EQ(*even, 1.0L);
    auto above = DecimalToExtended(false, longTie + "1", longExponent - 1);
    ASSERT_TRUE(above.has_value());
    EXPECT_EQ(Hex(BitsOf(*above)), Hex(Bits{0x3FFF, 0x8000000000000001}));
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Out of line, so that no arithmetic moves across a change of the control word.
__attribute__((noinline)) std::uint16_t ControlWord() {
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control) : : "memory");
    return control;
}

__attribute__((noinline)) void SetControlWord(std::uint16_t control) {
    asm volatile("fldcw %0" : : "m"(control) : "memory");
}

__attribute__((noinline)) bool OnePlusTinyIsOne() {
    volatile long double one = 1.0L;
    volatile long double tiny = 0x1p-63L;
    return one + tiny == one;
}

TEST(ExactDecimalPrecision, DoublePrecisionControlIsRaisedAndNeverSpoilsParsing) {
    const std::uint16_t saved = ControlWord();
    SetControlWord(static_cast<std::uint16_t>((saved & ~0x0300) | 0x0200));  // 53-bit mantissas

    auto rate = DecimalToExtended(false, "403399", -4);
    const bool roundedAway = OnePlusTinyIsOne();
    EnsureExtendedPrecision();
    const bool keptAfter = !OnePlusTinyIsOne();
    const std::uint16_t after = ControlWord();
    SetControlWord(saved);

    ASSERT_TRUE(rate.has_value());
    EXPECT_EQ(Hex(BitsOf(*rate)), Hex(Bits{0x4004, 0xA15C0EBEDFA43FE6}));
    EXPECT_TRUE(roundedAway);
    EXPECT_TRUE(keptAfter);
    EXPECT_EQ(after & 0x0300, 0x0300);
}
#endif

#ifdef __GLIBC__
// ---- glibc's printf and strtold are exact: oracles for both directions ----

long double FromBits(Bits bits) {
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, &bits.mantissa, 8);
    std::memcpy(raw + 8, &bits.signExponent, 2);
    long double value;
    std::memcpy(&value, raw, sizeof value);
    return value;
}

std::vector<long double> OracleValues() {
    std::mt19937_64 random(7);
    std::vector<long double> values = {
        1.0L,
        0.1L,
        2.675L,
        1e-4L,
        1e15L,
        1e18L,
        1e19L,
        1e20L,
        0.5L,
        1e27L,
        1e-27L,
        0x1p63L,
        0x1p64L,
        0x1p-124L,
        0x1.8p-125L,
        0x1p127L,
        0x1p128L,
        -1e300L,
        LDBL_MAX,
        LDBL_MIN,
        1.0L / 3,
        std::numeric_limits<long double>::denorm_min(),
        LDBL_MIN - LDBL_MIN / 3,
    };
    // Amounts and rates as the program meets them.
    for (int i = 0; i < 400; ++i) {
        long double amount = static_cast<long double>(random() % 100000000000ull) / 100;
        long double rate = 0.5L + static_cast<long double>(random() % 2000000) / 1000;
        values.push_back(amount / rate);
        values.push_back(-(amount * rate));
    }
    // Arbitrary bit patterns near one and across the whole range, subnormals included.
    for (int i = 0; i < 300; ++i) {
        std::uint64_t mantissa = random() | (std::uint64_t{1} << 63);
        values.push_back(
            FromBits({static_cast<std::uint16_t>(0x3F80 + random() % 0x100), mantissa}));
    }
    for (int i = 0; i < 100; ++i) {
        std::uint64_t mantissa = random() | (std::uint64_t{1} << 63);
        values.push_back(FromBits({static_cast<std::uint16_t>(1 + random() % 0x7FFE), mantissa}));
        values.push_back(FromBits({0, random() >> (1 + random() % 63)}));
    }
    return values;
}

TEST(ExactDecimalOracle, ExpandMatchesPrintf) {
    const int counts[] = {1, 15, 17, 18, 19, 21, 40};
    for (long double value : OracleValues()) {
        for (int significant : counts) {
            DecimalDigits expected = PrintfDigits(value, significant);
            DecimalDigits actual = ExpandExtended(value, significant);
            ASSERT_EQ(actual.digits, expected.digits) << Hex(BitsOf(value)) << " " << significant;
            ASSERT_EQ(actual.exponent, expected.exponent) << Hex(BitsOf(value));
            ASSERT_EQ(actual.negative, expected.negative) << Hex(BitsOf(value));
        }
    }
}

TEST(ExactDecimalOracle, DecimalToExtendedMatchesStrtold) {
    std::mt19937_64 random(11);
    struct Range {
        int maxDigits;
        int lowExponent;
        int highExponent;
    };
    // Short texts near one (the fast path), long ones, and the whole range.
    const Range ranges[] = {{19, -27, 27}, {40, -60, 40}, {25, -4990, 4950}, {800, -5500, 4500}};
    for (const Range& range : ranges) {
        for (int i = 0; i < 300; ++i) {
            int length = 1 + static_cast<int>(random() % static_cast<unsigned>(range.maxDigits));
            std::string digits;
            for (int k = 0; k < length; ++k) digits += static_cast<char>('0' + random() % 10);
            int exponent = range.lowExponent +
                           static_cast<int>(random() % static_cast<unsigned>(range.highExponent -
                                                                             range.lowExponent));
            std::string text = digits + "e" + std::to_string(exponent);
            long double expected = std::strtold(text.c_str(), nullptr);
            auto actual = DecimalToExtended(false, digits, exponent);
            if (std::isinf(expected)) {
                EXPECT_FALSE(actual.has_value()) << text;
                continue;
            }
            ASSERT_TRUE(actual.has_value()) << text;
            ASSERT_EQ(Hex(BitsOf(*actual)), Hex(BitsOf(expected))) << text;
        }
    }
}
#endif

}  // namespace
