// A list module for the list screen tests: a list of given labels (all at once or one at a time,
// with entries that cannot be read) for the cases the sample content does not have.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "modules/module.h"

namespace orvane::test_support {

// A list module: labels with requests (code, index + 1); lazy lists hand out one entry per
// request (33, i); the indices in `broken` cannot be read (an answer without an entry).
class FakeListModule final : public Module {
  public:
    FakeListModule(std::vector<std::string> labels, int32_t code, bool lazy,
                   std::set<int32_t> broken = {})
        : labels_(std::move(labels)), code_(code), lazy_(lazy), broken_(std::move(broken)) {}

    bool isAvailable() const override { return true; }
    SharedString title() const override { return "Fake"; }
    SharedString caption() const override { return "Fake list"; }
    const char* buildPage(int32_t) override { return nullptr; }
    InputField* choiceList(Request request) override {
        if (moduleCode(request) == 33 && lazy_) {
            const int32_t i = value(request);
            field_.clearEntries();
            if (i < static_cast<int32_t>(labels_.size()) && broken_.count(i) == 0) {
                field_.addEntry(labels_[static_cast<size_t>(i)].c_str(), makeRequest(code_, i + 1));
            }
            return &field_;
        }
        field_.clearEntries();
        field_.label = "Fake list";
        field_.decimals = 0;
        if (lazy_) {
            field_.lazyList = 1;
            field_.max = static_cast<float>(labels_.size());
        } else {
            for (size_t i = 0; i < labels_.size(); ++i) {
                field_.addEntry(labels_[i].c_str(),
                                makeRequest(code_, static_cast<int32_t>(i) + 1));
            }
        }
        return &field_;
    }
    bool handleRequest(Request request) override {
        handled.push_back(request);
        return true;
    }

    std::vector<Request> handled;

  private:
    std::vector<std::string> labels_;
    int32_t code_;
    bool lazy_;
    std::set<int32_t> broken_;
    InputField field_;
};

}  // namespace orvane::test_support
