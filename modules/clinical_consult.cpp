#include "modules/clinical_consult.h"

#include <string_view>

#include "content/record_cursor.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

const char* sectionLabel(const SharedString& topicCode, int32_t section) {
    static constexpr const char* kDermatomes[6] = {
        "Dermatomes - Back View",    "Dermatomes - Front View",
        "Dermatomes - Motor Levels", "Assessment",
        "Plan/Treatment Options",    "Referral/References"};
    static constexpr const char* kSalterHarris[6] = {"Normal Anatomy",   "Salter-Harris I",
                                                     "Salter-Harris II", "Salter-Harris III",
                                                     "Salter-Harris IV", "Salter-Harris V"};
    static constexpr const char* kGeneral[6] = {
        "General Information", "Subjective Data Collection", "Objective Data Collection",
        "Assessment",          "Plan/Treatment Options",     "Referral/References"};
    if (topicCode.equals("D0006")) return kDermatomes[section - 1];
    if (topicCode.equals("S0005")) return kSalterHarris[section - 1];
    return kGeneral[section - 1];
}

// True when key is one of the comma-separated parts of keys (or the whole text without commas).
bool listsKey(std::string_view keys, std::string_view key) {
    size_t start = 0;
    while (true) {
        const size_t comma = keys.find(',', start);
        const std::string_view part = keys.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (part == key) return true;
        if (comma == std::string_view::npos) return false;
        start = comma + 1;
    }
}

}  // namespace

ClinicalConsult::ClinicalConsult(PatientContext& context, Request request)
    : context_(context), topics_(context.openDatabase(5)) {
    std::unique_ptr<ContentDatabase> categories = context_.openDatabase(48);
    const uint16_t count = categories->recordCount();
    for (uint16_t i = 0; i < count; ++i) {
        RecordCursor cursor(categories->getRecord(i));
        cursor.readText();
        SharedString name = cursor.readText();
        cursor.readText();
        SharedString key = cursor.readText();
        categoryList_.addEntry(std::move(name), makeRequest(kCategoryCode, i + 1, 1));
        categoryKeys_.append(std::move(key));
    }
    handleRequest(request);
}

bool ClinicalConsult::isAvailable() const {
    return topics_->isOpen();
}

void ClinicalConsult::rebuildTopics(const SharedString& key) {
    if (searched_ && key.equals(lastKey_)) return;
    searched_ = true;
    lastKey_ = key;
    topicList_.clearEntries();
    const uint16_t count = topics_->recordCount();
    for (uint16_t i = 0; i < count; ++i) {
        RecordCursor cursor(topics_->getRecord(i));
        cursor.readText();
        const SharedString keys = cursor.readText();
        SharedString title = cursor.readText();
        if (listsKey(keys.view(), key.view())) {
            topicList_.addEntry(std::move(title), makeRequest(kCode, i + 1));
        }
    }
}

void ClinicalConsult::chooseCategory(int32_t v) {
    topic_ = 0;
    // A category number beyond the table clears the choice like 0 does.
    if (v <= 0 || v > categoryList_.entries.count()) {
        category_ = 0;
        return;
    }
    category_ = v;
    categoryName_ = categoryList_.entries[v - 1].label();
    categoryKey_ = categoryKeys_[v - 1];
    rebuildTopics(categoryKey_);
}

void ClinicalConsult::readTopic() {
    RecordCursor cursor(topics_->getRecord(static_cast<uint16_t>(topic_ - 1)));
    for (SharedString& text : topicTexts_) text = cursor.readText();
    caption_ = topicTexts_[2];
    for (int32_t k = 0; k < 6; ++k) present_[k] = !topicTexts_[4 + k].empty();
}

InputField* ClinicalConsult::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 80) {
        resultsMenu_.clearEntries();
        for (int32_t k = 1; k <= 6; ++k) {
            if (present_[k - 1]) {
                resultsMenu_.addEntry(sectionLabel(topicTexts_[0], k),
                                      makeRequest(request_code::kInPage, k));
            }
        }
        resultsMenu_.label = title_;
        return &resultsMenu_;
    }
    if (code == 5) {
        mode_ = 0;
        if (categoryPosition_ < 0) {
            for (int16_t i = 0; i < categoryList_.entries.count(); ++i) {
                if (categoryList_.entries[i].label().equals(categoryName_)) {
                    categoryPosition_ = i;
                    break;
                }
            }
        }
        context_.setListPosition(categoryPosition_ < 0 ? 0 : categoryPosition_);
        categoryList_.label = "Select Category :";
        return &categoryList_;
    }
    if (code == 33 || code == 48) {
        mode_ = 1;
        chooseCategory(value(request));
        if (topicPosition_ < 0) {
            for (int16_t i = 0; i < topicList_.entries.count(); ++i) {
                if (topicList_.entries[i].label().equals(caption_)) {
                    topicPosition_ = i;
                    break;
                }
            }
        }
        const int32_t position = topicPosition_ < 0 ? 0 : topicPosition_;
        context_.setListPosition(position);
        topicList_.unit = static_cast<int16_t>(position);
        topicList_.label = categoryName_;
        return &topicList_;
    }
    return nullptr;
}

bool ClinicalConsult::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == 70) {
        if (mode_ == 0) {
            categoryPosition_ = v;
            topicPosition_ = 0;
            mode_ = 1;
            context_.setListPosition(0);
        } else {
            topicPosition_ = v;
        }
    } else if (code == 5) {
        topic_ = v;
        view_ = 0;
        title_ = "Clin. Consult";
    } else if (code == 50) {
        view_ = v;
    } else if (code == 33 || code == 48) {
        chooseCategory(v);
    }
    return true;
}

const char* ClinicalConsult::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", makeRequest(kCode, 0), 0);
    if (topic_ == 0) return nullptr;
    if (view_ == 0) {
        readTopic();
        view_ = 1;
    }
    if (view_ >= 1 && view_ <= 6) builder.appendDocument(topicTexts_[3 + view_]);
    return builder.finish();
}

}  // namespace orvane
