#include "tools/lib/content_compiler.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <string>

#include "content/content_database.h"
#include "content/record_cursor.h"
#include "tests/support/content/pdb_bytes.h"

namespace orvane::tools {
namespace {

using test_support::freshFolder;

std::string source(const std::string& records) {
    return R"({"file": "t.pdb", "name": "test", "records": )" + records + "}";
}

// Compiles the one-record source and gives the record's bytes (empty on error).
ByteVector recordBytes(const std::string& fields) {
    CompiledSource out;
    std::string error;
    if (!compileSource("s.json", source("[[" + fields + "]]"), out, error)) {
        ADD_FAILURE() << error;
        return {};
    }
    return out.image.records.at(0);
}

std::string errorOf(const std::string& json) {
    CompiledSource out;
    std::string error;
    EXPECT_FALSE(compileSource("bad.json", json, out, error)) << json;
    return error;
}

struct FieldCase {
    const char* field;
    ByteVector bytes;
};

class FieldBytesTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldBytesTest, FieldCompilesToItsBytes) {
    EXPECT_EQ(recordBytes(GetParam().field), GetParam().bytes) << GetParam().field;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldBytesTest,
    ::testing::Values(
        FieldCase{R"("ab")", {'a', 'b', 0}}, FieldCase{R"({"text": ""})", {0}},
        FieldCase{R"("\u00e9\u00ff\u0001")", {0xE9, 0xFF, 0x01, 0}},
        FieldCase{R"("\u0152\u0153")", {0x8C, 0x9C, 0}},
        FieldCase{R"("\u20ac\u2013\u0081")", {0x80, 0x96, 0x81, 0}},
        FieldCase{R"({"byte": 0})", {0}}, FieldCase{R"({"byte": 255})", {255}},
        FieldCase{R"({"long": 4294967295})", {0xFF, 0xFF, 0xFF, 0xFF}},
        FieldCase{R"({"long": 66051})", {0, 1, 2, 3}},
        // 1.5 = 0x3FC00000; -2 = 0xC0000000; 0.1 rounds to the single 0x3DCCCCCD.
        FieldCase{R"({"float": 1.5})", {0x3F, 0xC0, 0, 0}},
        FieldCase{R"({"float": -2})", {0xC0, 0, 0, 0}},
        FieldCase{R"({"float": 0.1})", {0x3D, 0xCC, 0xCC, 0xCD}},
        FieldCase{R"({"number": -5})", {'-', '5', 0}},
        FieldCase{R"({"number": 2147483647})",
                  {'2', '1', '4', '7', '4', '8', '3', '6', '4', '7', 0}},
        // 53 << 24 = 889192448; (12 << 24) + (2 << 16) + 7 = 201457671.
        FieldCase{R"({"request": [53, 0, 0]})", {'8', '8', '9', '1', '9', '2', '4', '4', '8', 0}},
        FieldCase{R"({"request": [12, 7, 2]})", {'2', '0', '1', '4', '5', '7', '6', '7', '1', 0}},
        FieldCase{R"({"hex": "00fFa0"})", {0x00, 0xFF, 0xA0}},
        FieldCase{R"("a", {"byte": 1}, "")", {'a', 0, 1, 0}}));

struct ErrorCase {
    const char* json;
    const char* expected;  // a part of the message
};

class CompileErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CompileErrorTest, ErrorNamesTheSourceAndWhatIsWrong) {
    const std::string error = errorOf(GetParam().json);
    EXPECT_EQ(error.rfind("bad.json: ", 0), 0u) << error;
    EXPECT_NE(error.find(GetParam().expected), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CompileErrorTest,
    ::testing::Values(
        ErrorCase{"{", "not valid JSON"}, ErrorCase{"[]", "JSON object"},
        ErrorCase{R"({"records": [["a"]]})", "\"file\""},
        ErrorCase{R"({"file": "a/b.pdb", "records": [["a"]]})", "plain file name"},
        ErrorCase{R"({"file": "t.pdb", "records": []})", "at least one record"},
        ErrorCase{R"({"file": "t.pdb"})", "\"records\""},
        ErrorCase{R"({"file": "t.pdb", "extra": 1, "records": [["a"]]})", "unknown key"},
        ErrorCase{
            R"({"file": "t.pdb", "name": "0123456789012345678901234567890X", "records": [["a"]]})",
            "31 bytes"},
        ErrorCase{R"({"file": "t.pdb", "records": [["a"], []]})", "record 1: a record of length 0"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"hex": ""}]]})",
                  "record 0: a record of length 0"},
        ErrorCase{R"({"file": "t.pdb", "records": ["a"]})", "record 0: a record must be an array"},
        ErrorCase{R"({"file": "t.pdb", "records": [["a", {"byte": 256}]]})",
                  "record 0 field 1: byte"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"byte": -1}]]})", "record 0 field 0: byte"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"byte": 1.5}]]})", "record 0 field 0: byte"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"long": 4294967296}]]})", "field 0: long"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"long": -1}]]})", "field 0: long"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"number": 2147483648}]]})", "field 0: number"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"float": 1e39}]]})", "single-precision"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"float": "1"}]]})", "float must be a number"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"request": [256, 0, 0]}]]})", "request"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"request": [1, 0]}]]})", "request"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"hex": "abc"}]]})", "odd number"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"hex": "zz"}]]})", "hexadecimal"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"text": "a", "byte": 1}]]})",
                  "exactly one key"},
        ErrorCase{R"({"file": "t.pdb", "records": [[{"word": 1}]]})", "unknown field kind"},
        ErrorCase{R"({"file": "t.pdb", "records": [[5]]})", "a field must be"},
        ErrorCase{R"({"file": "t.pdb", "records": [["x", "\u2264"]]})",
                  "record 0 field 1: text holds U+2264"},
        ErrorCase{R"({"file": "t.pdb", "records": [["\u008c"]]})", "U+008C"},
        ErrorCase{R"({"file": "t.pdb", "records": [["\u0100"]]})", "U+0100"},
        ErrorCase{R"({"file": "t.pdb", "records": [["\ud83d\ude00"]]})", "U+1F600"}));

TEST(ContentCompilerTest, HeaderNameIsKept) {
    CompiledSource out;
    std::string error;
    ASSERT_TRUE(compileSource("s.json", source(R"([["a"]])"), out, error)) << error;
    EXPECT_EQ(out.fileName, "t.pdb");
    EXPECT_EQ(out.image.name, "test");
}

// Build, then read back with the program's own reader and field readers.
TEST(ContentCompilerTest, RoundTripThroughTheReader) {
    CompiledSource out;
    std::string error;
    ASSERT_TRUE(compileSource("s.json", source(R"([["key", "Label \u0152", {"request": [53, 0, 0]}],
                                         [{"byte": 7}, {"long": 123456789}, {"float": 2.5},
                                          {"number": -5}],
                                         [{"hex": "4142"}]])"),
                              out, error))
        << error;
    ContentDatabase db(
        std::make_unique<PdbFile>(std::make_unique<MemoryByteSource>(pdbBytes(out.image))));
    ASSERT_TRUE(db.isOpen());
    ASSERT_EQ(db.recordCount(), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(
                  PdbFile(std::make_unique<MemoryByteSource>(pdbBytes(out.image))).header().name)),
              "test");

    RecordCursor index(db.getRecord(0));
    EXPECT_EQ(index.readText().str(), "key");
    EXPECT_EQ(index.readText().str(), "Label \x8C");
    EXPECT_EQ(index.readNumberText(), 53 << 24);

    RecordCursor numbers(db.getRecord(1));
    EXPECT_EQ(numbers.readByte(), 7);
    EXPECT_EQ(numbers.readLong(), 123456789u);
    EXPECT_EQ(numbers.readFloat(), 2.5f);
    EXPECT_EQ(numbers.readNumberText(), -5);

    RecordHandle raw = db.getRecord(2);
    ASSERT_EQ(raw.length(), 2u);
    EXPECT_EQ(raw.data()[0], 'A');
}

TEST(ContentCompilerTest, WrittenFileFollowsTheLayout) {
    PdbImage image;
    image.name = "n";
    image.records = {{1, 2}, {3}};
    const ByteVector bytes = pdbBytes(image);
    // 72 header + 6 list header + 2 entries + 2 gap bytes, then 3 record bytes.
    ASSERT_EQ(bytes.size(), 72u + 6 + 16 + 2 + 3);
    EXPECT_EQ(ByteVector(bytes.begin() + 72, bytes.begin() + 78), (ByteVector{0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(ByteVector(bytes.begin() + 78, bytes.begin() + 82), (ByteVector{0, 0, 0, 96}));
    EXPECT_EQ(ByteVector(bytes.begin() + 86, bytes.begin() + 90), (ByteVector{0, 0, 0, 98}));
}

TEST(BuildContentTest, WritesEveryFileAndNoTemporaries) {
    const std::string src = freshFolder("build_ok_src");
    const std::string out = freshFolder("build_ok_out") + "/nested";
    test_support::writeFile(src + "/a.json", [] {
        const std::string s = R"({"file": "a.pdb", "records": [["x"]]})";
        return ByteVector(s.begin(), s.end());
    }());
    test_support::writeFile(src + "/b.json", [] {
        const std::string s = R"({"file": "b.pdb", "records": [[{"byte": 1}], [{"byte": 2}]]})";
        return ByteVector(s.begin(), s.end());
    }());
    std::string errors;
    ASSERT_TRUE(buildContent(src, out, errors)) << errors;
    EXPECT_TRUE(std::filesystem::exists(out + "/a.pdb"));
    EXPECT_EQ(PdbFile(ContentFolder("", out), "b.pdb").recordCount(), 2);
    int files = 0;
    for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(out)) ++files;
    EXPECT_EQ(files, 2);
}

TEST(BuildContentTest, AnErrorWritesNothing) {
    const std::string src = freshFolder("build_bad_src");
    const std::string out = freshFolder("build_bad_out");
    const std::string good = R"({"file": "a.pdb", "records": [["x"]]})";
    const std::string bad = R"({"file": "b.pdb", "records": [["x", {"byte": 300}]]})";
    test_support::writeFile(src + "/a.json", ByteVector(good.begin(), good.end()));
    test_support::writeFile(src + "/b.json", ByteVector(bad.begin(), bad.end()));
    std::string errors;
    EXPECT_FALSE(buildContent(src, out, errors));
    EXPECT_NE(errors.find("b.json: record 0 field 1: byte"), std::string::npos) << errors;
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

TEST(BuildContentTest, TwoSourcesForOneFileAreRefused) {
    const std::string src = freshFolder("build_dup_src");
    const std::string out = freshFolder("build_dup_out");
    const std::string s = R"({"file": "a.pdb", "records": [["x"]]})";
    test_support::writeFile(src + "/a.json", ByteVector(s.begin(), s.end()));
    test_support::writeFile(src + "/b.json", ByteVector(s.begin(), s.end()));
    std::string errors;
    EXPECT_FALSE(buildContent(src, out, errors));
    EXPECT_NE(errors.find("also made by"), std::string::npos) << errors;
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

}  // namespace
}  // namespace orvane::tools
