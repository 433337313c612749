// Fuzz target for the whole program as a user drives it: the program started headless on the
// sample content (screen size and patient preferences from the first byte), then the input read
// as a sequence of user actions (see program_actions.h) applied the way the browser page applies
// them, stored preferences toggled among them. After each action: the program has not ended (except
// by its own Exit button), the history and the screen shown agree, every page shown passes the page
// checks, and the snapshot of the screen serialises. A fatal internal error reached from input ends
// the run: a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "fuzz/program_actions.h"
#include "platform/common_controls.h"
#include "platform/html_viewer_messages.h"
#include "platform/window_messages.h"
#include "screens/calculator_screen.h"
#include "screens/document_screen.h"
#include "screens/index_document_screen.h"
#include "screens/module_list_screen.h"
#include "shell/history_entry.h"
#include "shell/preferences.h"
#include "shell/shell_commands.h"
#include "tests/support/page_text_checks.h"
#include "tests/support/program_host.h"
#include "web/input_command.h"
#include "web/snapshot_json.h"

namespace {

using namespace orvane;
using namespace orvane::platform;
using orvane::fuzzing::Action;
using orvane::fuzzing::ActionKind;

[[noreturn]] void finding(const std::string& what) {
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::abort();
}

// The shown windows of a class, in tree order.
std::vector<HWND> shownOf(test_support::ProgramHost& host, const char16_t* className) {
    std::vector<HWND> out;
    for (HWND hwnd : host.driver.findAll(className)) {
        if (host.ws.IsWindowVisible(hwnd)) out.push_back(hwnd);
    }
    return out;
}

std::optional<HWND> pick(const std::vector<HWND>& windows, uint8_t which) {
    if (windows.empty()) return std::nullopt;
    return windows[which % windows.size()];
}

void apply(test_support::ProgramHost& host, const web::InputCommand& command) {
    web::applyInputCommand(host.driver, host.ws, command);
    host.pump();
}

std::u16string widened(const std::string& bytes) {
    std::u16string out;
    for (const char c : bytes) out.push_back(static_cast<char16_t>(static_cast<uint8_t>(c)));
    return out;
}

void navigationButton(test_support::ProgramHost& host, uint32_t command) {
    const HWND button = host.app().navButton(command);
    if (button && host.ws.IsWindowVisible(button)) {
        host.driver.tapWindow(button);
    } else {
        host.ws.PostMessage(host.app().mainWindow(), WM_COMMAND, command, 0);
    }
    host.pump();
}

// The defaults of the stored preferences (a new patient's values).
const Preferences kDefaults{};
// The weights of a small patient: a child's and a light adult's.
constexpr float kSmallChildKg = 3.5f;
constexpr float kSmallAdultKg = 40.0f;
constexpr int16_t kWeightUnits = 3;  // pounds, kilograms, grams

void setSmallWeights(PatientContext& patient, bool small) {
    patient.childWeight().value = small ? kSmallChildKg : kDefaults.childWeight.value;
    patient.adultWeight().value = small ? kSmallAdultKg : kDefaults.adultWeight.value;
}

// The start byte's preferences, on a new session's defaults.
void startPreferences(PatientContext& patient, uint8_t start) {
    patient.setKeypadShown((start & fuzzing::kStartKeypad) != 0 ? 1 : 0);
    patient.sex().unit = (start & fuzzing::kStartFemale) != 0 ? unit::kFemale : unit::kMale;
    if ((start & fuzzing::kStartChild) != 0) setSmallWeights(patient, true);
}

void togglePreference(PatientContext& patient, uint8_t which) {
    using fuzzing::PreferenceToggle;
    const auto toggles = static_cast<uint8_t>(PreferenceToggle::kCount);
    switch (static_cast<PreferenceToggle>(which % toggles)) {
        case PreferenceToggle::kKeypad:
            patient.setKeypadShown(patient.keypadShown() != 0 ? 0 : 1);
            break;
        case PreferenceToggle::kSex:
            patient.sex().unit = patient.sex().unit == unit::kFemale ? unit::kMale : unit::kFemale;
            break;
        case PreferenceToggle::kAdultWeightUnit:
            patient.adultWeight().unit =
                static_cast<int16_t>((patient.adultWeight().unit + 1) % kWeightUnits);
            break;
        case PreferenceToggle::kChildWeightUnit:
            patient.childWeight().unit =
                static_cast<int16_t>((patient.childWeight().unit + 1) % kWeightUnits);
            break;
        case PreferenceToggle::kSmallWeights:
            setSmallWeights(patient, patient.childWeight().value != kSmallChildKg);
            break;
        case PreferenceToggle::kHeightUnit:
            patient.height().unit =
                patient.height().unit == unit::kInches ? unit::kCentimetres : unit::kInches;
            break;
        default:
            break;
    }
}

void perform(test_support::ProgramHost& host, const Action& action, const DisplayConfig& display) {
    web::InputCommand command;
    switch (action.kind) {
        case ActionKind::kTap:
        case ActionKind::kDoubleTap:
            command.kind =
                action.kind == ActionKind::kTap ? web::InputKind::Tap : web::InputKind::DoubleTap;
            command.x = action.a * display.width / 256;
            command.y = action.b * display.height / 256;
            apply(host, command);
            break;
        case ActionKind::kKey:
            command.kind = web::InputKind::Key;
            command.vk = fuzzing::kActionKeys[action.a % fuzzing::kActionKeyCount];
            apply(host, command);
            break;
        case ActionKind::kType:
            command.kind = web::InputKind::Characters;
            command.text = widened(action.text);
            apply(host, command);
            break;
        case ActionKind::kChoose: {
            std::vector<HWND> lists = shownOf(host, kComboBoxClass);
            for (HWND list : shownOf(host, kListBoxClass)) lists.push_back(list);
            const std::optional<HWND> list = pick(lists, action.a);
            if (!list) break;
            command.kind = web::InputKind::Choose;
            command.window = list->value();
            command.index = action.b;
            apply(host, command);
            break;
        }
        case ActionKind::kActivate: {
            const std::optional<HWND> list = pick(shownOf(host, kListViewClass), action.a);
            if (!list) break;
            command.kind = web::InputKind::Activate;
            command.window = list->value();
            command.index = action.b;
            apply(host, command);
            break;
        }
        case ActionKind::kEditText: {
            const std::optional<HWND> box = pick(shownOf(host, kEditClass), action.a);
            if (!box) break;
            host.driver.tapWindow(*box);
            host.pump();
            command.kind = web::InputKind::Characters;
            command.text = std::u16string(12, u'\b') + widened(action.text);
            apply(host, command);
            break;
        }
        case ActionKind::kRequest:
            if (Screen* screen = host.app().currentScreen()) {
                screen->Navigate(action.request);
                host.pump();
            }
            break;
        case ActionKind::kLink: {
            const std::optional<HWND> viewer = pick(shownOf(host, kHtmlViewerClass), 0);
            if (!viewer) break;
            command.kind = web::InputKind::Link;
            command.window = viewer->value();
            command.target = std::to_string(static_cast<int32_t>(action.request));
            apply(host, command);
            break;
        }
        case ActionKind::kBack:
            navigationButton(host, command::kBack);
            break;
        case ActionKind::kForward:
            navigationButton(host, command::kForward);
            break;
        case ActionKind::kHome:
            navigationButton(host, command::kHome);
            break;
        case ActionKind::kAtoZ:
            navigationButton(host, command::kAtoZ);
            break;
        case ActionKind::kScroll: {
            const std::optional<HWND> bar = pick(shownOf(host, kScrollBarClass), action.a);
            if (!bar) break;
            command.kind = web::InputKind::Scroll;
            command.window = bar->value();
            command.scrollCode = action.b % 9;
            command.position = action.c;
            apply(host, command);
            break;
        }
        case ActionKind::kWait:
            host.clock.advance(static_cast<int64_t>(action.a) * 100);
            host.pump();
            break;
        case ActionKind::kPreference:
            togglePreference(host.patient(), action.a);
            host.ws.PostMessage(host.app().mainWindow(), WM_COMMAND, command::kNavigateToCurrent,
                                0);
            host.pump();
            break;
        default:
            break;
    }
}

// The screen the factory makes for the history's current entry.
bool screenMatchesHistory(test_support::ProgramHost& host) {
    Screen* screen = host.app().currentScreen();
    const std::unique_ptr<HistoryEntry> entry = host.app().history().currentEntry();
    if (screen == nullptr || !entry) return false;
    if (entry->kind() == history_kind::kHome) {
        return dynamic_cast<ModuleListScreen*>(screen) != nullptr;
    }
    if (entry->kind() != history_kind::kRequest) return true;
    const Request request = static_cast<RequestEntry&>(*entry).request();
    switch (host.patient().modules().screenKindFor(request)) {
        case ScreenKind::kModuleList:
            return dynamic_cast<ModuleListScreen*>(screen) != nullptr;
        case ScreenKind::kIndex:
            return dynamic_cast<IndexDocumentScreen*>(screen) != nullptr;
        case ScreenKind::kDocument:
            return dynamic_cast<DocumentScreen*>(screen) != nullptr;
        case ScreenKind::kCalculator:
            return dynamic_cast<CalculatorScreen*>(screen) != nullptr;
        default:
            return false;
    }
}

void checkAfter(test_support::ProgramHost& host, size_t step) {
    const std::string at = " after action " + std::to_string(step);
    if (!screenMatchesHistory(host)) {
        const std::unique_ptr<HistoryEntry> entry = host.app().history().currentEntry();
        Screen* screen = host.app().currentScreen();
        const Request request = entry && entry->kind() == history_kind::kRequest
                                    ? static_cast<RequestEntry&>(*entry).request()
                                    : 0;
        finding("the screen shown (" + std::string(screen ? typeid(*screen).name() : "none") +
                ") is not the history's (entry kind " + std::to_string(entry ? entry->kind() : -1) +
                ", request " + std::to_string(request) + ")" + at);
    }
    for (HWND viewer : shownOf(host, kHtmlViewerClass)) {
        const std::string page = host.driver.snapshotWindow(viewer).control.pageText;
        for (const std::string& problem : test_support::brokenNumbersIn(page)) {
            finding(problem + at + "\n--- page ---\n" + page);
        }
    }
    try {
        const nlohmann::json ui =
            web::snapshotToJson(host.driver.snapshot(), web::ScreenFacts{26},
                                [](int) -> std::optional<SIZE> { return std::nullopt; });
        (void)ui.dump();
    } catch (const std::exception& error) {
        finding(std::string("the snapshot does not serialise: ") + error.what() + at);
    }
}

// The program host for a screen size, kept for the whole process: its window system, registry
// and folder are made once, and each input gets a new session of the program on it (a new
// patient with the default preferences, a new history at the home list, the trace emptied). A
// host whose program was ended (the quit message stays in its window system) is made anew.
test_support::ProgramHost& hostFor(bool small) {
    static std::unique_ptr<test_support::ProgramHost> hosts[2];
    std::unique_ptr<test_support::ProgramHost>& host = hosts[small ? 1 : 0];
    if (!host || host->driver.quitSeen() || host->ws.quitPosted()) {
        host.reset();
        host = std::make_unique<test_support::ProgramHost>(small ? test_support::smallScreen()
                                                            : test_support::largeScreen());
    }
    host->lines.clear();
    host->messageBoxes.clear();
    host->makeSession();
    return *host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t start = data[0];
    const bool small = (start & fuzzing::kStartSmallScreen) != 0;
    const DisplayConfig display = small ? test_support::smallScreen() : test_support::largeScreen();
    test_support::ProgramHost& host = hostFor(small);
    startPreferences(host.patient(), start);
    host.start();
    checkAfter(host, 0);

    fuzzing::ActionReader reader(data + 1, size - 1);
    size_t step = 0;
    while (const std::optional<Action> action = reader.next()) {
        ++step;
        // Only the home list's Exit button ends the program.
        const bool onHomeList = dynamic_cast<ModuleListScreen*>(host.app().currentScreen());
        perform(host, *action, display);
        if (host.driver.quitSeen()) {
            if (onHomeList) return 0;
            finding("the program ended after action " + std::to_string(step));
        }
        checkAfter(host, step);
    }
    return 0;
}
