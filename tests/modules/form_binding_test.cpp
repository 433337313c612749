// Binding a calculator form to the patient values when the form is built.
#include "modules/form_binding.h"

#include <gtest/gtest.h>

#include "tests/support/content/module_records.h"

namespace orvane {
namespace {

using ContentDir = test_support::ModuleContentDir;
using Session = test_support::ContentSession;

InputField input(int32_t kind) {
    return InputField(makeRequest(kind, 0), "x", "", 5.0f, 0.0f, 500.0f, 2);
}

TEST(FormBindingTest, EveryNewFormStartsWithEmptyPatientBoxes) {
    ContentDir dir;
    Session session(dir.path());
    PatientContext& context = session.context;
    context.height().unit = unit::kInches;
    context.headCircumference().unit = unit::kInches;
    context.sex().unit = unit::kFemale;
    context.sex().value = 1.0f;
    context.childWeight().value = 13.3f;

    DynArray<InputField> form;
    for (const int32_t kind : {71, 85, 73, 79, 83, 77, 70}) form.append(input(kind));
    bindFormInputs(form, context);

    EXPECT_EQ(context.calcWeight().value, 0.0f);
    EXPECT_EQ(context.calcWeight().unit, unit::kPounds);
    EXPECT_EQ(context.calcWeight().min, 0.1f);
    EXPECT_EQ(context.calcWeight().max, 999999.0f);
    EXPECT_EQ(context.adultWeight().value, -1.0f);
    EXPECT_EQ(context.adultWeight().unit, unit::kPounds);
    EXPECT_EQ(context.adultWeight().min, 0.001f);
    EXPECT_EQ(context.currentWeight(), &context.adultWeight());
    EXPECT_EQ(context.childWeight().value, 13.3f) << "the child weight stays as typed";
    EXPECT_EQ(context.height().value, 0.0f);
    EXPECT_EQ(context.height().unit, unit::kInches) << "the height unit is kept";
    EXPECT_EQ(context.height().min, 0.1f);
    EXPECT_EQ(context.height().max, 999.0f);
    EXPECT_EQ(context.headCircumference().value, 0.0f);
    EXPECT_EQ(context.headCircumference().unit, unit::kInches);
    EXPECT_EQ(context.age().value, 0.0f);

    EXPECT_EQ(form[0].value, 0.0f);
    EXPECT_EQ(form[0].unit, unit::kPounds);
    EXPECT_EQ(form[1].value, -1.0f);
    EXPECT_EQ(form[2].unit, unit::kInches);
    EXPECT_EQ(form[4].value, 0.0f);
    EXPECT_EQ(form[5].unit, unit::kFemale);
    EXPECT_EQ(form[5].value, 1.0f);
    EXPECT_EQ(form[6].value, 5.0f) << "plain inputs are not bound";
}

TEST(FormBindingTest, HeightWithoutDefault) {
    ContentDir dir;
    Session session(dir.path());
    DynArray<InputField> form;
    form.append(input(78));
    bindFormInputs(form, session.context);
    EXPECT_EQ(session.context.height().value, -1.0f);
    EXPECT_EQ(session.context.height().min, 0.0f);
    EXPECT_EQ(form[0].value, -1.0f);
}

TEST(FormBindingTest, OnlyThePatientKindsAreBound) {
    ContentDir dir;
    Session session(dir.path());
    PatientContext& context = session.context;
    EXPECT_EQ(boundFieldFor(71, context), &context.calcWeight());
    EXPECT_EQ(boundFieldFor(76, context), &context.calcWeight());
    EXPECT_EQ(boundFieldFor(85, context), &context.adultWeight());
    EXPECT_EQ(boundFieldFor(73, context), &context.height());
    EXPECT_EQ(boundFieldFor(78, context), &context.height());
    EXPECT_EQ(boundFieldFor(79, context), &context.headCircumference());
    EXPECT_EQ(boundFieldFor(83, context), &context.age());
    EXPECT_EQ(boundFieldFor(77, context), &context.sex());
    for (const int32_t kind : {0, 33, 52, 70, 84, 86})
        EXPECT_EQ(boundFieldFor(kind, context), nullptr);
}

}  // namespace
}  // namespace orvane
