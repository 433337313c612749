#include "tests/support/dosing_page_sweep.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "modules/patient_context.h"
#include "modules/patient_value_text.h"
#include "shell/headless_session.h"
#include "suite/program_modules.h"

namespace orvane::test_support {

namespace {

// The module codes that hold their list (and its sub-lists) of dosing pages.
const std::vector<int> kDosingModules = {1,  2,  3,  6,  8,  9,  10, 11, 12, 13, 17,
                                         23, 24, 26, 30, 37, 46, 47, 49, 57, 60};
// RSI Navix has no list: its plans are chosen (adjunct, sedative, narcotic, paralytic) and shown
// by (50, 1).
constexpr int kRsiNavix = 22;
constexpr int kRsiPlans[][4] = {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3},
                                {4, 4, 1, 4}, {5, 5, 2, 5}, {6, 6, 3, 6},
                                {2, 7, 2, 7}, {1, 3, 1, 8}, {5, 3, 3, 9}};
constexpr int kShowView = 50;
constexpr int kChoose = 33;
// The sections after an infusion's selections: mixing, infusing, compatibility, information.
constexpr int kInfusionSections = 4;

struct Choice {
    int sub;
    int k;
};

// The choices swept on a module's pages: none, or sets of (33, k, sub) per module.
std::vector<std::vector<Choice>> choicesFor(int code) {
    switch (code) {
        case 9:
        case 30:
            return {{{3, 1}, {4, 1}}, {{3, 2}, {4, 2}}};
        case 47:
            return {{{3, 1}, {4, 1}, {5, 1}, {6, 7}}, {{3, 2}, {4, 2}, {5, 2}, {6, 1}}};
        default:
            return {{}};
    }
}

// The infusion modules: their pages are swept through every rate and concentration they offer.
bool followsChoiceLinks(int code) {
    return code == 3 || code == 11;
}

// Sends of the second view of a page (the paralytic pages' dosing view).
std::vector<std::vector<Request>> viewsFor(int code) {
    if (code == 37) return {{}, {makeRequest(kShowView, 1)}};
    return {{}};
}

UnitValue kilograms(float kg) {
    UnitValue value;
    value.value = kg;
    value.unit = unit::kKilograms;
    return value;
}

class Sweeper {
  public:
    explicit Sweeper(float kg)
        : kg_(kg), catalogue_(ContentFolder("", std::string(ORVANE_BIN_DIR))) {}

    // One page: a fresh context, the weight as mode's, the request and the sends in order. A
    // page that offers choices (links of (33, k, list)) is followed through each choice of a
    // list not chosen yet (an infusion's rate, then its concentration, then its section).
    void render(int32_t mode, Request request, const std::vector<Request>& sends,
                const std::string& where) {
        std::vector<Request> key = sends;
        key.insert(key.begin(), {request, static_cast<Request>(mode)});
        if (!seen_.insert(key).second) return;
        PatientContext context(catalogue_, programModules());
        HeadlessSession session(context);
        // Both weights are the swept one, so that whichever a page reads, it doses for it.
        for (const int32_t each : {weight_mode::kChild, weight_mode::kAdult}) {
            if (!session.setWeight(each, kilograms(kg_)).ok()) return;
        }
        session.setCurrentWeight(mode);
        if (!session.open(request, 0).ok()) return;
        for (const Request send : sends) {
            if (!session.send(send).ok()) return;
        }
        if (!session.page() || session.page()->empty()) return;
        const std::string page = *session.page();
        const std::string who = mode == weight_mode::kAdult ? " adult " : " child ";
        pages_.push_back({where + who + std::to_string(kg_) + " kg", page});
        if (!followsChoiceLinks(moduleCode(request))) return;
        bool offered = false;
        for (const Request link : choiceLinks(page)) {
            if (chosen(sends, subCode(link))) continue;
            offered = true;
            std::vector<Request> more = sends;
            more.push_back(link);
            render(mode, request, more, where + " link " + std::to_string(link));
        }
        // Every choice made: the page's sections, each shown by (50, section).
        if (offered || sends.empty() || moduleCode(sends.back()) == kShowView) return;
        for (int section = 1; section <= kInfusionSections; ++section) {
            std::vector<Request> more = sends;
            more.push_back(makeRequest(kShowView, section));
            render(mode, request, more, where + " section " + std::to_string(section));
        }
    }

    static bool chosen(const std::vector<Request>& sends, int32_t list) {
        for (const Request send : sends) {
            if (moduleCode(send) == kChoose && subCode(send) == list) return true;
        }
        return false;
    }

    // The choice links of a page: HREF="n" with n a request of (33, k, list).
    static std::vector<Request> choiceLinks(const std::string& page) {
        std::vector<Request> links;
        const std::string marker = "HREF=\"";
        for (size_t at = page.find(marker); at != std::string::npos;
             at = page.find(marker, at + 1)) {
            const size_t start = at + marker.size();
            const size_t end = page.find('"', start);
            if (end == std::string::npos || end == start || end - start > 10) continue;
            const std::string digits = page.substr(start, end - start);
            if (digits.find_first_not_of("0123456789") != std::string::npos) continue;
            const auto link = static_cast<Request>(std::stoull(digits));
            // (33, 0, list) clears a choice: it leads back to a page already swept.
            if (moduleCode(link) == kChoose && value(link) > 0) links.push_back(link);
        }
        return links;
    }

    void renderBoth(Request request, const std::vector<Request>& sends, const std::string& where) {
        for (const int32_t mode : {weight_mode::kChild, weight_mode::kAdult}) {
            render(mode, request, sends, where);
        }
    }

    std::vector<std::pair<std::string, Request>> listOf(Request request) {
        PatientContext context(catalogue_, programModules());
        HeadlessSession session(context);
        session.setWeight(weight_mode::kChild, kilograms(kg_));
        if (!session.open(request, 0).ok()) return {};
        return session.list();
    }

    void module(int code) {
        const auto top = listOf(makeRequest(code, 0));
        for (const auto& [label, request] : top) {
            // An entry that opens a list of its own (a category) is swept through that list.
            const auto sub = listOf(request);
            if (!sub.empty() && sub != top) {
                for (const auto& [subLabel, subRequest] : sub) {
                    entry(code, label + " / " + subLabel, subRequest);
                }
            }
            entry(code, label, request);
        }
    }

    void entry(int code, const std::string& label, Request request) {
        const std::string where =
            std::to_string(code) + " " + label + " (" + std::to_string(request) + ")";
        for (const auto& choices : choicesFor(moduleCode(request))) {
            for (const auto& view : viewsFor(moduleCode(request))) {
                std::vector<Request> sends;
                std::string what = where;
                for (const Choice& c : choices) {
                    sends.push_back(makeRequest(kChoose, c.k, c.sub));
                    what += " choose " + std::to_string(c.sub) + "=" + std::to_string(c.k);
                }
                for (const Request v : view) {
                    sends.push_back(v);
                    what += " send " + std::to_string(v);
                }
                renderBoth(request, sends, what);
            }
        }
    }

    void rsiPlans() {
        for (const auto& plan : kRsiPlans) {
            std::vector<Request> sends;
            std::string where = "22 plan";
            for (int list = 0; list < 4; ++list) {
                sends.push_back(makeRequest(kChoose, plan[list], list + 1));
                where += " " + std::to_string(plan[list]);
            }
            sends.push_back(makeRequest(kShowView, 1));
            renderBoth(makeRequest(kRsiNavix, 0), sends, where);
        }
    }

    std::vector<SweptPage> take() { return std::move(pages_); }

  private:
    float kg_;
    ContentCatalogue catalogue_;
    std::vector<SweptPage> pages_;
    std::set<std::vector<Request>> seen_;
};

}  // namespace

const std::vector<int>& dosingModuleCodes() {
    return kDosingModules;
}

std::vector<SweptPage> sweepDosingPages(float weightKg) {
    Sweeper sweeper(weightKg);
    for (const int code : kDosingModules) sweeper.module(code);
    sweeper.rsiPlans();
    return sweeper.take();
}

}  // namespace orvane::test_support
