#include "shell/headless_session.h"

#include "modules/civil_date.h"
#include "modules/form_binding.h"
#include "modules/patient_checks.h"
#include "modules/patient_inputs.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

void store(InputField& field, const UnitValue& typed) {
    field.value = typed.value;
    field.unit = typed.unit;
    field.fraction = typed.fraction;
}

bool isPlainNumberKind(int32_t kind) {
    switch (kind) {
        case input_kind::kCheckBox:
        case input_kind::kChoiceList:
        case input_kind::kChoiceListAlt:
        case input_kind::kDate:
            return false;
        default:
            return !isPatientKind(kind);
    }
}

// A whole number from 1 to limit written in decimal digits only.
bool parseEntryNumber(std::string_view text, int32_t limit, int32_t& out) {
    if (text.empty() || text.size() > 6) return false;
    int32_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > limit) return false;
    out = n;
    return true;
}

SessionResult badArgument(std::string message) {
    return SessionResult{SessionStatus::kBadArgument, std::move(message)};
}

}  // namespace

SessionResult HeadlessSession::refuse(const SharedString& message) {
    page_ = messagePageBody(message.view());
    return SessionResult{SessionStatus::kRefused, message.str()};
}

SessionResult HeadlessSession::show(const PageOutcome& outcome) {
    switch (outcome.shown) {
        case PageShown::kNoModule:
            return SessionResult{SessionStatus::kNoModule, "no module answers the request"};
        case PageShown::kMissingContent:
            return SessionResult{SessionStatus::kUnavailable,
                                 "the module's content could not be opened"};
        case PageShown::kWeightMessage:
            return refuse(outcome.message);
        case PageShown::kPage:
            break;
    }
    page_ = outcome.body;
    return {};
}

SessionResult HeadlessSession::setWeight(int32_t mode, const UnitValue& weight) {
    // The limits depend on the unit typed, so the check looks at a copy in that unit.
    InputField probe;
    probe.unit = weight.unit;
    if (mode == weight_mode::kAdult || mode == weight_mode::kChild) {
        // The child weight is only ever used by pages for children: held to the child limits.
        const bool childMode = mode == weight_mode::kChild;
        SharedString message;
        if (!checkWeight(probe, weight.value, &message, childMode)) return refuse(message);
        InputField& field = childMode ? context_.childWeight() : context_.adultWeight();
        store(field, weight);
        context_.markWeightEntered(field);
        if (!childMode) options_[kAdultWeight] = weight;
        return {};
    }
    SharedString adultMessage;
    SharedString childMessage;
    const bool adultPasses = checkWeight(probe, weight.value, &adultMessage, false);
    const bool childPasses = checkWeight(probe, weight.value, &childMessage, true);
    if (!adultPasses && !childPasses) {
        // Below both lower limits the child one is the looser; above both upper limits the adult
        // one is.
        const bool low = childMessage.view().starts_with("Weight should be greater");
        return refuse(low ? childMessage : adultMessage);
    }
    store(context_.calcWeight(), weight);
    options_[kCalcWeight] = weight;
    return {};
}

SessionResult HeadlessSession::setHeight(const UnitValue& height) {
    SharedString message;
    if (!checkHeight(height.unit, height.value, &message)) return refuse(message);
    store(context_.height(), height);
    options_[kHeight] = height;
    return {};
}

SessionResult HeadlessSession::setHeadCircumference(const UnitValue& head) {
    SharedString message;
    if (!checkHeadCircumference(head.unit, head.value, &message)) return refuse(message);
    store(context_.headCircumference(), head);
    options_[kHead] = head;
    return {};
}

SessionResult HeadlessSession::setAge(std::string_view text) {
    float years = 0.0f;
    if (!text.empty() && !parseDecimal(text, years)) {
        return badArgument("age is not a number: " + std::string(text));
    }
    SharedString message;
    if (!checkAge(years, &message)) return refuse(message);
    context_.age().value = years;
    UnitValue age;
    age.value = years;
    options_[kAge] = age;
    return {};
}

SessionResult HeadlessSession::setSex(int16_t sex) {
    context_.sex().unit = sex;
    context_.sex().value = static_cast<float>(sex);
    return {};
}

void HeadlessSession::applyOption(Bound which) {
    if (!options_[which]) return;
    const UnitValue& typed = *options_[which];
    switch (which) {
        case kCalcWeight:
            store(context_.calcWeight(), typed);
            break;
        case kAdultWeight:
            store(context_.adultWeight(), typed);
            break;
        case kHeight:
            store(context_.height(), typed);
            break;
        case kHead:
            store(context_.headCircumference(), typed);
            break;
        case kAge:
            context_.age().value = typed.value;
            break;
        case kBoundCount:
            break;
    }
    typed_[which] = true;
}

bool HeadlessSession::formHas(int32_t kind) const {
    if (form_ == nullptr) return false;
    for (const InputField& field : *form_) {
        if (field.kindCode() == kind) return true;
    }
    return false;
}

void HeadlessSession::bindForm() {
    bindFormInputs(*form_, context_);
    for (int32_t b = 0; b < kBoundCount; ++b) {
        typed_[b] = false;
        applyOption(static_cast<Bound>(b));
    }
    copyBoundValues(*form_, context_);
    // The number boxes of the other inputs start as the screen's do.
    boxes_.assign(static_cast<size_t>(form_->count()), std::string());
    for (int16_t i = 0; i < form_->count(); ++i) {
        const InputField& field = (*form_)[i];
        if (isPlainNumberKind(field.kindCode()))
            boxes_[static_cast<size_t>(i)] = startingBoxText(field);
    }
}

void HeadlessSession::showView() {
    const char* page = handle_->buildPage(view_);
    if (page != nullptr) {
        page_ = std::string(page);
    } else {
        page_.reset();
    }
    if (kind_ == ScreenKind::kCalculator && form_ == nullptr) {
        DynArray<InputField>* inputs = context_.pageBuilder().inputs();
        if (inputs != nullptr) {
            form_ = inputs;
            bindForm();
        }
    }
}

SessionResult HeadlessSession::showDocumentView() {
    showView();
    return show(pageOutcome(context_, handle_.get(), page_ ? page_->c_str() : nullptr,
                            ScreenKind::kDocument));
}

SessionResult HeadlessSession::compute() {
    if (form_ == nullptr) {
        showView();
        return {};
    }
    SharedString message;
    const bool childMode = context_.pageBuilder().weightInput == weight_mode::kChild;
    PatientBoxes boxes;
    const auto mark = [&](PatientBox box, Bound bound, bool present) {
        boxes.present[static_cast<size_t>(box)] = present;
        boxes.typed[static_cast<size_t>(box)] = typed_[bound];
    };
    mark(PatientBox::kAge, kAge, formHas(input_kind::kAge));
    mark(PatientBox::kCalcWeight, kCalcWeight,
         formHas(input_kind::kCalcWeight) || formHas(input_kind::kCalcWeightAlt));
    mark(PatientBox::kAdultWeight, kAdultWeight, formHas(input_kind::kAdultWeight));
    mark(PatientBox::kHeight, kHeight,
         formHas(input_kind::kHeight) || formHas(input_kind::kHeightNoDefault));
    mark(PatientBox::kHead, kHead, formHas(input_kind::kHeadCircumference));
    if (checkPatientBoxes(context_, boxes, childMode, &message)) return refuse(message);
    copyBoundValues(*form_, context_);
    for (int16_t i = 0; i < form_->count(); ++i) {
        InputField& field = (*form_)[i];
        if (!isPlainNumberKind(field.kindCode())) continue;
        if (!readNumberBox(field, boxes_[static_cast<size_t>(i)], &message)) {
            if (!message.empty()) return refuse(message);
            // An empty box: nothing is computed; the screen shows an empty page.
            page_ = std::string();
            return {};
        }
    }
    showView();
    return {};
}

SessionResult HeadlessSession::open(Request request, int32_t view) {
    request_ = request;
    view_ = view;
    // Each request gets a screen of its own: the form of the module shown before (which the
    // module table may have deleted by now) is no longer this screen's.
    form_ = nullptr;
    boxes_.clear();
    kind_ = context_.modules().screenKindFor(request);
    if (kind_ == ScreenKind::kNone || kind_ == ScreenKind::kKeep) {
        return SessionResult{SessionStatus::kNoModule, "no module answers the request"};
    }
    handle_ = context_.moduleFor(request);
    if (const std::optional<PageOutcome> gate = moduleOutcome(handle_.get())) return show(*gate);
    switch (kind_) {
        case ScreenKind::kDocument:
            handle_->handleRequest(request);
            return showDocumentView();
        case ScreenKind::kCalculator: {
            showView();
            bool typedAny = false;
            for (const bool typed : typed_) typedAny = typedAny || typed;
            if (form_ != nullptr && typedAny) return compute();
            return {};
        }
        default:
            showView();
            return {};
    }
}

SessionResult HeadlessSession::input(int32_t n, std::string_view text) {
    InputField* field =
        n >= 1 && n <= 0xFFFF ? handle_->choiceList(makeRequest(request_code::kInput, n)) : nullptr;
    if (field == nullptr) return badArgument("the module has no input " + std::to_string(n));
    const bool inForm = form_ != nullptr && n <= form_->count() && &(*form_)[n - 1] == field;
    const int32_t kind = field->kindCode();
    const std::string shown(text);
    SharedString message;

    if (isWeightKind(kind)) {
        UnitValue weight;
        if (!parseWeightText(text, weight)) {
            return badArgument("not a weight (70kg, 154lb, 11lb8oz, 3500g): " + shown);
        }
        const bool adult = kind == input_kind::kAdultWeight;
        InputField& bound = adult ? context_.adultWeight() : context_.calcWeight();
        store(bound, weight);
        typed_[adult ? kAdultWeight : kCalcWeight] = true;
        if (!inForm) {
            store(*field, weight);
            const bool childMode = context_.pageBuilder().weightInput == weight_mode::kChild;
            if (!checkWeight(bound, weight.value, &message, childMode)) return refuse(message);
        }
    } else if (isLengthKind(kind)) {
        UnitValue length;
        if (!parseLengthText(text, length)) {
            return badArgument("not a length (170cm, 66in, 60in4): " + shown);
        }
        const bool head = kind == input_kind::kHeadCircumference;
        store(head ? context_.headCircumference() : context_.height(), length);
        typed_[head ? kHead : kHeight] = true;
        if (!inForm) {
            store(*field, length);
            const bool passes = head ? checkHeadCircumference(length.unit, length.value, &message)
                                     : checkHeight(length.unit, length.value, &message);
            if (!passes) return refuse(message);
        }
    } else if (kind == input_kind::kAge) {
        float years = 0.0f;
        if (!text.empty() && !parseDecimal(text, years)) {
            // As on the screen: an age that is not a number keeps 0 and gets the age's message.
            context_.age().value = 0.0f;
            typed_[kAge] = true;
            checkAge(kUnreadableValue, &message);
            return refuse(message);
        }
        context_.age().value = years;
        typed_[kAge] = !text.empty();
        if (!inForm) {
            field->value = years;
            if (!checkAge(years, &message)) return refuse(message);
        }
    } else if (kind == input_kind::kSex) {
        int16_t sex = 0;
        if (text == "male") {
            sex = unit::kMale;
        } else if (text == "female") {
            sex = unit::kFemale;
        } else {
            return badArgument("not a sex (male or female): " + shown);
        }
        setSex(sex);
        field->unit = sex;
        field->value = static_cast<float>(sex);
    } else if (kind == input_kind::kDate) {
        CivilDate date;
        if (!parseIsoDate(text, date)) return badArgument("not a date (YYYY-MM-DD): " + shown);
        field->unit = static_cast<int16_t>(date.day);
        field->decimals = date.month;
        field->fraction = static_cast<int16_t>(date.year);
    } else if (kind == input_kind::kCheckBox) {
        if (text != "yes" && text != "no") return badArgument("not yes or no: " + shown);
        field->unit = text == "yes" ? 1 : 0;
        field->value = static_cast<float>(field->unit);
    } else if (kind == input_kind::kChoiceList || kind == input_kind::kChoiceListAlt) {
        int32_t k = 0;
        if (!parseEntryNumber(text, field->entries.count(), k)) {
            return badArgument("no entry " + shown + " in the list of input " + std::to_string(n));
        }
        field->unit = static_cast<int16_t>(k - 1);
        field->value = static_cast<float>(k - 1);
    } else {
        // Read as the screen reads the box: a text that is not wholly a number is refused with
        // the input's message.
        if (inForm) boxes_[static_cast<size_t>(n - 1)] = shown;
        if (!text.empty() && !readNumberBox(*field, text, &message)) return refuse(message);
    }
    if (form_ != nullptr) copyBoundValues(*form_, context_);

    handle_->handleRequest(makeRequest(request_code::kInput, n - 1));
    switch (kind_) {
        case ScreenKind::kCalculator:
            if (context_.pageBuilder().selectionMode == 2) {
                showView();
                return {};
            }
            return compute();
        case ScreenKind::kDocument:
            return showDocumentView();
        default:
            showView();
            return {};
    }
}

SessionResult HeadlessSession::send(Request request) {
    handle_->handleRequest(request);
    if (kind_ == ScreenKind::kDocument) return showDocumentView();
    showView();
    return {};
}

std::vector<std::pair<std::string, Request>> HeadlessSession::list() {
    std::vector<std::pair<std::string, Request>> lines;
    if (handle_ == nullptr) return lines;
    InputField* field = handle_->choiceList(request_);
    if (field == nullptr) return lines;
    auto add = [&lines](const MenuItem& item) {
        const Request target = item.requests().count() > 0 ? item.request() : 0;
        lines.emplace_back(item.label().str(), target);
    };
    if (field->lazyList == 1) {
        const float max = field->max;
        const int32_t count =
            max > 0.0f ? static_cast<int32_t>(max < 65535.0f ? max : 65535.0f) : 0;
        for (int32_t i = 0; i < count; ++i) {
            InputField* entry = handle_->choiceList(makeRequest(request_code::kSamePage, i, 1));
            if (entry == nullptr || entry->entries.count() == 0) break;
            add(entry->entries[0]);
        }
        return lines;
    }
    for (const MenuItem& item : field->entries) add(item);
    return lines;
}

}  // namespace orvane
