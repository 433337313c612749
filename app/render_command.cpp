// orvane render [OPTIONS] REQUEST
//
// Opens REQUEST (CODE[:VALUE[:SUBCODE]], decimal) the way the screen for it would, sets the
// patient values, applies the actions in command-line order and prints the page exactly as built
// (or, with --list, the list a list screen would show: label, a tab, the request in decimal),
// converted from the content's Windows-1252 to UTF-8.
#include "app/render_command.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "content/content_notice.h"
#include "modules/civil_date.h"
#include "modules/patient_context.h"
#include "modules/patient_value_text.h"
#include "shell/headless_session.h"
#include "shell/page_frame.h"
#include "suite/program_modules.h"
#include "web/text_encoding.h"

namespace orvane {

namespace {

constexpr int kExitPrinted = 0;
constexpr int kExitBadArguments = 2;
constexpr int kExitNoModule = 3;
constexpr int kExitUnavailable = 4;
constexpr int kExitRefused = 5;

constexpr const char* kUsage =
    "usage: orvane render [OPTIONS] REQUEST      (prints the page or list in UTF-8)\n"
    "  REQUEST                 CODE[:VALUE[:SUBCODE]] in decimal, e.g. 4:1, 12:5, 33:2:1\n"
    "                          (code 0-255, value 0-32767, sub-code 0-255)\n"
    "  --adult-weight W        W: 70kg, 154lb, 11lb8oz or 3500g (also --child-weight, "
    "--calc-weight)\n"
    "  --height H, --head H    H: 170cm, 66in or 60in4 (60 and 4/8 inches)\n"
    "  --age YEARS             --sex male|female         --weight adult|child\n"
    "  --input N=VALUE         set form field N (from 1) and send (70, N-1)\n"
    "  --choose SUB=K          send (33, K, SUB)\n"
    "  --send CODE:VALUE:SUB   send any request to the module\n"
    "  --view N                the view passed to the page (default 0)\n"
    "  --today YYYY-MM-DD      the date the modules take as today\n"
    "  --framed                print the page inside the page frame\n"
    "  --list                  print the module's list instead of the page\n"
    "  --content DIR           the content folder\n"
    "exit status: 0 printed, 2 bad arguments, 3 no module answers, 4 content missing (the\n"
    "content folder holds no content file, or the module's database cannot be opened),\n"
    "5 refused (the red message page is printed)\n";

enum class PatientOption { kAdultWeight, kChildWeight, kCalcWeight, kHeight, kHead, kAge, kSex };

struct PatientSetting {
    PatientOption option;
    UnitValue typed;
    std::string text;
};

enum class ActionKind { kInput, kSend };

struct Action {
    ActionKind kind;
    int32_t field = 0;
    std::string text;
    Request request = 0;
};

struct Options {
    bool haveRequest = false;
    Request request = 0;
    std::vector<PatientSetting> patient;
    int32_t currentWeight = 0;
    std::vector<Action> actions;
    int32_t view = 0;
    bool haveToday = false;
    CivilDate today;
    bool framed = false;
    bool list = false;
    bool help = false;  // --help: print the usage and nothing else
    std::string content;
};

// A whole decimal number from low to high, digits only.
bool parseWhole(std::string_view text, int64_t low, int64_t high, int64_t& out) {
    if (text.empty() || text.size() > 10) return false;
    int64_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n < low || n > high) return false;
    out = n;
    return true;
}

// The largest value a request built here can carry: the value is packed as a signed 16-bit
// number (makeRequest), so a larger one would borrow from the sub-code or the module code above it.
constexpr int64_t kMaxRequestValue = 32767;

// The message for a number larger than its field of a request takes.
std::string tooLargeForField(const std::string& field, int64_t number, int64_t limit) {
    return "the " + field + " " + std::to_string(number) + " is too large for its field (0-" +
           std::to_string(limit) + ")";
}

// CODE[:VALUE[:SUBCODE]]: code 0-255, value 0-32767, sub-code 0-255. Returns why the text is not
// a request, or an empty text when out holds it. A number too large for its field is refused,
// never carried into another field.
std::string parseRequest(std::string_view text, Request& out) {
    int64_t parts[3] = {0, 0, 0};
    const int64_t limits[3] = {255, kMaxRequestValue, 255};
    const char* names[3] = {"code", "value", "sub-code"};
    int32_t count = 0;
    size_t start = 0;
    while (true) {
        if (count == 3) return "more than three parts";
        const size_t colon = text.find(':', start);
        const std::string_view part = text.substr(
            start, colon == std::string_view::npos ? std::string_view::npos : colon - start);
        if (!parseWhole(part, 0, INT32_MAX, parts[count])) {
            return "not a whole number in decimal: \"" + std::string(part) + "\"";
        }
        if (parts[count] > limits[count]) {
            return tooLargeForField(names[count], parts[count], limits[count]);
        }
        ++count;
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
    out = makeRequest(static_cast<int32_t>(parts[0]), static_cast<int32_t>(parts[1]),
                      static_cast<int32_t>(parts[2]));
    return std::string();
}

int badArguments(const std::string& message) {
    std::fprintf(stderr, "orvane render: %s\n%s", message.c_str(), kUsage);
    return kExitBadArguments;
}

// Reads the arguments; on a fault writes the message and returns false.
bool parseArguments(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 0; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view inlineValue;
        bool hasInline = false;
        if (arg.starts_with("--")) {
            const size_t equals = arg.find('=');
            if (equals != std::string_view::npos) {
                inlineValue = arg.substr(equals + 1);
                arg = arg.substr(0, equals);
                hasInline = true;
            }
        }
        auto takeValue = [&](std::string_view& value) {
            if (hasInline) {
                value = inlineValue;
                return true;
            }
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };
        std::string_view value;
        if ((arg == "--help" || arg == "-h") && !hasInline) {
            options.help = true;
            return true;
        }
        if (arg == "--framed" || arg == "--list") {
            if (hasInline) {
                error = std::string(arg) + " takes no value";
                return false;
            }
            (arg == "--framed" ? options.framed : options.list) = true;
        } else if (arg == "--adult-weight" || arg == "--child-weight" || arg == "--calc-weight") {
            if (!takeValue(value)) return false;
            PatientSetting setting{arg == "--adult-weight"   ? PatientOption::kAdultWeight
                                   : arg == "--child-weight" ? PatientOption::kChildWeight
                                                             : PatientOption::kCalcWeight,
                                   {},
                                   std::string(value)};
            if (!parseWeightText(value, setting.typed)) {
                error = std::string(arg) +
                        ": not a weight (70kg, 154lb, 11lb8oz, 3500g): " + std::string(value);
                return false;
            }
            options.patient.push_back(setting);
        } else if (arg == "--height" || arg == "--head") {
            if (!takeValue(value)) return false;
            PatientSetting setting{
                arg == "--height" ? PatientOption::kHeight : PatientOption::kHead,
                {},
                std::string(value)};
            if (!parseLengthText(value, setting.typed)) {
                error =
                    std::string(arg) + ": not a length (170cm, 66in, 60in4): " + std::string(value);
                return false;
            }
            options.patient.push_back(setting);
        } else if (arg == "--age") {
            if (!takeValue(value)) return false;
            float years = 0.0f;
            if (!value.empty() && !parseDecimal(value, years)) {
                error = "--age: not a number: " + std::string(value);
                return false;
            }
            options.patient.push_back(PatientSetting{PatientOption::kAge, {}, std::string(value)});
        } else if (arg == "--sex") {
            if (!takeValue(value)) return false;
            if (value != "male" && value != "female") {
                error = "--sex: male or female, not " + std::string(value);
                return false;
            }
            PatientSetting setting{PatientOption::kSex, {}, std::string(value)};
            setting.typed.unit = value == "male" ? 0 : 1;
            options.patient.push_back(setting);
        } else if (arg == "--weight") {
            if (!takeValue(value)) return false;
            if (value != "adult" && value != "child") {
                error = "--weight: adult or child, not " + std::string(value);
                return false;
            }
            options.currentWeight = value == "adult" ? 1 : 2;
        } else if (arg == "--input") {
            if (!takeValue(value)) return false;
            const size_t equals = value.find('=');
            int64_t field = 0;
            if (equals == std::string_view::npos ||
                !parseWhole(value.substr(0, equals), 1, 65535, field)) {
                error = "--input: N=VALUE with N from 1, not " + std::string(value);
                return false;
            }
            options.actions.push_back(Action{ActionKind::kInput, static_cast<int32_t>(field),
                                             std::string(value.substr(equals + 1)), 0});
        } else if (arg == "--choose") {
            if (!takeValue(value)) return false;
            const size_t equals = value.find('=');
            int64_t sub = 0;
            int64_t k = 0;
            if (equals == std::string_view::npos ||
                !parseWhole(value.substr(0, equals), 0, 255, sub) ||
                !parseWhole(value.substr(equals + 1), 0, 65535, k)) {
                error = "--choose: SUB=K in decimal, not " + std::string(value);
                return false;
            }
            if (k > kMaxRequestValue) {
                error = "--choose: " + tooLargeForField("value", k, kMaxRequestValue);
                return false;
            }
            options.actions.push_back(
                Action{ActionKind::kSend,
                       0,
                       {},
                       makeRequest(request_code::kSamePage, static_cast<int32_t>(k),
                                   static_cast<int32_t>(sub))});
        } else if (arg == "--send") {
            if (!takeValue(value)) return false;
            Request request = 0;
            if (std::string why = parseRequest(value, request); !why.empty()) {
                error = "--send: CODE:VALUE:SUBCODE in decimal, not " + std::string(value) + " (" +
                        why + ")";
                return false;
            }
            options.actions.push_back(Action{ActionKind::kSend, 0, {}, request});
        } else if (arg == "--view") {
            if (!takeValue(value)) return false;
            int64_t view = 0;
            if (!parseWhole(value, 0, 65535, view)) {
                error = "--view: a whole number, not " + std::string(value);
                return false;
            }
            options.view = static_cast<int32_t>(view);
        } else if (arg == "--today") {
            if (!takeValue(value)) return false;
            if (!parseIsoDate(value, options.today)) {
                error = "--today: a date YYYY-MM-DD, not " + std::string(value);
                return false;
            }
            options.haveToday = true;
        } else if (arg == "--content") {
            if (!takeValue(value)) return false;
            if (value.empty()) {
                error = "--content needs a folder";
                return false;
            }
            options.content = std::string(value);
        } else if (arg.starts_with("-") && arg.size() > 1) {
            error = "unknown option " + std::string(arg);
            return false;
        } else {
            if (options.haveRequest) {
                error = "one request only, not also " + std::string(arg);
                return false;
            }
            if (std::string why = parseRequest(arg, options.request); !why.empty()) {
                error = "a request is CODE[:VALUE[:SUBCODE]] in decimal, not " + std::string(arg) +
                        " (" + why + ")";
                return false;
            }
            options.haveRequest = true;
        }
    }
    if (!options.haveRequest) {
        error = "no request given";
        return false;
    }
    return true;
}

// Content and pages are Windows-1252; what is printed is UTF-8.
void printText(FILE* out, std::string_view text) {
    const std::string utf8 = web::utf8FromWindows1252(text);
    std::fwrite(utf8.data(), 1, utf8.size(), out);
}

void printPage(const std::string& body, bool framed) {
    printText(stdout, framed ? framePage(body) : body);
}

// Prints the red message page and the message; the refused exit status.
int refused(const HeadlessSession& session, const SessionResult& result, bool framed) {
    if (session.page()) printPage(*session.page(), framed);
    printText(stderr, result.message + "\n");
    return kExitRefused;
}

SessionResult applyPatient(HeadlessSession& session, const PatientSetting& setting) {
    switch (setting.option) {
        case PatientOption::kAdultWeight:
            return session.setWeight(weight_mode::kAdult, setting.typed);
        case PatientOption::kChildWeight:
            return session.setWeight(weight_mode::kChild, setting.typed);
        case PatientOption::kCalcWeight:
            return session.setWeight(weight_mode::kCurrent, setting.typed);
        case PatientOption::kHeight:
            return session.setHeight(setting.typed);
        case PatientOption::kHead:
            return session.setHeadCircumference(setting.typed);
        case PatientOption::kAge:
            return session.setAge(setting.text);
        case PatientOption::kSex:
            return session.setSex(setting.typed.unit);
    }
    return {};
}

// The exit status for a result that is not ok (after printing what goes with it).
int failure(const HeadlessSession& session, const SessionResult& result, bool framed) {
    switch (result.status) {
        case SessionStatus::kBadArgument:
            return badArguments(result.message);
        case SessionStatus::kNoModule:
            std::fprintf(stderr, "orvane render: %s\n", result.message.c_str());
            return kExitNoModule;
        case SessionStatus::kUnavailable:
            std::fprintf(stderr, "orvane render: %s\n", result.message.c_str());
            return kExitUnavailable;
        case SessionStatus::kRefused:
            return refused(session, result, framed);
        case SessionStatus::kOk:
            break;
    }
    return kExitPrinted;
}

}  // namespace

int runRenderCommand(int argc, char** argv) {
    Options options;
    std::string error;
    if (!parseArguments(argc, argv, options, error)) return badArguments(error);
    if (options.help) {
        std::fputs(kUsage, stdout);
        return kExitPrinted;
    }

    const ContentCatalogue catalogue(ContentFolder::forRunningProgram(options.content));
    // Missing content is said, with the folder used; with none at all nothing can be rendered.
    const ContentNotice notice = contentNotice(catalogue);
    if (!notice.text.empty()) std::fprintf(stderr, "orvane render: %s\n", notice.text.c_str());
    if (notice.noContent) return kExitUnavailable;
    PatientContext context(catalogue, programModules());
    if (options.haveToday) context.setToday(options.today);
    HeadlessSession session(context);

    for (const PatientSetting& setting : options.patient) {
        const SessionResult result = applyPatient(session, setting);
        if (!result.ok()) return failure(session, result, options.framed);
    }
    if (options.currentWeight != 0) session.setCurrentWeight(options.currentWeight);

    SessionResult result = session.open(options.request, options.view);
    if (!result.ok()) return failure(session, result, options.framed);
    for (const Action& action : options.actions) {
        result = action.kind == ActionKind::kInput ? session.input(action.field, action.text)
                                                   : session.send(action.request);
        if (!result.ok()) return failure(session, result, options.framed);
    }

    if (options.list) {
        for (const auto& [label, request] : session.list()) {
            printText(stdout, label + "\t" + std::to_string(request) + "\n");
        }
        return kExitPrinted;
    }
    if (session.page()) printPage(*session.page(), options.framed);
    return kExitPrinted;
}

}  // namespace orvane
