#include "content/content_database.h"

#include <gtest/gtest.h>

#include "content/record_cursor.h"
#include "tests/support/content/pdb_bytes.h"

namespace orvane {
namespace {

using namespace test_support;

std::unique_ptr<ContentDatabase> databaseOf(const ByteVector& bytes) {
    return std::make_unique<ContentDatabase>(std::make_unique<PdbFile>(memory(bytes)));
}

TEST(ContentDatabaseTest, HandsOutRecordsWithTheirLength) {
    auto db = databaseOf(goodPdb({{'a', 'b', 0}, {1, 2, 3, 4, 5}}));
    ASSERT_TRUE(db->isOpen());
    EXPECT_EQ(db->recordCount(), 2);
    RecordHandle record = db->getRecord(1);
    ASSERT_FALSE(record.isNull());
    EXPECT_EQ(record.length(), 5u);
    EXPECT_EQ(record.data()[4], 5);
}

TEST(ContentDatabaseTest, TwoGetRecordsInARowReleaseTheFirstBuffer) {
    auto db = databaseOf(goodPdb({{'a', 0}, {'b', 'c', 0}}));
    RecordHandle first = db->getRecord(0);
    EXPECT_EQ(first.holders(), 2);  // the caller and the database
    RecordHandle second = db->getRecord(1);
    EXPECT_EQ(first.holders(), 1);  // the database let go of it
    EXPECT_EQ(second.holders(), 2);
    // A holder keeps its bytes alive and unchanged.
    EXPECT_EQ(RecordCursor(first).readText().str(), "a");
    EXPECT_EQ(RecordCursor(second).readText().str(), "bc");
}

TEST(ContentDatabaseTest, IndexAtOrPastTheCountIsNull) {
    auto db = databaseOf(goodPdb({{1}, {2}}));
    EXPECT_TRUE(db->getRecord(2).isNull());
    EXPECT_TRUE(db->getRecord(65535).isNull());
    const uint32_t wide = 65536 + 1;
    RecordHandle wrapped = db->getRecord(static_cast<uint16_t>(wide));
    ASSERT_FALSE(wrapped.isNull());
    EXPECT_EQ(wrapped.data()[0], 2);
}

TEST(ContentDatabaseTest, EmptyRecordIsNull) {
    auto db = databaseOf(rawPdb({{{0, 2}}, {102, 102}, 110}));
    ASSERT_TRUE(db->isOpen());
    EXPECT_TRUE(db->getRecord(0).isNull());
    EXPECT_EQ(db->getRecord(1).length(), 8u);
}

TEST(ContentDatabaseTest, DamagedFileListsNoRecords) {
    // The list header announces 3 records but the entries are cut short.
    auto db = databaseOf(rawPdb({{{0, 3}}, {102}, 90}));
    EXPECT_FALSE(db->isOpen());
    EXPECT_EQ(db->recordCount(), 0);
    EXPECT_TRUE(db->getRecord(0).isNull());
}

TEST(ContentDatabaseTest, ShortReadIsTreatedAsMissing) {
    const ByteVector bytes = goodPdb({{1, 2, 3}, {4, 5, 6, 7}});
    ContentDatabase db(
        std::make_unique<PdbFile>(std::make_unique<CountingSource>(bytes, bytes.size() - 1)));
    ASSERT_TRUE(db.isOpen());
    EXPECT_FALSE(db.getRecord(0).isNull());
    EXPECT_TRUE(db.getRecord(1).isNull());
}

TEST(ContentDatabaseTest, WithoutAFileIsNotOpen) {
    ContentDatabase db(nullptr);
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.recordCount(), 0);
    EXPECT_TRUE(db.getRecord(0).isNull());
}

TEST(RecordHandleTest, CopiesShareAndReleaseTheBuffer) {
    RecordHandle a(new RecordBuffer(3));
    EXPECT_EQ(a.holders(), 1);
    {
        RecordHandle b = a;
        EXPECT_EQ(a.holders(), 2);
        EXPECT_EQ(b.data(), a.data());
        RecordHandle c;
        c = b;
        EXPECT_EQ(a.holders(), 3);
        c = std::move(b);
        EXPECT_EQ(a.holders(), 2);
    }
    EXPECT_EQ(a.holders(), 1);
    a.reset();
    EXPECT_TRUE(a.isNull());
    EXPECT_EQ(a.length(), 0u);
}

}  // namespace
}  // namespace orvane
