// History entries and their byte encoding, the history list's copy-on-read records, and the
// navigation history's cursor with its fatal ends.
#include <gtest/gtest.h>

#include "shell/app_shell.h"
#include "shell/history_list.h"
#include "shell/navigation_history.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes encoded(const HistoryEntry& entry) {
    Bytes out(static_cast<size_t>(entry.encodedSize()));
    entry.encode(out.data());
    return out;
}

// Records what the history asks of the shell.
class RecordingShell final : public AppShell {
  public:
    void Initialise() override {}
    int32_t PassThrough(int32_t value) override { return value; }
    void Run() override {}
    void DisplayScreen(int32_t flag) override { shown.push_back(flag == 0 ? -1 : -2); }
    void DisplayScreen(Request request) override { shown.push_back(static_cast<int64_t>(request)); }
    void ShowDisclaimer(int32_t) override {}
    void ShowError(int32_t kind, const SharedString& text) override {
        errors.push_back(kind);
        errorTexts.push_back(text.str());
    }
    void ShowSplash() override {}
    void EndSplash() override {}
    int64_t CurrentTime() override { return 0; }
    void StepPage(int32_t) override {}

    std::vector<int64_t> shown;  // -1 for the module list
    std::vector<int32_t> errors;
    std::vector<std::string> errorTexts;
};

TEST(HistoryEntry, HomeEntryEncoding) {
    const HomeEntry home;
    EXPECT_EQ(home.kind(), 0);
    EXPECT_EQ(home.encodedSize(), 7);
    EXPECT_EQ(encoded(home), (Bytes{0, 0, 0, 0, 0, 0, 0}));

    // Numbers little-endian, only the low 16 bits of the third, the text and a zero byte.
    const HomeEntry other(0x0102, -2, "ab", 0x12345678);
    EXPECT_EQ(other.encodedSize(), 9);
    EXPECT_EQ(encoded(other), (Bytes{0x02, 0x01, 0xFE, 0xFF, 0x78, 0x56, 'a', 'b', 0}));
}

TEST(HistoryEntry, RequestEntryEncoding) {
    const RequestEntry entry(0x0C050007u);
    EXPECT_EQ(entry.kind(), 1);
    EXPECT_EQ(entry.encodedSize(), 8);
    EXPECT_EQ(encoded(entry), (Bytes{0x07, 0x00, 0x05, 0x0C, 0, 0, 0, 0}));
    const RequestEntry numbered(0x01000000u, 3, -1);
    EXPECT_EQ(encoded(numbered), (Bytes{0, 0, 0, 1, 3, 0, 0xFF, 0xFF}));
}

TEST(HistoryEntry, RecordableCodes) {
    std::vector<int32_t> expected;
    for (int32_t c = 1; c <= 27; ++c) expected.push_back(c);
    for (int32_t c : {30, 31, 32, 33, 37, 39, 41, 43, 46, 47, 48, 49, 53, 57, 59, 60, 63}) {
        expected.push_back(c);
    }
    std::vector<int32_t> actual;
    for (int32_t c = 0; c < 256; ++c) {
        if (isRecordableCode(c)) actual.push_back(c);
        EXPECT_EQ(makeRequestEntry(makeRequest(c, 5)) != nullptr, isRecordableCode(c)) << c;
    }
    EXPECT_EQ(actual, expected);
    EXPECT_FALSE(isRecordableCode(28));
    EXPECT_FALSE(isRecordableCode(87));
}

TEST(HistoryList, RecordsAreKindWordAndEncoding) {
    HistoryList list(nullptr);
    list.append(HomeEntry());
    list.append(RequestEntry(makeRequest(12, 5)));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.record(0), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list.record(1), (Bytes{1, 0, 0, 0, 5, 0, 0, 12, 0, 0, 0, 0}));
}

TEST(HistoryList, GetDecodesIndependentCopies) {
    HistoryList list(nullptr);
    list.append(RequestEntry(makeRequest(4, 7)));
    std::unique_ptr<HistoryEntry> a = list.get(0);
    std::unique_ptr<HistoryEntry> b = list.get(0);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a.get(), b.get());
    EXPECT_EQ(static_cast<RequestEntry&>(*a).request(), makeRequest(4, 7));
    EXPECT_EQ(list.get(-1), nullptr);

    list.replace(0, HomeEntry(1, 2, "xyz", 3));
    std::unique_ptr<HistoryEntry> home = list.get(0);
    ASSERT_EQ(home->kind(), 0);
    const auto& h = static_cast<HomeEntry&>(*home);
    EXPECT_EQ(h.first(), 1);
    EXPECT_EQ(h.second(), 2);
    EXPECT_EQ(h.text().str(), "xyz");
    EXPECT_EQ(h.number(), 3);
    // The first copy is untouched by the replacement.
    EXPECT_EQ(a->kind(), 1);
}

TEST(HistoryList, UnrecordableRecordShowsInvalidDocumentType) {
    RecordingShell shell;
    HistoryList list(&shell);
    // A request record can only hold a recordable code; forge one through replace of a request.
    list.append(RequestEntry(makeRequest(28, 1)));
    EXPECT_EQ(list.get(0), nullptr);
    EXPECT_EQ(shell.errors, std::vector<int32_t>{0});
    EXPECT_EQ(shell.errorTexts, std::vector<std::string>{""});
}

TEST(HistoryList, RemoveLastAndClear) {
    HistoryList list(nullptr);
    for (int i = 1; i <= 9; ++i) list.append(RequestEntry(makeRequest(i, 0)));
    list.removeLast();
    EXPECT_EQ(list.count(), 8);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    list.removeLast();
    EXPECT_EQ(list.count(), 0);
}

TEST(HistoryListDeath, IndexBeyondCountIsFatal) {
    HistoryList list(nullptr);
    list.append(HomeEntry());
    EXPECT_EXIT(list.get(1), ::testing::ExitedWithCode(1), "Index out of range");
    EXPECT_EXIT(list.replace(1, HomeEntry()), ::testing::ExitedWithCode(1), "Index out of range");
}

TEST(NavigationHistory, PushDropsTheEntriesAhead) {
    RecordingShell shell;
    NavigationHistory history(std::make_unique<HistoryList>(&shell), shell);
    EXPECT_EQ(history.current(), -1);
    history.push(HomeEntry());
    history.push(RequestEntry(makeRequest(1, 0)));  // A
    history.push(RequestEntry(makeRequest(2, 0)));  // B
    history.stepBack();                             // back to A
    EXPECT_EQ(history.current(), 1);
    history.push(RequestEntry(makeRequest(3, 0)));  // C
    ASSERT_EQ(history.count(), 3);
    EXPECT_EQ(history.current(), 2);
    EXPECT_TRUE(history.atTop());
    EXPECT_EQ(static_cast<RequestEntry&>(*history.list().get(1)).request(), makeRequest(1, 0));
    EXPECT_EQ(static_cast<RequestEntry&>(*history.list().get(2)).request(), makeRequest(3, 0));
}

TEST(NavigationHistory, ShowCurrentByKind) {
    RecordingShell shell;
    NavigationHistory history(std::make_unique<HistoryList>(&shell), shell);
    history.push(HomeEntry());
    history.showCurrent();
    history.push(RequestEntry(makeRequest(12, 4)));
    history.showCurrent();
    EXPECT_EQ(shell.shown, (std::vector<int64_t>{-1, static_cast<int64_t>(makeRequest(12, 4))}));
}

TEST(NavigationHistory, StartsAtTheLastRecord) {
    RecordingShell shell;
    auto list = std::make_unique<HistoryList>(&shell);
    list->append(HomeEntry());
    list->append(RequestEntry(makeRequest(5, 0)));
    NavigationHistory history(std::move(list), shell);
    EXPECT_EQ(history.current(), 1);
    EXPECT_FALSE(history.atBottom());
    EXPECT_TRUE(history.atTop());
    history.clear();
    EXPECT_EQ(history.current(), -1);
    EXPECT_EQ(history.count(), 0);
}

TEST(NavigationHistoryDeath, SteppingPastTheEndsIsFatal) {
    RecordingShell shell;
    NavigationHistory history(std::make_unique<HistoryList>(&shell), shell);
    history.push(HomeEntry());
    EXPECT_EXIT(history.stepForward(), ::testing::ExitedWithCode(1), "Current already at top");
    EXPECT_EXIT(history.stepBack(), ::testing::ExitedWithCode(1), "Current already at bottom");
}

TEST(NavigationHistoryDeath, MissingListIsFatal) {
    RecordingShell shell;
    NavigationHistory history(nullptr, shell);
    EXPECT_EXIT(history.push(HomeEntry()), ::testing::ExitedWithCode(1), "NULL impl_");
}

}  // namespace
}  // namespace orvane
