// The list of a table's record names: the entries from a first record on, their values counted
// from 1 by record, and the sub-code they carry.
#include "modules/record_name_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/content/content_writer.h"

namespace orvane {
namespace {

using test_support::putText;
using tools::ByteVector;

ByteVector named(const char* name) {
    ByteVector r;
    putText(r, "key");
    putText(r, name);
    return r;
}

struct Case {
    int32_t firstRecord;
    int32_t subCode;
    int16_t count;
    const char* firstLabel;
    Request firstRequest;
};

TEST(RecordNameListTest, EntriesFromAFirstRecordWithASubCode) {
    test_support::TempContentDir dir;
    dir.write(49, {named("One"), named("Two"), named("Three")});
    test_support::ContentSession session(dir.path());
    const Case cases[] = {
        {0, 0, 3, "One", makeRequest(49, 1)},
        {1, 0, 2, "Two", makeRequest(49, 2)},
        {0, 1, 3, "One", makeRequest(49, 1, 1)},
        {2, 1, 1, "Three", makeRequest(49, 3, 1)},
        {3, 0, 0, "", 0},
        {-1, 0, 3, "One", makeRequest(49, 1)},
    };
    for (const Case& c : cases) {
        auto table = session.context.openDatabase(49);
        InputField list;
        addRecordNames(list, *table, 49, c.firstRecord, c.subCode);
        ASSERT_EQ(list.entries.count(), c.count) << c.firstRecord;
        if (c.count == 0) continue;
        EXPECT_EQ(list.entries[0].label().str(), c.firstLabel) << c.firstRecord;
        EXPECT_EQ(list.entries[0].request(), c.firstRequest) << c.firstRecord;
    }
}

}  // namespace
}  // namespace orvane
