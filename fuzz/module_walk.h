// Walks a module as the screens would, headless: opens a request at a patient weight, builds
// every list entry (and the entries below them), every view of the results menu,
// the links of each page that stay on it, and fills a calculator's form with values within its
// limits. After every page: the page checks (no "nan", "inf", "ERR", no negative amount, no
// positive amount that reads 0) and no page build over a second; a failed check ends the run
// with a message (a finding). A bounded number of pages per input keeps each run short.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/number_format.h"
#include "model/input_field.h"
#include "model/request.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "shell/headless_session.h"
#include "tests/support/page_text_checks.h"

namespace orvane::fuzzing {

// A page whose build takes more processor time than this is a finding (a hang in the making).
// Processor time, not the wall clock: on a shared machine a waiting process is not a slow one.
inline constexpr double kSlowPageSeconds = 1.0;
// Pages built per input at most, and what is followed per list or page.
inline constexpr int32_t kPageBudget = 150;
inline constexpr int32_t kEntriesPerList = 48;
inline constexpr int32_t kLinksPerPage = 12;
inline constexpr int32_t kViewsPerPage = 8;
inline constexpr int32_t kWalkDepth = 3;
// The shortest run of stored text a zero amount may stand in to be the text's, not the program's.
inline constexpr size_t kShortestStoredRun = 8;

[[noreturn]] inline void finding(const std::string& what, const std::string& page) {
    std::fprintf(stderr, "FINDING: %s\n--- page ---\n%s\n------------\n", what.c_str(),
                 page.c_str());
    std::abort();
}

class ModuleWalk {
  public:
    // `input` is the fuzzer's bytes: a page check that the input's own text already fails (a
    // stored text "inf" or "-2 mg" copied onto the page) is not the program's fault.
    ModuleWalk(PatientContext& context, std::string_view input) : context_(context), input_(input) {
        for (std::string& problem : test_support::brokenNumbersIn(std::string(input)))
            excused_.insert(std::move(problem));
    }

    // The request and what lies below it, at the weight.
    void walk(Request request, float kg) {
        budget_ = kPageBudget;
        walkAt(request, kg, 0);
    }

  private:
    // The process's processor time, which a page build alone advances here (one thread).
    struct Clock {
        using time_point = std::clock_t;
        static time_point now() { return std::clock(); }
    };

    bool spend() { return budget_-- > 0; }

    // A calculator's result is not a dose: it may rightly be below zero (a gradient, a gap from
    // inconsistent values) or round to 0 (a clearance at the extremes of its inputs), so on its
    // pages only the numbers that are not numbers are findings.
    static bool doseRuleOnly(const std::string& problem) {
        return problem == "a negative amount" || problem == test_support::kZeroAmountProblem;
    }

    // Formula and scoring calculators (code 4, whichever screen shows them) and calculator forms.
    static bool isCalculator(const HeadlessSession& session, Request request) {
        return session.screenKind() == ScreenKind::kCalculator ||
               moduleCode(request) == request_code::kCalculator;
    }

    void check(const std::optional<std::string>& page, Clock::time_point started, const char* what,
               Request request) {
        const double took = static_cast<double>(Clock::now() - started) / CLOCKS_PER_SEC;
        const std::string text = page.value_or(std::string());
        const std::string where = std::string(what) + " of request " + std::to_string(request) +
                                  " at " + std::to_string(kg_) + " kg";
        if (took > kSlowPageSeconds) {
            finding("page build over a second of processor time (" + std::to_string(took) +
                        " s): " + where,
                    text);
        }
        for (const std::string& problem : test_support::brokenNumbersIn(text)) {
            if (calculator_ && doseRuleOnly(problem)) continue;
            if (problem == test_support::kZeroAmountProblem && zeroIsStoredText(text)) continue;
            if (excused_.count(problem) == 0) finding(problem + ": " + where, text);
        }
    }

    // Whether the page's first zero amount stands in a run of text (between two tags) that the
    // input holds as it is: a stored label read from a damaged record at the wrong place ("0 mL
    // D5W." from "... 250 mL D5W.") is the record's text, not an amount the program printed. A
    // short run ("0 mg.") is never taken as stored.
    bool zeroIsStoredText(const std::string& page) const {
        const size_t at = page_text::zeroAmountAt(page);
        if (at == std::string::npos) return false;
        const size_t open = page.rfind('>', at);
        const size_t from = open == std::string::npos ? 0 : open + 1;
        const size_t to = std::min(page.find('<', at), page.size());
        if (to - from < kShortestStoredRun) return false;
        return input_.find(std::string_view(page).substr(from, to - from)) !=
               std::string_view::npos;
    }

    void setWeights(HeadlessSession& session, float kg) {
        UnitValue weight;
        weight.value = kg;
        weight.unit = unit::kKilograms;
        session.setWeight(weight_mode::kAdult, weight);
        session.setWeight(weight_mode::kChild, weight);
        session.setWeight(weight_mode::kCurrent, weight);
    }

    // A text within the field's limits, as typed in its box or chosen.
    std::string valueFor(const InputField& field) const {
        const int32_t kind = field.kindCode();
        if (isWeightKind(kind)) return formatNumber(kg_, 1, false).str() + "kg";
        if (kind == input_kind::kHeadCircumference) return "45cm";
        if (isLengthKind(kind)) return kg_ < 5.0f ? "50cm" : "150cm";
        if (kind == input_kind::kAge) return kg_ < 5.0f ? "1" : "40";
        if (kind == input_kind::kSex) return "female";
        if (kind == input_kind::kDate) return "2024-02-29";
        if (kind == input_kind::kCheckBox) return "yes";
        if (kind == input_kind::kChoiceList || kind == input_kind::kChoiceListAlt) {
            return field.entries.count() > 0 ? std::to_string(field.entries.count()) : "1";
        }
        if (field.min < 0.0f && field.max < 0.0f) return "1";
        const float low = field.min < 0.0f ? 0.0f : field.min;
        const float high = field.max < 0.0f ? low + 1.0f : field.max;
        return formatNumber(low + (high - low) * 0.5f, 2, false).str();
    }

    // Fills a calculator's inputs one by one (each recomputes).
    void fillForm(HeadlessSession& session, Request request) {
        for (int32_t n = 1; n <= 40 && session.handle() != nullptr; ++n) {
            InputField* field = session.handle()->choiceList(makeRequest(request_code::kInput, n));
            if (field == nullptr || !spend()) return;
            const Clock::time_point started = Clock::now();
            session.input(n, valueFor(*field));
            check(session.page(), started, "form input", request);
        }
    }

    // The views of the results menu, each chosen and built.
    void walkViews(HeadlessSession& session, Request request) {
        ModuleHandle* handle = session.handle();
        if (handle == nullptr) return;
        InputField* menu = handle->choiceList(makeRequest(request_code::kResultsMenu, 0));
        if (menu == nullptr) return;
        const int32_t views = std::min<int32_t>(menu->entries.count(), kViewsPerPage);
        for (int32_t v = 0; v < views && spend(); ++v) {
            const Clock::time_point started = Clock::now();
            handle->handleRequest(menu->entries[v].request());
            const char* page = handle->buildPage(v);
            check(page != nullptr ? std::optional<std::string>(page) : std::nullopt, started,
                  "view", request);
        }
    }

    // The links of the page that rebuild it on the same screen, each followed once.
    void walkLinks(HeadlessSession& session) {
        if (!session.page()) return;
        std::vector<Request> links;
        const std::string page = *session.page();
        const std::string_view marker = "HREF=\"";
        for (size_t at = page.find(marker); at != std::string::npos && links.size() < kLinksPerPage;
             at = page.find(marker, at + 1)) {
            uint64_t value = 0;
            size_t i = at + marker.size();
            for (; i < page.size() && page[i] >= '0' && page[i] <= '9' && value <= 0xFFFFFFFFu; ++i)
                value = value * 10 + static_cast<uint64_t>(page[i] - '0');
            if (i == at + marker.size() || value > 0xFFFFFFFFu) continue;
            const Request link = static_cast<Request>(value);
            if (staysOnPage(moduleCode(link))) links.push_back(link);
        }
        for (const Request link : links) {
            if (!spend()) return;
            const Clock::time_point started = Clock::now();
            session.send(link);
            check(session.page(), started, "link", link);
        }
    }

    void walkAt(Request request, float kg, int32_t depth) {
        if (!spend() || !seen_.insert({request, kg}).second) return;
        kg_ = kg;
        HeadlessSession session(context_);
        setWeights(session, kg);
        Clock::time_point started = Clock::now();
        const SessionResult opened = session.open(request, 0);
        calculator_ = isCalculator(session, request);
        check(session.page(), started, "page", request);
        if (opened.status == SessionStatus::kNoModule ||
            opened.status == SessionStatus::kUnavailable) {
            return;
        }
        if (session.screenKind() == ScreenKind::kCalculator) fillForm(session, request);
        walkViews(session, request);
        walkLinks(session);
        if (depth >= kWalkDepth) return;
        started = Clock::now();
        const std::vector<std::pair<std::string, Request>> entries = session.list();
        check(std::nullopt, started, "list", request);
        int32_t followed = 0;
        for (const auto& [label, entry] : entries) {
            if (followed++ >= kEntriesPerList) break;
            if (entry != 0 && entry != request) walkAt(entry, kg, depth + 1);
            kg_ = kg;
            calculator_ = isCalculator(session, request);
        }
    }

    PatientContext& context_;
    std::string_view input_;
    std::set<std::string> excused_;
    std::set<std::pair<Request, float>> seen_;
    int32_t budget_ = 0;
    float kg_ = 0.0f;
    bool calculator_ = false;  // the pages checked now are a calculator's results
};

}  // namespace orvane::fuzzing
