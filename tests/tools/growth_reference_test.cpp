// Database 14 generated from the CDC 2000 files of the project: the records of both sexes hold the
// L, M and S of the files' rows at the ages the bands take (read here from the files directly),
// zeros where a measure is not used, the reference's name as the label; the content the build
// made is exactly this database; a missing file or a missing age is refused.
#include "tools/lib/growth_reference.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <string>

#include "calculators/growth_formulas.h"
#include "tests/support/cdc_reference_file.h"
#include "tests/support/content/pdb_bytes.h"

namespace orvane::tools {
namespace {

using test_support::cdcReferenceFolder;
using test_support::cdcRow;
using Row = std::map<std::string, double>;

constexpr int kRecordsPerSex = 72;

// A file and age whose L, M and S a measure takes; no file for a measure written as zeros.
struct Source {
    const char* file;
    const char* age;
};
constexpr Source kZeros = {nullptr, nullptr};

struct RecordCase {
    int band;
    bool boy;
    Source weight, length, head, bmi;
};

// The record's label and its 13 floats (age, then four L, M, S triples).
struct DecodedRecord {
    std::string label;
    int flag = -1;
    std::vector<float> floats;
};

DecodedRecord decode(const ByteVector& bytes) {
    DecodedRecord out;
    size_t at = 0;
    while (at < bytes.size() && bytes[at] != 0) out.label.push_back(static_cast<char>(bytes[at++]));
    at += 1;
    if (at < bytes.size()) out.flag = bytes[at++];
    while (at + 4 <= bytes.size()) {
        const uint32_t bits = (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
                              (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
        out.floats.push_back(std::bit_cast<float>(bits));
        at += 4;
    }
    return out;
}

void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << "band " << c.band << (c.boy ? " boys" : " girls");
}

class GrowthReferenceRecordTest : public testing::TestWithParam<RecordCase> {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        ok_ = buildGrowthReference(cdcReferenceFolder(), built_, error);
        error_ = error;
    }
    static inline CompiledSource built_;
    static inline bool ok_ = false;
    static inline std::string error_;
};

TEST_P(GrowthReferenceRecordTest, HoldsTheFileRowsAtTheBandsAges) {
    ASSERT_TRUE(ok_) << error_;
    const RecordCase& c = GetParam();
    const size_t index = static_cast<size_t>(c.band - 1 + (c.boy ? kRecordsPerSex : 0));
    ASSERT_LT(index, built_.image.records.size());
    const DecodedRecord record = decode(built_.image.records[index]);
    EXPECT_EQ(record.label, "CDC 2000 growth reference");
    EXPECT_EQ(record.flag, 0);
    ASSERT_EQ(record.floats.size(), 13u);
    EXPECT_EQ(record.floats[0], std::strtof(c.weight.age, nullptr));
    const Source sources[] = {c.weight, c.length, c.head, c.bmi};
    for (int measure = 0; measure < 4; ++measure) {
        const Source& source = sources[measure];
        const float* lms = &record.floats[1 + 3 * measure];
        if (source.file == nullptr) {
            EXPECT_EQ(lms[0], 0.0f) << measure;
            EXPECT_EQ(lms[1], 0.0f) << measure;
            EXPECT_EQ(lms[2], 0.0f) << measure;
            continue;
        }
        // File sex 1 is boys, 2 girls.
        const auto row = cdcRow(source.file, c.boy ? "1" : "2", source.age);
        ASSERT_FALSE(row.empty()) << source.file << " " << source.age;
        EXPECT_EQ(lms[0], static_cast<float>(row.at("L"))) << source.file << " " << source.age;
        EXPECT_EQ(lms[1], static_cast<float>(row.at("M"))) << source.file << " " << source.age;
        EXPECT_EQ(lms[2], static_cast<float>(row.at("S"))) << source.file << " " << source.age;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GrowthReferenceRecordTest,
    testing::Values(
        RecordCase{
            1, false, {"wtageinf.csv", "0"}, {"lenageinf.csv", "0"}, {"hcageinf.csv", "0"}, kZeros},
        RecordCase{
            1, true, {"wtageinf.csv", "0"}, {"lenageinf.csv", "0"}, {"hcageinf.csv", "0"}, kZeros},
        RecordCase{2,
                   true,
                   {"wtageinf.csv", "0.5"},
                   {"lenageinf.csv", "0.5"},
                   {"hcageinf.csv", "0.5"},
                   kZeros},
        RecordCase{14,
                   true,
                   {"wtageinf.csv", "12.5"},
                   {"lenageinf.csv", "12.5"},
                   {"hcageinf.csv", "12.5"},
                   kZeros},
        RecordCase{26,
                   false,
                   {"wtageinf.csv", "24.5"},
                   {"lenageinf.csv", "24.5"},
                   {"hcageinf.csv", "24.5"},
                   kZeros},
        RecordCase{27,
                   false,
                   {"wtageinf.csv", "25.5"},
                   {"lenageinf.csv", "25.5"},
                   {"hcageinf.csv", "25.5"},
                   {"bmiagerev.csv", "25.5"}},
        RecordCase{37,
                   true,
                   {"wtageinf.csv", "35.5"},
                   {"lenageinf.csv", "35.5"},
                   {"hcageinf.csv", "35.5"},
                   {"bmiagerev.csv", "35.5"}},
        // 3 yrs: length stops at 35.5; weight and head go on to 36; BMI at 36.5
        RecordCase{38,
                   true,
                   {"wtageinf.csv", "36"},
                   {"lenageinf.csv", "35.5"},
                   {"hcageinf.csv", "36"},
                   {"bmiagerev.csv", "36.5"}},
        RecordCase{38,
                   false,
                   {"wtageinf.csv", "36"},
                   {"lenageinf.csv", "35.5"},
                   {"hcageinf.csv", "36"},
                   {"bmiagerev.csv", "36.5"}},
        RecordCase{39,
                   false,
                   {"wtage.csv", "39.5"},
                   {"statage.csv", "39.5"},
                   kZeros,
                   {"bmiagerev.csv", "39.5"}},
        RecordCase{47,
                   true,
                   {"wtage.csv", "66.5"},
                   {"statage.csv", "66.5"},
                   kZeros,
                   {"bmiagerev.csv", "66.5"}},
        RecordCase{72,
                   true,
                   {"wtage.csv", "216.5"},
                   {"statage.csv", "216.5"},
                   kZeros,
                   {"bmiagerev.csv", "216.5"}},
        RecordCase{72,
                   false,
                   {"wtage.csv", "216.5"},
                   {"statage.csv", "216.5"},
                   kZeros,
                   {"bmiagerev.csv", "216.5"}}));

// The months a band's text names: "n mos to less than ..." gives n, "y yrs" and "y yrs m mos" give
// 12 y + m; the two birth bands give 0.
double monthsOfBandText(const std::string& text) {
    if (text.starts_with("Birth") || text.starts_with("1 month ")) return text[0] == '1' ? 1 : 0;
    const double first = std::strtod(text.c_str(), nullptr);
    if (text.find(" mos to less than ") != std::string::npos) return first;
    const size_t yrs = text.find(" yrs ");
    return 12 * first +
           (yrs == std::string::npos ? 0 : std::strtod(text.c_str() + yrs + 5, nullptr));
}

std::string ageText(double months) {
    char text[16];
    std::snprintf(text, sizeof text, "%g", months);
    return text;
}

TEST(GrowthReferenceTest, EveryBandOfBothSexesHoldsTheFileRows) {
    CompiledSource built;
    std::string error;
    ASSERT_TRUE(buildGrowthReference(cdcReferenceFolder(), built, error)) << error;
    ASSERT_EQ(built.image.records.size(), 144u);
    for (int band = 1; band <= 72; ++band) {
        // The middle of the band's first month; birth itself for band 1.
        const double middle = band == 1 ? 0 : monthsOfBandText(growthBandLabel(band).str()) + 0.5;
        const bool infant = band <= 38;
        struct Expected {
            const char* file;
            std::string age;
        };
        const Expected weight = {infant ? "wtageinf.csv" : "wtage.csv",
                                 ageText(band == 38 ? 36 : middle)};
        const Expected length = {infant ? "lenageinf.csv" : "statage.csv",
                                 ageText(band == 38 ? 35.5 : middle)};
        const Expected head = {infant ? "hcageinf.csv" : nullptr, weight.age};
        const Expected bmi = {band >= 27 ? "bmiagerev.csv" : nullptr, ageText(middle)};
        for (const bool boy : {false, true}) {
            const DecodedRecord record =
                decode(built.image.records[static_cast<size_t>(band - 1 + (boy ? 72 : 0))]);
            ASSERT_EQ(record.floats.size(), 13u);
            int at = 1;
            for (const Expected& e : {weight, length, head, bmi}) {
                const std::string where = "band " + std::to_string(band) +
                                          (boy ? " boys " : " girls ") +
                                          (e.file ? e.file : "zeros") + " " + e.age;
                const Row row = e.file ? cdcRow(e.file, boy ? "1" : "2", e.age) : Row{};
                ASSERT_TRUE(e.file == nullptr || !row.empty()) << where;
                for (const char* column : {"L", "M", "S"}) {
                    const float expected = e.file ? static_cast<float>(row.at(column)) : 0.0f;
                    EXPECT_EQ(record.floats[static_cast<size_t>(at++)], expected) << where;
                }
            }
        }
    }
}

ByteVector fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string s = text.str();
    return ByteVector(s.begin(), s.end());
}

TEST(GrowthReferenceTest, OneDatabaseOf144RecordsAndTheBuildsContentIsIt) {
    CompiledSource built;
    std::string error;
    ASSERT_TRUE(buildGrowthReference(cdcReferenceFolder(), built, error)) << error;
    EXPECT_EQ(built.fileName, "vemra6_09a.pdb");
    EXPECT_EQ(built.image.name, "CDC 2000 growth reference");
    EXPECT_EQ(built.image.records.size(), 144u);
    // The content next to the program was generated from the project's files.
    EXPECT_EQ(fileBytes(std::string(ORVANE_BIN_DIR) + "/vemra6_09a.pdb"), pdbBytes(built.image));
}

// A copy of the reference folder in a fresh folder, then the change.
std::string referenceCopy(const std::string& name) {
    const std::string dir = test_support::freshFolder(name);
    std::filesystem::copy(cdcReferenceFolder(), dir);
    return dir;
}

TEST(GrowthReferenceTest, MissingFileIsRefused) {
    const std::string dir = referenceCopy("growth_missing_file");
    std::filesystem::remove(dir + "/statage.csv");
    CompiledSource built;
    std::string error;
    EXPECT_FALSE(buildGrowthReference(dir, built, error));
    EXPECT_EQ(error, dir + "/statage.csv: cannot read the file");
}

TEST(GrowthReferenceTest, MissingAgeIsRefused) {
    const std::string dir = referenceCopy("growth_missing_age");
    // Girls' head circumference only at birth: band 2 (0.5 months) has no row.
    std::ofstream(dir + "/hcageinf.csv") << "Sex,Agemos,L,M,S\n1,0,1,35,0.05\n2,0,1,34,0.05\n";
    CompiledSource built;
    std::string error;
    EXPECT_FALSE(buildGrowthReference(dir, built, error));
    EXPECT_EQ(error,
              dir + ": the head circumference file has no row for sex 2 at 0.5 months (band 2)");
}

TEST(GrowthReferenceTest, BandThreeYearsFallsBackTo35AndAHalf) {
    const std::string dir = referenceCopy("growth_without_36");
    // The infant weight file without its rows at 36 months: band 38 takes 35.5 instead.
    std::ifstream in(dir + "/wtageinf.csv");
    std::string kept, line;
    while (std::getline(in, line)) {
        if (line.find(",36,") == std::string::npos) kept += line + "\n";
    }
    in.close();
    std::ofstream(dir + "/wtageinf.csv") << kept;
    CompiledSource built;
    std::string error;
    ASSERT_TRUE(buildGrowthReference(dir, built, error)) << error;
    const DecodedRecord girl = decode(built.image.records[38 - 1]);
    ASSERT_EQ(girl.floats.size(), 13u);
    const auto row = cdcRow("wtageinf.csv", "2", "35.5");
    EXPECT_EQ(girl.floats[0], 35.5f);  // the age of the row taken
    EXPECT_EQ(girl.floats[2], static_cast<float>(row.at("M")));
}

}  // namespace
}  // namespace orvane::tools
