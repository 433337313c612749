// Dose template filling over documents of growing size: the time per byte should stay flat.
#include <benchmark/benchmark.h>

#include <string>

#include "dosing/builders/dose_templates.h"
#include "foundation/shared_string.h"

namespace {

// A drug text with every kind of weight tag, repeated to the wanted size.
std::string document(size_t bytes) {
    const std::string unit =
        "Dose <$dose=0.1 max=4 units=mg>, range <$doserange=0.1 up=0.2 max=3>, volume "
        "<$doseamt=0.01 conc=0.1>. <$weightif=20>Adults: <$amt=0.1 conc=0.5> mL.</$weightif> "
        "Rate <$rate=5 conc=1600> mL/hr <$ratehr=5 conc=1600> <$ratemcghr=5000 conc=1600>\r\n"
        "<$doseif=0.1 max=4>Maximum reached.</$doseif> <$prm=1 up=1.5 max=100 conc=20> plain "
        "text between the tags, as a document has.\r\n";
    std::string text;
    while (text.size() < bytes) text += unit;
    return text;
}

void BM_FillWeightTemplates(benchmark::State& state) {
    const std::string text = document(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        orvane::SharedString s(text);
        orvane::fillWeightTemplates(s, 20.0f);
        benchmark::DoNotOptimize(s.text());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_FillWeightTemplates)->RangeMultiplier(8)->Range(1 << 10, 1 << 19);

// Many tags without their closing '>': each pass ends at the first one.
void BM_UnclosedTags(benchmark::State& state) {
    std::string text;
    while (text.size() < static_cast<size_t>(state.range(0))) text += "<$dose=0.1 <$weightif=2 ";
    for (auto _ : state) {
        orvane::SharedString s(text);
        orvane::fillWeightTemplates(s, 20.0f);
        benchmark::DoNotOptimize(s.text());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_UnclosedTags)->RangeMultiplier(8)->Range(1 << 10, 1 << 19);

}  // namespace

BENCHMARK_MAIN();
