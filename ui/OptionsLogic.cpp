#include "ui/OptionsLogic.h"

#include <algorithm>
#include <cmath>

#include "core/CurrencyTable.h"
#include "core/EcbRates.h"
#include "ui/Languages.h"
#include "util/zt_Misc.h"

RateCheck CheckRateText(std::string text, const Separators& seps) {
    if (seps.decimal == ".") {
        ReplaceText(text, ",", ".", 0);
    } else if (seps.decimal == ",") {
        ReplaceText(text, ".", ",", 0);
    }
    const std::optional<long double> value = ParseAmount(text, seps);
    if (!value) return {"1", 1, true};
    if (*value <= 0) return {"1", 1, false};
    const double stored = static_cast<double>(*value);
    if (!std::isfinite(stored) || stored == 0) return {"1", 1, true};
    return {std::move(text), *value, false};
}

void ChooseDefaultSlot(RecRec& rec, int slot, DefaultKind kind) {
    if (slot < 1 || slot > kSlotCount) return;
    const auto value = static_cast<std::uint8_t>(slot);
    if (kind == DefaultKind::Source) {
        rec.DefaultVanMunt = value;
    } else {
        rec.DefaultNaarMunt = value;
    }
    rec.Geselecteerd[slot] = true;
}

bool OfferedBoxClicked(RecRec& rec, int slot, bool checked) {
    if (slot < 1 || slot > kSlotCount) return checked;
    if (slot == rec.DefaultVanMunt || slot == rec.DefaultNaarMunt) checked = true;
    rec.Geselecteerd[slot] = checked;
    return checked;
}

int FirstOfferedSlot(const RecRec& rec) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (rec.Geselecteerd[slot]) return slot;
    }
    return 0;
}

std::string PreviewText(int mode, PreviewMoment moment, std::string_view decimalSeparator) {
    const std::string separator(decimalSeparator);
    switch (mode) {
        case 0:
            return "1" + separator + "33333";
        case 1:
            return "1" + separator + "33";
        case 2:
            return "1" + separator + "33 euro";
        case 3:
            return moment == PreviewMoment::Click ? "€ 1" + separator + "33"
                                                  : "1" + separator + "33 €";
        default:
            return {};
    }
}

void TrayChosen(RecRec& rec, int itemIndex) {
    rec.SysteemLade = itemIndex == 1;
    if (!rec.SysteemLade && rec.Minimalizeren) rec.Minimalizeren = false;
}

void NormalVisibleChosen(RecRec& rec) {
    rec.Minimalizeren = false;
}

void MinimizedChosen(RecRec& rec) {
    rec.Minimalizeren = true;
    rec.SysteemLade = true;
}

int ArrowLeft(bool tray) {
    return tray ? 365 : 335;
}

EcbOutcome TakeEcbRates(RecRec& rec, const std::optional<std::string>& bytes) {
    if (!bytes) return {EcbState::NoConnection, {}};
    const std::optional<EcbRates> file = ReadEcbRates(*bytes);
    if (!file) return {EcbState::NotUnderstood, {}};
    const std::vector<RateUpdate> updates = EcbRateUpdates(rec, *file);
    if (updates.empty()) return {EcbState::NotUnderstood, {}};
    EcbOutcome outcome;
    for (const RateUpdate& update : updates) {
        rec.Koers[update.slot] = update.rate;
        outcome.slots.push_back(update.slot);
    }
    for (int slot : {13, 14, 15, 17, 18, 19, 20}) {
        if (std::find(outcome.slots.begin(), outcome.slots.end(), slot) == outcome.slots.end())
            outcome.kept.push_back(rec.Munteenheid[slot]);
    }
    rec.KoersDatum = file->date;
    return outcome;
}

bool TypedRateClearsDay(int slot, long double before, long double after) {
    const bool floating = slot >= 13 && slot <= 20 && !IsFixedRate(slot);
    return floating && static_cast<double>(before) != static_cast<double>(after);
}

std::string EcbLineText(EcbState state, std::string_view shortDate, int language,
                        const std::vector<std::string>& kept) {
    const OptionsTexts& t = OptionTexts(language);
    switch (state) {
        case EcbState::Fetching:
            return t.ecbFetching;
        case EcbState::NoConnection:
            return t.ecbNoConnection;
        case EcbState::NotUnderstood:
            return t.ecbNotUnderstood;
        case EcbState::Day:
            break;
    }
    if (shortDate.empty()) return {};
    std::string line = t.ecbRatesOf + std::string(shortDate);
    for (std::size_t i = 0; i < kept.size(); ++i) line += (i == 0 ? t.ecbKept : ", ") + kept[i];
    return line;
}
