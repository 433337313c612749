// Building a page from stored documents of 1 KB to 1 MB: realistic content and adversarial texts
// (all line breaks, all double spaces, all private codes, all comparison pairs). The cost must
// grow linearly with the size.
#include <benchmark/benchmark.h>

#include <string>

#include "foundation/shared_string.h"
#include "rendering/page_builder.h"

namespace orvane {
namespace {

// A drug monograph paragraph in the content's markup: line breaks, a few codes, superscripts and
// comparison signs among ordinary prose.
constexpr const char* kRealistic =
    "<B>Indications</B>\r\nParoxysmal supraventricular tachycardia refractory to vagal "
    "manoeuvres. Give as a rapid IV push over 1-2 seconds, followed by a 20 mL saline "
    "flush.\r\n<B>Dose</B>\r\nAdult: 6 mg; if no response within 1-2 minutes give 12 mg. "
    "Max single dose 12 mg. Body surface area in m^2 when dosing by BSA.\r\nTemperature "
    "38<SC id=6>C or above: reduce rate. Potassium >= 3.5 mmol/L before starting.\r\n"
    "<SC id=28>Monitor ECG continuously<SC id=28>Have atropine available\r\n"
    "Contraindications: second or third degree AV block, sick sinus syndrome.  Use with "
    "caution in asthma (<SC id=2>-agonist use).\r\n";

std::string repeatTo(std::string_view unit, size_t size) {
    std::string text;
    text.reserve(size + unit.size());
    while (text.size() < size) text.append(unit);
    text.resize(size);
    return text;
}

void buildPage(benchmark::State& state, std::string_view unit) {
    const std::string document = repeatTo(unit, static_cast<size_t>(state.range(0)));
    PageBuilder builder;
    for (auto _ : state) {
        builder.start(true);
        builder.appendHeading("Adenosine", true);
        SharedString text(document);
        builder.appendDocument(text);
        benchmark::DoNotOptimize(builder.finish());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void convertOnce(benchmark::State& state, std::string_view unit) {
    const std::string document = repeatTo(unit, static_cast<size_t>(state.range(0)));
    PageBuilder builder;
    for (auto _ : state) {
        builder.start(true);
        builder.appendText(document);
        benchmark::DoNotOptimize(builder.finish());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_DocumentRealistic(benchmark::State& s) {
    buildPage(s, kRealistic);
}
void BM_DocumentLineBreaks(benchmark::State& s) {
    buildPage(s, "\r\n\n");
}
void BM_DocumentDoubleSpaces(benchmark::State& s) {
    buildPage(s, "  ");
}
void BM_DocumentPrivateCodes(benchmark::State& s) {
    buildPage(s, "<SC id=2><SC id =8><SC id= 11><SC id=28><SC id=5><SC id=7>");
}
void BM_DocumentComparisonPairs(benchmark::State& s) {
    buildPage(s, ">==<=>");
}
void BM_TextRealistic(benchmark::State& s) {
    convertOnce(s, kRealistic);
}

#define ORVANE_SIZES ->Arg(1 << 10)->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)

BENCHMARK(BM_DocumentRealistic) ORVANE_SIZES;
BENCHMARK(BM_DocumentLineBreaks) ORVANE_SIZES;
BENCHMARK(BM_DocumentDoubleSpaces) ORVANE_SIZES;
BENCHMARK(BM_DocumentPrivateCodes) ORVANE_SIZES;
BENCHMARK(BM_DocumentComparisonPairs) ORVANE_SIZES;
BENCHMARK(BM_TextRealistic) ORVANE_SIZES;

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
