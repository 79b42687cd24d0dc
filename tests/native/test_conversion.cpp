#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Conversion.h"
#include "native/locales.h"

namespace {

constexpr int kEuro = 1;
constexpr int kBef = 2;
constexpr int kItl = 7;
constexpr int kThird = 21;  // an own currency at three units per euro

// Only the fields a conversion reads, set here rather than by the currency table.
RecRec MakeRec() {
    RecRec rec;
    rec.Koers[kEuro] = 1.0L;
    rec.Decimalen[kEuro] = 2;
    rec.Munteenheid[kEuro] = "EURO";
    rec.Symbool[kEuro] = "€";
    rec.SymboolVooraan[kEuro] = true;
    rec.Koers[kBef] = 40.3399L;
    rec.Decimalen[kBef] = 0;
    rec.Munteenheid[kBef] = "BEF";
    rec.Symbool[kBef] = "BF";
    rec.Koers[kItl] = 1936.27L;
    rec.Decimalen[kItl] = 0;
    rec.Munteenheid[kItl] = "ITL";
    rec.Symbool[kItl] = "Lit";
    rec.Koers[kThird] = 3.0L;
    rec.Decimalen[kThird] = 2;
    return rec;
}

struct ResultCase {
    const char* what;
    int from;
    int to;
    int mode;
    long double amount;
    const char* comma;  // the text in the comma locale
};

const ResultCase kResultCases[] = {
    {"hundred francs in euro", kBef, kEuro, 1, 100.0L, "2,48"},
    {"negative amount", kBef, kEuro, 1, -100.0L, "-2,48"},
    {"one euro in lire with the code", kEuro, kItl, 2, 1.0L, "1.936 ITL"},
    {"one euro in lire, masked only", kEuro, kItl, 1, 1.0L, "1.936"},
    {"symbol before", kEuro, kEuro, 3, 1.0L, "€ 1,00"},
    {"symbol before a negative amount", kEuro, kEuro, 3, -1.0L, "€ -1,00"},
    {"symbol after", kEuro, kBef, 3, 1.0L, "40 BF"},
    {"code after a grouped amount", kEuro, kBef, 2, 1000.0L, "40.340 BEF"},
    {"general format ignores the decimals", kEuro, kItl, 0, 1.0L, "1936,27"},
    {"a third of a euro", kThird, kEuro, 0, 1.0L, "0,333333333333333"},
    {"general format, tiny", kEuro, kEuro, 0, 0.00001L, "1E-5"},
    {"general format, huge", kEuro, kEuro, 0, 1e20L, "1E20"},
    {"grouping of a large amount", kEuro, kEuro, 1, 1234567890123.0L, "1.234.567.890.123,00"},
    {"display mode 4 shows nothing", kBef, kEuro, 4, 100.0L, ""},
    {"display mode 255 shows nothing", kBef, kEuro, 255, 100.0L, ""},
};

TEST(FormatResult, DisplayModesInCommaAndPointLocales) {
    for (const ResultCase& c : kResultCases) {
        SCOPED_TRACE(c.what);
        RecRec rec = MakeRec();
        rec.VanMunt = static_cast<std::uint8_t>(c.from);
        rec.NaarMunt = static_cast<std::uint8_t>(c.to);
        rec.Weergave = static_cast<std::uint8_t>(c.mode);
        EXPECT_EQ(FormatResult(rec, c.amount, kComma).text, c.comma);
        EXPECT_EQ(FormatResult(rec, c.amount, kPoint).text, ForPointLocale(c.comma));
    }
}

TEST(FormatResult, ValueIsNotRounded) {
    RecRec rec = MakeRec();
    rec.VanMunt = kBef;
    rec.NaarMunt = kEuro;
    rec.Weergave = 4;  // the value does not depend on the display mode
    long double value = FormatResult(rec, 100.0L, kComma).value;
    EXPECT_NEAR(static_cast<double>(value), 2.4789352477323939, 1e-15);
}

TEST(FormatResult, ZeroRatesGiveZero) {
    RecRec rec = MakeRec();
    rec.Weergave = 1;
    rec.VanMunt = kBef;
    rec.NaarMunt = kEuro;
    rec.Koers[kBef] = 0.0L;
    ConversionResult fromZero = FormatResult(rec, 100.0L, kComma);
    EXPECT_EQ(fromZero.value, 0.0L);
    EXPECT_EQ(fromZero.text, "0,00");

    rec.VanMunt = kEuro;
    rec.NaarMunt = kBef;
    rec.Koers[kBef] = 0.0L;
    rec.Decimalen[kBef] = 2;
    ConversionResult toZero = FormatResult(rec, -5.0L, kComma);
    EXPECT_EQ(toZero.value, 0.0L);
    EXPECT_EQ(toZero.text, "0,00");  // no minus on a zero result
}

TEST(FormatResult, SlotOutsideTheTableConvertsNothing) {
    RecRec rec = MakeRec();
    rec.VanMunt = 0;
    rec.NaarMunt = 23;
    ConversionResult result;
    ASSERT_NO_THROW(result = FormatResult(rec, 100.0L, kComma));
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.value, 0.0L);
    EXPECT_EQ(MakeResultEntry(rec, 1.0L, 1.0L, kComma), "");
}

TEST(MakeResultEntry, BothAmountsThroughTheirOwnMask) {
    RecRec rec = MakeRec();
    rec.VanMunt = kBef;
    rec.NaarMunt = kEuro;
    EXPECT_EQ(MakeResultEntry(rec, 100.0L, 100.0L / 40.3399L, kComma), "*100*2*2,48*1*");
    EXPECT_EQ(MakeResultEntry(rec, 100.0L, 100.0L / 40.3399L, kPoint), "*100*2*2.48*1*");
    EXPECT_EQ(MakeResultEntry(rec, 1000.4L, 24.799L, kComma), "*1.000*2*24,80*1*");

    rec.VanMunt = kEuro;
    rec.NaarMunt = kItl;
    EXPECT_EQ(MakeResultEntry(rec, -1.0L, -1936.27L, kComma), "*-1,00*1*-1.936*7*");
}

}  // namespace
