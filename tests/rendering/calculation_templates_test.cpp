// Calculator tags: results first, then inputs; a blank input text shows its dose-rounded value.
#include "rendering/calculation_templates.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

DynArray<InputField> inputsOf(std::initializer_list<std::pair<const char*, float>> list) {
    DynArray<InputField> inputs;
    for (const auto& [text, value] : list) inputs.append(InputField(text, value, -1, -1, 1));
    return inputs;
}

DynArray<SharedString> resultsOf(std::initializer_list<const char*> list) {
    DynArray<SharedString> results;
    for (const char* text : list) results.append(SharedString(text));
    return results;
}

std::string filled(const char* text, const DynArray<InputField>& inputs,
                   const DynArray<SharedString>& results) {
    SharedString s(text);
    fillCalculationTemplates(s, inputs, results);
    return s.str();
}

TEST(CalculationTemplatesTest, ResultsEveryOccurrence) {
    EXPECT_EQ(filled("A <$result1> B <$result1>", inputsOf({}), resultsOf({"5"})),
              "A <STRONG>5&nbsp;</STRONG> B <STRONG>5&nbsp;</STRONG>");
}

TEST(CalculationTemplatesTest, InputsTextOrRoundedValue) {
    const auto inputs = inputsOf({{"70", 70}, {" ", 12.345f}, {"", 7.25f}, {"Male", 0}});
    EXPECT_EQ(filled("<$input1>|<$input2>|<$input3>|<$input4>", inputs, resultsOf({})),
              "<STRONG>70&nbsp;</STRONG>|<STRONG>12.5&nbsp;</STRONG>|<STRONG>7.2&nbsp;</STRONG>|"
              "<STRONG>Male&nbsp;</STRONG>");
}

TEST(CalculationTemplatesTest, OnlyExistingEntriesAndTagsAreFilled) {
    // "<$input1>" does not match "<$input11>"; tags past the lists stay.
    DynArray<InputField> inputs;
    for (int i = 1; i <= 12; ++i) {
        inputs.append(InputField(SharedString(std::to_string(i)), 0, -1, -1, 1));
    }
    EXPECT_EQ(filled("<$input11> <$input1> <$input12> <$result2>", inputs, resultsOf({"r"})),
              "<STRONG>11&nbsp;</STRONG> <STRONG>1&nbsp;</STRONG> <$input12> <$result2>");
    DynArray<SharedString> results;
    for (int i = 1; i <= 10; ++i) results.append(SharedString("r" + std::to_string(i)));
    EXPECT_EQ(filled("<$result9><$result10>", inputsOf({}), results),
              "<STRONG>r9&nbsp;</STRONG><$result10>");
}

TEST(CalculationTemplatesTest, ResultsBeforeInputs) {
    // A result text that holds an input tag has that tag filled by the input step.
    EXPECT_EQ(filled("<$result1>", inputsOf({{"3", 3}}), resultsOf({"<$input1>"})),
              "<STRONG><STRONG>3&nbsp;</STRONG>&nbsp;</STRONG>");
}

}  // namespace
}  // namespace orvane
