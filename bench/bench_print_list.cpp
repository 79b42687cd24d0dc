// The result list's exports over a long list: both must stay linear in the number of entries.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/CurrencyTable.h"
#include "ui/PrintList.h"

namespace {

std::vector<std::string> MakeEntries(std::size_t count) {
    std::vector<std::string> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int from = static_cast<int>(i % kSlotCount) + 1;
        const int to = static_cast<int>((i * 7) % kSlotCount) + 1;
        entries.push_back(MakeEntry("1.234.567,89", from, "30.604,57", to));
    }
    return entries;
}

RecRec MakeRec() {
    RecRec rec;
    InitCurrencyTable(rec);
    rec.Munteenheid[21] = "A&B";
    rec.Symbool[22] = "₽";
    return rec;
}

void BM_BuildWebPageLines(benchmark::State& state) {
    const auto entries = MakeEntries(static_cast<std::size_t>(state.range(0)));
    const RecRec rec = MakeRec();
    for (auto _ : state) {
        auto lines = BuildWebPageLines(entries, rec, 1);
        benchmark::DoNotOptimize(lines.data());
        auto pictures = PicturesForPage(entries, rec);
        benchmark::DoNotOptimize(pictures.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BuildWebPageLines)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_MakeTextLines(benchmark::State& state) {
    const auto entries = MakeEntries(static_cast<std::size_t>(state.range(0)));
    const RecRec rec = MakeRec();
    for (auto _ : state) {
        auto text = MakeTextLines(entries, rec, 1);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MakeTextLines)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
