// AzIndex: the A-Z Index (request 53), a lazily filled list over the index table (database 53):
// the screen asks for one entry at a time. It keeps the table open and remembers the selected
// entry; it shows no page of its own.
#pragma once

#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class AzIndex : public Module {
  public:
    AzIndex(PatientContext& context, Request request);

    // False when the index table is missing or damaged: the screens say so instead of showing
    // an empty list.
    bool isAvailable() const override { return table_->isOpen(); }
    SharedString title() const override { return SharedString("A-Z Index"); }
    // The product title followed by " Index".
    SharedString caption() const override;
    // Starts an empty page and returns none.
    const char* buildPage(int32_t view) override;
    // Code 53: the lazy list (max = number of index records). (33, i): a list holding only
    // entry i (counted from 0). Anything else: none.
    InputField* choiceList(Request request) override;
    // (70, v): the selected entry becomes v.
    bool handleRequest(Request request) override;

    int32_t selected() const { return selected_; }

  private:
    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    int32_t selected_ = 0;
    InputField list_;
};

}  // namespace orvane
