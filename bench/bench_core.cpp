#include "display.h"
#include "encoder.h"
#include "pastedtext.h"
#include "standardvalues.h"

#include <benchmark/benchmark.h>

#include <array>

using namespace colourcode;

namespace {

// {iBanda, TipoRes, B1, B2, B3, BM, BT, BC}
constexpr std::array<BandState, 3> kStates {{
    {0, 4, 0, 0, 0, 1, 5, 200},
    {0, 5, 4, 7, 5, 10, 0.5, 200},
    {0, 6, 4, 7, 0, 0.1, 10, 15},
}};
constexpr std::array<const char*, 3> kStateNames {"start-up", "4,75 KW 0,5%", "47 W 15 ppm/K"};

const std::array<EncoderInput, 3> kInputs {{
    {"4,7", 3, 5, std::nullopt},
    {"4,75", 0, 1, 100},
    {"999", 6, 5, std::nullopt},
}};
constexpr std::array<const char*, 3> kInputNames {"4,7 KW", "4,75 W 100 ppm/K", "999 MW"};

void calcola(benchmark::State& run)
{
    const auto index = static_cast<std::size_t>(run.range(0));
    for (auto _ : run)
        benchmark::DoNotOptimize(Calcola(kStates[index]));
    run.SetLabel(kStateNames[index]);
}
BENCHMARK(calcola)->DenseRange(0, static_cast<int>(kStates.size()) - 1);

void encode(benchmark::State& run)
{
    const auto index = static_cast<std::size_t>(run.range(0));
    const BandState before;
    for (auto _ : run)
        benchmark::DoNotOptimize(encodeValue(kInputs[index], before));
    run.SetLabel(kInputNames[index]);
}
BENCHMARK(encode)->DenseRange(0, static_cast<int>(kInputs.size()) - 1);

void paste(benchmark::State& run)
{
    const BandState before;
    for (auto _ : run)
        benchmark::DoNotOptimize(encodePastedText(" 4K75C\n", before));
}
BENCHMARK(paste);

void seriesNoteOf(benchmark::State& run)
{
    for (auto _ : run)
        benchmark::DoNotOptimize(seriesNote(kStates[1]));
}
BENCHMARK(seriesNoteOf);

// The longest walk: six bands at 1 ohm refuse every value below, down to the end of the range.
void stepDownToNothing(benchmark::State& run)
{
    const BandState oneOhm {0, 6, 1, 0, 0, 0.01, 0.1, 50};
    for (auto _ : run)
        benchmark::DoNotOptimize(stepStandardValue(oneOhm, false));
}
BENCHMARK(stepDownToNothing);

} // namespace

BENCHMARK_MAIN();
