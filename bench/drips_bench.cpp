// Drip pages at 70 kg on the sample content (the content folder beside the benchmark program):
// for every drug of Adult Drips and of TykoDrips, choosing the drug with its first rate and
// concentration and building each of the five sections, as a tap on the section list does.
// Reported per page built.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "dosing/infusions/adult_drips_module.h"
#include "dosing/infusions/tyko_drips_module.h"
#include "modules/patient_context.h"
#include "suite/program_modules.h"

namespace {

using namespace orvane;

constexpr float kWeightKg = 70.0f;
constexpr int32_t kSections = 5;

template <class M>
void buildEverySection(benchmark::State& state, int32_t code, int32_t weightMode) {
    const ContentCatalogue catalogue(ContentFolder::forRunningProgram(""));
    PatientContext context(catalogue, programModules());
    InputField& weight =
        weightMode == weight_mode::kAdult ? context.adultWeight() : context.childWeight();
    weight.value = kWeightKg;
    weight.unit = unit::kKilograms;
    context.setCurrentWeight(weightMode);
    M module(context, makeRequest(code, 0));
    const int32_t drugs = module.choiceList(makeRequest(code, 0))->entries.count();
    if (drugs == 0) {
        state.SkipWithError("no sample content beside the program");
        return;
    }
    int64_t pages = 0;
    for (auto _ : state) {
        for (int32_t d = 1; d <= drugs; ++d) {
            module.handleRequest(makeRequest(code, d));
            module.handleRequest(makeRequest(request_code::kSamePage, 1, 2));
            module.handleRequest(makeRequest(request_code::kSamePage, 1, 3));
            for (int32_t s = 0; s < kSections; ++s) {
                module.handleRequest(makeRequest(request_code::kInPage, s));
                benchmark::DoNotOptimize(module.buildPage(0));
                ++pages;
            }
        }
    }
    state.SetItemsProcessed(pages);
    state.counters["per_page"] = benchmark::Counter(
        static_cast<double>(pages), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_AdultDripSections(benchmark::State& state) {
    buildEverySection<AdultDripsModule>(state, AdultDripsModule::kCode, weight_mode::kAdult);
}
BENCHMARK(BM_AdultDripSections)->Unit(benchmark::kMillisecond);

void BM_TykoDripSections(benchmark::State& state) {
    buildEverySection<TykoDripsModule>(state, TykoDripsModule::kCode, weight_mode::kChild);
}
BENCHMARK(BM_TykoDripSections)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
