// The calculator screen, headless through the driver: the form built from a formula calculator's
// and a scoring calculator's inputs computes live, out-of-range values show the red message,
// "Clear All" resets it, patient inputs (sex, age, weight with units) and choice lists feed the
// result, a date goes through the month calendar, the form holds more than nine inputs, the
// layout at both scales, and Left/Right step the history without deleting the screen inside its
// own handler.
#include "screens/calculator_screen.h"

#include <gtest/gtest.h>

#include "modules/module.h"
#include "modules/patient_inputs.h"
#include "rendering/page_builder.h"
#include "screens/calculator_commands.h"
#include "shell/shell_commands.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
namespace cmd = calculator_command;
using test_support::StartedProgram;

class CalculatorScreenTest : public ::testing::Test, public StartedProgram {
  protected:
    CalculatorScreen* calc() { return screen<CalculatorScreen>(); }
    std::string body() { return pageBody(calc()->view().window()); }
    HWND box(int32_t input) { return calc()->controlsOf(input).value; }
    void press(int32_t command) { tap(calc()->keypadButton(command)); }
    // Focuses a box and types its text on the keypad.
    void typeInto(int32_t input, const std::string& digits) {
        tap(box(input));
        for (const char ch : digits) {
            press(ch == '.' ? cmd::kPoint : cmd::kDigitBase + (ch - '0'));
        }
    }
    bool contains(const std::string& text) { return body().find(text) != std::string::npos; }
};

TEST_F(CalculatorScreenTest, FormulaCalculatorComputesLiveAndClearAllResets) {
    navigate(makeRequest(4, 12));  // corrected calcium: calcium 2-20 mg/dL, albumin 0.1-10 g/dL
    ASSERT_NE(calc(), nullptr);
    ASSERT_EQ(calc()->inputCount(), 2);
    EXPECT_EQ(text(calc()->controlsOf(0).label), u"Calcium");
    EXPECT_EQ(text(calc()->controlsOf(0).units), u"mg/dL");
    EXPECT_EQ(text(box(0)), u"");
    EXPECT_EQ(ws.GetFocus(), box(0));
    typeInto(0, "10");
    EXPECT_EQ(body(), "");  // albumin still empty: no result, no message
    EXPECT_EQ(calc()->focusPosition(), 1);
    typeInto(1, "2");
    // 10 + 0.8 x (4 - 2) = 11.6
    EXPECT_TRUE(contains("Corrected calcium = <STRONG>11.6&nbsp;</STRONG> mg/dL")) << body();
    press(cmd::kPoint);
    press(cmd::kDigitBase + 5);
    // 10 + 0.8 x 1.5 = 11.2
    EXPECT_TRUE(contains("Corrected calcium = <STRONG>11.2&nbsp;</STRONG> mg/dL")) << body();

    press(cmd::kClearAll);
    EXPECT_EQ(text(box(0)), u"");
    EXPECT_EQ(text(box(1)), u"");
    EXPECT_EQ(body(), "");
    EXPECT_EQ(calc()->focusPosition(), 0);
}

TEST_F(CalculatorScreenTest, AValueOutOfRangeShowsTheRedMessage) {
    navigate(makeRequest(4, 12));
    typeInto(1, "2");
    typeInto(0, "25");
    EXPECT_EQ(body(), redPage("Calcium\r\nMust be in range 2 to 20 mg/dL"));
    EXPECT_EQ(calc()->lastError().str(), redPage("Calcium\r\nMust be in range 2 to 20 mg/dL"));
    EXPECT_FALSE(calc()->checksPassed());
    press(cmd::kBackspace);
    EXPECT_TRUE(contains("Corrected calcium = <STRONG>3.6&nbsp;</STRONG> mg/dL"))
        << body();  // 2 + 0.8 x 2
    press(cmd::kClear);
    EXPECT_EQ(text(box(0)), u"");
    EXPECT_EQ(body(), "");
}

// Mean arterial pressure, (2 x diastolic + systolic) / 3: the systolic box is read whole. "12a0"
// is not taken as 12 (which would give 57): the box gets its red message and there is no result.
TEST_F(CalculatorScreenTest, EveryTypedNumberIsTheWholeTextOfItsBox) {
    navigate(makeRequest(4, 23));
    ASSERT_NE(calc(), nullptr);
    ASSERT_EQ(text(calc()->controlsOf(0).label), u"Systolic BP");
    typeInto(1, "80");
    const std::string refused = redPage("Systolic BP\r\nMust be in range 1 to 300 mmHg");
    const struct {
        const char16_t* typed;
        std::string shown;
    } cases[] = {
        {u"120", "Mean arterial pressure = <STRONG>93&nbsp;"},    // (160 + 120) / 3 = 93.3
        {u"121,5", "Mean arterial pressure = <STRONG>94&nbsp;"},  // (160 + 121.5) / 3 = 93.8
        {u"12a0", refused},
        {u"1e2", refused},
        {u"12.5.5", refused},
        {u"7,5,1", refused},
        {u"120 ", refused},
        {u" 120", refused},
    };
    for (const auto& c : cases) {
        tap(box(0));
        ws.SendMessage(box(0), EM_SETSEL, 0, -1);
        ASSERT_TRUE(driver.typeText(c.typed));
        pump();
        if (c.shown == refused) {
            EXPECT_EQ(body(), refused) << body();
            EXPECT_FALSE(calc()->checksPassed());
        } else {
            EXPECT_NE(body().find(c.shown), std::string::npos) << body();
        }
    }
}

// A patient box whose text is not a number gets the box's own message (its lower limit) and the
// patient value is not the number the text starts with.
TEST_F(CalculatorScreenTest, APatientBoxThatIsNotANumberGetsItsMessage) {
    navigate(makeRequest(4, 16));
    typeInto(1, "40");
    tap(box(2));
    ASSERT_TRUE(driver.typeText(u"15o"));
    pump();
    EXPECT_EQ(body(), redPage("Weight should be greater or equal to 2 lbs"));
    EXPECT_EQ(calc()->focusPosition(), 2);
    EXPECT_EQ(patient().calcWeight().value, 0.0f);
    // The age box takes only digits when typed; a text set into it is read whole too.
    ws.SetWindowText(box(1), u"4,0,1");
    pump();
    EXPECT_EQ(body(), redPage("Age should be greater or equal to 1 yr"));
    EXPECT_EQ(calc()->focusPosition(), 1);
}

// The boxes tell a front end what keyboard fits them: a number box and the weight take a decimal
// number, the age digits only.
TEST_F(CalculatorScreenTest, NumberBoxesSayWhatTheyTake) {
    navigate(makeRequest(4, 16));
    ASSERT_NE(calc(), nullptr);
    const auto style = [&](int32_t input) {
        return static_cast<DWORD>(ws.GetWindowLongPtr(box(input), GWL_STYLE));
    };
    EXPECT_NE(style(0) & ES_DECIMAL, 0u);
    EXPECT_EQ(style(1) & (ES_DECIMAL | ES_NUMBER), ES_NUMBER);
    EXPECT_NE(style(2) & ES_DECIMAL, 0u);
}

TEST_F(CalculatorScreenTest, TheKeypadTypesNoSecondDecimalPoint) {
    navigate(makeRequest(4, 12));
    typeInto(1, "2");
    typeInto(0, "9.5.8");
    EXPECT_EQ(text(box(0)), u"9.58");
    // 9.58 + 0.8 x (4 - 2) = 11.18
    EXPECT_TRUE(contains("Corrected calcium = <STRONG>11.2&nbsp;</STRONG>")) << body();
}

TEST_F(CalculatorScreenTest, ScoringCalculatorWithCheckBoxes) {
    navigate(makeRequest(4, 35));  // TIMI: seven check boxes
    ASSERT_EQ(calc()->inputCount(), 7);
    // The age criterion is 65 or over, written with the greater-or-equal sign as the others.
    EXPECT_EQ(text(box(0)), u"Age \u2265 65 years");
    EXPECT_EQ(text(box(1)), u"\u2265 3 cardiac risk factors");
    EXPECT_EQ(ws.GetDlgCtrlID(box(6)), cmd::kCheckBoxBase + 6);
    tap(box(0));
    EXPECT_TRUE(contains("TIMI risk score = <STRONG>1&nbsp;</STRONG> of 7")) << body();
    tap(box(2));
    tap(box(6));
    EXPECT_TRUE(contains("TIMI risk score = <STRONG>3&nbsp;</STRONG> of 7")) << body();
    tap(box(2));
    EXPECT_TRUE(contains("TIMI risk score = <STRONG>2&nbsp;</STRONG> of 7")) << body();
    press(cmd::kClearAll);
    for (int32_t i = 0; i < 7; ++i) EXPECT_EQ(snap(box(i)).control.checkState, 0) << i;
    EXPECT_TRUE(contains("TIMI risk score = <STRONG>0&nbsp;</STRONG> of 7")) << body();
}

// Creatinine clearance: sex, age, calculator weight, a number and a choice list of units.
TEST_F(CalculatorScreenTest, PatientInputsAndAChoiceListFeedTheResult) {
    navigate(makeRequest(4, 16));
    ASSERT_EQ(calc()->inputCount(), 5);
    const CalculatorScreen::InputControls& sex = calc()->controlsOf(0);
    EXPECT_EQ(text(sex.label), u"Gender:");
    EXPECT_EQ(snap(sex.value).control.checkState, 1);  // male
    EXPECT_EQ(snap(sex.extra).control.checkState, 0);
    EXPECT_EQ(calc()->focusPosition(), 1);  // the first control is the "Male" box
    EXPECT_EQ(text(calc()->controlsOf(1).label), u"Age (years):");
    const CalculatorScreen::InputControls& weight = calc()->controlsOf(2);
    EXPECT_EQ(ws.GetDlgCtrlID(weight.value), cmd::kCalcWeightBox);
    EXPECT_EQ(snap(weight.extra).control.selected, 0);  // pounds after binding
    EXPECT_TRUE(shown(weight.extra2));                  // ounces for pounds
    EXPECT_EQ(patient().calcWeight().max, 999999.0f);
    const HWND units = box(4);
    EXPECT_EQ(ws.GetDlgCtrlID(units), cmd::kChoiceListBase + 4);
    EXPECT_EQ(snap(units).control.items, (std::vector<std::u16string>{u"mg/dL", u"\u00B5mol/L"}));

    typeInto(1, "40");
    choose(weight.extra, 1);  // kilograms
    EXPECT_FALSE(shown(weight.extra2));
    typeInto(2, "70");
    typeInto(3, "1");
    // (140 - 40) x 70 / (1 x 71.94) = 97.30
    EXPECT_TRUE(contains("Creatinine clearance = <STRONG>97.3&nbsp;</STRONG> mL/min")) << body();
    tap(sex.extra);  // female: x 0.85
    EXPECT_EQ(patient().sex().unit, 1);
    EXPECT_EQ(snap(sex.value).control.checkState, 0);
    EXPECT_TRUE(contains("Creatinine clearance = <STRONG>82.7&nbsp;</STRONG> mL/min")) << body();
    tap(sex.value);
    EXPECT_EQ(patient().sex().unit, 0);
    choose(units, 1);  // micromoles per litre: 88.4 umol/L is 1 mg/dL
    tap(box(3));
    press(cmd::kBackspace);
    typeInto(3, "88.4");
    EXPECT_TRUE(contains("Creatinine clearance = <STRONG>97.3&nbsp;</STRONG> mL/min")) << body();
    // Pounds: 154 lb / 2.2 = 70 kg gives the same clearance.
    choose(weight.extra, 0);
    EXPECT_EQ(text(weight.value), u"70");
    tap(weight.value);
    press(cmd::kBackspace);
    press(cmd::kBackspace);
    typeInto(2, "154");
    EXPECT_TRUE(contains("Creatinine clearance = <STRONG>97.3&nbsp;</STRONG> mL/min")) << body();
}

// Male/Female is an input like the boxes: toggling it reads every box again, so an emptied box
// clears the result instead of leaving the one computed before.
TEST_F(CalculatorScreenTest, TogglingTheSexRecomputesFromEveryBoxOrClearsTheResult) {
    navigate(makeRequest(4, 16));  // creatinine clearance
    const CalculatorScreen::InputControls& sex = calc()->controlsOf(0);
    typeInto(1, "40");
    choose(calc()->controlsOf(2).extra, 1);  // kilograms
    typeInto(2, "70");
    typeInto(3, "1");
    // (140 - 40) x 70 / (1 x 71.94) = 97.30
    ASSERT_TRUE(contains("Creatinine clearance = <STRONG>97.3&nbsp;</STRONG> mL/min")) << body();
    tap(box(3));
    press(cmd::kBackspace);
    EXPECT_EQ(body(), "");
    tap(sex.extra);  // female
    EXPECT_EQ(patient().sex().unit, 1);
    EXPECT_EQ(body(), "") << "a result from the emptied creatinine box";
    typeInto(3, "2");
    // (140 - 40) x 70 x 0.85 / (2 x 71.94) = 41.35
    EXPECT_TRUE(contains("Creatinine clearance = <STRONG>41.4&nbsp;</STRONG> mL/min")) << body();
    // An age out of range: the toggle shows its red message, not a result.
    tap(box(1));
    press(cmd::kBackspace);
    press(cmd::kBackspace);
    typeInto(1, "130");
    tap(sex.value);
    EXPECT_EQ(body(), redPage("Age should be less than or equal to 120 yrs"));
}

TEST_F(CalculatorScreenTest, PatientChecksShowTheirMessages) {
    navigate(makeRequest(4, 16));
    typeInto(1, "130");
    EXPECT_EQ(body(), redPage("Age should be less than or equal to 120 yrs"));
    EXPECT_EQ(calc()->focusPosition(), 1);
    tap(box(1));
    press(cmd::kBackspace);
    press(cmd::kBackspace);
    press(cmd::kBackspace);
    typeInto(1, "40");
    typeInto(2, "1");
    EXPECT_EQ(body(), redPage("Weight should be greater or equal to 2 lbs"));
    EXPECT_EQ(calc()->focusPosition(), 2);
}

TEST_F(CalculatorScreenTest, ClearAllEmptiesTheWeightAndKeepsItsLimit) {
    navigate(makeRequest(4, 16));
    typeInto(2, "150");
    press(cmd::kClearAll);
    EXPECT_EQ(text(calc()->controlsOf(2).value), u"");
    EXPECT_EQ(patient().calcWeight().value, 0.0f);
    EXPECT_EQ(patient().calcWeight().max, 99999.0f);
}

TEST_F(CalculatorScreenTest, ADateThroughTheCalendar) {
    patient().setToday(CivilDate{2024, 3, 1});
    navigate(makeRequest(4, 29));  // pregnancy: date, weeks, days, date
    ASSERT_NE(calc(), nullptr);
    const HWND lmp = box(0);
    EXPECT_EQ(ws.GetDlgCtrlID(lmp), cmd::kDateBase);
    EXPECT_EQ(text(lmp), u"3/1/2024");
    // showInputs is clear on this page: no keypad.
    EXPECT_FALSE(shown(calc()->keypadButton(cmd::kClearAll)));
    tap(lmp);
    const HWND calendar = calc()->calendar();
    ASSERT_TRUE(calendar);
    EXPECT_EQ(ws.GetDlgCtrlID(calendar), cmd::kCalendar);
    EXPECT_EQ(ws.GetParent(calendar), calc()->panel());
    EXPECT_FALSE(shown(lmp));
    EXPECT_FALSE(shown(calc()->view().window()));
    EXPECT_EQ(snap(calendar).control.date.wYear, 2024);
    SYSTEMTIME picked;
    picked.wYear = 2024;
    picked.wMonth = 1;
    picked.wDay = 1;
    ASSERT_TRUE(driver.chooseDate(calendar, picked));
    pump();
    EXPECT_FALSE(ws.IsWindow(calendar));
    EXPECT_FALSE(calc()->calendar());
    const InputField& field = calc()->form()->at(0);
    EXPECT_EQ(field.unit, 1);
    EXPECT_EQ(field.decimals, 1);
    EXPECT_EQ(field.fraction, 2024);
    EXPECT_TRUE(shown(calc()->view().window()));
    // 280 days after 1 January 2024.
    EXPECT_TRUE(contains("1/1/2024")) << body();
    EXPECT_TRUE(contains("10/7/2024")) << body();
    EXPECT_EQ(text(box(3)), u"10/7/2024");
}

// A module whose form has more inputs than nine: numbers, then a list and a check box at the end.
class WideFormModule final : public Module {
  public:
    explicit WideFormModule(PatientContext& context) : context_(context) { reset(); }
    bool isAvailable() const override { return true; }
    SharedString title() const override { return "Wide"; }
    SharedString caption() const override { return "Wide form"; }
    const char* buildPage(int32_t) override {
        PageBuilder& b = context_.pageBuilder().start(true);
        b.setInputs(&inputs_);
        float sum = 0;
        for (const InputField& f : inputs_) {
            if (!passesModuleCheck(f)) return b.finish();
            sum = sum + f.value;
        }
        b.appendText("sum " + std::to_string(static_cast<int>(sum)));
        return b.finish();
    }
    InputField* choiceList(Request) override { return nullptr; }
    bool handleRequest(Request request) override {
        if (moduleCode(request) == 0) reset();
        return true;
    }

  private:
    void reset() {
        inputs_.resize(0);
        for (int32_t i = 0; i < 10; ++i) {
            inputs_.append(InputField(makeRequest(70, 0),
                                      SharedString("n").append(std::to_string(i)), "", 1.0f, 0.0f,
                                      100.0f, 0));
        }
        InputField list(makeRequest(52, 0), "pick", "", 0.0f, 0.0f, 2.0f, 0);
        list.addEntry("zero", makeRequest(33, 1, 1));
        list.addEntry("one", makeRequest(33, 2, 1));
        list.addEntry("two", makeRequest(33, 3, 1));
        inputs_.append(list);
        InputField box(makeRequest(33, 0), "ten more", "", 0.0f, 0.0f, 1.0f, 0);
        inputs_.append(box);
    }
    PatientContext& context_;
    DynArray<InputField> inputs_;
};

TEST_F(CalculatorScreenTest, TheFormHoldsAsManyInputsAsTheModuleGives) {
    addModule(27, [this](Request) { return std::make_unique<WideFormModule>(patient()); });
    navigate(makeRequest(27, 0));
    ASSERT_NE(calc(), nullptr);
    ASSERT_EQ(calc()->inputCount(), 12);
    EXPECT_EQ(text(box(9)), u"1");
    EXPECT_EQ(ws.GetDlgCtrlID(box(10)), cmd::kChoiceListBase + 10);
    EXPECT_EQ(ws.GetDlgCtrlID(box(11)), cmd::kCheckBoxBase + 11);
    typeInto(9, "0");  // "10"
    EXPECT_TRUE(contains("sum 19")) << body();
    choose(box(10), 2);
    EXPECT_EQ(calc()->form()->at(10).unit, 2);
    EXPECT_TRUE(contains("sum 21")) << body();
    // Scrolling the form moves the panel by rows and stays within its rows.
    const int32_t rh = app().lineHeight() + 2;
    EXPECT_TRUE(shown(calc()->scrollBar()));
    ws.SendMessage(app().mainWindow(), WM_VSCROLL, SB_LINEDOWN,
                   LParamFromHwnd(calc()->scrollBar()));
    EXPECT_EQ(calc()->scrollPosition(), rh);
    EXPECT_EQ(rectOf(calc()->panel()).top, -rh);
    ws.SendMessage(app().mainWindow(), WM_VSCROLL, SB_BOTTOM, LParamFromHwnd(calc()->scrollBar()));
    EXPECT_GT(calc()->scrollPosition(), rh);
    tap(box(11));  // the last row, reachable now
    EXPECT_TRUE(contains("sum 22")) << body();
    ws.SendMessage(app().mainWindow(), WM_VSCROLL, SB_TOP, LParamFromHwnd(calc()->scrollBar()));
    EXPECT_EQ(calc()->scrollPosition(), 0);
    EXPECT_EQ(rectOf(calc()->panel()).top, 0);
}

// Left and Right post Back and Forward: the screen that handles the key is not deleted while its
// handler runs (the sanitizers would report a use after free).
TEST_F(CalculatorScreenTest, LeftAndRightStepTheHistory) {
    navigate(makeRequest(4, 12));
    navigate(makeRequest(4, 35));
    CalculatorScreen* second = calc();
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(currentRequest(), makeRequest(4, 35));
    ASSERT_EQ(app().history().current(), 2);
    ws.SendMessage(app().mainWindow(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(app().currentScreen(), second);  // still there until the posted command runs
    pump();
    EXPECT_EQ(currentRequest(), makeRequest(4, 12));
    ASSERT_NE(calc(), nullptr);
    EXPECT_EQ(calc()->inputCount(), 2);
    viewerKey(VK_RIGHT);
    EXPECT_EQ(currentRequest(), makeRequest(4, 35));
    EXPECT_EQ(calc()->inputCount(), 7);
    viewerKey(VK_LEFT);
    EXPECT_EQ(currentRequest(), makeRequest(4, 12));
    viewerKey(VK_LEFT);
    EXPECT_EQ(app().history().current(), 0);
}

TEST_F(CalculatorScreenTest, EnterMovesTheFocusPositionAndComputes) {
    navigate(makeRequest(4, 12));
    typeInto(0, "10");
    typeInto(1, "2");
    EXPECT_EQ(calc()->focusPosition(), 1);
    viewerKey(VK_RETURN);
    EXPECT_EQ(calc()->focusPosition(), 0);  // past the last input
    EXPECT_TRUE(contains("Corrected calcium = <STRONG>11.6&nbsp;</STRONG> mg/dL")) << body();
}

struct ScaleCase {
    int width;
    int height;
};

class CalculatorLayoutTest : public ::testing::TestWithParam<ScaleCase>, public StartedProgram {
  protected:
    CalculatorLayoutTest() : StartedProgram(GetParam().width, GetParam().height) {}
};

TEST_P(CalculatorLayoutTest, KeypadAndFormSitWhereTheyShould) {
    navigate(makeRequest(4, 12));
    auto* calc = screen<CalculatorScreen>();
    ASSERT_NE(calc, nullptr);
    const RECT c = app().contentRect();
    const int32_t s = c.width() >= 360 ? 2 : 1;
    const int32_t lh = app().lineHeight();
    const int32_t rh = lh + 2;
    const RECT clearAll = rectOf(calc->keypadButton(cmd::kClearAll));
    EXPECT_EQ(clearAll.left, c.left + s + 24 * s * 6);
    EXPECT_EQ(clearAll.top, c.bottom + 1 - rh);
    EXPECT_EQ(clearAll.width(), 60 * s);
    EXPECT_EQ(text(calc->keypadButton(cmd::kClearAll)), u"Clear All");
    const RECT one = rectOf(calc->keypadButton(cmd::kDigitBase + 1));
    EXPECT_EQ(one.left, c.left + s);
    EXPECT_EQ(one.top, c.bottom - 2 * rh);
    EXPECT_EQ(one.width(), 23 * s);
    EXPECT_EQ(one.height(), lh);
    const RECT image = rectOf(calc->imageButton());
    EXPECT_EQ(image.left, c.right - 23 * s - 2);
    // The first number: label 120s, box 55s two s further.
    const RECT label = rectOf(calc->controlsOf(0).label);
    const RECT box = rectOf(calc->controlsOf(0).value);
    EXPECT_EQ(label.left, 2);
    EXPECT_EQ(label.width(), 120 * s);
    EXPECT_EQ(box.left, 2 + 120 * s + 2 * s);
    EXPECT_EQ(box.width(), 55 * s);
    EXPECT_EQ(rectOf(calc->controlsOf(1).value).top, 2 + lh + 1);
    // Two rows leave room for the viewer under them.
    EXPECT_EQ(calc->view().placement().top, c.top + 2 * lh + 2 * (lh + 1) + 4);
    EXPECT_EQ(calc->view().placement().bottom, c.bottom - 2 * rh - 4);
}

INSTANTIATE_TEST_SUITE_P(BothScales, CalculatorLayoutTest,
                         ::testing::Values(ScaleCase{240, 320}, ScaleCase{480, 640}));

class SmallCalculatorTest : public ::testing::Test, public StartedProgram {
  protected:
    SmallCalculatorTest() : StartedProgram(240, 260) {}
};

TEST_F(SmallCalculatorTest, AResultWithAnImageHidesTheFormAndTheImageButtonShowsIt) {
    navigate(makeRequest(4, 12));
    auto* calc = screen<CalculatorScreen>();
    ASSERT_NE(calc, nullptr);
    EXPECT_TRUE(calc->smallScreen());
    ASSERT_TRUE(driver.tapWindow(calc->controlsOf(0).value));
    pump();
    ASSERT_TRUE(driver.typeText(u"10"));
    pump();
    ASSERT_TRUE(driver.tapWindow(calc->controlsOf(1).value));
    pump();
    ASSERT_TRUE(driver.typeText(u"2"));
    pump();
    EXPECT_TRUE(calc->compactResult()) << pageBody(calc->view().window());
    EXPECT_TRUE(calc->formHidden());
    EXPECT_FALSE(shown(calc->controlsOf(0).value));
    EXPECT_TRUE(shown(calc->imageButton()));
    EXPECT_EQ(calc->view().placement().top, app().contentRect().top + 2 * app().lineHeight());
    tap(calc->imageButton());
    EXPECT_FALSE(calc->formHidden());
    EXPECT_TRUE(shown(calc->controlsOf(0).value));
}

}  // namespace
}  // namespace orvane
