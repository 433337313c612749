#include "web/input_command.h"

#include <gtest/gtest.h>

#include "platform/control_messages.h"
#include "platform/window_messages.h"

namespace orvane::web {
namespace {

using nlohmann::json;
using namespace platform;

std::optional<InputCommand> parse(const char* text, std::string* errorOut = nullptr) {
    std::string error;
    auto command = parseInputCommand(json::parse(text), error);
    if (errorOut) *errorOut = error;
    return command;
}

struct RefusedCase {
    const char* body;
    const char* why;
};

class RefusedInput : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedInput, GivesAReasonAndNoCommand) {
    std::string error;
    EXPECT_FALSE(parse(GetParam().body, &error)) << GetParam().why;
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RefusedInput,
    ::testing::Values(
        RefusedCase{R"([1,2])", "not an object"}, RefusedCase{R"({})", "no kind"},
        RefusedCase{R"({"kind":"explode"})", "unknown kind"},
        RefusedCase{R"({"kind":7})", "kind not a text"},
        RefusedCase{R"({"kind":"tap","x":1})", "no y"},
        RefusedCase{R"({"kind":"tap","x":1.5,"y":2})", "fractional x"},
        RefusedCase{R"({"kind":"tap","x":"1","y":2})", "x as text"},
        RefusedCase{R"({"kind":"tap","x":1,"y":1000000})", "y far off any screen"},
        RefusedCase{R"({"kind":"key","key":"F13"})", "unknown key"},
        RefusedCase{R"({"kind":"key","key":"ab"})", "two letters"},
        RefusedCase{R"({"kind":"chars","text":""})", "empty text"},
        RefusedCase{R"({"kind":"chars","text":"a\u0001"})", "control character"},
        RefusedCase{R"({"kind":"choose","index":1})", "no window"},
        RefusedCase{R"({"kind":"choose","window":0,"index":1})", "null window"},
        RefusedCase{R"({"kind":"choose","window":5,"index":-1})", "negative index"},
        RefusedCase{R"({"kind":"choose","window":5000000000,"index":1})", "handle beyond 32 bits"},
        RefusedCase{R"({"kind":"scroll","window":5,"code":"sideways"})", "unknown scroll code"},
        RefusedCase{R"({"kind":"date","window":5,"year":2023,"month":2,"day":29})", "no such day"},
        RefusedCase{R"({"kind":"date","window":5,"year":2024,"month":13,"day":1})", "month 13"},
        RefusedCase{R"({"kind":"link","window":5,"target":"\u2264"})", "not in Windows-1252"},
        RefusedCase{R"({"kind":"answer","answer":"maybe"})", "unknown answer"}));

TEST(InputCommand, ReadsEveryKind) {
    auto tap = parse(R"({"kind":"tap","x":12,"y":-3})");
    ASSERT_TRUE(tap);
    EXPECT_EQ(tap->kind, InputKind::Tap);
    EXPECT_EQ(tap->x, 12);
    EXPECT_EQ(tap->y, -3);

    auto enter = parse(R"({"kind":"key","key":"Enter"})");
    ASSERT_TRUE(enter);
    EXPECT_EQ(enter->vk, VK_RETURN);
    EXPECT_EQ(parse(R"({"kind":"key","key":"7"})")->vk, static_cast<uint32_t>('7'));
    EXPECT_EQ(parse(R"({"kind":"key","key":"q"})")->vk, static_cast<uint32_t>('Q'));
    EXPECT_EQ(parse(R"({"kind":"key","key":"Down"})")->vk, VK_DOWN);
    EXPECT_EQ(parse(R"({"kind":"key","key":"Backspace"})")->vk, VK_BACK);

    auto chars = parse(R"({"kind":"chars","text":"7.5\u00b5"})");
    ASSERT_TRUE(chars);
    EXPECT_EQ(chars->text, u"7.5\u00b5");

    auto choose = parse(R"({"kind":"choose","window":42,"index":3})");
    ASSERT_TRUE(choose);
    EXPECT_EQ(choose->window, 42u);
    EXPECT_EQ(choose->index, 3);

    auto scroll = parse(R"({"kind":"scroll","window":9,"code":"thumbposition","pos":17})");
    ASSERT_TRUE(scroll);
    EXPECT_EQ(scroll->scrollCode, SB_THUMBPOSITION);
    EXPECT_EQ(scroll->position, 17);

    auto date = parse(R"({"kind":"date","window":9,"year":2024,"month":2,"day":29})");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->date.wYear, 2024);
    EXPECT_EQ(date->date.wMonth, 2);
    EXPECT_EQ(date->date.wDay, 29);

    auto link = parse(R"({"kind":"link","window":9,"target":"835\u00e9"})");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, "835\xe9");

    auto answer = parse(R"({"kind":"answer","answer":"yes"})");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->answer, IDYES);
}

TEST(InputCommand, RefusesTextsBeyondTheLimit) {
    const std::string longText(kMaxInputText + 1, 'x');
    std::string error;
    EXPECT_FALSE(parseInputCommand(json{{"kind", "chars"}, {"text", longText}}, error));
    EXPECT_TRUE(parseInputCommand(json{{"kind", "chars"}, {"text", longText.substr(1)}}, error));
}

}  // namespace
}  // namespace orvane::web
