// The content check on small damaged folders, one kind of problem each: every problem is reported
// with the right file, database, record and severity; the compiled sample content reports no
// error. Also the command line: exit statuses, the JSON report and the shortened text report.
#include "tools/lib/check/content_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "tests/support/content/content_writer.h"
#include "tests/support/process_run.h"
#include "tools/lib/page_text_checks.h"

namespace orvane {
namespace {

using content_check::CheckReport;
using content_check::Finding;
using content_check::kNone;
using content_check::Severity;
using test_support::putFloat;
using test_support::putText;
using test_support::TempContentDir;
using tools::ByteVector;

// One weight keeps the sweep short; the default weights are the command line's business.
const std::vector<float> kOneWeight = {13.3f};

ByteVector textRecord(const std::vector<std::string>& texts) {
    ByteVector out;
    for (const std::string& text : texts) putText(out, text);
    return out;
}

// A record of the adult infusion table (database 3) with one concentration and one rate.
ByteVector adultDrip(float concentration, float rate) {
    ByteVector out = textRecord({"X1", "Stand-in drip", "", "mg"});
    tools::putBigEndian32(out, 1);
    putFloat(out, concentration);
    for (int i = 1; i < 5; ++i) putFloat(out, 0.0f);
    for (int i = 0; i < 5; ++i) putText(out, i == 0 ? "1 mg/mL" : "");
    tools::putBigEndian32(out, 1);
    for (int i = 0; i < 3; ++i) putFloat(out, 0.0f);  // no custom rates
    putText(out, "mL/hr");
    putFloat(out, rate);
    for (int i = 1; i < 7; ++i) putFloat(out, 0.0f);
    for (int i = 0; i < 7; ++i) putText(out, i == 0 ? "5" : "");
    for (int i = 0; i < 7; ++i) putText(out, "");
    for (int i = 0; i < 9; ++i) putText(out, "");
    out.push_back(0);
    return out;
}

// A record of the drug table (database 12) dosed per day in a stepped range: lowest, highest and
// step per kg, with a frequency code of the frequency table.
ByteVector steppedDrug(float lowest, float highest, float step) {
    ByteVector out = textRecord({"Stand-in drug", "", ""});
    out.push_back(10);  // per day, intravenous
    putText(out, "mg");
    const float perKg[4] = {lowest, highest, step, 0.0f};
    for (int o = 0; o < 4; ++o) {
        putFloat(out, perKg[o]);
        putText(out, o == 0 ? "2" : "");
        putText(out, "");
    }
    putFloat(out, 0.0f);    // concentration
    putFloat(out, 500.0f);  // maximum
    for (int i = 0; i < 3; ++i) putText(out, "");
    return out;
}

class ContentCheckTest : public ::testing::Test {
  protected:
    // The report of the folder as it is now.
    CheckReport check() {
        CheckReport report;
        EXPECT_TRUE(content_check::checkContentFolder(dir.path(), kOneWeight, report));
        return report;
    }

    // The findings of one kind in one file.
    static std::vector<Finding> found(const CheckReport& report, const std::string& file,
                                      const std::string& kind) {
        std::vector<Finding> list;
        for (const Finding& f : report.ordered()) {
            if (f.file == file && f.kind == kind) list.push_back(f);
        }
        return list;
    }

    void writeRaw(const std::string& name, const std::string& bytes) {
        std::ofstream(dir.path() + "/" + name, std::ios::binary) << bytes;
    }

    TempContentDir dir{"orvane-check"};
};

TEST_F(ContentCheckTest, AMissingFileIsAnError) {
    const CheckReport report = check();
    const std::vector<Finding> missing = found(report, "vemra6_26a.pdb", "missing-file");
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].severity, Severity::kError);
    EXPECT_EQ(missing[0].database, 49);
    EXPECT_EQ(missing[0].record, kNone);
    // Every content file of the catalogue is missing from the empty folder.
    int32_t files = 0;
    for (const Finding& f : report.ordered()) files += f.kind == "missing-file" ? 1 : 0;
    EXPECT_EQ(files, ContentCatalogue::fileCount());
}

TEST_F(ContentCheckTest, ADamagedFileIsAnError) {
    writeRaw("vemra6_04a.pdb", std::string(40, 'x'));
    const std::vector<Finding> damaged = found(check(), "vemra6_04a.pdb", "damaged-file");
    ASSERT_EQ(damaged.size(), 1u);
    EXPECT_EQ(damaged[0].severity, Severity::kError);
    EXPECT_EQ(damaged[0].database, 3);
}

// Five empty records: each is a warning; the text report shows the first few and counts the rest.
TEST_F(ContentCheckTest, EmptyRecordsAreWarningsCountedAfterTheFirstFew) {
    dir.write(3, {adultDrip(1.0f, 5.0f), {}, {}, {}, {}, {}});
    const CheckReport report = check();
    const std::vector<Finding> empty = found(report, "vemra6_04a.pdb", "empty-record");
    ASSERT_EQ(empty.size(), 5u);
    EXPECT_EQ(empty[0].severity, Severity::kWarning);
    EXPECT_EQ(empty[0].record, 1);
    EXPECT_EQ(empty[4].record, 5);
    const std::string text = report.text(dir.path());
    EXPECT_NE(text.find("  warning [empty-record] record 3: the record has no bytes"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("record 4: the record has no bytes"), std::string::npos) << text;
    EXPECT_NE(text.find("  ... and 2 more [empty-record] in this file\n"), std::string::npos)
        << text;
}

TEST_F(ContentCheckTest, AnUnknownFileIsAWarningAndAPictureAPageShowsIsNot) {
    writeRaw("notes.txt", "left behind");
    writeRaw("pic.bmp", "BM" + std::string(60, '\0'));
    dir.write(31, {textRecord({"k", "Zero", "none"}),
                   textRecord({"k", "Pictures", "A picture: <IMG src=\"pic.bmp\">"})});
    const CheckReport report = check();
    const std::vector<Finding> unknown = found(report, "", "unknown-file");
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0].severity, Severity::kWarning);
    EXPECT_EQ(unknown[0].where, "notes.txt");
    EXPECT_TRUE(found(report, "vemra6_00a.pdb", "missing-picture").empty());
}

// A fault in the body of a stored document (database 31 shows record 1): an image without a
// picture, a private code left as it is, a link that is no request number.
TEST_F(ContentCheckTest, FaultsInAStoredDocumentAreErrors) {
    const struct {
        const char* body;
        const char* kind;
        const char* named;  // a text the message or the place names
    } cases[] = {
        {"A picture: <IMG src=\"nothing.bmp\">", "missing-picture", "nothing.bmp"},
        {"An unknown code <SC id=77> stays", "raw-markup", "page 31:0"},
        {"See <A HREF=\"here\">this</A>.", "bad-link", "\"here\""},
    };
    for (const auto& c : cases) {
        dir.write(31, {textRecord({"k", "Zero", "none"}), textRecord({"k", "Document", c.body})});
        const std::vector<Finding> list = found(check(), "vemra6_00a.pdb", c.kind);
        ASSERT_EQ(list.size(), 1u) << c.kind;
        EXPECT_EQ(list[0].severity, Severity::kError) << c.kind;
        EXPECT_EQ(list[0].database, 31) << c.kind;
        EXPECT_NE((list[0].where + " " + list[0].message).find(c.named), std::string::npos)
            << list[0].where << ": " << list[0].message;
    }
}

// A failing page names the record it was built from exactly, also where the request's value is
// not a record number: module 41 shows record 2 of the shared document file, module 63 record 3.
TEST_F(ContentCheckTest, AFailingPageNamesItsRecordExactly) {
    dir.write(31, {textRecord({"k", "Zero", "none"}), textRecord({"k", "One", "none"}),
                   textRecord({"k", "Two", "Left: <SC id=77>"}),
                   textRecord({"k", "Three", "Give nan mg"})});
    const CheckReport report = check();
    const struct {
        const char* kind;
        int32_t database;
        int32_t record;
    } cases[] = {{"raw-markup", 41, 2}, {"not-a-number", 63, 3}};
    for (const auto& c : cases) {
        const std::vector<Finding> list = found(report, "vemra6_00a.pdb", c.kind);
        ASSERT_EQ(list.size(), 1u) << c.kind << "\n" << report.text(dir.path());
        EXPECT_EQ(list[0].severity, Severity::kError);
        EXPECT_EQ(list[0].database, c.database) << list[0].where;
        EXPECT_EQ(list[0].record, c.record) << list[0].where;
    }
}

TEST_F(ContentCheckTest, AnIndexEntryThatOpensNothingIsAnError) {
    ByteVector good = textRecord({"a", "Drips"});
    putText(good, std::to_string(makeRequest(3, 0)));
    ByteVector bad = textRecord({"b", "Nowhere"});
    putText(bad, std::to_string(makeRequest(127, 0)));
    dir.write(53, {good, bad});
    const std::vector<Finding> nothing = found(check(), "orvane_index.pdb", "opens-nothing");
    ASSERT_EQ(nothing.size(), 1u);
    EXPECT_EQ(nothing[0].severity, Severity::kError);
    EXPECT_EQ(nothing[0].database, 53);
    EXPECT_EQ(nothing[0].record, 1);
    EXPECT_NE(nothing[0].message.find("127:0"), std::string::npos);
}

TEST_F(ContentCheckTest, ALinkThatIsNoNumberIsAnError) {
    dir.write(31, {textRecord({"k", "Zero", "none"}),
                   textRecord({"k", "Links", "See <A HREF=\"here\">this</A>."})});
    const std::vector<Finding> bad = found(check(), "vemra6_00a.pdb", "bad-link");
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0].severity, Severity::kError);
}

TEST_F(ContentCheckTest, ARecordCutShortIsDamaged) {
    ByteVector whole = steppedDrug(10.0f, 20.0f, 5.0f);
    ByteVector cut = whole;
    cut.resize(cut.size() - 12);  // the last float and the three note texts
    dir.write(12, {whole, cut});
    const CheckReport report = check();
    const std::vector<Finding> damaged = found(report, "vemra6_12a.pdb", "damaged-record");
    ASSERT_EQ(damaged.size(), 1u);
    EXPECT_EQ(damaged[0].severity, Severity::kError);
    EXPECT_EQ(damaged[0].record, 1);

    ByteVector drip = adultDrip(1.0f, 5.0f);
    drip.pop_back();  // the rate-text kind
    dir.write(3, {adultDrip(1.0f, 5.0f), drip});
    const std::vector<Finding> drips = found(check(), "vemra6_04a.pdb", "damaged-record");
    ASSERT_EQ(drips.size(), 1u);
    EXPECT_EQ(drips[0].record, 1);
}

// Two drugs, and a drug list (database 58) that names only the first: the second is a warning.
TEST_F(ContentCheckTest, ADrugNoListLeadsToIsAWarning) {
    dir.write(12, {steppedDrug(10.0f, 20.0f, 5.0f), steppedDrug(10.0f, 20.0f, 5.0f)});
    ByteVector entry = textRecord({"a", "Stand-in drug"});
    putText(entry, std::to_string(makeRequest(12, 1)));
    dir.write(58, {entry});
    const CheckReport report = check();
    const std::vector<Finding> unreached = found(report, "vemra6_12a.pdb", "unreachable-record");
    ASSERT_EQ(unreached.size(), 1u);
    EXPECT_EQ(unreached[0].severity, Severity::kWarning);
    EXPECT_EQ(unreached[0].record, 1);
}

// Numbers that cannot make a dose, each in a record of its own.
TEST_F(ContentCheckTest, NumbersThatCannotMakeADose) {
    dir.write(3, {adultDrip(1.0f, 5.0f), adultDrip(0.0f, 5.0f), adultDrip(1.0f, -5.0f)});
    dir.write(12, {steppedDrug(10.0f, 20.0f, 5.0f), steppedDrug(30.0f, 20.0f, 5.0f),
                   steppedDrug(10.0f, 20.0f, 0.0f)});
    const CheckReport report = check();
    const struct {
        const char* file;
        const char* kind;
        int32_t record;
        const char* where;
    } cases[] = {
        {"vemra6_04a.pdb", "zero-divisor", 1, "concentration 1"},
        {"vemra6_04a.pdb", "negative-amount", 2, "rate 1"},
        {"vemra6_12a.pdb", "low-above-high", 1, "dose range"},
        {"vemra6_12a.pdb", "zero-divisor", 2, "dose step"},
    };
    for (const auto& c : cases) {
        const std::vector<Finding> list = found(report, c.file, c.kind);
        ASSERT_EQ(list.size(), 1u) << c.file << " " << c.kind;
        EXPECT_EQ(list[0].severity, Severity::kError) << c.kind;
        EXPECT_EQ(list[0].record, c.record) << c.kind;
        EXPECT_EQ(list[0].where, c.where) << c.kind;
    }
    // The sound first records give no error (no list leads to them: that is a warning).
    for (const Finding& f : report.ordered()) {
        if (f.severity == Severity::kError &&
            (f.file == "vemra6_04a.pdb" || f.file == "vemra6_12a.pdb")) {
            EXPECT_NE(f.record, 0) << f.kind;
        }
    }
}

TEST_F(ContentCheckTest, TheSampleContentHasNoError) {
    for (const auto& item : std::filesystem::directory_iterator(ORVANE_BIN_DIR)) {
        if (item.path().extension() == ".pdb") {
            std::filesystem::copy_file(item.path(), dir.path() / item.path().filename());
        }
    }
    const CheckReport report = check();
    EXPECT_FALSE(report.hasErrors()) << report.text(dir.path());
    EXPECT_EQ(report.totals().files, ContentCatalogue::fileCount());
    EXPECT_GT(report.totals().pages, 1000);
}

// What a page shows that no page may: one case per kind of fault.
TEST(PageFaultsTest, EachKindIsFoundAndSoundTextIsNot) {
    using page_text::PageFaultKind;
    const struct {
        const char* text;
        PageFaultKind kind;
    } faults[] = {
        {"Dose: nan mg", PageFaultKind::kNotANumber},
        {"rate inf mL/hr", PageFaultKind::kNotANumber},
        {"<B>0</B>&nbsp;mg", PageFaultKind::kZeroAmount},
        {"give 0-1.5 mL", PageFaultKind::kZeroAmount},
        {"= -2 mg", PageFaultKind::kNegativeAmount},
        {"A code <SC id=77> left", PageFaultKind::kRawMarkup},
        {"a template <$W*2> left", PageFaultKind::kRawMarkup},
    };
    for (const auto& c : faults) {
        const std::vector<page_text::PageFault> found = page_text::pageFaults(c.text);
        ASSERT_EQ(found.size(), 1u) << c.text;
        EXPECT_EQ(found[0].kind, c.kind) << c.text;
    }
    for (const char* sound :
         {"For infants: 10 mg", "0.5-1 J/kg", "20-30 min", "<SCRIPT>", "0.05 mL", "<B>Notes</B>"}) {
        EXPECT_TRUE(page_text::pageFaults(sound).empty()) << sound;
    }
}

test_support::ProcessRun runCheck(const std::string& arguments) {
    return test_support::runCommand(std::string("'") + ORVANE_BIN_DIR + "/orvane-content' check " +
                                    arguments);
}

TEST_F(ContentCheckTest, ExitStatusesAndReports) {
    EXPECT_EQ(runCheck("").status, 2);
    EXPECT_EQ(runCheck("'" + dir.path() + "' --weights 0,3").status, 2);
    EXPECT_EQ(runCheck("'" + dir.path() + "' --weights").status, 2);
    EXPECT_EQ(runCheck("'" + dir.path() + "/no-such-folder'").status, 2);

    // The empty folder: every file missing, an error each, and the text report counts them after
    // the first few of the kind.
    const test_support::ProcessRun text = runCheck("'" + dir.path() + "' --weights 3");
    EXPECT_EQ(text.status, 1) << text.out;
    EXPECT_NE(text.out.find("vemra6_26a.pdb (database 49)\n  error [missing-file] the file is "
                            "missing"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("errors, 0 warnings"), std::string::npos) << text.out;

    const test_support::ProcessRun json = runCheck("'" + dir.path() + "' --json --weights 3,70");
    EXPECT_EQ(json.status, 1);
    const nlohmann::json doc = nlohmann::json::parse(json.out, nullptr, false);
    ASSERT_FALSE(doc.is_discarded()) << json.out;
    int32_t missing = 0;
    for (const nlohmann::json& f : doc["findings"]) {
        if (f["kind"] != "missing-file") continue;
        ++missing;
        EXPECT_EQ(f["severity"], "error");
        EXPECT_TRUE(f["record"].is_null());
        EXPECT_TRUE(f["database"].is_number());
    }
    EXPECT_EQ(missing, ContentCatalogue::fileCount());
    EXPECT_EQ(doc["errors"].get<int>(), static_cast<int>(doc["findings"].size()));
    EXPECT_GT(doc["checked"]["links"].get<int>(), 0);

    for (const auto& item : std::filesystem::directory_iterator(ORVANE_BIN_DIR)) {
        if (item.path().extension() == ".pdb") {
            std::filesystem::copy_file(item.path(), dir.path() / item.path().filename());
        }
    }
    const test_support::ProcessRun clean = runCheck("'" + dir.path() + "' --weights 70");
    EXPECT_EQ(clean.status, 0) << clean.out;
}

}  // namespace
}  // namespace orvane
