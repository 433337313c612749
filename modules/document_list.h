// DocumentList: shows one fixed stored document (requests 31, 41, 43, 63), a record of the
// document table with the request's own database number. It offers no lists and acts on nothing.
#pragma once

#include "modules/module.h"

namespace orvane {

class PatientContext;

class DocumentList : public Module {
  public:
    // The four documents, each a request code of its own (and the number of its database).
    static constexpr int32_t kFirstDocumentCode = 43;   // record 0
    static constexpr int32_t kSecondDocumentCode = 31;  // record 1
    static constexpr int32_t kThirdDocumentCode = 41;   // record 2
    static constexpr int32_t kFourthDocumentCode = 63;  // record 3

    // The record shown for a module code: 43 → 0, 31 → 1, 41 → 2, 63 → 3; −1 for any other.
    static int32_t recordFor(int32_t code);

    // Reads the record's three texts (a missing table or record leaves them empty and the module
    // unavailable).
    DocumentList(PatientContext& context, Request request);

    // False when the document's record could not be read (its table is missing or damaged): the
    // screens then say the content is missing instead of showing an empty page.
    bool isAvailable() const override { return recordRead_; }
    SharedString title() const override { return title_; }
    SharedString caption() const override { return title_; }
    // The record's third text, converted from the content markup, as the page.
    const char* buildPage(int32_t view) override;
    InputField* choiceList(Request /*request*/) override { return nullptr; }
    bool handleRequest(Request /*request*/) override { return true; }

  private:
    PatientContext& context_;
    Request request_;
    SharedString unused_;
    SharedString title_;
    SharedString body_;
    bool recordRead_ = false;
};

}  // namespace orvane
