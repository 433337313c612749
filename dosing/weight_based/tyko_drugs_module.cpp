#include "dosing/weight_based/tyko_drugs_module.h"

#include "content/index_record.h"
#include "dosing/resuscitation/tyko_code_module.h"
#include "dosing/weight_based/resuscitation_drugs.h"
#include "modules/patient_context.h"

namespace orvane {

namespace {

constexpr const char* kNoSelection = "No Selection";
constexpr const char* kSelectDrug = "Select Drug";

}  // namespace

TykoDrugsModule::TykoDrugsModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      index_(context.openDatabase(kIndexDatabase)),
      table_(context.openDatabase(kCode)),
      drugCount_(table_->recordCount()) {
    if (value(request) > 0) handleRequest(request);
}

TykoDrugsModule::~TykoDrugsModule() = default;

bool TykoDrugsModule::readIndexEntry(int32_t i, SharedString& name, Request& target) {
    if (i < 0 || i >= index_->recordCount()) return false;
    IndexRecord entry = readIndexRecord(index_->getRecord(static_cast<uint16_t>(i)));
    name = std::move(entry.label);
    target = entry.target;
    return true;
}

InputField* TykoDrugsModule::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == request_code::kResultsMenu) return nullptr;
    list_.clearEntries();
    if (code == request_code::kSamePage) {
        SharedString name;
        Request target = 0;
        if (!readIndexEntry(value(request), name, target)) return nullptr;
        list_.addEntry(std::move(name), target);
        return &list_;
    }
    list_.label = "Select Desired Drug :";
    list_.max = static_cast<float>(index_->recordCount());
    list_.lazyList = 1;
    list_.unit = static_cast<int16_t>(position_ == kNoPosition ? 0 : position_);
    return &list_;
}

bool TykoDrugsModule::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == kCode) {
        chooseDrug(v);
    } else if (code == request_code::kInput) {
        if (v < index_->recordCount()) position_ = v;
    } else if (code == request_code::kSamePage && drug_ > 0) {
        if (subCode(request) == kDoseList) chooseDose(v);
        if (subCode(request) == kFrequencyList) chooseFrequency(v);
    }
    return true;
}

void TykoDrugsModule::chooseDrug(int32_t n) {
    // A drug that is neither in the table nor one of the resuscitation drugs is not in the list.
    if (n < 1 || n > drugCount_ + kResuscitationDrugCount) return;
    drug_ = n;
    dose_ = 0;
    frequency_ = 0;
    doseText_ = kNoSelection;
    frequencyText_ = kNoSelection;
    caption_ = kSelectDrug;
    doses_.clear();
    frequencies_ = nullptr;
    record_ = DrugRecord();
    codePage_ = 0;
    SharedString ownName;
    if (n <= drugCount_) {
        record_ = readDrugRecord(table_->getRecord(static_cast<uint16_t>(n - 1)));
        if (record_.damaged) {
            // A record cut short offers no dose to choose: the page never shows an amount.
        } else if (record_.isStepped()) {
            doses_ = steppedDoseList(record_);
            frequencies_ = frequencyListFor(record_.frequencyCode().view());
        } else if (record_.kind <= dose_kind::kLastOption) {
            doses_ = optionDoseList(record_);
        }
        if (doses_.size() == 1) chooseDose(1);
        ownName = record_.name;
    } else {
        const ResuscitationDrug& entry = kResuscitationDrugs[n - drugCount_ - 1];
        codePage_ = entry.codePage;
        ownName = entry.name;
    }
    // The remembered list position names the drug only when its entry is this drug (a drug
    // opened by a link keeps its own name).
    SharedString listed;
    Request target = 0;
    const bool fromList = position_ != kNoPosition && readIndexEntry(position_, listed, target) &&
                          moduleCode(target) == kCode && value(target) == n;
    caption_ = fromList ? listed : ownName;
}

void TykoDrugsModule::chooseDose(int32_t k) {
    if (k < 0 || k > static_cast<int32_t>(doses_.size())) return;
    dose_ = k;
    doseText_ = k == 0 ? SharedString(kNoSelection) : doses_[static_cast<size_t>(k - 1)].text;
    if (k > 0 && frequencyCount() == 1) chooseFrequency(1);
}

void TykoDrugsModule::chooseFrequency(int32_t k) {
    if (k < 0 || k > frequencyCount()) return;
    frequency_ = k;
    frequencyText_ =
        k == 0 ? SharedString(kNoSelection) : SharedString(frequencies_->choices[k - 1].text);
}

}  // namespace orvane
