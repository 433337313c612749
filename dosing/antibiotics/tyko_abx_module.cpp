#include "dosing/antibiotics/tyko_abx_module.h"

#include <array>

#include "content/index_record.h"
#include "modules/patient_context.h"

namespace orvane {

namespace {

// The category list shows the oral drugs first.
constexpr std::array<int32_t, 3> kCategoryListOrder{TykoAbxModule::kOral, TykoAbxModule::kPediatric,
                                                    TykoAbxModule::kNeonatal};

const TykoAbxModule::CategoryRange* rangeFor(int32_t c) {
    if (c < 1 || c > static_cast<int32_t>(TykoAbxModule::kCategories.size())) return nullptr;
    return &TykoAbxModule::kCategories[static_cast<size_t>(c) - 1];
}

}  // namespace

TykoAbxModule::TykoAbxModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      index_(context.openDatabase(kIndexCode)),
      ivTable_(context.openDatabase(kIvCode)),
      poTable_(context.openDatabase(kOralCode)),
      days_(treatmentDaysList()) {
    const int32_t code = moduleCode(request);
    const int32_t n = value(request);
    if (n <= 0) return;
    if (code == kOralCode) {
        chooseCategory(kOral);
    } else if (code == kIvCode) {
        chooseCategory(n < kFirstNeonatalDrug ? kPediatric : kNeonatal);
    }
    handleRequest(request);
}

TykoAbxModule::~TykoAbxModule() = default;

bool TykoAbxModule::readIndexEntry(int32_t i, SharedString& name, Request& target) {
    const CategoryRange* range = rangeFor(category_);
    if (range == nullptr || i < 0 || i >= range->count) return false;
    const int32_t record = range->first + i;
    if (record >= index_->recordCount()) return false;
    IndexRecord entry = readIndexRecord(index_->getRecord(static_cast<uint16_t>(record)));
    name = std::move(entry.label);
    target = entry.target;
    return true;
}

InputField* TykoAbxModule::categoryList() {
    list_.clearEntries();
    list_.label = "Select TykoAbx Category:";
    for (int32_t c : kCategoryListOrder) {
        list_.addEntry(rangeFor(c)->name, makeRequest(kIndexCode, c));
    }
    list_.unit = static_cast<int16_t>(categoryPosition_ == kNoPosition ? 0 : categoryPosition_);
    return &list_;
}

InputField* TykoAbxModule::drugList(int32_t c) {
    const CategoryRange* range = rangeFor(c);
    if (range == nullptr) return categoryList();
    list_.clearEntries();
    list_.label = range->name;
    list_.max = static_cast<float>(range->count);
    list_.lazyList = 1;
    list_.unit = static_cast<int16_t>(drugPosition_ == kNoPosition ? 0 : drugPosition_);
    return &list_;
}

InputField* TykoAbxModule::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == request_code::kResultsMenu) return nullptr;
    if (code == request_code::kSamePage) {
        SharedString name;
        Request target = 0;
        if (!readIndexEntry(v, name, target)) return nullptr;
        list_.clearEntries();
        list_.addEntry(std::move(name), target);
        return &list_;
    }
    if (code == kIndexCode && v != 0) return drugList(v);
    if (code == kIvCode || code == kOralCode || code == kIndexCode) return categoryList();
    return category_ == 0 ? categoryList() : drugList(category_);
}

bool TykoAbxModule::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == kIndexCode) {
        chooseCategory(v);
    } else if (code == kIvCode) {
        // A drug that is not in the table leaves everything as it was.
        if (v < 1 || v > ivTable_->recordCount()) return true;
        if (category_ != kNeonatal && category_ != kPediatric) {
            chooseCategory(v < kFirstNeonatalDrug ? kPediatric : kNeonatal);
        }
        chooseIvDrug(v);
    } else if (code == kOralCode) {
        if (v < 1 || v > poTable_->recordCount()) return true;
        if (category_ != kOral) chooseCategory(kOral);
        choosePoDrug(v);
    } else if (code == request_code::kInput) {
        if (v < 0) return true;
        if (category_ == 0 && v < static_cast<int32_t>(TykoAbxModule::kCategories.size()))
            categoryPosition_ = v;
        const CategoryRange* range = rangeFor(category_);
        if (range != nullptr && v < range->count) drugPosition_ = v;
    } else if (code == request_code::kSamePage && drug_ > 0) {
        if (subCode(request) == kDoseList) chooseDose(v);
        if (subCode(request) == kFrequencyList) chooseFrequency(v);
        if (subCode(request) == kConcentrationList) chooseConcentration(v);
        if (subCode(request) == kDurationList) chooseDays(v);
    }
    return true;
}

void TykoAbxModule::clearDrug() {
    drug_ = 0;
    oral_ = false;
    record_ = IvAbxRecord();
    poRecord_ = PoAbxRecord();
    doses_.clear();
    frequencies_.clear();
    perDay_.clear();
    concentrations_.clear();
    dose_ = 0;
    frequency_ = 0;
    concentration_ = 0;
    chosenDays_ = 0;
    caption_ = "";
}

void TykoAbxModule::chooseCategory(int32_t c) {
    if (rangeFor(c) == nullptr) return;
    category_ = c;
    drugPosition_ = kNoPosition;
    clearDrug();
}

void TykoAbxModule::chooseIvDrug(int32_t n) {
    if (n < 1 || n > ivTable_->recordCount()) return;
    clearDrug();
    drug_ = n;
    record_ = readIvAbxRecord(ivTable_->getRecord(static_cast<uint16_t>(n - 1)));
    caption_ = record_.name;
    if (record_.isLoadingRegimen()) {
        doses_ = loadingRegimenList();
    } else {
        doses_ = ivDoseList(record_);
        frequencies_ = ivFrequencyList(record_.frequencyCode);
    }
    // A list of one entry is chosen at once.
    if (doseCount() == 1) chooseDose(1);
    if (frequencyCount() == 1) chooseFrequency(1);
}

void TykoAbxModule::choosePoDrug(int32_t n) {
    if (n < 1 || n > poTable_->recordCount()) return;
    clearDrug();
    drug_ = n;
    oral_ = true;
    poRecord_ = readPoAbxRecord(poTable_->getRecord(static_cast<uint16_t>(n - 1)));
    caption_ = poRecord_.name;
    doses_ = poDoseList(poRecord_);
    for (const OralFrequency& f : poFrequencyList(poRecord_)) {
        frequencies_.push_back(f.word);
        perDay_.push_back(f.perDay);
    }
    concentrations_ = poConcentrationList(poRecord_);
    // A list of one entry is chosen at once.
    if (doseCount() == 1) chooseDose(1);
    if (frequencyCount() == 1) chooseFrequency(1);
    if (concentrationCount() == 1) chooseConcentration(1);
}

bool TykoAbxModule::needsDays() const {
    if (!oral_) return false;
    switch (poRecord_.special()) {
        case SpecialOral::kNone:
        case SpecialOral::kNystatin:
            return true;
        case SpecialOral::kFluconazole:
            return dose_ >= 2;
        case SpecialOral::kAzithromycin:
            return false;
    }
    return false;
}

void TykoAbxModule::chooseDose(int32_t k) {
    if (k < 0 || k > doseCount()) return;
    dose_ = k;
}

void TykoAbxModule::chooseConcentration(int32_t k) {
    if (k < 0 || k > concentrationCount()) return;
    concentration_ = k;
}

void TykoAbxModule::chooseDays(int32_t k) {
    if (k < 0 || k > static_cast<int32_t>(days_.size())) return;
    chosenDays_ = k;
}

void TykoAbxModule::chooseFrequency(int32_t k) {
    if (k < 0 || k > frequencyCount()) return;
    frequency_ = k;
}

}  // namespace orvane
