// NavigationHistory: the linear browser-like history of what the user opened (the home list and
// requests) with its cursor, and showing the current entry through the application shell. It
// makes no screens itself and keeps no entry objects (the history list decodes copies).
#pragma once

#include <cstdint>
#include <memory>

#include "shell/history_list.h"

namespace orvane {

class AppShell;

class NavigationHistory {
  public:
    // Takes the list (a null list makes every operation fatal: "NULL impl_"); current starts at
    // the list's last record (−1 when it is empty).
    NavigationHistory(std::unique_ptr<HistoryList> list, AppShell& shell);

    // A new copy of the current entry (null when there is none).
    std::unique_ptr<HistoryEntry> currentEntry() const;
    bool atBottom() const { return current_ == 0; }
    bool atTop() const { return current_ + 1 == list().count(); }
    // Fatal "Current already at top" / "Current already at bottom" past either end.
    void stepForward();
    void stepBack();
    // Drops every record ahead of current, appends the entry and makes it current.
    void push(const HistoryEntry& entry);
    void clear();
    // Shows the current entry: the module list for a home entry, the screen factory for a
    // request entry.
    void showCurrent();

    int16_t current() const { return current_; }
    int32_t count() const { return list().count(); }
    HistoryList& list() const;

  private:
    std::unique_ptr<HistoryList> list_;
    AppShell& shell_;
    int16_t current_ = -1;
};

}  // namespace orvane
