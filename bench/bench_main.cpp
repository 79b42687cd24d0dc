// The entry point of valomat_bench. It is weak so that a benchmark file bringing its own
// BENCHMARK_MAIN() still links; benchmark files need not define one.
#include <benchmark/benchmark.h>

__attribute__((weak)) int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
