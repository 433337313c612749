// The record part of the content check on small damaged tables, one kind of problem each (the
// antibiotic tables, the text-only and index tables, the fixed list ranges, the calculators'
// tables): every problem is reported with the right file, database, record, field and severity,
// and the sound records beside it give no error.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calculators/burn_area_formulas.h"
#include "content/content_catalogue.h"
#include "dosing/weight_based/otc_categories.h"
#include "tests/support/content/calculator_content.h"
#include "tests/support/content/abx_navix_content.h"
#include "tests/support/content/tyko_abx_content.h"
#include "tests/support/content/content_writer.h"
#include "tools/lib/check/check_records.h"

namespace orvane {
namespace {

using content_check::CheckReport;
using content_check::Finding;
using content_check::Severity;
using test_support::putFloat;
using test_support::putText;
using test_support::TempContentDir;
using tools::ByteVector;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

ByteVector texts(const std::vector<std::string>& fields) {
    ByteVector out;
    for (const std::string& text : fields) putText(out, text);
    return out;
}

// One finding expected: the database, record, field (or "" for the record) and kind.
struct Expected {
    int32_t database;
    int32_t record;
    const char* where;
    const char* kind;
};

class ContentCheckRecordsTest : public ::testing::Test {
  protected:
    CheckReport check() const {
        CheckReport report;
        content_check::checkRecords(ContentCatalogue(ContentFolder("", dir.path())), report);
        return report;
    }

    // Every expected finding is there, once, as an error; no other error is.
    static void expectErrors(const CheckReport& report, const std::vector<Expected>& expected) {
        for (const Expected& e : expected) {
            int32_t matches = 0;
            for (const Finding& f : report.ordered()) {
                if (f.database != e.database || f.record != e.record || f.where != e.where ||
                    f.kind != e.kind) {
                    continue;
                }
                ++matches;
                EXPECT_EQ(f.severity, Severity::kError) << e.kind;
                EXPECT_EQ(f.file, fileNameFor(static_cast<uint32_t>(e.database)));
                EXPECT_FALSE(f.message.empty());
            }
            EXPECT_EQ(matches, 1) << "database " << e.database << " record " << e.record << " "
                                  << e.where << " " << e.kind << "\n"
                                  << report.text("fixture");
        }
        EXPECT_EQ(report.count(Severity::kError), static_cast<int32_t>(expected.size()))
            << report.text("fixture");
    }

    TempContentDir dir{"orvane-check-records"};
};

TEST_F(ContentCheckRecordsTest, IvAntibioticNumbersThatCannotMakeADose) {
    using test_support::IvDrug;
    using test_support::ivRecord;
    const IvDrug sound{"A01", "Sound", 50, 100, 25, 3, 0, 6000, 1, ""};
    IvDrug backwards = sound;
    backwards.low = 150;
    IvDrug noStep = sound;
    noStep.step = 0;
    IvDrug noFrequency = sound;
    noFrequency.frequencyCode = 99;
    ByteVector cut = ivRecord(sound);
    cut.resize(cut.size() - 16);  // into the route
    dir.write(9,
              {ivRecord(sound), ivRecord(backwards), ivRecord(noStep), ivRecord(noFrequency), cut});
    expectErrors(check(), {{9, 1, "dose range", "low-above-high"},
                           {9, 2, "dose step", "zero-divisor"},
                           {9, 3, "frequency code", "code-outside-list"},
                           {9, 4, "", "damaged-record"}});
}

// An oral antibiotic's record: code, name, two texts, maximum, form, count, the concentrations
// with their flavours, three bottles each, the notes, the dose range and the frequency code.
ByteVector oralRecord(int32_t count, float firstConcentration, float low, float high, float step) {
    ByteVector r = texts({"B01", "Oral stand-in", "", ""});
    tools::putBigEndian32(r, 1000);  // maximum
    tools::putBigEndian32(r, 1);     // a liquid
    tools::putBigEndian32(r, static_cast<uint32_t>(count));
    putFloat(r, firstConcentration);
    putText(r, "cherry");
    for (int c = 1; c < 4; ++c) {
        tools::putBigEndian32(r, 0);
        putText(r, "");
    }
    for (int b = 0; b < 12; ++b) {
        if (b == 4) {
            putFloat(r, 0.0f);  // the second concentration's middle bottle is a float
        } else {
            tools::putBigEndian32(r, 100);
        }
        putText(r, "");
    }
    for (int t = 0; t < 6; ++t) putText(r, "");
    for (float f : {low, high, step}) putFloat(r, f);
    r.push_back(0);
    r.push_back(3);  // tid
    return r;
}

TEST_F(ContentCheckRecordsTest, OralAntibioticCountsAndConcentrations) {
    dir.write(47, {oralRecord(1, 250, 25, 50, 5), oralRecord(7, 250, 25, 50, 5),
                   oralRecord(1, 0, 25, 50, 5), oralRecord(1, 250, -25, 50, 5)});
    // A count of 7 reads as 4: the second concentration (0) ends the list.
    expectErrors(check(), {{47, 1, "concentration count", "count-out-of-range"},
                           {47, 1, "concentration 2", "zero-divisor"},
                           {47, 2, "concentration 1", "zero-divisor"},
                           {47, 3, "lowest dose", "negative-amount"}});
}

TEST_F(ContentCheckRecordsTest, AbxNavixCategoriesAndDoseLists) {
    using test_support::Antibiotic;
    using test_support::categoryRecord;
    using test_support::doseRecord;
    const Antibiotic sound{"Sound", 10, 0, 1, 3, 2, 1000};
    Antibiotic noCount = sound;
    noCount.count = 0;
    Antibiotic backwards = sound;
    backwards.high = 5;
    Antibiotic notANumber = sound;
    notANumber.maximum = kNaN;
    ByteVector cut = doseRecord({sound, sound}, false);
    cut.resize(cut.size() - 3);  // into the second antibiotic's maximum
    dir.write(1, {categoryRecord("Sound", "text", "1"), categoryRecord("Past", "text", "9")});
    dir.write(45, {doseRecord({}), doseRecord({sound, noCount}), doseRecord({backwards}),
                   doseRecord({notANumber}), cut});
    expectErrors(check(), {{1, 1, "dose record", "index-past-file"},
                           {45, 1, "antibiotic 2 \"Sound\" doses a day", "zero-divisor"},
                           {45, 2, "antibiotic 1 \"Sound\" dose range", "low-above-high"},
                           {45, 3, "antibiotic 1 \"Sound\" maximum", "not-a-number"},
                           {45, 4, "", "damaged-record"}});
}

// Tables of texts only: a record with fewer texts than its module reads.
TEST_F(ContentCheckRecordsTest, TextRecordsCutShort) {
    dir.write(23, {texts({"S1", "Sedative", "", "doc"}), texts({"S2", "Short", ""})});
    dir.write(17, {texts({"k", "Medicine", "a", "b", "c", "d", "e", "f", "g", "h"}),
                   texts({"k", "Medicine"})});
    // The OTC categories' fixed ranges all run past this two-record table.
    std::vector<std::string> ranges;
    for (const OtcCategory& c : kOtcCategories) {
        ranges.push_back("list \"" + std::string(c.text) + "\" (records " +
                         std::to_string(c.first - 1) + " to " + std::to_string(c.last - 1) + ")");
    }
    std::vector<Expected> expected = {{17, 1, "", "damaged-record"}, {23, 1, "", "damaged-record"}};
    for (const std::string& where : ranges)
        expected.push_back({17, content_check::kNone, where.c_str(), "range-past-file"});
    expectErrors(check(), expected);
}

TEST_F(ContentCheckRecordsTest, IndexTargetsThatAreNoNumber) {
    using test_support::indexRecord;
    ByteVector word = texts({"b", "Word", "abc"});
    dir.write(58, {indexRecord("Sound", makeRequest(12, 1)), word, texts({"c", "Cut"})});
    expectErrors(check(), {{58, 1, "target", "not-a-number"}, {58, 2, "", "damaged-record"}});
}

ByteVector burnRecord(float firstSurface, int32_t surfaces) {
    ByteVector r = texts({"Age band"});
    for (int32_t s = 0; s < surfaces; ++s) putFloat(r, s == 0 ? firstSurface : 4.5f);
    return r;
}

ByteVector growthRecord(float weightS, float lengthL) {
    ByteVector r = texts({"Reference"});
    r.push_back(0);
    putFloat(r, 1.0f);  // age
    const float lms[4][3] = {{0.5f, 10.0f, weightS}, {lengthL, 70.0f, 0.04f}, {1, 44, 0.03f}, {}};
    for (const auto& m : lms) {
        for (float v : m) putFloat(r, v);
    }
    return r;
}

TEST_F(ContentCheckRecordsTest, CalculatorTables) {
    dir.write(54, {burnRecord(9.5f, kBurnSurfaceCount), burnRecord(-1.0f, kBurnSurfaceCount),
                   burnRecord(9.5f, kBurnSurfaceCount - 2)});
    // A band without BMI curves stores three zeros: not a fault.
    dir.write(14, {growthRecord(0.1f, 1.0f), growthRecord(0.0f, 1.0f), growthRecord(0.1f, kNaN)});
    test_support::PointsRow row{"Criterion", {{"none", 0.0f}, {"some", kNaN}}};
    dir.write(56, {test_support::pointsRecord({"Criterion", {{"none", 0.0f}}}),
                   test_support::pointsRecord(row)});
    expectErrors(check(), {{54, 1, "surface 1", "negative-amount"},
                           {54, 2, "", "damaged-record"},
                           {14, 1, "weight LMS S", "zero-divisor"},
                           {14, 2, "length LMS L", "not-a-number"},
                           {56, 1, "answer 2 points", "not-a-number"}});
}

}  // namespace
}  // namespace orvane
