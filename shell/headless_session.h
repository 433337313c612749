// HeadlessSession: opens a request the way the screen that shows it would (module list, list,
// document or calculator screen), without any window: it sets the patient values through the
// screens' checks, binds and checks calculator forms, applies user actions and keeps the page the
// screen would show now (a result page, an empty page or the red message page). Used by the
// command-line renderer; it prints nothing itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "modules/page_outcome.h"
#include "modules/patient_context.h"
#include "modules/patient_value_text.h"

namespace orvane {

enum class SessionStatus {
    kOk,
    kBadArgument,  // an action the module cannot take (no such field, entry or value form)
    kNoModule,     // no module answers the request
    kUnavailable,  // the module's content could not be opened
    kRefused,      // a patient value or input failed its check; the page is the red message
};

struct SessionResult {
    SessionStatus status = SessionStatus::kOk;
    std::string message;

    bool ok() const { return status == SessionStatus::kOk; }
};

class HeadlessSession {
  public:
    explicit HeadlessSession(PatientContext& context) : context_(context) {}

    // Patient values, checked as the screens check them. Weights: mode 1 adult (adult limits),
    // 2 child (child limits), 3 calculator weight (refused only when both limits refuse it; the
    // calculator form checks it again by its page's mode).
    SessionResult setWeight(int32_t mode, const UnitValue& weight);
    SessionResult setHeight(const UnitValue& height);
    SessionResult setHeadCircumference(const UnitValue& head);
    // An empty or zero age is refused like any other age out of range.
    SessionResult setAge(std::string_view text);
    SessionResult setSex(int16_t sex);
    // Which weight the dosing pages use now (1 adult, 2 child); neither value changes.
    void setCurrentWeight(int32_t mode) { context_.setCurrentWeight(mode); }

    // Opens the request: the module for it, then the first page of its screen.
    SessionResult open(Request request, int32_t view);
    // Sets form field n (counted from 1) as a user typing or choosing would, sends (70, n − 1)
    // and shows the page again (a calculator form is checked first).
    SessionResult input(int32_t n, std::string_view text);
    // Sends a request to the module (a chosen link or entry) and shows the page again.
    SessionResult send(Request request);

    // The page the screen shows now; nullopt when the module gave none.
    const std::optional<std::string>& page() const { return page_; }
    // The list a list screen would show for the opening request: labels and requests.
    std::vector<std::pair<std::string, Request>> list();

    ScreenKind screenKind() const { return kind_; }
    ModuleHandle* handle() const { return handle_.get(); }

  private:
    enum Bound { kCalcWeight, kAdultWeight, kHeight, kHead, kAge, kBoundCount };

    SessionResult refuse(const SharedString& message);
    // The session's result for what the screen would show.
    SessionResult show(const PageOutcome& outcome);
    void applyOption(Bound which);
    void showView();
    SessionResult showDocumentView();
    SessionResult compute();
    void bindForm();
    bool formHas(int32_t kind) const;

    PatientContext& context_;
    Request request_ = 0;
    int32_t view_ = 0;
    ScreenKind kind_ = ScreenKind::kNone;
    ModuleRef handle_;
    std::optional<std::string> page_;
    DynArray<InputField>* form_ = nullptr;
    std::vector<std::string> boxes_;
    // The patient values given before the form was bound, applied again after the binding
    // emptied their boxes; and whether each bound box holds a typed value.
    std::optional<UnitValue> options_[kBoundCount];
    bool typed_[kBoundCount] = {false, false, false, false, false};
};

}  // namespace orvane
