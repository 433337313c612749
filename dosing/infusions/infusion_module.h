// InfusionModule: the infusion model that Adult Drips and TykoDrips share. It lists the drugs of
// its table, keeps the chosen drug with its rate and concentration lists (standard or custom
// rates), the chosen entries and the section shown, refuses a section change while a choice is
// missing, writes the choice sections of the Selections page and appends the section text that
// the drug's generator wrote. A module derived from it brings its record reader, its lists and
// labels, the values its arithmetic starts from and its generators. It gives no rate (and writes
// a notice instead) for a weight of 0, a concentration of 0 or a damaged record. A value outside
// one of its lists (from a link, history or the command line) is ignored.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "content/content_database.h"
#include "dosing/infusions/custom_rate_list.h"
#include "dosing/infusions/drip_sections.h"
#include "dosing/infusions/infusion_record.h"
#include "modules/module.h"

namespace orvane {

class PageBuilder;
class PatientContext;

namespace infusion {

inline constexpr const char* kSelectCustomRate = "Select Custom Rate";
inline constexpr const char* kReturnToStandard = "Return to Standard Dosing";
// The sub-codes of the in-page links (33, sub-code, position) of the two lists.
inline constexpr int32_t kRateList = 2;
inline constexpr int32_t kConcentrationList = 3;

// The bold labels of the choice sections of a Selections page.
struct ChoiceLabels {
    const char* selectRate = "Select Rate:";
    const char* selectCustomRate = "Select Custom Rate:";
    const char* rate = "Rate:  ";
    const char* selectConcentration = "Select Concentration:";
    const char* concentration = "Conc:  ";
};

}  // namespace infusion

class InfusionModule : public Module {
  public:
    bool isAvailable() const override { return table_->isOpen() && table_->recordCount() > 0; }
    SharedString title() const override { return SharedString(title_); }
    SharedString caption() const override;
    // None while no drug is chosen; else the choice sections (Selections only) and the text of
    // the section shown, for the current weight. A view above 0 chooses that section first.
    const char* buildPage(int32_t view) override;
    // 80: the section list with the section shown; anything else: the drug list.
    InputField* choiceList(Request request) override;
    // (code, n) chooses drug n, (50, k) section k (false when refused), (33, k, 2) rate k and
    // (33, k, 3) concentration k. Values outside their lists are ignored.
    bool handleRequest(Request request) override;

    int32_t drug() const { return drug_; }
    int32_t section() const { return section_; }
    bool customMode() const { return custom_; }
    const InputField& rateList() const { return rates_; }
    const InputField& concentrationList() const { return concentrations_; }
    int32_t rateChoice() const { return rateChoice_; }
    int32_t concentrationChoice() const { return concentrationChoice_; }
    const infusion::InfusionRecord& record() const { return record_; }
    // The five section texts the last page build wrote.
    const infusion::DripSections& sections() const { return texts_; }

  protected:
    // Opens the module's table (database `code`) and lists its drugs.
    InfusionModule(PatientContext& context, int32_t code, const char* title, int32_t weightMode);
    // Chooses the drug of the creating request; called by the derived constructor.
    void open(Request request);

    virtual infusion::InfusionRecord readRecord(RecordHandle record) const = 0;
    // The standard list's entries (with "Select Custom Rate" when offered); empty for none.
    virtual std::vector<std::string> standardRates(
        const infusion::InfusionRecord& record) const = 0;
    virtual std::vector<std::string> concentrationTexts(
        const infusion::InfusionRecord& record) const = 0;
    virtual infusion::CustomRateStyle customStyle(const infusion::InfusionRecord& record) const = 0;
    // Pages that need no choice: neither list is shown and the generator always runs.
    virtual bool fixedPage(const infusion::InfusionRecord& /*record*/) const { return false; }
    virtual infusion::ChoiceLabels labels(const infusion::InfusionRecord& /*record*/) const {
        return {};
    }
    // Sets K and R (and R2) for the chosen entries; the base has set W, the choices, the chosen
    // texts ([rate] is the standard rate's own text in standard mode, the entry in custom mode),
    // R to the chosen standard or custom rate and K to the chosen concentration.
    virtual void setValues(infusion::DripInputs& inputs) const = 0;
    // Fills the five sections for the drug's code (nothing for a code without a generator).
    virtual void generate(const infusion::DripInputs& inputs,
                          infusion::DripSections& sections) const = 0;

  private:
    void chooseDrug(int32_t drug);
    void chooseRate(int32_t k);
    void chooseConcentration(int32_t k);
    bool chooseSection(int32_t section);
    void rebuildLists();
    bool choicesComplete() const;
    void runGenerator(float weight);
    void writeChoices(PageBuilder& builder) const;

    PatientContext& context_;
    int32_t code_;
    const char* title_;
    int32_t weightMode_;
    std::unique_ptr<ContentDatabase> table_;
    InputField drugs_;
    InputField sections_;
    InputField rates_;
    InputField concentrations_;
    std::vector<infusion::CustomRate> customRates_;
    infusion::InfusionRecord record_;
    infusion::DripSections texts_;
    int32_t drug_ = 0;
    int32_t rateChoice_ = 0;
    int32_t concentrationChoice_ = 0;
    bool custom_ = false;
    int32_t section_ = infusion::kSelections;
    bool hasRates_ = false;
    bool hasConcentrations_ = false;
    bool fixed_ = false;
    std::string rateText_;
    std::string concentrationText_;
};

}  // namespace orvane
