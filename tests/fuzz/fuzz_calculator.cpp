// Random keys, memory buttons, OK and pastes against the calculator engine: nothing crashes, the
// display is never empty or unbounded, and no number beyond the extended range gets through.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "components/ztCalculatorEngine.h"
#include "fuzz/fuzz_check.h"

namespace {

const Separators kLocales[] = {{",", "."}, {".", ","}, {"\u066B", "\u066C"}, {"ab", "."}};

}  // namespace

// Byte 0: precision; byte 1: locale; then one action a byte: below 0x80 a key, 0xF0 to 0xF4
// the memory buttons and OK, 0xF5 a paste of the following bytes up to the next 0xFF.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    CalcEngine engine(kLocales[data[1] % std::size(kLocales)]);
    engine.Precision = data[0];
    engine.ErrorText = "Fout";
    for (std::size_t i = 2; i < size; ++i) {
        const std::uint8_t b = data[i];
        switch (b) {
            case 0xF0:
                engine.MemoryClear();
                break;
            case 0xF1:
                engine.MemoryRecall();
                break;
            case 0xF2:
                engine.MemoryStore();
                break;
            case 0xF3:
                engine.MemoryAdd();
                break;
            case 0xF4:
                engine.Accept();
                break;
            case 0xF5: {
                std::string text;
                while (++i < size && data[i] != 0xFF) text += static_cast<char>(data[i]);
                engine.Paste(text, "€");
                break;
            }
            default:
                if (b < 0x80) engine.CalcKey(b);
                break;
        }
        const std::string& display = engine.Display();
        FUZZ_CHECK(!display.empty());
        FUZZ_CHECK(display.size() <= 2u * engine.Precision + 40u);
        // (A paste from the menu may show a number while the error state lasts.)
        FUZZ_CHECK(display != "Fout" || engine.Status == CalcStatus::Error);
        FUZZ_CHECK(std::isfinite(engine.GetDisplay()));
        FUZZ_CHECK(std::isfinite(engine.Memory));
        FUZZ_CHECK(std::isfinite(engine.Operand));
    }
    return 0;
}
