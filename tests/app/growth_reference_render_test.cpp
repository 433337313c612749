// `orvane render 14:N` on the built content against the CDC 2000 files themselves: for bands of
// both sexes across the age range, the 3rd, 50th and 97th percentile rows of each table are the
// files' LMS values at Z = -1.881, 0 and 1.881 (worked out here in double precision from the CSV
// rows, to tenths) and lie within 0.1 of the publisher's P3, P50 and P97; measurements equal to
// the medians give Z = 0; the 12-month-old boy of 10 kg.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/cdc_reference_file.h"
#include "tests/support/process_run.h"

namespace {

using orvane::test_support::cdcRow;
using orvane::test_support::lmsAt;
using orvane::test_support::lmsZ;
using Row = std::map<std::string, double>;

// The median of the row as the file writes it, for typing it as a measurement.
std::string medianText(const char* file, const char* sex, const char* age) {
    const Row row = cdcRow(file, sex, age);
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", row.at("M"));
    return text;
}

// The table that starts after heading in page, up to the next heading (or the end).
std::string table(const std::string& page, const std::string& heading) {
    const std::string start = "<B>" + heading + "</B><BR>";
    const size_t at = page.find(start);
    if (at == std::string::npos) return "";
    const size_t from = at + start.size();
    const size_t end = page.find("<B>", from);
    return page.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

// The number of the row with that label ("3% = " ...) in a table; NaN when there is none.
double rowValue(const std::string& rows, const std::string& label) {
    const size_t at = ("<BR>" + rows).find("<BR>" + label);
    if (at == std::string::npos) return std::nan("");
    return std::strtod(rows.c_str() + at + label.size(), nullptr);
}

struct Measure {
    const char* heading;  // the table's heading
    const char* file;
    const char* age;
};

struct BandCase {
    int band;
    bool boy;
    std::vector<Measure> measures;  // weight, length or height, head circumference, BMI
};

void PrintTo(const BandCase& c, std::ostream* os) {
    *os << "band " << c.band << (c.boy ? " boys" : " girls");
}

class GrowthReferenceRenderTest : public testing::TestWithParam<BandCase> {};

TEST_P(GrowthReferenceRenderTest, PercentileRowsAreTheFilesValues) {
    const BandCase& c = GetParam();
    const char* sex = c.boy ? "1" : "2";  // file sex 1 is boys, 2 girls
    const bool infant = c.band <= 38;
    // The weight, the length or height and the head circumference typed as the medians.
    std::string arguments =
        std::to_string(14) + ":" + std::to_string(c.band) + " --sex " + (c.boy ? "male" : "female");
    for (size_t i = 0; i < c.measures.size() && i < (infant ? 3u : 2u); ++i) {
        const Measure& m = c.measures[i];
        arguments += " --input " + std::to_string(i + 2) + "=" + medianText(m.file, sex, m.age) +
                     (i == 0 ? "kg" : "cm");
    }
    const orvane::test_support::ProcessRun run =
        orvane::test_support::runOrvane("render " + arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& page = run.out;

    // A measurement equal to M: Z = 0.
    EXPECT_NE(page.find("Weight %tile = &nbsp;50-75% (Z = 0)"), std::string::npos) << page;
    EXPECT_NE(
        page.find(std::string(infant ? "Length" : "Height") + " %tile = &nbsp;50-75% (Z = 0)"),
        std::string::npos)
        << page;
    if (infant) {
        EXPECT_NE(page.find("Head Circ %tile = &nbsp;50-75% (Z = 0)"), std::string::npos) << page;
    }
    EXPECT_TRUE(page.ends_with("<BR><BR>CDC 2000 growth reference")) << page;

    const struct {
        const char* label;
        double z;
        const char* publisher;
    } percentiles[] = {{"3% = ", -1.881, "P3"}, {"50% = ", 0, "P50"}, {"97% = ", 1.881, "P97"}};
    for (const Measure& m : c.measures) {
        const Row row = cdcRow(m.file, sex, m.age);
        ASSERT_FALSE(row.empty()) << m.file << " " << m.age;
        const std::string rows = table(page, m.heading);
        ASSERT_FALSE(rows.empty()) << m.heading << "\n" << page;
        for (const auto& p : percentiles) {
            const double exact = lmsAt(row, p.z);
            const double shown = rowValue(rows, p.label);
            const std::string where = std::string(m.heading) + " " + p.label + m.file + " " + m.age;
            // To tenths; a value within a hair of a half may go either way in single precision.
            const double tenths = exact * 10;
            if (std::fabs(tenths - std::floor(tenths) - 0.5) < 1e-3) {
                EXPECT_TRUE(shown == std::floor(tenths) / 10 || shown == std::ceil(tenths) / 10)
                    << where << ": " << shown << " for " << exact;
            } else {
                EXPECT_DOUBLE_EQ(shown, std::round(tenths) / 10) << where << " for " << exact;
            }
            EXPECT_LE(std::fabs(shown - row.at(p.publisher)), 0.1)
                << where << ": " << shown << " against " << row.at(p.publisher);
        }
    }
}

// Table headings.
constexpr const char* kWeight = "Weight Percentiles";
constexpr const char* kLength = "Length Percentiles";
constexpr const char* kHeight = "Height Percentiles";
constexpr const char* kHead = "Head Circumference Percentiles";
constexpr const char* kBmi = "BMI Percentiles";

INSTANTIATE_TEST_SUITE_P(Cases, GrowthReferenceRenderTest,
                         testing::Values(BandCase{1,
                                                  false,
                                                  {{kWeight, "wtageinf.csv", "0"},
                                                   {kLength, "lenageinf.csv", "0"},
                                                   {kHead, "hcageinf.csv", "0"}}},
                                         BandCase{2,
                                                  true,
                                                  {{kWeight, "wtageinf.csv", "0.5"},
                                                   {kLength, "lenageinf.csv", "0.5"},
                                                   {kHead, "hcageinf.csv", "0.5"}}},
                                         BandCase{14,
                                                  true,
                                                  {{kWeight, "wtageinf.csv", "12.5"},
                                                   {kLength, "lenageinf.csv", "12.5"},
                                                   {kHead, "hcageinf.csv", "12.5"}}},
                                         BandCase{27,
                                                  false,
                                                  {{kWeight, "wtageinf.csv", "25.5"},
                                                   {kLength, "lenageinf.csv", "25.5"},
                                                   {kHead, "hcageinf.csv", "25.5"},
                                                   {kBmi, "bmiagerev.csv", "25.5"}}},
                                         BandCase{38,
                                                  true,
                                                  {{kWeight, "wtageinf.csv", "36"},
                                                   {kLength, "lenageinf.csv", "35.5"},
                                                   {kHead, "hcageinf.csv", "36"},
                                                   {kBmi, "bmiagerev.csv", "36.5"}}},
                                         BandCase{38,
                                                  false,
                                                  {{kWeight, "wtageinf.csv", "36"},
                                                   {kLength, "lenageinf.csv", "35.5"},
                                                   {kHead, "hcageinf.csv", "36"},
                                                   {kBmi, "bmiagerev.csv", "36.5"}}},
                                         BandCase{39,
                                                  false,
                                                  {{kWeight, "wtage.csv", "39.5"},
                                                   {kHeight, "statage.csv", "39.5"},
                                                   {kBmi, "bmiagerev.csv", "39.5"}}},
                                         BandCase{60,
                                                  true,
                                                  {{kWeight, "wtage.csv", "144.5"},
                                                   {kHeight, "statage.csv", "144.5"},
                                                   {kBmi, "bmiagerev.csv", "144.5"}}},
                                         BandCase{72,
                                                  true,
                                                  {{kWeight, "wtage.csv", "216.5"},
                                                   {kHeight, "statage.csv", "216.5"},
                                                   {kBmi, "bmiagerev.csv", "216.5"}}},
                                         BandCase{72,
                                                  false,
                                                  {{kWeight, "wtage.csv", "216.5"},
                                                   {kHeight, "statage.csv", "216.5"},
                                                   {kBmi, "bmiagerev.csv", "216.5"}}}));

TEST(GrowthReferenceRenderTest, TwelveMonthOldBoyOfTenKilograms) {
    // Band 14 (12 to 13 months) takes the boys' row at 12.5 months.
    const double z = lmsZ(cdcRow("wtageinf.csv", "1", "12.5"), 10);
    ASSERT_GT(z, -0.674);
    ASSERT_LT(z, 0);
    const auto run = orvane::test_support::runOrvane("render 14:14 --sex male --input 2=10kg");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string start = "Weight %tile = &nbsp;25-50% (Z = ";
    ASSERT_TRUE(run.out.starts_with(start)) << run.out;
    // Hundredths, cut toward zero for a negative score.
    EXPECT_DOUBLE_EQ(std::strtod(run.out.c_str() + start.size(), nullptr),
                     std::trunc(z * 100) / 100);
}

}  // namespace
