// The European Central Bank's reference rates file (eurofxref-daily.xml, or its 90-day and
// history variants): reading it, and which of our rates it gives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RecRec.h"

struct EcbRate {
    std::string currency;  // as the file spells it, "USD"
    long double rate = 0;  // units of the currency per euro, > 0 and a finite non-zero double
};

struct EcbRates {
    std::string date;  // "YYYY-MM-DD", a real calendar day
    std::vector<EcbRate> rates;
};

// The rates of the latest day in the file. Nothing unless the whole file is a complete,
// well-formed envelope whose days carry valid dates and whose every rate is a plain decimal
// number above 0 that a double can hold: a file cut off, garbage, an HTML page or a single
// bad rate change nothing.
std::optional<EcbRates> ReadEcbRates(std::string_view bytes);

struct RateUpdate {
    int slot = 0;
    long double rate = 0;
};

// What the file gives to the user rates: each floating slot (13-15, 17-20) and own currency
// (21, 22) whose code is in the file, in slot order. Empty when the file knows none of them.
std::vector<RateUpdate> EcbRateUpdates(const RecRec& rec, const EcbRates& file);

struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;
};
// "2026-12-04" as a day; nothing for anything else (other shapes, 31 April, 29 February of a
// common year).
std::optional<CalendarDay> ParseIsoDate(std::string_view text);

// Whether rates of that day ("YYYY-MM-DD", empty when typed) are older than a working day on
// `today`: older than the last working day before it, Saturdays and Sundays not counting.
bool RatesAreStale(std::string_view day, CalendarDay today);
