// ClinicalConsult: the Clinical Consult browser (requests 5 and 48). It leads from a category
// (database 48) to the topics listed under the category's key (database 5) and from a topic to
// its up to six section documents, one view each. It computes nothing.
#pragma once

#include <memory>

#include "content/content_database.h"
#include "foundation/dyn_array.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class ClinicalConsult : public Module {
  public:
    static constexpr int32_t kCode = 5;           // a topic, its sections the views
    static constexpr int32_t kCategoryCode = 48;  // the categories and their topics

    // Reads every category and then handles the creating request.
    ClinicalConsult(PatientContext& context, Request request);

    // True when the topic table is open.
    bool isAvailable() const override;
    SharedString title() const override { return title_; }
    // The current topic's title.
    SharedString caption() const override { return caption_; }
    // Null while no topic is chosen; otherwise the section of the current view (reading the topic
    // record when the view is 0, which then shows section 1).
    const char* buildPage(int32_t view) override;
    // 80: the present sections; 5: the category list; 33 or 48 with a value: chooses that
    // category and gives its topic list. Anything else: none.
    InputField* choiceList(Request request) override;
    bool handleRequest(Request request) override;

    int32_t currentCategory() const { return category_; }
    int32_t currentTopic() const { return topic_; }
    int32_t currentView() const { return view_; }

  private:
    void chooseCategory(int32_t v);
    void rebuildTopics(const SharedString& key);
    void readTopic();

    PatientContext& context_;
    std::unique_ptr<ContentDatabase> topics_;
    SharedString title_ = "Clin. Consult";
    SharedString caption_;
    InputField categoryList_;
    DynArray<SharedString> categoryKeys_;
    InputField topicList_;
    InputField resultsMenu_;
    SharedString topicTexts_[10];
    bool present_[6] = {false, false, false, false, false, false};
    int32_t category_ = 0;
    int32_t topic_ = 0;
    int32_t view_ = 0;
    SharedString categoryName_;
    SharedString categoryKey_;
    SharedString lastKey_;
    bool searched_ = false;
    int32_t categoryPosition_ = -1;  // -1: not known yet
    int32_t topicPosition_ = -1;     // -1: not known yet
    int32_t mode_ = 0;               // 0 category list shown, 1 a category chosen
};

}  // namespace orvane
