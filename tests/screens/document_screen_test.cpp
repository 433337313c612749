// The document screen, headless through the driver: the weight row bound to the weight the page
// asks for (typing rebuilds the page, units convert, out-of-range weights show the red message,
// a stored weight that fails its check never feeds a page), the keypad and its toggles, the view
// list and view buttons with stepping, links in the page, Enter and Left, and the caption popup.
#include "screens/document_screen.h"

#include <gtest/gtest.h>

#include "modules/module.h"
#include "modules/patient_inputs.h"
#include "rendering/page_builder.h"
#include "screens/caption_popup.h"
#include "screens/document_commands.h"
#include "shell/shell_commands.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
namespace cmd = document_command;
using test_support::StartedProgram;

// A module with a results menu of `views` entries ("View 0", ...), whose page names the view and
// carries a link to (50, 1) and one to another module. Its page asks for the weight `weightInput`.
class ViewsModule final : public Module {
  public:
    ViewsModule(PatientContext& context, int32_t views, int16_t weightInput, int16_t hideList,
                SharedString caption)
        : context_(context),
          weightInput_(weightInput),
          hideList_(hideList),
          caption_(std::move(caption)) {
        for (int32_t v = 0; v < views; ++v) {
            menu_.addEntry(SharedString("View ").append(std::to_string(v)), makeRequest(50, v));
        }
    }
    bool isAvailable() const override { return true; }
    SharedString title() const override { return "Test Docs"; }
    SharedString caption() const override { return caption_; }
    const char* buildPage(int32_t view) override {
        PageBuilder& b = context_.pageBuilder().start(true);
        b.weightInput = weightInput_;
        b.hideChoiceList = hideList_;
        const float kg = weightInput_ != 0 ? context_.weightKg(weightInput_) : 0.0f;
        b.appendText("view " + std::to_string(view) + " module view " + std::to_string(view_) +
                     " kg " + std::to_string(static_cast<int>(kg * 1000.0f + 0.5f)) + " ");
        b.appendLink(makeRequest(50, 1), "second", true, false, false);
        b.appendLink(makeRequest(12, 5), "drug", true, false, false);
        return b.finish();
    }
    InputField* choiceList(Request request) override {
        return moduleCode(request) == 80 ? &menu_ : nullptr;
    }
    bool handleRequest(Request request) override {
        handled.push_back(request);
        if (moduleCode(request) == 50) view_ = value(request);
        return true;
    }
    std::vector<Request> handled;

  private:
    PatientContext& context_;
    int16_t weightInput_;
    int16_t hideList_;
    SharedString caption_;
    InputField menu_;
    int32_t view_ = 0;
};

class DocumentScreenTest : public ::testing::Test, public StartedProgram {
  protected:
    DocumentScreenTest() : StartedProgram(GetParam240()) {}
    static int GetParam240() { return 240; }

    DocumentScreen* doc() { return screen<DocumentScreen>(); }
    std::string body() { return pageBody(doc()->view().window()); }
    void press(int32_t command) { tap(doc()->keypadButton(command)); }
    void openViews(int32_t views, int16_t weightInput, int16_t hideList,
                   SharedString caption = "Views") {
        addModule(13, [=, this](Request) {
            auto m =
                std::make_unique<ViewsModule>(patient(), views, weightInput, hideList, caption);
            last = m.get();
            return m;
        });
        navigate(makeRequest(13, 1));
        ASSERT_NE(doc(), nullptr);
    }
    ViewsModule* last = nullptr;
};

// The bolus page of Fluid Navix asks for the weight last used (the child weight, 10 kg).
TEST_F(DocumentScreenTest, BolusPageShowsTheWeightRowWithTheChildWeight) {
    navigate(makeRequest(7, 3));
    ASSERT_NE(doc(), nullptr);
    EXPECT_TRUE(doc()->weightRowShown());
    EXPECT_EQ(doc()->weightField(), &patient().childWeight());
    EXPECT_TRUE(doc()->childWeightMode());
    EXPECT_TRUE(shown(doc()->weightBox()));
    EXPECT_EQ(text(doc()->weightBox()), u"10");
    EXPECT_EQ(snap(doc()->unitList()).control.selected, 1);
    EXPECT_EQ(snap(doc()->unitList()).control.items,
              (std::vector<std::u16string>{u"Pounds", u"Kilograms", u"Grams"}));
    EXPECT_FALSE(shown(doc()->ouncesList()));
    EXPECT_EQ(snap(doc()->ouncesList()).control.items.size(), 16u);
    EXPECT_EQ(snap(doc()->ouncesList()).control.items[15], u"15 oz");
    EXPECT_EQ(ws.GetFocus(), doc()->weightBox());
    // 5 mL/kg of 10 kg.
    EXPECT_NE(body().find("Bolus of 5 mL/kg = 50 mL."), std::string::npos) << body();
}

TEST_F(DocumentScreenTest, TypingAWeightDigitByDigitRebuildsThePageEachTime) {
    navigate(makeRequest(7, 3));
    ASSERT_NE(doc(), nullptr);
    press(cmd::kClear);
    EXPECT_EQ(text(doc()->weightBox()), u"");
    EXPECT_EQ(body(), "");  // an empty box shows an empty page
    const int32_t before = doc()->buildCount();
    press(7);
    EXPECT_EQ(doc()->buildCount(), before + 1);
    EXPECT_EQ(patient().childWeight().value, 7.0f);
    EXPECT_NE(body().find("Bolus of 10 mL/kg = 70 mL."), std::string::npos) << body();
    press(0);
    EXPECT_EQ(doc()->buildCount(), before + 2);
    EXPECT_EQ(text(doc()->weightBox()), u"70");
    EXPECT_NE(body().find("Bolus of 10 mL/kg = 700 mL."), std::string::npos) << body();
    // The focus goes back to the weight box after each key.
    EXPECT_EQ(ws.GetFocus(), doc()->weightBox());
    press(cmd::kBackspace);
    EXPECT_EQ(text(doc()->weightBox()), u"7");
    press(cmd::kPoint);
    press(5);
    EXPECT_EQ(text(doc()->weightBox()), u"7.5");
    EXPECT_EQ(patient().childWeight().value, 7.5f);
}

TEST_F(DocumentScreenTest, TypingOnTheKeyboardRebuildsThePageToo) {
    navigate(makeRequest(7, 3));
    ws.SendMessage(doc()->weightBox(), EM_SETSEL, 0, -1);
    ASSERT_TRUE(driver.typeText(u"20"));
    pump();
    EXPECT_EQ(patient().childWeight().value, 20.0f);
    EXPECT_NE(body().find("Bolus of 20 mL/kg = 400 mL."), std::string::npos) << body();
}

// The maintenance page of Fluid Navix, 4 mL/kg/hr below 10 kg: a weight typed with a decimal
// comma is read whole (7,5 kg gives 30 mL/hr, not the 28 of 7 kg), and a text that is not wholly
// a number gives the weight's message and no rate.
TEST_F(DocumentScreenTest, TheWeightBoxReadsItsWholeText) {
    navigate(makeRequest(7, 4));
    ASSERT_NE(doc(), nullptr);
    const struct {
        const char16_t* typed;
        const char* shown;
    } cases[] = {
        {u"7,5", "Maint x 1 = 30 mL/hr"},  // 4 x 7.5
        {u"7.5", "Maint x 1 = 30 mL/hr"},
        {u"7", "Maint x 1 = 28 mL/hr"},  // 4 x 7
        {u"7,5,1", "Weight should be greater or equal to 0.5 kgs"},
        {u"12.5.5", "Weight should be greater or equal to 0.5 kgs"},
        {u"7a5", "Weight should be greater or equal to 0.5 kgs"},
        {u"1e1", "Weight should be greater or equal to 0.5 kgs"},
    };
    for (const auto& c : cases) {
        ws.SetFocus(doc()->weightBox());
        ws.SendMessage(doc()->weightBox(), EM_SETSEL, 0, -1);
        ASSERT_TRUE(driver.typeText(c.typed));
        pump();
        EXPECT_NE(body().find(c.shown), std::string::npos) << body();
        EXPECT_EQ(body().find("Maint x 1 = 28") != std::string::npos,
                  std::u16string_view(c.typed) == u"7")
            << body();
    }
}

// The keypad types one decimal point into the weight box, never a second one; a point that
// replaces the selected text is typed.
TEST_F(DocumentScreenTest, TheKeypadTypesNoSecondDecimalPoint) {
    navigate(makeRequest(7, 4));
    press(cmd::kClear);
    for (int32_t key : {1, 2, cmd::kPoint, 5, cmd::kPoint, 5}) press(key);
    EXPECT_EQ(text(doc()->weightBox()), u"12.55");
    EXPECT_EQ(patient().childWeight().value, 12.55f);
    ws.SetFocus(doc()->weightBox());
    ws.SendMessage(doc()->weightBox(), EM_SETSEL, 0, -1);
    press(cmd::kPoint);
    press(5);
    EXPECT_EQ(text(doc()->weightBox()), u".5");
}

// A child page refuses an adult-only weight when it is typed (child limits, not adult ones).
TEST_F(DocumentScreenTest, AnOutOfRangeWeightShowsTheRedMessage) {
    navigate(makeRequest(7, 3));
    press(cmd::kClear);
    press(2);
    press(0);
    press(0);
    EXPECT_EQ(body(), redPage("Weight should be less than or equal to 150 kgs"));
    EXPECT_EQ(framedPage(doc()->view().window()),
              std::string(kPageHeader) + redPage("Weight should be less than or equal to 150 kgs") +
                  std::string(kPageFooter));
    // The field keeps the rejected value.
    EXPECT_EQ(patient().childWeight().value, 200.0f);
    press(cmd::kBackspace);
    press(cmd::kBackspace);
    EXPECT_EQ(text(doc()->weightBox()), u"2");
    EXPECT_NE(body().find("Bolus of 5 mL/kg = 10 mL."), std::string::npos) << body();
    // In grams, a newborn's 999 g passes in child mode.
    choose(doc()->unitList(), 2);
    press(cmd::kClear);
    for (int32_t d : {9, 9, 9}) press(d);
    EXPECT_EQ(body().find("FONT color"), std::string::npos) << body();
    press(cmd::kClear);
    for (int32_t d : {4, 9, 9}) press(d);
    EXPECT_EQ(body(), redPage("Weight should be greater or equal to 500 grams"));
}

TEST_F(DocumentScreenTest, AnAdultPageUsesTheAdultLimits) {
    openViews(0, 1, 0);
    EXPECT_FALSE(doc()->childWeightMode());
    EXPECT_EQ(doc()->weightField(), &patient().adultWeight());
    EXPECT_EQ(text(doc()->weightBox()), u"70");
    press(cmd::kClear);
    for (int32_t d : {2, 0, 0}) press(d);
    EXPECT_NE(body().find("kg 200000 "), std::string::npos) << body();
    press(cmd::kClear);
    for (int32_t d : {2, 3, 0}) press(d);
    EXPECT_EQ(body(), redPage("Weight should be less than or equal to 227 kgs"));
}

TEST_F(DocumentScreenTest, UnitChangesConvertTheWeight) {
    navigate(makeRequest(7, 3));
    press(cmd::kClear);
    press(2);
    press(2);
    choose(doc()->unitList(), 0);  // 22 pounds
    EXPECT_EQ(patient().childWeight().unit, unit::kPounds);
    EXPECT_TRUE(shown(doc()->ouncesList()));
    EXPECT_EQ(text(doc()->weightBox()), u"22");
    // 22 lb / 2.2 = 10 kg.
    EXPECT_NE(body().find("Bolus of 5 mL/kg = 50 mL."), std::string::npos) << body();
    choose(doc()->ouncesList(), 8);
    EXPECT_EQ(patient().childWeight().fraction, 8);
    const float kg = (8 * 0.0625f + 22.0f) * 0.45454544f;
    EXPECT_FLOAT_EQ(patient().weightKg(2), kg);
    choose(doc()->unitList(), 2);  // 22 grams: far too small
    EXPECT_FALSE(shown(doc()->ouncesList()));
    EXPECT_EQ(body(), redPage("Weight should be greater or equal to 500 grams"));
}

TEST_F(DocumentScreenTest, AStoredWeightThatFailsItsCheckShowsTheMessageNotDoses) {
    patient().childWeight().value = 0.2f;
    navigate(makeRequest(7, 3));
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(doc()->weightMessage().str(), "Weight should be greater or equal to 0.5 kgs");
    EXPECT_EQ(body(), redPage("Weight should be greater or equal to 0.5 kgs"));
    EXPECT_EQ(text(doc()->weightBox()), u"0.2");
}

TEST_F(DocumentScreenTest, AWeightOfZeroShowsAnEmptyBox) {
    patient().childWeight().value = 0.0f;
    navigate(makeRequest(7, 3));
    EXPECT_EQ(text(doc()->weightBox()), u"");
    EXPECT_EQ(body(), redPage("Weight should be greater or equal to 0.5 kgs"));
    patient().childWeight().value = -1.0f;
    navigate(makeRequest(7, 4));
    EXPECT_EQ(text(doc()->weightBox()), u"");
}

TEST_F(DocumentScreenTest, APageWithoutWeightShowsNoRowAndTheViewerReachesDown) {
    navigate(makeRequest(7, 1));
    ASSERT_NE(doc(), nullptr);
    EXPECT_FALSE(doc()->weightRowShown());
    EXPECT_FALSE(shown(doc()->weightBox()));
    EXPECT_FALSE(shown(doc()->keypadButton(1)));
    EXPECT_FALSE(shown(doc()->keypadToggle(true)));
    EXPECT_EQ(doc()->view().placement().bottom, app().contentRect().bottom - 2);
}

TEST_F(DocumentScreenTest, KeypadToggleMovesTheWeightRowAndIsRemembered) {
    navigate(makeRequest(7, 3));
    const RECT c = app().contentRect();
    const int32_t rh = app().lineHeight() + 2;
    EXPECT_TRUE(shown(doc()->keypadButton(5)));
    EXPECT_TRUE(shown(doc()->keypadToggle(false)));
    EXPECT_FALSE(shown(doc()->keypadToggle(true)));
    EXPECT_EQ(rectOf(doc()->weightBox()).top, c.bottom + 1 - 3 * rh);
    EXPECT_EQ(doc()->view().placement().bottom, c.bottom - 2 - 3 * rh);
    tap(doc()->keypadToggle(false));
    EXPECT_EQ(patient().keypadShown(), 0);
    EXPECT_FALSE(shown(doc()->keypadButton(5)));
    EXPECT_FALSE(shown(doc()->keypadButton(cmd::kBackspace)));
    EXPECT_TRUE(shown(doc()->keypadToggle(true)));
    EXPECT_EQ(rectOf(doc()->weightBox()).top, c.bottom + 1 - rh);
    EXPECT_EQ(rectOf(doc()->weightBox()).left, c.left + 42);
    EXPECT_EQ(rectOf(doc()->unitList()).left, c.left + 78);
    EXPECT_EQ(doc()->view().placement().bottom, c.bottom - 2 - rh);
    // A new screen starts with the keypad hidden.
    navigate(makeRequest(7, 4));
    EXPECT_FALSE(doc()->keypadShown());
    EXPECT_FALSE(shown(doc()->keypadButton(5)));
    EXPECT_EQ(rectOf(doc()->weightBox()).top, c.bottom + 1 - rh);
    tap(doc()->keypadToggle(true));
    EXPECT_EQ(patient().keypadShown(), 1);
    EXPECT_EQ(rectOf(doc()->weightBox()).top, c.bottom + 1 - 3 * rh);
}

TEST_F(DocumentScreenTest, ViewListStepsAndWraps) {
    openViews(3, 0, 0);
    EXPECT_TRUE(shown(doc()->viewList()));
    EXPECT_FALSE(shown(doc()->viewButton(0)));
    EXPECT_EQ(snap(doc()->viewList()).control.items,
              (std::vector<std::u16string>{u"View 0", u"View 1", u"View 2"}));
    EXPECT_EQ(doc()->view().placement().top, app().contentRect().top + 3 * app().lineHeight());
    EXPECT_EQ(body().rfind("view 0 ", 0), 0u) << body();
    viewerKey(VK_RIGHT);
    EXPECT_EQ(doc()->currentView(), 1);
    EXPECT_EQ(snap(doc()->viewList()).control.selected, 1);
    EXPECT_EQ(body().rfind("view 1 module view 1", 0), 0u) << body();
    viewerKey(VK_RIGHT);
    viewerKey(VK_RIGHT);
    EXPECT_EQ(doc()->currentView(), 0);  // past the last view
    viewerKey(VK_LEFT);
    EXPECT_EQ(doc()->currentView(), 2);  // before the first
    choose(doc()->viewList(), 1);
    EXPECT_EQ(doc()->currentView(), 1);
    EXPECT_EQ(body().rfind("view 1 ", 0), 0u) << body();
}

TEST_F(DocumentScreenTest, ViewButtonsWithOneEntryHideTheSecond) {
    openViews(1, 0, 1);
    EXPECT_FALSE(shown(doc()->viewList()));
    EXPECT_TRUE(shown(doc()->viewButton(0)));
    EXPECT_FALSE(shown(doc()->viewButton(1)));
    EXPECT_EQ(text(doc()->viewButton(0)), u"View 0");
    EXPECT_EQ(snap(doc()->viewButton(0)).control.checkState, 1);
}

TEST_F(DocumentScreenTest, ViewButtonsChooseTheirView) {
    openViews(2, 0, 1);
    EXPECT_TRUE(shown(doc()->viewButton(1)));
    EXPECT_EQ(text(doc()->viewButton(1)), u"View 1");
    tap(doc()->viewButton(1));
    EXPECT_EQ(doc()->currentView(), 1);
    EXPECT_EQ(snap(doc()->viewButton(1)).control.checkState, 1);
    EXPECT_EQ(snap(doc()->viewButton(0)).control.checkState, 0);
    tap(doc()->viewButton(0));
    EXPECT_EQ(doc()->currentView(), 0);
}

TEST_F(DocumentScreenTest, LinksActInPageOrNavigate) {
    openViews(0, 0, 0);
    const HWND viewer = doc()->view().window();
    DocumentScreen* before = doc();
    tapLink(viewer, std::to_string(makeRequest(50, 1)));
    EXPECT_EQ(doc(), before);
    EXPECT_EQ(snap(viewer).control.anchor, "anchor");
    EXPECT_NE(body().find("module view 1"), std::string::npos) << body();
    tapLink(viewer, std::to_string(makeRequest(12, 5)));
    EXPECT_EQ(currentRequest(), makeRequest(12, 5));
    EXPECT_NE(app().currentScreen(), nullptr);
}

TEST_F(DocumentScreenTest, ARequestNoModuleAnswersSaysSoInsteadOfABlankPage) {
    // Code 9 with an argument opens a document; here no module answers it (as for a code whose
    // module this version lacks).
    addModule(9, [](Request) { return std::unique_ptr<Module>(); });
    navigate(makeRequest(9, 4));
    ASSERT_NE(doc(), nullptr);
    EXPECT_EQ(pageBody(doc()->view().window()), "This module is not available in this version.");
    EXPECT_FALSE(shown(doc()->weightBox()));
}

TEST_F(DocumentScreenTest, EnterAndLeftGoBack) {
    navigate(makeRequest(7, 1));
    navigate(makeRequest(7, 3));
    ASSERT_EQ(currentRequest(), makeRequest(7, 3));
    viewerKey(VK_RETURN);
    EXPECT_EQ(currentRequest(), makeRequest(7, 1));
    ASSERT_NE(doc(), nullptr);
    viewerKey(VK_LEFT);
    EXPECT_EQ(app().history().current(), 0);
}

TEST_F(DocumentScreenTest, CaptionPopupShowsTheWholeCaptionAndClosesByTimerOrKey) {
    const SharedString caption =
        "A very long caption that cannot fit the band <= limits & more text here";
    openViews(0, 0, 0, caption);
    pump();
    EXPECT_TRUE(shown(doc()->moreButton()));
    EXPECT_EQ(doc()->caption(),
              u"A very long caption that cannot fit the band \u2264 limits & more text here");
    const HWND focusBefore = ws.GetFocus();
    tap(doc()->moreButton());
    ASSERT_TRUE(doc()->popup().isOpen());
    const HWND popup = doc()->popup().window();
    EXPECT_EQ(ws.GetClassName(popup), kLabelClass);
    const HWND edit = ws.GetDlgItem(popup, kCaptionPopupEditId);
    EXPECT_EQ(ws.GetFocus(), edit);
    EXPECT_EQ(text(edit), doc()->caption());
    pump();
    EXPECT_TRUE(doc()->popup().isOpen());  // its own focus does not close it
    driver.advanceClock(1999);
    pump();
    EXPECT_TRUE(doc()->popup().isOpen());
    driver.advanceClock(1);
    pump();
    EXPECT_FALSE(doc()->popup().isOpen());
    EXPECT_FALSE(ws.IsWindow(popup));
    (void)focusBefore;
    EXPECT_EQ(ws.GetFocus(), doc()->moreButton());

    tap(doc()->moreButton());
    ASSERT_TRUE(doc()->popup().isOpen());
    ASSERT_TRUE(driver.key(VK_SPACE));
    pump();
    EXPECT_FALSE(doc()->popup().isOpen());
}

TEST_F(DocumentScreenTest, PaintDrawsTheBandAndTheTitle) {
    navigate(makeRequest(7, 3));
    pump();
    EXPECT_EQ(app().title(), u"Fluid Navix");
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

struct DocumentScale {
    int width;
    int height;
};

class DocumentLayoutTest : public ::testing::TestWithParam<DocumentScale>,
                           public test_support::StartedProgram {
  protected:
    DocumentLayoutTest() : StartedProgram(GetParam().width, GetParam().height) {}
};

TEST_P(DocumentLayoutTest, WeightRowKeypadAndTogglesSitWhereTheyShould) {
    navigate(makeRequest(7, 3));
    auto* doc = screen<DocumentScreen>();
    ASSERT_NE(doc, nullptr);
    const platform::RECT c = app().contentRect();
    const int32_t s = c.width() >= 360 ? 2 : 1;
    const int32_t lh = app().lineHeight();
    const int32_t rh = lh + 2;
    // The first page leaves the row where it was made; the next one lays it out.
    EXPECT_EQ(rectOf(doc->weightBox()).left, c.left + 44 * s);
    EXPECT_EQ(rectOf(doc->unitList()).left, c.left + 82 * s);
    EXPECT_EQ(rectOf(doc->ouncesList()).left, c.left + 155 * s);
    tap(doc->keypadButton(5));
    EXPECT_EQ(rectOf(doc->weightBox()).left, c.left + 42 * s);
    EXPECT_EQ(rectOf(doc->ouncesList()).left, c.left + 149 * s);
    EXPECT_EQ(rectOf(doc->weightBox()).top, c.bottom + 1 - 3 * rh);
    EXPECT_EQ(rectOf(doc->weightBox()).width(), 35 * s);
    EXPECT_EQ(rectOf(doc->unitList()).left, c.left + 78 * s);
    EXPECT_EQ(rectOf(doc->unitList()).width(), 70 * s);
    const platform::RECT one = rectOf(doc->keypadButton(1));
    // The lists are given their dropped room but stay one field high, above the keypad.
    EXPECT_LE(rectOf(doc->unitList()).bottom, one.top);
    EXPECT_LE(rectOf(doc->ouncesList()).bottom, one.top);
    EXPECT_LT(rectOf(doc->unitList()).height(), 2 * lh);
    // The label (the bolus page doses by the child weight) is drawn whole in front of the weight
    // box, in the system font.
    pump();
    bool labelDrawn = false;
    for (const platform::DrawCommand& d :
         driver.snapshotWindow(app().mainWindow()).display.commands) {
        if (d.kind != platform::DrawKind::Text || d.text != u"Child") continue;
        labelDrawn = true;
        EXPECT_FALSE(d.font.bold);
        EXPECT_EQ(d.origin.x, 2);
        EXPECT_LE(d.origin.x + d.textWidth, rectOf(doc->weightBox()).left);
        EXPECT_EQ(d.rect.top, c.bottom - 3 * rh);
    }
    EXPECT_TRUE(labelDrawn);
    EXPECT_EQ(one.left, c.left + s);
    EXPECT_EQ(one.top, c.bottom - 2 * rh);
    EXPECT_EQ(one.width(), 24 * s);
    const platform::RECT back = rectOf(doc->keypadButton(document_command::kBackspace));
    EXPECT_EQ(back.left, c.left + s + 1 + 25 * s * 6);
    EXPECT_EQ(back.top, c.bottom - rh);
    EXPECT_EQ(back.width(), 60 * s);
    EXPECT_EQ(text(doc->keypadButton(document_command::kBackspace)), u"Backsp");
    const platform::RECT toggle = rectOf(doc->keypadToggle(false));
    EXPECT_EQ(toggle.left, c.right - 24 * s - 1);
    EXPECT_EQ(toggle.top, c.bottom - rh + 2);
    EXPECT_EQ(snap(doc->keypadToggle(false)).control.bitmapId, s == 1 ? 3009 : 3010);
    EXPECT_EQ(snap(doc->keypadToggle(true)).control.bitmapId, s == 1 ? 3007 : 3008);
    EXPECT_EQ(snap(doc->moreButton()).control.bitmapId, s == 1 ? 173 : 172);
    // The more button stays on the screen: at R - 14 with the small picture, inside the right
    // edge with the large one.
    const platform::RECT more = rectOf(doc->moreButton());
    EXPECT_EQ(more.width(), s == 1 ? 13 : 32);
    EXPECT_EQ(more.right, c.right - 1);
    if (s == 1) {
        EXPECT_EQ(more.left, c.right - 14);
    }
    EXPECT_EQ(more.top, c.top + lh);
    EXPECT_EQ(doc->view().placement().top, c.top + 2 * lh);
    EXPECT_EQ(doc->view().placement().bottom, c.bottom - 2 - 3 * rh);
}

INSTANTIATE_TEST_SUITE_P(BothScales, DocumentLayoutTest,
                         ::testing::Values(DocumentScale{240, 320}, DocumentScale{480, 640}));

}  // namespace
}  // namespace orvane
