// orvane-fuzz-seeds CONTENT_DIR OUT_DIR: writes the fuzz targets' seeds from the sample content,
// one folder per target under OUT_DIR: each content file as it is (content), each module's own
// databases in the record targets' layout, once per opening request and weight (dosing_records,
// calculator_records), stored texts (markup, templates), request numbers in decimal (links) and
// user-action sequences that open every module of the home list, type weights, choose entries,
// toggle preferences and step the history (program).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "fuzz/program_actions.h"
#include "fuzz/record_input.h"
#include "model/request.h"

namespace {

using namespace orvane;
using namespace orvane::fuzzing;
namespace fs = std::filesystem;

void write(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void recordSeeds(const ContentCatalogue& catalogue, const std::vector<RecordModule>& family,
                 const fs::path& folder) {
    for (size_t i = 0; i < family.size(); ++i) {
        const std::string databases = inputOf(catalogue, family[i]);
        for (size_t r = 0; r < family[i].opens.size(); ++r) {
            for (size_t w = 0; w < kWalkWeightCount; ++w) {
                write(folder, std::to_string(i) + "-" + std::to_string(r) + "-" + std::to_string(w),
                      choiceBytes(family, i, r, w) + databases);
            }
        }
    }
}

// Opens the module, types a weight into the first box, toggles a preference, chooses and
// activates entries, follows a link, steps back and forward and goes home.
std::string visit(uint8_t start, Request module, const char* weight, uint8_t preference) {
    ActionWriter w(start);
    w.request(ActionKind::kRequest, module);
    w.op(ActionKind::kEditText).byte(0).text(weight);
    w.op(ActionKind::kPreference).byte(preference);
    w.op(ActionKind::kActivate).byte(0).byte(1);
    w.op(ActionKind::kChoose).byte(0).byte(1);
    w.op(ActionKind::kKey).byte(1).op(ActionKind::kKey).byte(4);
    w.op(ActionKind::kTap).byte(128).byte(128);
    w.op(ActionKind::kWait).byte(30);
    w.op(ActionKind::kBack).op(ActionKind::kForward).op(ActionKind::kHome);
    return w.bytes();
}

void programSeeds(const fs::path& folder) {
    std::vector<Request> modules;
    for (int32_t code : {1,  2,  3,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 17, 22, 23, 24,
                         26, 27, 30, 31, 37, 39, 41, 43, 46, 47, 48, 49, 53, 57, 59, 60, 63}) {
        modules.push_back(makeRequest(code, 0));
    }
    // A formula calculator with a results menu, the burn area, one with sex and weight, peak
    // flow, pregnancy, burn fluids: the fuzzer finds the others from the calculators menu.
    for (int32_t n : {1, 8, 16, 26, 29, 40}) {
        modules.push_back(makeRequest(request_code::kCalculator, n));
    }
    const char* weights[] = {"13.3", "0.5", "150", "70kg", "7,5", "abc", "\x01\x7f"};
    int index = 0;
    for (const Request module : modules) {
        const uint8_t start = static_cast<uint8_t>(index % 16);
        write(folder, "visit-" + std::to_string(module),
              visit(start, module, weights[index % (sizeof weights / sizeof weights[0])],
                    static_cast<uint8_t>(index)));
        ++index;
    }
    // Requests no screen shows, history entries that no longer fit, and typing on the home list.
    ActionWriter odd(fuzzing::kStartSmallScreen);
    for (Request r : {Request{0xFFFFFFFFu}, makeRequest(87, 0), makeRequest(8, -1),
                      makeRequest(33, 5, 2), makeRequest(74, 0), makeRequest(75, 0)}) {
        odd.request(ActionKind::kRequest, r).op(ActionKind::kBack);
        odd.request(ActionKind::kLink, r);
    }
    odd.op(ActionKind::kType).text("12\b.5\r\t");
    odd.op(ActionKind::kScroll).byte(0).byte(1).byte(40);
    write(folder, "stale-requests", odd.bytes());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvane-fuzz-seeds CONTENT_DIR OUT_DIR\n");
        return 2;
    }
    const fs::path content = argv[1];
    const fs::path out = argv[2];
    const ContentCatalogue catalogue(ContentFolder("", content.string()));

    recordSeeds(catalogue, dosingModules(), out / "dosing_records_fuzz");
    recordSeeds(catalogue, calculatorModules(), out / "calculator_records_fuzz");
    programSeeds(out / "program_fuzz");

    // The other targets: whole content files, stored texts, request numbers.
    int n = 0;
    for (const auto& entry : fs::directory_iterator(content)) {
        if (entry.path().extension() != ".pdb") continue;
        write(out / "content_fuzz", entry.path().filename().string(), fileBytes(entry.path()));
        ++n;
    }
    std::unique_ptr<ContentDatabase> documents = catalogue.openDatabase(31);
    for (uint16_t i = 0; i < documents->recordCount() && i < 16; ++i) {
        const RecordHandle record = documents->getRecord(i);
        if (record.isNull()) continue;
        const std::string text(reinterpret_cast<const char*>(record.data()), record.length());
        write(out / "markup_fuzz", std::to_string(i), text);
        write(out / "templates_fuzz", std::to_string(i),
              std::string(1, static_cast<char>(i)) + text);
    }
    write(out / "templates_fuzz", "doses", std::string("\x05") + "<$W><$A0.1mg>2-<$R> mL");
    for (const char* link : {"67108904", "553779203", "-1", "4294967295", "2147483648", "0"}) {
        write(out / "links_fuzz", link, link);
    }
    std::printf("seeds for %d content files written to %s\n", n, out.string().c_str());
    return 0;
}
