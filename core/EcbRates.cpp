// A small XML scanner of our own rather than a system parser: it must be portable code that is
// tested and fuzzed natively, and the file is one envelope of nested Cube elements whose data
// all sit in attributes.
#include "core/EcbRates.h"

#include <cmath>

#include "core/ExactDecimal.h"

namespace {

// Deeper nesting is no rates file; the bound keeps the element stack small.
constexpr std::size_t kMaxDepth = 64;
// The bank's elements carry one to three attributes (the envelope its namespaces): an element
// with more is no rates file, and refusing it keeps reading linear in the file's size.
constexpr std::size_t kMaxAttributes = 16;
// The bank lists some thirty currencies a day.
constexpr std::size_t kMaxRatesPerDay = 1000;
// A rate longer than this is no rate the bank publishes.
constexpr std::size_t kMaxRateText = 64;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNameChar(char c) {
    return !IsSpace(c) && c != '<' && c != '>' && c != '/' && c != '=' && c != '"' && c != '\'' &&
           c != '?' && c != '!';
}

// The part of a qualified name after its prefix: the bank's prefixes are its own choice.
std::string_view LocalName(std::string_view name) {
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

struct Attribute {
    std::string_view name;  // local name
    std::string_view value;
};

struct Tag {
    std::string_view name;  // qualified, as written
    std::vector<Attribute> attributes;
    bool closing = false;      // </name>
    bool selfClosing = false;  // <name/>
};

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return at_ >= text_.size(); }

    // Text up to the next markup; false when it holds more than white space.
    bool SkipText(bool& onlySpace) {
        onlySpace = true;
        while (!AtEnd() && text_[at_] != '<') {
            if (!IsSpace(text_[at_])) onlySpace = false;
            ++at_;
        }
        return true;
    }

    // After a "<": a declaration, comment, processing instruction or CDATA section is skipped
    // (skipped = true); a start or end tag is read into tag. False when the markup is broken.
    bool ReadMarkup(Tag& tag, bool& skipped) {
        skipped = false;
        ++at_;  // "<"
        if (Follows("?")) return SkipPast("?>", skipped);
        if (Follows("!--")) return SkipPast("-->", skipped);
        if (Follows("![CDATA[")) return SkipPast("]]>", skipped);
        if (Follows("!")) return SkipDeclaration(skipped);
        tag = Tag{};
        if (Follows("/")) {
            ++at_;
            tag.closing = true;
        }
        tag.name = Name();
        if (tag.name.empty()) return false;
        for (;;) {
            const bool spaced = SkipSpace();
            if (AtEnd()) return false;
            if (text_[at_] == '>') {
                ++at_;
                return true;
            }
            if (text_[at_] == '/' && !tag.closing) {
                ++at_;
                if (AtEnd() || text_[at_] != '>') return false;
                ++at_;
                tag.selfClosing = true;
                return true;
            }
            if (tag.closing || !spaced || tag.attributes.size() >= kMaxAttributes) return false;
            Attribute attribute;
            if (!ReadAttribute(attribute)) return false;
            for (const Attribute& seen : tag.attributes) {
                if (seen.name == attribute.name) return false;  // which one would count?
            }
            tag.attributes.push_back(attribute);
        }
    }

  private:
    bool Follows(std::string_view what) const { return text_.substr(at_, what.size()) == what; }

    bool SkipPast(std::string_view end, bool& skipped) {
        const std::size_t found = text_.find(end, at_);
        if (found == std::string_view::npos) return false;
        at_ = found + end.size();
        skipped = true;
        return true;
    }

    // <!DOCTYPE ...> with an internal subset in brackets, quoted text taken as it stands.
    bool SkipDeclaration(bool& skipped) {
        int brackets = 0;
        char quote = 0;
        for (; !AtEnd(); ++at_) {
            const char c = text_[at_];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                if (--brackets < 0) return false;
            } else if (c == '>' && brackets == 0) {
                ++at_;
                skipped = true;
                return true;
            }
        }
        return false;
    }

    bool SkipSpace() {
        const std::size_t from = at_;
        while (!AtEnd() && IsSpace(text_[at_])) ++at_;
        return at_ != from;
    }

    std::string_view Name() {
        const std::size_t from = at_;
        while (!AtEnd() && IsNameChar(text_[at_])) ++at_;
        return text_.substr(from, at_ - from);
    }

    bool ReadAttribute(Attribute& attribute) {
        const std::string_view name = Name();
        if (name.empty()) return false;
        attribute.name = LocalName(name);
        SkipSpace();
        if (AtEnd() || text_[at_] != '=') return false;
        ++at_;
        SkipSpace();
        if (AtEnd() || (text_[at_] != '"' && text_[at_] != '\'')) return false;
        const char quote = text_[at_++];
        const std::size_t end = text_.find(quote, at_);
        if (end == std::string_view::npos) return false;
        attribute.value = text_.substr(at_, end - at_);
        at_ = end + 1;
        return attribute.value.find('<') == std::string_view::npos;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

const std::string_view* Find(const Tag& tag, std::string_view name) {
    for (const Attribute& a : tag.attributes) {
        if (a.name == name) return &a.value;
    }
    return nullptr;
}

// "1.0432" (also "+1.0432", ".5", "2.", "1.5e3") as the extended value nearest to it, exactly,
// whatever the locale. Nothing for anything else, for 0 and below, and for a value whose
// 8-byte double in the registry would be infinite or 0.
std::optional<long double> ReadRate(std::string_view text) {
    if (text.empty() || text.size() > kMaxRateText) return std::nullopt;
    std::size_t at = 0;
    if (text[at] == '+') {
        ++at;
    } else if (text[at] == '-') {
        return std::nullopt;
    }
    std::string digits;
    long long exponent = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (IsDigit(c)) {
            digits += c;
            if (point) --exponent;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits.empty()) return std::nullopt;
    if (at < text.size()) {
        if (text[at] != 'e' && text[at] != 'E') return std::nullopt;
        ++at;
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            negative = text[at] == '-';
            ++at;
        }
        const std::size_t first = at;
        long long power = 0;
        for (; at < text.size() && IsDigit(text[at]); ++at) {
            if (at - first >= 6) return std::nullopt;  // far beyond any double
            power = power * 10 + (text[at] - '0');
        }
        if (at == first || at != text.size()) return std::nullopt;
        exponent += negative ? -power : power;
    }
    const std::optional<long double> value = DecimalToExtended(false, digits, exponent);
    if (!value || !(*value > 0)) return std::nullopt;
    const double stored = static_cast<double>(*value);
    if (!std::isfinite(stored) || stored == 0) return std::nullopt;
    return value;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

struct Day {
    std::string date;
    std::size_t depth = 0;  // of its Cube element
    std::vector<EcbRate> rates;
};

}  // namespace

std::optional<CalendarDay> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        for (std::size_t k = 0; k < lengths[i]; ++k) {
            const char c = text[starts[i] + k];
            if (!IsDigit(c)) return std::nullopt;
            parts[i] = parts[i] * 10 + (c - '0');
        }
    }
    const CalendarDay day{parts[0], parts[1], parts[2]};
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day.year < 1 || day.month < 1 || day.month > 12 || day.day < 1) return std::nullopt;
    const int last = kDays[day.month - 1] + (day.month == 2 && IsLeapYear(day.year) ? 1 : 0);
    if (day.day > last) return std::nullopt;
    return day;
}

std::optional<EcbRates> ReadEcbRates(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    Scanner scanner(bytes);
    std::vector<std::string_view> open;  // the elements not yet closed, outermost first
    bool rootSeen = false;
    // Only the days still open and the latest closed one are kept: a history file of years
    // needs no more memory than one day.
    std::vector<Day> openDays;  // innermost last
    std::optional<Day> latest;
    while (!scanner.AtEnd()) {
        bool onlySpace = true;
        scanner.SkipText(onlySpace);
        // Text outside the envelope is no part of a rates file.
        if (!onlySpace && open.empty()) return std::nullopt;
        if (scanner.AtEnd()) break;
        Tag tag;
        bool skipped = false;
        if (!scanner.ReadMarkup(tag, skipped)) return std::nullopt;
        if (skipped) continue;
        if (tag.closing) {
            if (open.empty() || open.back() != tag.name) return std::nullopt;
            open.pop_back();
            if (!openDays.empty() && openDays.back().depth == open.size()) {
                Day& day = openDays.back();
                // ISO dates compare as text.
                if (!day.rates.empty() && (!latest || day.date > latest->date)) {
                    latest = std::move(day);
                }
                openDays.pop_back();
            }
            continue;
        }
        if (open.empty()) {
            // One root, and it is the envelope (not an HTML page, not another document).
            if (rootSeen || LocalName(tag.name) != "Envelope") return std::nullopt;
            rootSeen = true;
        }
        if (LocalName(tag.name) == "Cube") {
            const std::string_view* time = Find(tag, "time");
            const std::string_view* currency = Find(tag, "currency");
            const std::string_view* rate = Find(tag, "rate");
            if (time) {
                if (!ParseIsoDate(*time)) return std::nullopt;
                // A day without rates (self-closing) names no rates to take.
                if (!tag.selfClosing) openDays.push_back({std::string(*time), open.size(), {}});
            }
            if (currency || rate) {
                if (!currency || !rate) return std::nullopt;
                const std::optional<long double> value = ReadRate(*rate);
                if (!value) return std::nullopt;
                // A rate outside any day has no date to go with: it is not taken.
                if (!openDays.empty()) {
                    std::vector<EcbRate>& rates = openDays.back().rates;
                    if (rates.size() >= kMaxRatesPerDay) return std::nullopt;
                    rates.push_back({std::string(*currency), *value});
                }
            }
        }
        if (!tag.selfClosing) {
            if (open.size() >= kMaxDepth) return std::nullopt;
            open.push_back(tag.name);
        }
    }
    // Cut off before the envelope closed, or no envelope at all.
    if (!rootSeen || !open.empty() || !latest) return std::nullopt;
    return EcbRates{latest->date, std::move(latest->rates)};
}

namespace {

bool SameCode(std::string_view a, std::string_view b) {
    a = Trimmed(a);
    b = Trimmed(b);
    if (a.empty() || a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

}  // namespace

std::vector<RateUpdate> EcbRateUpdates(const RecRec& rec, const EcbRates& file) {
    std::vector<RateUpdate> updates;
    for (int slot : {13, 14, 15, 17, 18, 19, 20, 21, 22}) {
        for (const EcbRate& rate : file.rates) {
            if (SameCode(rec.Munteenheid[slot], rate.currency)) {
                updates.push_back({slot, rate.rate});
                break;  // the first of a currency listed twice
            }
        }
    }
    return updates;
}

namespace {

// Days since 1970-01-01 of a day of the proleptic Gregorian calendar.
long long DaysSinceEpoch(CalendarDay d) {
    const long long y = d.year - (d.month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool IsWeekend(long long days) {
    const long long weekday = ((days % 7) + 7 + 4) % 7;  // 1970-01-01 was a Thursday; 0 Sunday
    return weekday == 0 || weekday == 6;
}

}  // namespace

bool RatesAreStale(std::string_view day, CalendarDay today) {
    const std::optional<CalendarDay> rates = ParseIsoDate(day);
    if (!rates) return true;
    long long lastWorkingDay = DaysSinceEpoch(today) - 1;
    while (IsWeekend(lastWorkingDay)) --lastWorkingDay;
    return DaysSinceEpoch(*rates) < lastWorkingDay;
}
