#include "tools/lib/check/check_pages.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "dosing/infusions/adult_drips_module.h"
#include "dosing/infusions/tyko_drips_module.h"
#include "dosing/weight_based/tyko_drugs_module.h"
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "modules/patient_value_text.h"
#include "rendering/image_names.h"
#include "rendering/link_target.h"
#include "rendering/page_builder.h"
#include "shell/headless_session.h"
#include "suite/program_modules.h"
#include "tools/lib/check/form_values.h"
#include "tools/lib/check/record_trail.h"
#include "tools/lib/page_text_checks.h"

namespace orvane::content_check {

namespace {

// In-page choices are followed this many levels deep (a dose, then its frequency).
constexpr int32_t kChoiceDepth = 2;
// The largest module code a request can carry (8 bits).
constexpr int32_t kLastModuleCode = 255;
// At most this many different pages are built for one request at one weight.
constexpr int32_t kMostPagesPerRequest = 400;
// A failing page names at most this many records read besides the one it was built from.
constexpr int32_t kOtherReadsNamed = 3;

std::string requestText(Request request) {
    // Appended piece by piece: ":" + a temporary trips GCC 12's false -Wrestrict.
    std::string text = std::to_string(moduleCode(request));
    text += ':';
    text += std::to_string(value(request));
    if (subCode(request) != 0) {
        text += ':';
        text += std::to_string(subCode(request));
    }
    return text;
}

// The attribute values of one attribute in a page's tags ("HREF=\"", "src=\""), letter case
// of the attribute name ignored.
std::vector<std::string> attributeValues(std::string_view page, std::string_view attribute) {
    std::vector<std::string> values;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (std::size_t at = 0; at + attribute.size() < page.size(); ++at) {
        bool match = true;
        for (std::size_t i = 0; i < attribute.size() && match; ++i) {
            match = lower(page[at + i]) == lower(attribute[i]);
        }
        if (!match) continue;
        const std::size_t start = at + attribute.size();
        const std::size_t end = page.find('"', start);
        if (end == std::string_view::npos) break;
        values.emplace_back(page.substr(start, end - start));
        at = end;
    }
    return values;
}

// The records pages were built from, by database.
using ReachedRecords = std::map<int32_t, std::set<int32_t>>;

// The tables whose modules build the page of entry n from record n − 1: a record no page was
// built from is one no list or link leads to.
constexpr int32_t kTablesByEntry[] = {AdultDripsModule::kCode, TykoDripsModule::kCode,
                                      TykoDrugsModule::kCode};

// Where a request was found: the page or list and, for list entries, the entry.
struct Origin {
    std::string file;
    int32_t database = kNone;
    int32_t record = kNone;
    std::string where;
};

class Sweep {
  public:
    Sweep(const ContentCatalogue& catalogue, float weight, CheckReport& report,
          std::set<std::string>& pictures, ReachedRecords& reached)
        : catalogue_(catalogue),
          trailCatalogue_(catalogue.folder(), trail_),
          context_(trailCatalogue_, programModules()),
          session_(context_),
          weight_(weight),
          report_(report),
          pictures_(pictures),
          reached_(reached) {
        trail_.follow(context_.pageBuilder());
    }

    void run() {
        setWeights();
        enqueue(makeRequest(request_code::kHome, 0), Origin{});
        enqueue(makeRequest(request_code::kAzIndex, 0), Origin{});
        // Every module opens on its own too, also one that no list on this folder leads to.
        for (int32_t code = 0; code <= kLastModuleCode; ++code) {
            const ModuleRow* row = context_.modules().row(code);
            if (row != nullptr && row->make != nullptr) enqueue(makeRequest(code, 0), Origin{});
        }
        while (!queue_.empty()) {
            const auto [request, origin] = queue_.front();
            queue_.pop_front();
            visit(request, origin);
        }
    }

  private:
    void setWeights() {
        UnitValue typed;
        typed.value = weight_;
        typed.unit = unit::kKilograms;
        // A weight outside one kind's limits is left unset for that kind: its pages then show
        // the red message, as the screens would.
        session_.setWeight(weight_mode::kAdult, typed);
        const bool child = session_.setWeight(weight_mode::kChild, typed).ok();
        session_.setWeight(weight_mode::kCurrent, typed);
        session_.setCurrentWeight(child ? weight_mode::kChild : weight_mode::kAdult);
    }

    // Opens the request as its screen would, the records read from here on being the opening's.
    SessionResult openModule(Request request, int32_t view) {
        trail_.startOpening();
        return session_.open(request, view);
    }

    std::string atWeight() const { return " at " + formatNumber(weight_, 1, false).str() + " kg"; }

    void enqueue(Request request, Origin origin) {
        if (!seen_.insert(request).second) return;
        queue_.emplace_back(request, std::move(origin));
    }

    // The file and record a request's page is built from: record n − 1 of the module's database
    // for a request with value n, when that record exists.
    Origin pageOrigin(Request request, const std::string& where) const {
        Origin origin;
        origin.where = where;
        const int32_t code = moduleCode(request);
        const char* file = fileNameFor(static_cast<uint32_t>(code));
        if (file == nullptr) {
            origin.where = "module " + std::to_string(code) + ", " + where;
            return origin;
        }
        origin.file = file;
        origin.database = code;
        // A calculator's long value is its number: it reads record number − 1 of its table.
        const int32_t v = code == request_code::kCalculator ? longValue(request) : value(request);
        if (v >= 1 && v <= recordCount(code)) origin.record = v - 1;
        return origin;
    }

    // The record a page was built from, named exactly from the records read: the last one read
    // from the module's own database while building, else since the module was opened (a module
    // that reads its record when created or when a choice is made), else the record the request
    // names, else the first record the build read. Other records the build read are listed.
    Origin builtFrom(Request request, const std::string& where,
                     const std::vector<RecordRead>& reads,
                     const std::vector<RecordRead>& opening) const {
        Origin origin = pageOrigin(request, where);
        const auto lastOwn = [&](const std::vector<RecordRead>& list) -> const RecordRead* {
            const RecordRead* own = nullptr;
            for (const RecordRead& read : list) {
                if (read.database == moduleCode(request)) own = &read;
            }
            return own;
        };
        const RecordRead* chosen = lastOwn(reads);
        if (chosen == nullptr) chosen = lastOwn(opening);
        if (chosen == nullptr && (origin.record != kNone || reads.empty())) return origin;
        if (chosen == nullptr) chosen = &reads.front();
        origin.file = fileNameFor(static_cast<uint32_t>(chosen->database));
        origin.database = chosen->database;
        origin.record = chosen->record;
        origin.where = where;
        std::set<std::pair<int32_t, int32_t>> others;
        for (const RecordRead& read : reads) {
            if (read.database != chosen->database || read.record != chosen->record)
                others.insert({read.database, read.record});
        }
        std::string also;
        int32_t listed = 0;
        for (const auto& [database, record] : others) {
            if (listed++ == kOtherReadsNamed) {
                also += ", ...";
                break;
            }
            also += (also.empty() ? "" : ", ") + std::string("database ") +
                    std::to_string(database) + " record " + std::to_string(record);
        }
        if (!also.empty()) origin.where += " (also read: " + also + ")";
        return origin;
    }

    int32_t recordCount(int32_t database) const {
        auto [at, added] = recordCounts_.try_emplace(database, 0);
        if (added)
            at->second = catalogue_.openDatabase(static_cast<uint32_t>(database))->recordCount();
        return at->second;
    }

    void report(const Origin& origin, Severity severity, std::string kind, std::string message,
                bool once) {
        Finding f;
        f.severity = severity;
        f.file = origin.file;
        f.database = origin.database;
        f.record = origin.record;
        f.where = origin.where;
        f.kind = std::move(kind);
        f.message = std::move(message);
        if (once) {
            report_.addOnce(std::move(f));
        } else {
            report_.add(std::move(f));
        }
    }

    void visit(Request request, const Origin& origin) {
        ++report_.totals().links;
        const SessionResult opened = openModule(request, 0);
        if (opened.status == SessionStatus::kNoModule) {
            report(origin, Severity::kError, "opens-nothing",
                   "request " + requestText(request) +
                       " is answered by no module; a tap shows the no-module page",
                   true);
            return;
        }
        // A module whose own file is missing or damaged: the file part has said so already.
        const char* ownFile = fileNameFor(static_cast<uint32_t>(moduleCode(request)));
        if (opened.status == SessionStatus::kUnavailable &&
            (ownFile == nullptr || recordCount(moduleCode(request)) > 0)) {
            report(pageOrigin(request, "request " + requestText(request)), Severity::kError,
                   "content-missing",
                   "the module's content cannot be opened; the screen shows the missing-content "
                   "page",
                   true);
            return;
        }
        // A weight outside the page's limits gives the red message, not a page to check; a
        // module without its content shows the missing-content page.
        if (!opened.ok()) return;
        pagesBuilt_ = 0;
        pageHashes_.clear();
        const std::vector<Request> choices = inspect(request, "page " + requestText(request));

        const std::vector<std::pair<std::string, Request>> entries = session_.list();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Request target = entries[i].second;
            if (target == 0) continue;
            Origin from =
                pageOrigin(request, "entry " + std::to_string(i + 1) + " \"" + entries[i].first +
                                        "\" of list " + requestText(request));
            // The A-Z index lists one record per entry.
            if (moduleCode(request) == request_code::kAzIndex)
                from.record = static_cast<int32_t>(i);
            enqueue(target, std::move(from));
        }

        explore(request, 0, {}, choices, 1);
        showViews(request);
        if (session_.screenKind() == ScreenKind::kCalculator) fillForms(request);
    }

    // A calculator's form filled at its lowest, middle and highest values, and the result page
    // each gives checked (a value its screen refuses gives the red message, not a page).
    void fillForms(Request request) {
        for (const FormPoint point : kFormPoints) {
            if (!openModule(request, 0).ok()) return;
            bool accepted = true;
            for (int32_t n = 1; accepted && session_.handle() != nullptr; ++n) {
                const InputField* field =
                    session_.handle()->choiceList(makeRequest(request_code::kInput, n));
                if (field == nullptr) break;
                accepted = session_.input(n, formValue(*field, point, weight_)).ok();
            }
            if (!accepted) continue;
            inspect(request, "page " + requestText(request) + " with the form at its " +
                                 formPointName(point) + " values");
        }
    }

    // Every result view after the first: the module is told the view's request, then the page of
    // that view is built.
    void showViews(Request request) {
        ModuleHandle* handle = session_.handle();
        if (handle == nullptr) return;
        InputField* menu = handle->choiceList(makeRequest(request_code::kResultsMenu, 0));
        if (menu == nullptr) return;
        std::vector<Request> views;
        for (const MenuItem& item : menu->entries) {
            views.push_back(item.requests().count() > 0 ? item.request() : 0);
        }
        for (std::size_t v = 1; v < views.size(); ++v) {
            const auto view = static_cast<int32_t>(v);
            if (!openModule(request, view).ok()) continue;
            if (views[v] != 0 && !session_.send(views[v]).ok()) continue;
            const std::string where =
                "page " + requestText(request) + " view " + std::to_string(view);
            const std::vector<Request> choices = inspect(request, where);
            explore(request, view, {}, choices, 1);
        }
    }

    // Chooses each in-page choice from the page reached by `path`, and goes on from the pages it
    // gives that were not seen before.
    void explore(Request request, int32_t view, const std::vector<Request>& path,
                 const std::vector<Request>& choices, int32_t depth) {
        if (depth > kChoiceDepth) return;
        for (const Request choice : choices) {
            if (pagesBuilt_ >= kMostPagesPerRequest) return;
            if (!openModule(request, view).ok()) return;
            bool ok = true;
            for (const Request step : path) ok = ok && session_.send(step).ok();
            if (!ok || !session_.send(choice).ok()) continue;
            std::string where = "page " + requestText(request);
            if (view != 0) where += " view " + std::to_string(view);
            std::vector<Request> next = path;
            next.push_back(choice);
            where += " after";
            for (const Request step : next) {
                where += ' ';
                where += requestText(step);
            }
            const std::vector<Request> more = inspect(request, where);
            explore(request, view, next, more, depth + 1);
        }
    }

    // Checks the page the session shows now, once per different page; follows its links to other
    // modules and resolves its images. The in-page choices of a page not seen before, else none.
    std::vector<Request> inspect(Request request, const std::string& where) {
        // Taken first: anything the check itself asks of the module reads records too.
        const std::vector<RecordRead> reads = trail_.pageReads();
        const std::vector<RecordRead> opening = trail_.openingReads();
        std::vector<Request> choices;
        const std::optional<std::string>& page = session_.page();
        if (!page || page->empty()) return choices;
        if (!pageHashes_.insert(std::hash<std::string>{}(*page)).second) return choices;
        ++pagesBuilt_;
        ++report_.totals().pages;
        const Origin named = pageOrigin(request, where + atWeight());
        if (named.record != kNone) reached_[named.database].insert(named.record);
        const Origin origin = builtFrom(request, where + atWeight(), reads, opening);
        // A dose page is built for a weight; on other pages a number below 0 is a result, not an
        // amount (a Z-score, a base deficit).
        const bool dosePage = context_.pageBuilder().weightInput != 0;
        // A calculator's result is not a dose either: it may rightly read 0 at the extremes of
        // its inputs; only numbers that are not numbers are faults there.
        const bool calculatorPage = session_.screenKind() == ScreenKind::kCalculator ||
                                    moduleCode(request) == request_code::kCalculator;
        for (const page_text::PageFault& fault : page_text::pageFaults(*page)) {
            if (!dosePage && fault.kind == page_text::PageFaultKind::kNegativeAmount) continue;
            if (calculatorPage && fault.kind == page_text::PageFaultKind::kZeroAmount) continue;
            report(origin, Severity::kError, std::string(page_text::faultName(fault.kind)),
                   "the page shows \"" + fault.excerpt + "\"", false);
        }
        const Origin linkOrigin = pageOrigin(request, where);
        for (const std::string& target : attributeValues(*page, "HREF=\"")) {
            const std::optional<Request> link = decodeLinkTarget(target);
            if (!link) {
                report(linkOrigin, Severity::kError, "bad-link",
                       "the link target \"" + target +
                           "\" is not a request number; a tap on it does nothing",
                       true);
                continue;
            }
            if (context_.modules().isInModule(moduleCode(*link))) {
                choices.push_back(*link);
            } else {
                Origin from = linkOrigin;
                from.where += ", link to " + requestText(*link);
                enqueue(*link, std::move(from));
            }
        }
        for (const std::string& name : attributeValues(*page, "src=\""))
            checkImage(name, linkOrigin);
        return choices;
    }

    void checkImage(const std::string& name, const Origin& origin) {
        ++report_.totals().images;
        if (programBitmapId(name) != 0) return;
        if (!resolveImage(name, catalogue_.folder(), "").empty()) {
            pictures_.insert(name);
            return;
        }
        report(origin, Severity::kError, "missing-picture",
               "the image \"" + name +
                   "\" is neither a program picture nor a picture file in the content folder; "
                   "the page shows no picture there",
               true);
    }

    const ContentCatalogue& catalogue_;
    RecordTrail trail_;
    TrailCatalogue trailCatalogue_;
    PatientContext context_;
    HeadlessSession session_;
    float weight_;
    CheckReport& report_;
    std::set<std::string>& pictures_;
    ReachedRecords& reached_;
    std::deque<std::pair<Request, Origin>> queue_;
    std::set<Request> seen_;
    std::set<std::size_t> pageHashes_;
    mutable std::map<int32_t, int32_t> recordCounts_;
    int32_t pagesBuilt_ = 0;
};

}  // namespace

void sweepPages(const ContentCatalogue& catalogue, const std::vector<float>& weights,
                CheckReport& report, std::set<std::string>& pictures) {
    ReachedRecords reached;
    for (const float weight : weights) {
        Sweep sweep(catalogue, weight, report, pictures, reached);
        sweep.run();
    }
    for (const int32_t database : kTablesByEntry) {
        const std::unique_ptr<ContentDatabase> table =
            catalogue.openDatabase(static_cast<uint32_t>(database));
        for (int32_t r = 0; r < table->recordCount(); ++r) {
            if (reached[database].count(r) != 0) continue;
            Finding f;
            f.severity = Severity::kWarning;
            f.file = fileNameFor(static_cast<uint32_t>(database));
            f.database = database;
            f.record = r;
            f.kind = "unreachable-record";
            f.message = "no list entry or link leads to this record; no page shows it";
            report.add(std::move(f));
        }
    }
}

}  // namespace orvane::content_check
