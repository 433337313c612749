// AbxNavixModule: the antibiotic guide (module 1). The user picks a clinical category from the
// category table (database 1); the page shows the category's text and, when the category names a
// record of the antibiotic dose table (database 45), the "Calculated Dose" block for the weight in
// use. It does not check the weight; a category outside the list is ignored.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class AbxNavixModule : public Module {
  public:
    static constexpr int32_t kCode = 1;
    static constexpr int32_t kDoseTable = 45;

    // Opens both tables and lists the categories; a request with a category chooses it at once.
    AbxNavixModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("AbxNavix"); }
    // The chosen category's name, or "Select Category".
    SharedString caption() const override { return caption_; }
    // None while no category is chosen; else the category's text and dose block.
    const char* buildPage(int32_t view) override;
    // 80: none; anything else: the category list.
    InputField* choiceList(Request request) override;
    // (1, n) chooses category n; n <= 0 asks for one again. A category not in the list is ignored.
    bool handleRequest(Request request) override;

  private:
    void chooseCategory(int32_t n);

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> categories_;
    std::unique_ptr<ContentDatabase> doses_;
    int32_t category_ = 0;
    SharedString caption_ = "Select Category";
    InputField list_;
};

}  // namespace orvane
