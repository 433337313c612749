// The record fuzz targets' input and content: which modules read records of their own (by family)
// with the databases they read, how a fuzzer's bytes become those databases (records split at a
// marker, databases at another), and a catalogue that serves them from memory while every other
// database comes from the sample content. Shared by the targets and the seed maker; knows nothing
// of pages or checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/content_catalogue.h"
#include "fuzz/memory_content.h"
#include "model/request.h"
#include "tools/lib/pdb_writer.h"

namespace orvane::fuzzing {

// The patient weights a module is walked at: a newborn's, a child's, the largest.
inline constexpr float kWalkWeightsKg[] = {0.5f, 13.3f, 150.0f};
inline constexpr size_t kWalkWeightCount = sizeof kWalkWeightsKg / sizeof kWalkWeightsKg[0];

// Between two records of one database, and between two databases of the input.
inline constexpr std::string_view kRecordBreak = "\n#R#\n";
inline constexpr std::string_view kDatabaseBreak = "\n#D#\n";

// One module that reads records: the requests that open it (each walked) and its databases in
// input order; the numbers of one inner list share one file (and so one database of the input).
struct RecordModule {
    const char* name;
    std::vector<Request> opens;
    std::vector<std::vector<uint32_t>> databases;
};

// Every calculator number from 1 to 40.
inline std::vector<Request> everyCalculator() {
    std::vector<Request> out;
    for (int32_t n = 1; n <= 40; ++n) out.push_back(makeRequest(request_code::kCalculator, n));
    return out;
}

// The dosing modules: drug tables, drip records, antibiotic dose tables, oral concentrations, the
// resuscitation pages and lists, toxicology, transfusions and references.
inline const std::vector<RecordModule>& dosingModules() {
    static const std::vector<RecordModule> modules{
        {"AbxNavix", {makeRequest(1, 0)}, {{1}, {45}}},
        {"ACLS and PALS lists", {makeRequest(2, 0), makeRequest(8, 0)}, {{2, 8}}},
        {"Adult Drips", {makeRequest(3, 0)}, {{3}}},
        {"Emergency Meds", {makeRequest(6, 0)}, {{6}}},
        {"TykoAbx", {makeRequest(30, 0), makeRequest(9, 0), makeRequest(47, 0)}, {{30}, {9}, {47}}},
        {"TykoCode", {makeRequest(10, 0)}, {{10}}},
        {"TykoDrips", {makeRequest(11, 0)}, {{11}}},
        {"TykoDrugs", {makeRequest(12, 0)}, {{58}, {12}}},
        {"TykoFever", {makeRequest(13, 0)}, {{13}}},
        {"TykoOTC", {makeRequest(60, 0), makeRequest(17, 0)}, {{17}}},
        {"Sedation Meds", {makeRequest(23, 0)}, {{23}}},
        {"Toxicology", {makeRequest(24, 0), makeRequest(46, 0)}, {{24}, {46}}},
        {"Transfusions", {makeRequest(26, 0)}, {{26}}},
        {"Paralytics", {makeRequest(37, 0), makeRequest(22, 0)}, {{37}}},
        {"References", {makeRequest(49, 0)}, {{49}}},
        {"Induction Meds", {makeRequest(39, 0)}, {{39}}},
    };
    return modules;
}

// The calculators and menus that read records: the calculator table, growth, burn area, peak
// flow, the score tables, and the document lists, Clinical Consult and the A-Z index.
inline const std::vector<RecordModule>& calculatorModules() {
    static const std::vector<RecordModule> modules{
        {"Calculator table",
         [] {
             std::vector<Request> opens{makeRequest(59, 0)};
             for (Request r : everyCalculator()) opens.push_back(r);
             return opens;
         }(),
         {{4}}},
        {"TykoGrowth", {makeRequest(14, 0), makeRequest(14, 1), makeRequest(14, 2)}, {{14}}},
        {"Burn area", {makeRequest(request_code::kCalculator, 8)}, {{54}}},
        {"Peak flow", {makeRequest(request_code::kCalculator, 26)}, {{55}}},
        {"Scores",
         {makeRequest(request_code::kCalculator, 4), makeRequest(request_code::kCalculator, 10),
          makeRequest(request_code::kCalculator, 17), makeRequest(request_code::kCalculator, 18),
          makeRequest(request_code::kCalculator, 25), makeRequest(request_code::kCalculator, 27),
          makeRequest(request_code::kCalculator, 31), makeRequest(request_code::kCalculator, 32),
          makeRequest(request_code::kCalculator, 38), makeRequest(request_code::kCalculator, 39)},
         {{56}, {4}}},
        {"Document lists",
         {makeRequest(31, 0), makeRequest(41, 0), makeRequest(43, 0), makeRequest(63, 0)},
         {{31, 41, 43, 63}}},
        {"Clinical Consult", {makeRequest(48, 0), makeRequest(5, 0)}, {{5}, {48}}},
        {"A-Z index", {makeRequest(request_code::kAzIndex, 0)}, {{53}}},
    };
    return modules;
}

// What an input asks for: its first byte picks the module of the family, its second the request
// the module is opened with and the weight (request index + requests x weight index); the rest
// are the module's databases. One request at one weight per input keeps each run short; the
// corpus reaches every request at every weight (the seeds hold each pair).
struct RecordChoice {
    const RecordModule* module = nullptr;
    Request open = 0;
    float kg = 0.0f;
    std::string_view databases;
};

// The choice of an input; none for an input shorter than its two choice bytes.
inline std::optional<RecordChoice> recordChoice(const std::vector<RecordModule>& family,
                                                const uint8_t* data, size_t size) {
    if (size < 2 || family.empty()) return std::nullopt;
    RecordChoice choice;
    choice.module = &family[data[0] % family.size()];
    const size_t opens = choice.module->opens.size();
    choice.open = choice.module->opens[data[1] % opens];
    choice.kg = kWalkWeightsKg[(data[1] / opens) % kWalkWeightCount];
    choice.databases = std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2);
    return choice;
}

// The two choice bytes of module m of a family opened with its request r at weight w (the
// inverse of recordChoice, for the seeds).
inline std::string choiceBytes(const std::vector<RecordModule>& family, size_t m, size_t r,
                               size_t w) {
    const size_t walk = r + family[m].opens.size() * w;
    return std::string{static_cast<char>(m), static_cast<char>(walk)};
}

// The parts of text between the breaks (one part when there is none).
inline std::vector<std::string_view> splitAt(std::string_view text, std::string_view at) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t found = text.find(at); found != std::string_view::npos;
         found = text.find(at, start)) {
        parts.push_back(text.substr(start, found - start));
        start = found + at.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The file bytes of each database of the input, for `count` databases (missing ones empty of
// records, extra parts ignored). Every database holds at most 0xFFFF records.
inline std::vector<tools::ByteVector> databasesOf(std::string_view input, size_t count) {
    std::vector<tools::ByteVector> files;
    const std::vector<std::string_view> parts = splitAt(input, kDatabaseBreak);
    for (size_t d = 0; d < count; ++d) {
        tools::PdbImage image;
        image.name = "fuzzed";
        if (d < parts.size()) {
            for (std::string_view record : splitAt(parts[d], kRecordBreak)) {
                if (image.records.size() == 0xFFFF) break;
                image.records.emplace_back(record.begin(), record.end());
            }
        }
        files.push_back(tools::pdbBytes(image));
    }
    return files;
}

// The input for a module's databases as they are in a content folder: the inverse of databasesOf
// (the seeds are written this way).
inline std::string inputOf(const ContentCatalogue& catalogue, const RecordModule& module) {
    std::string out;
    for (size_t d = 0; d < module.databases.size(); ++d) {
        if (d > 0) out.append(kDatabaseBreak);
        std::unique_ptr<ContentDatabase> db = catalogue.openDatabase(module.databases[d].front());
        for (uint16_t i = 0; i < db->recordCount(); ++i) {
            if (i > 0) out.append(kRecordBreak);
            const RecordHandle record = db->getRecord(i);
            if (!record.isNull()) {
                out.append(reinterpret_cast<const char*>(record.data()), record.length());
            }
        }
    }
    return out;
}

// The catalogue for a module's input: its databases from the input, the rest from the content.
inline MemoryCatalogue catalogueFor(const RecordModule& module, std::string_view input,
                                    const ContentInMemory& content) {
    const std::vector<tools::ByteVector> files = databasesOf(input, module.databases.size());
    std::map<uint32_t, SharedBytes> byNumber;
    for (size_t d = 0; d < module.databases.size(); ++d) {
        const SharedBytes bytes = std::make_shared<const std::vector<uint8_t>>(files[d]);
        for (uint32_t number : module.databases[d]) byNumber[number] = bytes;
    }
    return MemoryCatalogue(content, std::move(byNumber));
}

}  // namespace orvane::fuzzing
