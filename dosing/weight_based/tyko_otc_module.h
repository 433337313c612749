// TykoOtcModule: advice on non-prescription medicines (modules 17 and 60), in three fixed
// categories of OTC-table records (database 17): the category list, the medicine list of a
// category, and a medicine's paragraphs. It does no arithmetic; values outside its lists are
// ignored.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class TykoOtcModule : public Module {
  public:
    static constexpr int32_t kCode = 17;
    static constexpr int32_t kCategoryCode = 60;
    // (17, v, 1) chooses category v like (60, v).
    static constexpr int32_t kCategorySubCode = 1;
    // A medicine's record: a key, its name and eight paragraphs, all texts.
    static constexpr int32_t kParagraphs = 8;
    static constexpr int32_t kRecordTexts = 2 + kParagraphs;

    // Opens database 17 (kept open). (17, m) opens medicine m counted over the whole table, in
    // the category whose range holds it; (60, c) opens category c.
    TykoOtcModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("TykoOTC"); }
    // The medicine's name, else the category's text (empty without a category).
    SharedString caption() const override { return caption_; }
    // The category links while nothing is chosen; none for a category without a medicine; the
    // medicine's paragraphs once one is chosen.
    const char* buildPage(int32_t view) override;
    // 17: the category list. 80: none. (60, c): the medicine list of category c (chosen now
    // when another was current). Anything else: the medicine list of the category.
    InputField* choiceList(Request request) override;
    // 60, 33 and (17, v, 1): category v (0: none), clearing the medicine. (17, v): medicine v of
    // the category (0: none). The creating request, handled at creation, is not handled again.
    bool handleRequest(Request request) override;

  private:
    void chooseCategory(int32_t category);
    void chooseMedicine(int32_t medicine);
    // The records of the category that the table has.
    int32_t medicineCount() const { return medicines_.entries.count(); }

    PatientContext& context_;
    Request request_;
    Request handledAtCreation_ = 0;
    std::unique_ptr<ContentDatabase> table_;
    int32_t category_ = 0;
    int32_t medicine_ = 0;
    SharedString caption_;
    InputField categories_;
    InputField medicines_;
};

}  // namespace orvane
