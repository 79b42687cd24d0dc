#include "ui/ClipboardWatch.h"

std::optional<long double> ClipboardWatch::AmountToConvert(const ClipboardNotice& notice,
                                                           const std::string& letters,
                                                           const Separators& seps) {
    // Our own write never converts, whatever the letters are (empty, a digit, a sign...).
    if (!ready_ || notice.ownWrite || notice.excluded || !notice.text) return std::nullopt;
    const std::string& text = *notice.text;
    if (text.size() < letters.size() || text.compare(0, letters.size(), letters) != 0) {
        return std::nullopt;
    }
    if (hasLast_ && text == lastText_ && notice.nowMs - lastMs_ < kRepeatWindowMs) {
        return std::nullopt;
    }
    std::optional<long double> amount = ParseAmount(text.substr(letters.size()), seps);
    if (!amount) return std::nullopt;
    hasLast_ = true;
    lastText_ = text;
    lastMs_ = notice.nowMs;
    return amount;
}

bool ClipboardWatch::IsNumber(const ClipboardNotice& notice, const Separators& seps) {
    return !notice.excluded && notice.text && ParseAmount(*notice.text, seps).has_value();
}
