// The reference-rates file of the European Central Bank: the daily file as the bank writes it,
// the variations a changed writer may bring, every way a file can be bad, and what the rates
// do to our slots.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "core/CurrencyTable.h"
#include "core/EcbRates.h"

namespace {

// The daily file in the bank's layout; the rates are made up.
const std::string kHead = R"(<?xml version="1.0" encoding="UTF-8"?>
<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">
	<gesmes:subject>Reference rates</gesmes:subject>
	<gesmes:Sender>
		<gesmes:name>European Central Bank</gesmes:name>
	</gesmes:Sender>
	<Cube>
		<Cube time='2026-12-04'>
)";
const std::string kRates = R"(			<Cube currency='USD' rate='1.0432'/>
			<Cube currency='JPY' rate='157.41'/>
			<Cube currency='BGN' rate='1.9558'/>
			<Cube currency='CZK' rate='25.127'/>
			<Cube currency='DKK' rate='7.4598'/>
			<Cube currency='GBP' rate='0.83105'/>
			<Cube currency='HUF' rate='411.35'/>
			<Cube currency='PLN' rate='4.2675'/>
			<Cube currency='SEK' rate='11.4985'/>
			<Cube currency='CHF' rate='0.9351'/>
			<Cube currency='ISK' rate='146.3'/>
			<Cube currency='NOK' rate='11.7565'/>
			<Cube currency='AUD' rate='1.6239'/>
			<Cube currency='ZAR' rate='19.0412'/>
)";
const std::string kTail = R"(		</Cube>
	</Cube>
</gesmes:Envelope>
)";
const std::string kDaily = kHead + kRates + kTail;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// A record as the program has it after loading, with the own currencies' codes.
RecRec Record(const std::string& own1 = "", const std::string& own2 = "") {
    RecRec rec;
    InitCurrencyTable(rec);
    rec.EigenMunteenheid1 = own1;
    rec.EigenMunteenheid2 = own2;
    OwnPictures pictures;
    ApplyOwnCurrencies(rec, pictures);
    return rec;
}

long double RateOf(const EcbRates& file, const std::string& currency) {
    for (const EcbRate& r : file.rates) {
        if (r.currency == currency) return r.rate;
    }
    return -1;
}

TEST(EcbRates, DailyFileGivesTheDayAndEveryRateExactlyWhateverTheLocale) {
    // Under Wine this is the user's locale of the C runtime, with its decimal comma.
    std::setlocale(LC_ALL, "");
    const std::optional<EcbRates> file = ReadEcbRates(kDaily);
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->date, "2026-12-04");
    ASSERT_EQ(file->rates.size(), 14u);
    EXPECT_EQ(file->rates.front().currency, "USD");
    EXPECT_EQ(file->rates.back().currency, "ZAR");
    // The compiler's literals are the extended values nearest to the decimals.
    EXPECT_EQ(RateOf(*file, "USD"), 1.0432L);
    EXPECT_EQ(RateOf(*file, "GBP"), 0.83105L);
    EXPECT_EQ(RateOf(*file, "SEK"), 11.4985L);
    EXPECT_EQ(RateOf(*file, "ISK"), 146.3L);
    EXPECT_NE(RateOf(*file, "USD"), static_cast<long double>(1.0432)) << "not through a double";

    // The seven floating slots in slot order, and the own currency whose code is in the file.
    const std::vector<RateUpdate> updates = EcbRateUpdates(Record(" pln ", "XEU"), *file);
    const std::pair<int, long double> expected[] = {{13, 0.83105L}, {14, 11.4985L}, {15, 7.4598L},
                                                    {17, 11.7565L}, {18, 0.9351L},  {19, 1.0432L},
                                                    {20, 157.41L},  {21, 4.2675L}};
    ASSERT_EQ(updates.size(), std::size(expected));
    for (std::size_t i = 0; i < updates.size(); ++i) {
        EXPECT_EQ(updates[i].slot, expected[i].first);
        EXPECT_EQ(updates[i].rate, expected[i].second) << expected[i].first;
    }
}

TEST(EcbRates, VariationsOfTheWriterAreRead) {
    struct Case {
        const char* what;
        std::string text;
        const char* date;
        long double usd;  // -1: not in the file
        std::size_t count;
    };
    const Case cases[] = {
        {"another namespace prefix",
         Replaced(Replaced(kDaily, "gesmes:", "g2:"), "xmlns:g2", "xmlns:g2"), "2026-12-04",
         1.0432L, 14},
        {"no prefix at all", Replaced(kDaily, "gesmes:", ""), "2026-12-04", 1.0432L, 14},
        {"double quotes", Replaced(kDaily, "'", "\""), "2026-12-04", 1.0432L, 14},
        {"attributes the other way round",
         Replaced(kDaily, "<Cube currency='USD' rate='1.0432'/>",
                  "<Cube rate='1.0432' currency='USD' />"),
         "2026-12-04", 1.0432L, 14},
        {"space around = and an end tag",
         Replaced(kDaily, "<Cube currency='USD' rate='1.0432'/>",
                  "<Cube\n currency = \"USD\"\trate= '1.0432' ></Cube >"),
         "2026-12-04", 1.0432L, 14},
        {"Windows line ends, byte-order mark, no declaration",
         "\xEF\xBB\xBF" + Replaced(kDaily.substr(kDaily.find("<gesmes:Envelope")), "\n", "\r\n"),
         "2026-12-04", 1.0432L, 14},
        {"one line, comments, a doctype and a CDATA section",
         Replaced(Replaced(kDaily, "\n", ""), "<Cube>",
                  "<!-- <Cube currency='USD' rate='9'/> --><![CDATA[<x>]]><Cube>")
             .insert(kDaily.find("<gesmes:Envelope") - 1, "<!DOCTYPE e [<!ENTITY a 'b>'>]>"),
         "2026-12-04", 1.0432L, 14},
        {"unknown currencies and attributes, USD missing",
         Replaced(
             Replaced(kDaily, "currency='USD' rate='1.0432'", "currency='XAU' rate='2.5' q='1'"),
             "<Cube time='2026-12-04'>", "<Cube time='2026-12-04' source='ecb'>"),
         "2026-12-04", -1, 14},
        {"rates written with a sign, without leading digit, with an exponent",
         Replaced(Replaced(Replaced(kDaily, "'1.0432'", "'+1.0432'"), "'0.83105'", "'.83105'"),
                  "'157.41'", "'15741E-2'"),
         "2026-12-04", 1.0432L, 14},
        {"ninety days, the latest not first",
         kHead + kRates + "</Cube><Cube time='2026-12-07'><Cube currency='USD' rate='1.05'/>" +
             "</Cube><Cube time='2026-12-03'>" + kRates + kTail,
         "2026-12-07", 1.05L, 1},
        {"an empty day before the filled one",
         Replaced(kDaily, "<Cube time='2026-12-04'>",
                  "<Cube time='2026-12-05'/><Cube time='2026-12-04'>"),
         "2026-12-04", 1.0432L, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<EcbRates> file = ReadEcbRates(c.text);
        ASSERT_TRUE(file);
        EXPECT_EQ(file->date, c.date);
        EXPECT_EQ(RateOf(*file, "USD"), c.usd);
        EXPECT_EQ(file->rates.size(), c.count);
    }
}

TEST(EcbRates, EveryCutOfTheFileIsRefused) {
    // Up to the last ">" the envelope is not closed.
    const std::size_t end = kDaily.rfind('>');
    for (std::size_t length = 0; length <= end; ++length) {
        ASSERT_FALSE(ReadEcbRates(kDaily.substr(0, length))) << length;
    }
    EXPECT_TRUE(ReadEcbRates(kDaily.substr(0, end + 1)));
}

TEST(EcbRates, BadFilesAndBadRatesChangeNothing) {
    const std::string usd = "<Cube currency='USD' rate='1.0432'/>";
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"white space", " \r\n\t"},
        {"an HTML error page",
         "<!DOCTYPE html><html><head><title>503 Service Unavailable</title></head><body>"
         "<h1>Service Unavailable</h1></body></html>"},
        {"plain text", "USD 1.0432\nJPY 157.41\n"},
        {"garbage bytes", std::string("\x00\xFF<\x01>\x80<<>>", 10)},
        {"another XML document", Replaced(kDaily, "Envelope", "Catalogue")},
        {"no day at all", Replaced(kDaily, " time='2026-12-04'", "")},
        {"a day without rates", kHead + kTail},
        {"an impossible date", Replaced(kDaily, "2026-12-04", "2026-02-30")},
        {"a date in another shape", Replaced(kDaily, "2026-12-04", "04/12/2026")},
        {"rate 0", Replaced(kDaily, "'1.0432'", "'0'")},
        {"rate 0.000", Replaced(kDaily, "'1.0432'", "'0.000'")},
        {"a negative rate", Replaced(kDaily, "'1.0432'", "'-1.0432'")},
        {"a rate beyond the double", Replaced(kDaily, "'1.0432'", "'2e308'")},
        {"a rate the double makes 0", Replaced(kDaily, "'1.0432'", "'1e-330'")},
        {"a rate with a decimal comma", Replaced(kDaily, "'1.0432'", "'1,0432'")},
        {"a rate in words", Replaced(kDaily, "'1.0432'", "'n/a'")},
        {"an empty rate", Replaced(kDaily, "'1.0432'", "''")},
        {"two points", Replaced(kDaily, "'1.0432'", "'1.04.32'")},
        {"an endless exponent", Replaced(kDaily, "'1.0432'", "'1e99999999999999999999'")},
        {"a rate without currency", Replaced(kDaily, usd, "<Cube rate='1.0432'/>")},
        {"a currency without rate", Replaced(kDaily, usd, "<Cube currency='USD'/>")},
        {"a value without quotes", Replaced(kDaily, "'1.0432'", "1.0432")},
        {"a quote never closed", Replaced(kDaily, "'1.0432'", "'1.0432")},
        {"an attribute twice", Replaced(kDaily, usd, "<Cube currency='USD' rate='1' rate='2'/>")},
        {"more attributes than any rates file needs",
         Replaced(kDaily, "currency='USD'",
                  [] {
                      std::string many = "currency='USD'";
                      for (int i = 0; i < 15; ++i) many += " a" + std::to_string(i) + "='x'";
                      return many;
                  }())},
        {"more rates in a day than the bank lists", Replaced(kDaily, usd,
                                                             [&] {
                                                                 std::string all;
                                                                 for (int i = 0; i < 1000; ++i)
                                                                     all += usd;
                                                                 return all;
                                                             }())},
        {"end tags crossed", Replaced(kDaily, "</Cube>\n\t</Cube>", "</gesmes:Envelope></Cube>")},
        {"an end tag too many", kDaily + "</Cube>"},
        {"a second root", kDaily + "<gesmes:Envelope></gesmes:Envelope>"},
        {"a page after the envelope", kDaily + "<html>Proxy error</html>"},
        {"a comment never closed", Replaced(kDaily, "<Cube>", "<!-- <Cube>")},
        {"nesting beyond reason", Replaced(kDaily, "<Cube>",
                                           [] {
                                               std::string deep;  // balanced, only too deep
                                               for (int i = 0; i < 100; ++i)
                                                   deep = "<a>" + deep + "</a>";
                                               return deep + "<Cube>";
                                           }())},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ReadEcbRates(c.text)) << c.what;
    }
}

TEST(EcbRates, AFileWithoutOurCurrenciesGivesNoUpdate) {
    const std::string text =
        kHead + "<Cube currency='HUF' rate='411.35'/><Cube currency='ZAR' rate='19.04'/>" + kTail;
    const std::optional<EcbRates> file = ReadEcbRates(text);
    ASSERT_TRUE(file);
    EXPECT_TRUE(EcbRateUpdates(Record(), *file).empty());
    // An own currency with the code of one of them makes it known.
    const std::vector<RateUpdate> own = EcbRateUpdates(Record("", "zar"), *file);
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].slot, 22);
    EXPECT_EQ(own[0].rate, 19.04L);
}

TEST(EcbRates, ACurrencyListedTwiceCountsOnce) {
    const std::optional<EcbRates> file = ReadEcbRates(
        kHead + "<Cube currency='USD' rate='1.5'/><Cube currency='USD' rate='2'/>" + kTail);
    ASSERT_TRUE(file);
    const std::vector<RateUpdate> updates = EcbRateUpdates(Record("USD"), *file);
    ASSERT_EQ(updates.size(), 2u);  // the dollar slot and the own currency called USD
    EXPECT_EQ(updates[0].slot, 19);
    EXPECT_EQ(updates[0].rate, 1.5L);
    EXPECT_EQ(updates[1].slot, 21);
    EXPECT_EQ(updates[1].rate, 1.5L);
}

TEST(EcbRates, IsoDates) {
    const std::pair<const char*, bool> cases[] = {
        {"2026-12-04", true},  {"2024-02-29", true},  {"2000-02-29", true},  {"1900-02-29", false},
        {"2026-02-29", false}, {"2026-04-31", false}, {"2026-13-01", false}, {"2026-00-10", false},
        {"2026-01-00", false}, {"0000-01-01", false}, {"2026-1-04", false},  {"2026-12-04 ", false},
        {"2026/12/04", false}, {"20261204", false},   {"", false},           {"2026-12-0x", false},
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(ParseIsoDate(text).has_value(), valid) << text;
    }
    const std::optional<CalendarDay> day = ParseIsoDate("2026-12-04");
    ASSERT_TRUE(day);
    EXPECT_EQ(day->year, 2026);
    EXPECT_EQ(day->month, 12);
    EXPECT_EQ(day->day, 4);
}

TEST(EcbRates, StaleWhenOlderThanTheLastWorkingDay) {
    struct Case {
        const char* rates;
        CalendarDay today;
        bool stale;
        const char* covers;
    };
    const Case cases[] = {
        {"2026-12-07", {2026, 12, 8}, false, "Tuesday: Monday's rates are the last"},
        {"2026-12-04", {2026, 12, 8}, true, "Tuesday: Friday's rates are older"},
        {"2026-12-04", {2026, 12, 7}, false, "Monday: Friday's rates are the last"},
        {"2026-12-03", {2026, 12, 7}, true, "Monday: Thursday's are older"},
        {"2026-12-04", {2026, 12, 6}, false, "Sunday: Friday's"},
        {"2026-12-08", {2026, 12, 8}, false, "today's"},
        {"2027-01-04", {2026, 12, 8}, false, "a day to come (another clock)"},
        {"2025-12-31", {2026, 1, 2}, true, "across the year; the bank's holidays count as days"},
        {"2024-02-28", {2024, 3, 1}, true, "leap year: the 29th was the last working day"},
        {"", {2026, 12, 8}, true, "typed rates have no day"},
        {"08/12/2026", {2026, 12, 8}, true, "no day we can read"},
    };
    for (const Case& c : cases) EXPECT_EQ(RatesAreStale(c.rates, c.today), c.stale) << c.covers;
}

}  // namespace
