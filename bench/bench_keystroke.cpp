// What one keystroke in the amount box costs: reading the amount, converting it and formatting
// the result, per display mode; and the formatting steps on their own.
#include <benchmark/benchmark.h>

#include <string>

#include "core/AmountFormat.h"
#include "core/Conversion.h"
#include "core/ExactDecimal.h"

namespace {

const Separators kComma{",", "."};

RecRec MakeRec(int mode) {
    RecRec rec;
    rec.VanMunt = 2;
    rec.NaarMunt = 1;
    rec.Weergave = static_cast<std::uint8_t>(mode);
    rec.Koers[1] = 1.0L;
    rec.Decimalen[1] = 2;
    rec.Munteenheid[1] = "EURO";
    rec.Symbool[1] = "€";
    rec.SymboolVooraan[1] = true;
    rec.Koers[2] = 40.3399L;
    rec.Decimalen[2] = 0;
    rec.Munteenheid[2] = "BEF";
    rec.Symbool[2] = "BF";
    return rec;
}

void BM_Keystroke(benchmark::State& state) {
    const RecRec rec = MakeRec(static_cast<int>(state.range(0)));
    const std::string text = "12345,67";
    for (auto _ : state) {
        auto amount = ParseAmount(text, kComma);
        ConversionResult result = FormatResult(rec, amount.value_or(0), kComma);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Keystroke)->DenseRange(0, 3);

void BM_ParseAmount(benchmark::State& state) {
    const std::string text = "12345,67";
    for (auto _ : state) benchmark::DoNotOptimize(ParseAmount(text, kComma));
}
BENCHMARK(BM_ParseAmount);

void BM_FormatMasked(benchmark::State& state) {
    long double value = 12345.67L / 40.3399L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FormatMasked(value, 2, kComma));
    }
}
BENCHMARK(BM_FormatMasked);

// Arg: the significant digits.
void BM_ExpandExtended(benchmark::State& state) {
    long double value = 12345.67L / 40.3399L;
    const int digits = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(ExpandExtended(value, digits));
    }
}
BENCHMARK(BM_ExpandExtended)->Arg(18)->Arg(21);

// The slow path: a subnormal needs big integers.
void BM_ExpandExtendedSubnormal(benchmark::State& state) {
    long double value = 3e-4940L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(ExpandExtended(value, 18));
    }
}
BENCHMARK(BM_ExpandExtendedSubnormal);

}  // namespace

BENCHMARK_MAIN();
