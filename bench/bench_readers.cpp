// The readers of what a fetch brings, on the worst inputs of up to 8 MiB (the body's cap) that
// we know for each: their time must grow linearly with the input.
#include <benchmark/benchmark.h>

#include <string>

#include "components/ztLinkora.h"
#include "core/EcbRates.h"
#include "util/HttpResponse.h"

namespace {

// Repeats `piece` between `head` and `tail` until the whole is about `size` bytes.
std::string Filled(const std::string& head, const std::string& piece, const std::string& tail,
                   std::size_t size) {
    std::string text = head;
    while (text.size() + piece.size() + tail.size() <= size) text += piece;
    return text + tail;
}

const std::string kEnvelope = "<gesmes:Envelope><Cube>";
const std::string kEnvelopeEnd = "</Cube></gesmes:Envelope>";

std::string RatesInput(int shape, std::size_t size) {
    switch (shape) {
        case 0:  // one element with ever more attributes: quadratic once, refused now
            return Filled(kEnvelope + "<Cube time='2026-12-04' ", "a1='1' ", "/>" + kEnvelopeEnd,
                          size);
        case 1: {  // a history file: day after day of thirty rates, all read
            std::string day = "<Cube time='2026-12-04'>";
            for (int i = 0; i < 30; ++i) day += "<Cube currency='USD' rate='1.0432'/>";
            return Filled(kEnvelope, day + "</Cube>", kEnvelopeEnd, size);
        }
        case 2:  // one attribute value of the whole size
            return Filled(kEnvelope + "<Cube time='2026-12-04' x='", "a", "'/>" + kEnvelopeEnd,
                          size);
        default:  // comment after comment
            return Filled(kEnvelope, "<!-- c -->", kEnvelopeEnd, size);
    }
}

std::string LinksInput(int shape, std::size_t size) {
    switch (shape) {
        case 0:  // every line a name the reader looks up
            return Filled("", "subitem42-17=0102 Caption|https://a.example/\r\n", "", size);
        case 1:  // empty lines only
            return std::string(size, '\n');
        case 2:  // one line of the whole size
            return Filled("item0=0102 ", "x", "", size);
        default:  // Windows-1252 bytes, each two bytes of UTF-8
            return Filled("item0=0102 ", "\xE9", "", size);
    }
}

void ReadRates(benchmark::State& state, int shape) {
    const std::string input = RatesInput(shape, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadEcbRates(input));
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(input.size()));
    state.SetComplexityN(state.range(0));
}

void ReadLinksFile(benchmark::State& state, int shape) {
    const std::string input = LinksInput(shape, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const std::string text = linkora::LinksText(input);
        benchmark::DoNotOptimize(linkora::LooksLikeServerError(text));
        benchmark::DoNotOptimize(linkora::ReadLinks(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(input.size()));
    state.SetComplexityN(state.range(0));
}

// An answer of one-byte chunks: six bytes read for every byte of body.
void BM_HttpAnswer_OneByteChunks(benchmark::State& state) {
    const std::string input =
        Filled("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", "1\r\nx\r\n", "0\r\n\r\n",
               static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        HttpResponseReader reader;
        reader.Feed(input);
        benchmark::DoNotOptimize(reader.TakeBody());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(input.size()));
    state.SetComplexityN(state.range(0));
}

#define READER_BENCHMARK(name, reader, shape) \
    void name(benchmark::State& state) {      \
        reader(state, shape);                 \
    }                                         \
    BENCHMARK(name)                           \
        ->RangeMultiplier(2)                  \
        ->Range(1 << 20, 8 << 20)             \
        ->Unit(benchmark::kMillisecond)       \
        ->Complexity(benchmark::oN)

READER_BENCHMARK(BM_ReadEcbRates_ManyAttributes, ReadRates, 0);
READER_BENCHMARK(BM_ReadEcbRates_HistoryFile, ReadRates, 1);
READER_BENCHMARK(BM_ReadEcbRates_LongValue, ReadRates, 2);
READER_BENCHMARK(BM_ReadEcbRates_Comments, ReadRates, 3);
READER_BENCHMARK(BM_ReadLinks_NamedLines, ReadLinksFile, 0);
READER_BENCHMARK(BM_ReadLinks_EmptyLines, ReadLinksFile, 1);
READER_BENCHMARK(BM_ReadLinks_OneLongLine, ReadLinksFile, 2);
READER_BENCHMARK(BM_ReadLinks_Windows1252, ReadLinksFile, 3);
BENCHMARK(BM_HttpAnswer_OneByteChunks)
    ->RangeMultiplier(2)
    ->Range(1 << 20, 8 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
