// The check command: reads its arguments, runs the content check and prints the report (text, or
// JSON with --json) on standard output; usage faults go to standard error.
#include "tools/orvane-content/check_command.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "modules/patient_value_text.h"
#include "tools/lib/check/check_pages.h"
#include "tools/lib/check/content_check.h"

namespace orvane::tools {

namespace {

constexpr int kExitClean = 0;
constexpr int kExitErrors = 1;
constexpr int kExitUsage = 2;

constexpr const char* kCheckUsage =
    "usage: orvane-content check DIR [--json] [--weights LIST]\n"
    "  checks the content folder DIR as the program reads it: files, records, links, images and\n"
    "  every page at the weights of LIST (kg, comma-separated; default 0.5,3,13.3,70,150)\n"
    "  --json   the report as one JSON document\n"
    "exit status: 0 no error, 1 errors found, 2 bad usage or a folder that cannot be read\n";

int usageFault(const std::string& message) {
    std::fprintf(stderr, "orvane-content check: %s\n%s", message.c_str(), kCheckUsage);
    return kExitUsage;
}

// "0.5,3,70": each a decimal number above 0.
bool parseWeights(std::string_view list, std::vector<float>& weights) {
    weights.clear();
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        float kg = 0.0f;
        if (!parseDecimal(item, kg) || !std::isfinite(kg) || kg <= 0.0f) return false;
        weights.push_back(kg);
        if (comma == std::string_view::npos) return true;
        list = list.substr(comma + 1);
    }
}

}  // namespace

int runCheckCommand(int argc, char** argv) {
    std::string dir;
    bool json = false;
    std::vector<float> weights(std::begin(content_check::kDefaultWeights),
                               std::end(content_check::kDefaultWeights));
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--weights") {
            if (i + 1 >= argc) return usageFault("--weights needs a list");
            if (!parseWeights(argv[++i], weights)) {
                return usageFault("--weights: kilograms above 0, comma-separated, not " +
                                  std::string(argv[i]));
            }
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kCheckUsage, stdout);
            return kExitClean;
        } else if (arg.starts_with("-") || !dir.empty()) {
            return usageFault("unexpected argument " + std::string(arg));
        } else {
            dir = std::string(arg);
        }
    }
    if (dir.empty()) return usageFault("no content folder given");

    content_check::CheckReport report;
    if (!content_check::checkContentFolder(dir, weights, report)) {
        std::fprintf(stderr, "orvane-content check: %s: not a folder that can be read\n",
                     dir.c_str());
        return kExitUsage;
    }
    const std::string out = json ? report.json(dir) : report.text(dir);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return report.hasErrors() ? kExitErrors : kExitClean;
}

}  // namespace orvane::tools
