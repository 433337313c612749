// TykoAbxModule: children's antibiotics by weight (modules 9, 30 and 47). The user picks one of
// three categories (neonatal IV/IM, pediatric IV/IM, oral), then a drug from the category's range
// of the antibiotic index (database 30), then a dose and a frequency (and for oral drugs a
// concentration and the days); the page shows the Sig line, the maximum and route, neonatal
// weight-protocol warnings, the volume to dispense with the bottle and the drug's notes. IV/IM
// drugs come from database 9, oral drugs from database 47. It does not check the weight; values
// outside its lists are ignored.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "content/content_database.h"
#include "dosing/antibiotics/iv_abx_lists.h"
#include "dosing/antibiotics/iv_abx_record.h"
#include "dosing/antibiotics/po_abx_lists.h"
#include "dosing/antibiotics/po_abx_record.h"
#include "modules/module.h"

namespace orvane {

class PageBuilder;
class PatientContext;

class TykoAbxModule : public Module {
  public:
    static constexpr int32_t kIvCode = 9;
    static constexpr int32_t kIndexCode = 30;
    static constexpr int32_t kOralCode = 47;
    // The categories, as values of (30, c).
    static constexpr int32_t kNeonatal = 1;
    static constexpr int32_t kPediatric = 2;
    static constexpr int32_t kOral = 3;
    // The sub-codes of (33, k): dose, frequency, concentration and duration choice k.
    static constexpr int32_t kDoseList = 3;
    static constexpr int32_t kFrequencyList = 4;
    static constexpr int32_t kConcentrationList = 5;
    static constexpr int32_t kDurationList = 6;
    // A creating request for database 9 below this drug number opens the pediatric category.
    static constexpr int32_t kFirstNeonatalDrug = 55;
    // The three ranges of the antibiotic index (records counted from 0), by category.
    struct CategoryRange {
        const char* name;
        int32_t first;
        int32_t count;
    };
    static constexpr std::array<CategoryRange, 3> kCategories{{
        {"IV/IM Neonatal Antibiotics", 0, 127},
        {"IV/IM Pediatric Antibiotics", 127, 98},
        {"PO Pediatric Antibiotics", 225, 84},
    }};

    TykoAbxModule(PatientContext& context, Request request);
    ~TykoAbxModule() override;

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("TykoAbx"); }
    // The chosen drug's name; empty until a drug is chosen.
    SharedString caption() const override { return caption_; }
    // None until a category and a drug are chosen; else the drug's page for the child weight.
    const char* buildPage(int32_t view) override;
    // 80: none. 9, 47, (30, 0): the categories. (30, c): the lazy drug list of category c.
    // (33, i): a list of the one index entry i of the current category.
    InputField* choiceList(Request request) override;
    // (30, c) category; (9, n), (47, n) drug; (70, p) list position; (33, k, 3..6) choices (0
    // offers the list again). Values outside the lists are ignored.
    bool handleRequest(Request request) override;

  private:
    static constexpr int32_t kNoPosition = -1;

    void chooseCategory(int32_t c);
    void chooseIvDrug(int32_t n);
    void choosePoDrug(int32_t n);
    void chooseDose(int32_t k);
    void chooseFrequency(int32_t k);
    void chooseConcentration(int32_t k);
    void chooseDays(int32_t k);
    // The oral drugs whose text needs the days chosen: every ordinary one, nystatin, and the
    // fluconazole regimens with a loading dose.
    bool needsDays() const;
    void clearDrug();
    InputField* categoryList();
    InputField* drugList(int32_t c);
    // Index record i of the current category (counted from 0 within its range).
    bool readIndexEntry(int32_t i, SharedString& name, Request& target);
    int32_t doseCount() const { return static_cast<int32_t>(doses_.size()); }
    int32_t frequencyCount() const { return static_cast<int32_t>(frequencies_.size()); }
    int32_t concentrationCount() const { return static_cast<int32_t>(concentrations_.size()); }
    std::string resultText(float weight) const;

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> index_;
    std::unique_ptr<ContentDatabase> ivTable_;
    std::unique_ptr<ContentDatabase> poTable_;
    int32_t category_ = 0;
    int32_t drug_ = 0;
    int32_t categoryPosition_ = kNoPosition;
    int32_t drugPosition_ = kNoPosition;
    bool oral_ = false;  // the chosen drug is from the oral table
    IvAbxRecord record_;
    PoAbxRecord poRecord_;
    std::vector<AbxChoiceEntry> doses_;
    std::vector<const char*> frequencies_;
    std::vector<int32_t> perDay_;  // the doses a day of each oral frequency
    std::vector<SharedString> concentrations_;
    std::vector<SharedString> days_;  // built once
    int32_t dose_ = 0;
    int32_t frequency_ = 0;
    int32_t concentration_ = 0;
    int32_t chosenDays_ = 0;
    SharedString caption_;
    InputField list_;
};

}  // namespace orvane
