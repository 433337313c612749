// The intubation plan: its two views, the selections page with its lists and chosen names, the
// result page for the current weight, and the values it must ignore.
#include "dosing/airway/rsi_navix_module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendering/page_builder.h"
#include "tests/support/content/airway_content.h"

namespace orvane {
namespace {

using test_support::contains;
using ContentDir = test_support::AirwayContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::setAdultWeight;

struct Fixture {
    Fixture() : session((dir.writeParalytics(), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

Request choose(int32_t list, int32_t entry) {
    return makeRequest(33, entry, list);
}

// A list as the selections page writes it while nothing is chosen from it.
std::string listText(const char* heading, int32_t list, const std::vector<std::string>& labels) {
    std::string text = std::string("<STRONG>") + heading + "</STRONG><BR>";
    for (std::size_t k = 0; k < labels.size(); ++k) {
        text += "<A HREF=\"" + std::to_string(choose(list, static_cast<int32_t>(k + 1))) +
                "\"><IMG src=\"drug\">&nbsp;" + labels[k] + "</A><BR>";
    }
    return text + "<BR>";
}

// A list as the selections page writes it once an entry is chosen (the label's spaces after the
// first become &nbsp;).
std::string chosenText(const char* label, int32_t list, const std::string& name) {
    return std::string("<STRONG>") + label + "</STRONG><A HREF=\"" +
           std::to_string(choose(list, 0)) + "\"><U>" + name + "</U></A><BR>";
}

const std::vector<std::string> kAdjuncts = {"No Adjunct",
                                            "Atropine",
                                            "Lidocaine",
                                            "Mannitol (Osmitrol)",
                                            "Atropine and Lidocaine",
                                            "Lidocaine and Mannitol"};
const std::vector<std::string> kSedatives = {"No Sedative",
                                             "Etomidate (Amidate)",
                                             "Ketamine",
                                             "Methohexital (Brevital)",
                                             "Midazolam (Versed)",
                                             "Propofol (Diprivan)",
                                             "Thiopental (Pentothal)"};
const std::vector<std::string> kNarcotics = {"No Narcotic", "Fentanyl (Sublimaze)",
                                             "Morphine Sulfate"};
const std::vector<std::string> kParalytics = {
    "No Paralytic",         "Atracurium (Tracium)",  "Cisatracurium (Nimbex)",
    "Doxacurium (Nuromax)", "Mivacurium (Mivacron)", "Pancuronium (Pavulon)",
    "Rocuronium (Zemuron)", "Succinylcholine",       "Vecuronium (Norcuron)"};

TEST(RsiNavixModuleTest, ViewsAndTheEmptySelectionsPage) {
    Fixture f;
    setAdultWeight(f.context(), 20);
    RsiNavixModule module(f.context(), makeRequest(22, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "RSI Navix");
    EXPECT_EQ(module.caption().str(), "Select Desired Medication(s):");
    EXPECT_EQ(module.choiceList(makeRequest(22, 0)), nullptr);
    InputField* views = module.choiceList(makeRequest(80, 0));
    ASSERT_NE(views, nullptr);
    ASSERT_EQ(views->entries.count(), 2);
    EXPECT_EQ(views->entries[0].label().str(), "Selections");
    EXPECT_EQ(views->entries[0].request(), makeRequest(50, 0));
    EXPECT_EQ(views->entries[1].label().str(), "Result");
    EXPECT_EQ(views->entries[1].request(), makeRequest(50, 1));

    EXPECT_EQ(pageText(module.buildPage(0)), listText("Select Adjunct :", 1, kAdjuncts) +
                                                 listText("Select Sedative :", 2, kSedatives) +
                                                 listText("Select Narcotic :", 3, kNarcotics) +
                                                 listText("Select Paralytic :", 4, kParalytics));
    EXPECT_EQ(f.context().pageBuilder().hideChoiceList, 1);
    // The weight row is that of the weight the doses are computed for.
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
}

TEST(RsiNavixModuleTest, ChoicesShowTheirNamesAndClearByTheirLink) {
    Fixture f;
    RsiNavixModule module(f.context(), makeRequest(22, 0));
    module.handleRequest(choose(1, 2));
    module.handleRequest(choose(3, 1));
    // After a chosen list the next list's heading gets a line break of its own.
    EXPECT_EQ(pageText(module.buildPage(0)),
              chosenText("Adjunct : ", 1, "Atropine") + "<BR>" +
                  listText("Select Sedative :", 2, kSedatives) +
                  chosenText("Narcotic &nbsp; : ", 3, "No Narcotic") + "<BR>" +
                  listText("Select Paralytic :", 4, kParalytics));
    module.handleRequest(choose(2, 7));
    module.handleRequest(choose(4, 8));
    EXPECT_EQ(pageText(module.buildPage(0)),
              chosenText("Adjunct : ", 1, "Atropine") +
                  chosenText("Sedative &nbsp; : ", 2, "Thiopental (Pentothal)") +
                  chosenText("Narcotic &nbsp; : ", 3, "No Narcotic") +
                  chosenText("Paralytic : ", 4, "Succinylcholine"));
    // The chosen name's link clears the choice and brings the list back.
    module.handleRequest(choose(1, 0));
    EXPECT_EQ(pageText(module.buildPage(0)).rfind(listText("Select Adjunct :", 1, kAdjuncts), 0),
              0u);
    // 22 clears everything.
    module.handleRequest(makeRequest(22, 0));
    module.handleRequest(makeRequest(50, 1));
    EXPECT_EQ(pageText(module.buildPage(1)), " ");
}

TEST(RsiNavixModuleTest, ResultPageForTheCurrentWeight) {
    Fixture f;
    RsiNavixModule module(f.context(), makeRequest(22, 0));
    module.handleRequest(makeRequest(50, 1));
    // Nothing chosen: the single space.
    setAdultWeight(f.context(), 20);
    EXPECT_EQ(pageText(module.buildPage(1)), " ");
    // Only "No Adjunct": the space and the equipment table (blue band at 20 kg).
    module.handleRequest(choose(1, 1));
    std::string page = pageText(module.buildPage(1));
    EXPECT_EQ(page.rfind(" <BR><B>Tube Sizes Weight Based :</B><BR>Color Code = (Blue)", 0), 0u)
        << page;
    // Midazolam and fentanyl at 13.3 kg: 1.33 → 1.3 and 2.66 → 2.7 mg, in 1.3 and 2.7 mL of
    // 1 mg/mL; 13.3 → 13.5 (halves) and 53.2 → 53 mcg, in 0.27 and 1.06 mL of 50 mcg/mL.
    module.handleRequest(choose(2, 5));
    module.handleRequest(choose(3, 2));
    setAdultWeight(f.context(), 13.3f);
    page = pageText(module.buildPage(1));
    EXPECT_TRUE(contains(page,
                         " <B>Midazolam:</B><BR>0.1-0.2 mg/kg = 1.3-2.7 mg.<BR>[1.3 - 2.7 "
                         "mL of 1 mg/mL soln].<BR><BR><B>Fentanyl:</B><BR>1-4 mcg/kg = "
                         "13.5-53 mcg.<BR>[0.27 - 1.06 mL of 50 mcg/mL soln].<BR><BR>"))
        << page;
    EXPECT_TRUE(contains(page, "(Yellow)")) << page;
    // Ketamine with the atropine adjunct: the adjunct's range and no block of its own.
    module.handleRequest(choose(1, 2));
    module.handleRequest(choose(2, 3));
    setAdultWeight(f.context(), 20);
    page = pageText(module.buildPage(1));
    EXPECT_TRUE(contains(page, "<B>Atropine:</B><BR>0.01-0.02 mg/kg = 0.2-0.4 mg.")) << page;
    EXPECT_FALSE(contains(page, "Atropine to blunt")) << page;
    // Back to the selections.
    module.handleRequest(makeRequest(50, 0));
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "<U>Ketamine</U>"));
}

TEST(RsiNavixModuleTest, ValuesOutsideTheListsAreIgnored) {
    Fixture f;
    setAdultWeight(f.context(), 20);
    RsiNavixModule module(f.context(), makeRequest(22, 0));
    module.handleRequest(choose(1, 3));
    module.handleRequest(choose(4, 9));
    const std::string selections = pageText(module.buildPage(0));
    for (Request request : {choose(1, 7), choose(2, 8), choose(3, 4), choose(4, 10),
                            choose(4, 0xFFFF), choose(5, 1), choose(0, 1), makeRequest(50, 2),
                            makeRequest(50, 0xFFFF), makeRequest(37, 1), makeRequest(6, 1)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(pageText(module.buildPage(0)), selections) << request;
    }
    module.handleRequest(makeRequest(50, 1));
    const std::string result = pageText(module.buildPage(1));
    for (Request request : {choose(1, 7), choose(4, 10), makeRequest(50, 3)}) {
        module.handleRequest(request);
        EXPECT_EQ(pageText(module.buildPage(1)), result) << request;
    }
}

}  // namespace
}  // namespace orvane
