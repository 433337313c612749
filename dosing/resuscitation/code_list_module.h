// CodeListModule: the ACLS (module 2) and PALS (module 8) lists. Both read the one code-list
// table (records of four texts: key, name, document, a text not shown); ACLS lists records 1 to
// 13 and PALS records 14 to 29, by their names. The chosen record's document is the page, through
// the markup conversion, with no weight and no dose templates. It computes nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class CodeListModule : public Module {
  public:
    // The four texts of a record, in their stored order.
    enum Field : int32_t { kKey, kName, kDocument, kUnshown, kFieldCount };

    static constexpr int32_t kAclsCode = 2;
    static constexpr int32_t kPalsCode = 8;
    // The records (counted from 1) each list shows; one table holds both.
    struct ListRange {
        int32_t first;
        int32_t last;
    };
    static constexpr ListRange kAclsRecords{1, 13};
    static constexpr ListRange kPalsRecords{14, 29};

    // Opens the table of the request's module number (kept open) and lists the records of that
    // list. A request with a record of the list chooses it.
    CodeListModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override;
    SharedString caption() const override { return caption_; }
    // None while no record is chosen; else the chosen record's document.
    const char* buildPage(int32_t view) override;
    // 80: none; anything else: the list, its selection at the position remembered by (70, i).
    InputField* choiceList(Request request) override;
    // (own code, n) chooses record n (0: none); (70, i) remembers list position i. A record or
    // position that is not in the list is ignored.
    bool handleRequest(Request request) override;

  private:
    bool inList(int32_t record) const;
    void choose(int32_t record);

    PatientContext& context_;
    Request request_;
    int32_t code_;
    std::unique_ptr<ContentDatabase> table_;
    int32_t first_;  // the first and last record of the list, counted from 1
    int32_t last_;
    InputField items_;
    SharedString caption_;
    SharedString document_;
    int32_t record_ = 0;
    int32_t position_ = 0;
};

}  // namespace orvane
