// PatientContext: the one object of a run that owns the page builder, the module now shown (and
// the A-Z Index module, kept for the whole run), and the seven patient values every module shares.
// It decides which module answers a request (moduleFor, by the module table it is handed) and
// converts the patient values to kilograms and centimetres. It draws nothing and opens content
// only through the catalogue it is given.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "content/content_catalogue.h"
#include "content/content_notice.h"
#include "model/input_field.h"
#include "model/request.h"
#include "modules/civil_date.h"
#include "modules/module_handle.h"
#include "modules/module_table.h"

namespace orvane {

class PageBuilder;
class PatientContext;

// Makes the module for a request in place of the module table (tests add their own modules).
using ModuleFactory = std::function<std::unique_ptr<Module>(Request, PatientContext&)>;

// Which patient weight: the adult one, the child one, or the one in use now.
namespace weight_mode {
inline constexpr int32_t kAdult = 1;
inline constexpr int32_t kChild = 2;
inline constexpr int32_t kCurrent = 3;
}  // namespace weight_mode

// The weights every run starts with, in kilograms, until the user types one.
inline constexpr float kAdultStartWeightKg = 70.0f;
inline constexpr float kChildStartWeightKg = 10.0f;

class PatientContext {
  public:
    // The catalogue and the table must outlive the context. Today comes from the local clock
    // unless set.
    PatientContext(const ContentCatalogue& catalogue, const ModuleTable& modules);
    PatientContext(const PatientContext&) = delete;
    PatientContext& operator=(const PatientContext&) = delete;
    // Lets go of the current module and the A-Z Index module before anything else.
    ~PatientContext();

    // The one page builder of the run.
    PageBuilder& pageBuilder() { return *pageBuilder_; }

    // A new database by number from the catalogue (owned by the caller).
    std::unique_ptr<ContentDatabase> openDatabase(uint32_t number) const;
    const ContentCatalogue& catalogue() const { return catalogue_; }
    // What is said when content files cannot be opened (see content_notice.h); worked out once,
    // on first use, for the run.
    const ContentNotice& contentNotice();

    // The module that answers a request, reusing the current one inside its family; null when no
    // module answers (the current one is then none). The context keeps the current module until
    // another request replaces it; whoever holds the reference keeps that module alive after.
    ModuleRef moduleFor(Request request);
    // A new module from the module table (or the factory set in its place), or null.
    std::unique_ptr<Module> createModule(Request request);
    // Makes modules with the given factory instead of the table (tests); an empty one undoes it.
    void setModuleFactory(ModuleFactory factory) { factory_ = std::move(factory); }
    const ModuleTable& modules() const { return modules_; }
    const ModuleRef& current() const { return current_; }
    const ModuleRef& indexHandle() const { return index_; }

    // Chooses a weight (adult, child or the current one) and makes it the current one. Mode 3
    // keeps the current one (the adult weight when there is none). Neither weight's value
    // changes: a weight the user typed stays for the whole run, whichever page asks next.
    InputField& selectWeight(int32_t mode);
    // The chosen weight in kilograms; makes it the current one without resetting the other.
    float weightKg(int32_t mode);
    // Makes a weight the current one without touching either value (mode 1 adult, 2 child).
    void setCurrentWeight(int32_t mode);
    // The current weight field, or null before any was chosen.
    InputField* currentWeight() { return currentWeight_; }
    // 2 when the current weight is the child weight, else 1 (also when none is chosen yet).
    int32_t currentWeightMode() const { return currentWeight_ == &childWeight_ ? 2 : 1; }

    // Records that the user gave the adult or the child weight (typed it, or chose its unit);
    // another field is ignored.
    void markWeightEntered(const InputField& weight);
    // True for the adult or child weight while nobody has entered it and it still holds its
    // start value (70 kg, 10 kg): the weight row says so rather than pass it off as typed.
    bool isStartWeight(const InputField& weight) const;

    float calcWeightKg() const;
    float heightCm() const;
    float headCircumferenceCm() const;

    // The age in years when it is a usable age (1 to 120); false for an empty (0) or an
    // out-of-range age, which must not reach a formula.
    bool ageYears(float& years) const;

    InputField& adultWeight() { return adultWeight_; }
    InputField& childWeight() { return childWeight_; }
    InputField& calcWeight() { return calcWeight_; }
    InputField& height() { return height_; }
    InputField& sex() { return sex_; }
    InputField& age() { return age_; }
    InputField& headCircumference() { return headCircumference_; }
    const InputField& adultWeight() const { return adultWeight_; }
    const InputField& childWeight() const { return childWeight_; }
    const InputField& calcWeight() const { return calcWeight_; }
    const InputField& height() const { return height_; }
    const InputField& sex() const { return sex_; }
    const InputField& age() const { return age_; }
    const InputField& headCircumference() const { return headCircumference_; }

    int16_t keypadShown() const { return keypadShown_; }
    void setKeypadShown(int16_t shown) { keypadShown_ = shown; }
    int32_t listPosition() const { return listPosition_; }
    void setListPosition(int32_t position) { listPosition_ = position; }
    int32_t edition() const { return 2; }
    const SharedString& version() const { return version_; }
    const SharedString& productTitle() const { return productTitle_; }

    // A module's choice that outlives the module for the run (the medicine TykoFever shows, when
    // it is made again on coming back to it): 0 when the module has remembered none.
    int32_t rememberedChoice(int32_t moduleCode) const;
    void rememberChoice(int32_t moduleCode, int32_t choice) {
        rememberedChoices_[moduleCode] = choice;
    }

    // The day the modules take as today: the local clock's, or the one fixed for tests and tools.
    CivilDate today() const;
    void setToday(const CivilDate& date) { fixedToday_ = date; }

  private:
    const ContentCatalogue& catalogue_;
    std::optional<ContentNotice> contentNotice_;
    const ModuleTable& modules_;
    ModuleFactory factory_;
    std::unique_ptr<PageBuilder> pageBuilder_;
    ModuleRef current_;
    ModuleRef index_;  // the A-Z Index, made once
    SharedString version_ = "ver 6.0.1";
    SharedString productTitle_ = "Orvane 6.0";
    int16_t keypadShown_ = 1;
    InputField adultWeight_;
    InputField childWeight_;
    InputField calcWeight_;
    InputField height_;
    InputField sex_;
    InputField age_;
    InputField headCircumference_;
    InputField* currentWeight_ = nullptr;
    bool adultWeightEntered_ = false;
    bool childWeightEntered_ = false;
    int32_t listPosition_ = 0;
    CivilDate fixedToday_;
    std::map<int32_t, int32_t> rememberedChoices_;
};

}  // namespace orvane
