// The clipboard decision over any run of notices, against a model of the rule: a fresh copy of
// the prefix letters followed by a readable amount converts that amount, once; our own write,
// an excluded text, no text or a repeat inside the window never converts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "ui/ClipboardWatch.h"

namespace {

std::string Text(FuzzedDataProvider& in, const std::string& letters) {
    // Mostly the letters and an amount, as copies meant for us are.
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return in.ConsumeRandomLengthString(40);
        case 1:
            return letters + std::to_string(in.ConsumeIntegral<int>());
        default:
            return letters + in.ConsumeRandomLengthString(24);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string letters = in.ConsumeRandomLengthString(4);
    const Separators& seps = kSeparatorSettings[in.ConsumeIntegralInRange(0, 3)];
    ClipboardWatch watch;
    std::optional<std::string> last;
    std::uint64_t lastMs = 0;
    std::uint64_t now = 0;
    while (in.remaining_bytes() > 0) {
        if (in.ConsumeIntegralInRange(0, 15) == 0) watch.SetReady(!watch.Ready());
        ClipboardNotice notice;
        if (in.ConsumeIntegralInRange(0, 7) != 0) notice.text = Text(in, letters);
        notice.ownWrite = in.ConsumeIntegralInRange(0, 7) == 0;
        notice.excluded = in.ConsumeIntegralInRange(0, 7) == 0;
        now += in.ConsumeIntegralInRange<std::uint64_t>(0, 2 * ClipboardWatch::kRepeatWindowMs);
        notice.nowMs = now;

        const bool ready = watch.Ready();
        const std::optional<long double> amount = watch.AmountToConvert(notice, letters, seps);
        std::optional<long double> readable;
        if (notice.text && notice.text->starts_with(letters)) {
            readable = ParseAmount(std::string_view(*notice.text).substr(letters.size()), seps);
        }
        const bool repeat =
            last && notice.text == last && now - lastMs < ClipboardWatch::kRepeatWindowMs;
        const bool converts =
            ready && !notice.ownWrite && !notice.excluded && readable.has_value() && !repeat;
        FUZZ_CHECK(amount.has_value() == converts);
        if (amount) {
            FUZZ_CHECK(std::memcmp(&*amount, &*readable, 10) == 0);
            last = notice.text;
            lastMs = now;
        }
        const bool number =
            !notice.excluded && notice.text && ParseAmount(*notice.text, seps).has_value();
        FUZZ_CHECK(ClipboardWatch::IsNumber(notice, seps) == number);
    }
    return 0;
}
