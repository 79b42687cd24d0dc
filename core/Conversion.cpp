#include "core/Conversion.h"

namespace {

bool IsSlot(int slot) {
    return slot >= 1 && slot <= kSlotCount;
}

}  // namespace

ConversionResult FormatResult(const RecRec& rec, long double amount, const Separators& seps) {
    ConversionResult result;
    int from = rec.VanMunt;
    int to = rec.NaarMunt;
    // A slot outside the table means no conversion rather than a throw from inside a window.
    if (!IsSlot(from) || !IsSlot(to)) return result;

    const long double fromRate = rec.Koers[from];
    // Through the euro, dividing first, all in extended precision.
    result.value = fromRate == 0 ? 0.0L : (amount / fromRate) * rec.Koers[to];

    // Appending rather than chaining operator+ (GCC 12 warns falsely on the chains at -O3).
    std::string& text = result.text;
    switch (rec.Weergave) {
        case 0:
            text = FormatGeneral(result.value, seps);
            break;
        case 1:
            text = FormatMasked(result.value, rec.Decimalen[to], seps);
            break;
        case 2:
            text = FormatMasked(result.value, rec.Decimalen[to], seps);
            text += ' ';
            text += rec.Munteenheid[to];
            break;
        case 3:
            if (rec.SymboolVooraan[to]) {
                text = rec.Symbool[to];
                text += ' ';
                text += FormatMasked(result.value, rec.Decimalen[to], seps);
            } else {
                text = FormatMasked(result.value, rec.Decimalen[to], seps);
                text += ' ';
                text += rec.Symbool[to];
            }
            break;
        default:
            break;
    }
    return result;
}

std::string MakeResultEntry(const RecRec& rec, long double amount, long double result,
                            const Separators& seps) {
    int from = rec.VanMunt;
    int to = rec.NaarMunt;
    if (!IsSlot(from) || !IsSlot(to)) return {};
    std::string entry = "*";
    entry += FormatMasked(amount, rec.Decimalen[from], seps);
    entry += '*';
    entry += std::to_string(from);
    entry += '*';
    entry += FormatMasked(result, rec.Decimalen[to], seps);
    entry += '*';
    entry += std::to_string(to);
    entry += '*';
    return entry;
}
