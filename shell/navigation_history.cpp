#include "shell/navigation_history.h"

#include "foundation/fatal.h"
#include "shell/app_shell.h"

namespace orvane {

NavigationHistory::NavigationHistory(std::unique_ptr<HistoryList> list, AppShell& shell)
    : list_(std::move(list)), shell_(shell) {
    if (list_) current_ = static_cast<int16_t>(list_->count() - 1);
}

HistoryList& NavigationHistory::list() const {
    if (!list_) fatalError("NULL impl_");
    return *list_;
}

std::unique_ptr<HistoryEntry> NavigationHistory::currentEntry() const {
    return list().get(current_);
}

void NavigationHistory::stepForward() {
    if (current_ + 1 >= list().count()) fatalError("Current already at top");
    ++current_;
}

void NavigationHistory::stepBack() {
    if (current_ == 0) fatalError("Current already at bottom");
    --current_;
}

void NavigationHistory::push(const HistoryEntry& entry) {
    HistoryList& records = list();
    while (records.count() > current_ + 1) records.removeLast();
    records.append(entry);
    current_ = static_cast<int16_t>(records.count() - 1);
}

void NavigationHistory::clear() {
    list().clear();
    current_ = -1;
}

void NavigationHistory::showCurrent() {
    const std::unique_ptr<HistoryEntry> entry = currentEntry();
    if (!entry) return;
    if (entry->kind() == history_kind::kHome) {
        shell_.DisplayScreen(static_cast<int32_t>(0));
    } else {
        shell_.DisplayScreen(static_cast<const RequestEntry&>(*entry).request());
    }
}

}  // namespace orvane
