#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/debug_output.h"
#include "platform/executable_path.h"
#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

namespace fs = std::filesystem;

// Runs a second process that tries to start; its exit code is 16 when it found the first and
// asked it to come to the front, 0 when it became the only instance itself.
int secondStart(const std::string& dir) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        SingleInstance second(dir, "orvane");
        const auto result = second.acquire();
        if (result == SingleInstance::Result::AlreadyRunning) {
            ::_exit(second.askFirstToFront() ? 16 : 2);
        }
        ::_exit(result == SingleInstance::Result::Acquired ? 0 : 3);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SingleInstanceTest, SecondProcessAsksTheFirstToComeToTheFront) {
    const std::string dir =
        (fs::temp_directory_path() / ("orvane-si-" + std::to_string(::getpid()))).string();
    fs::remove_all(dir);
    {
        test_support::WindowHarness h;
        SingleInstance first(dir + "/nested", "orvane");
        ASSERT_EQ(first.acquire(), SingleInstance::Result::Acquired);
        int fronts = 0;
        first.attach(h.ws, [&] { ++fronts; });
        EXPECT_EQ(secondStart(dir + "/nested"), 16);
        h.ws.PollWatches(1000);
        EXPECT_EQ(fronts, 1);
    }
    // The first is gone (its lock released): the next start is the only instance.
    EXPECT_EQ(secondStart(dir + "/nested"), 0);
    fs::remove_all(dir);
}

TEST(Services, ExecutablePathAndDebugOutput) {
    EXPECT_NE(ExecutablePath().find("test_platform"), std::string::npos);
    EXPECT_EQ(ExecutableDirectory().back(), '/');
    const std::string file =
        (fs::temp_directory_path() / ("orvane-trace-" + std::to_string(::getpid()))).string();
    DebugOutput off;
    off.write("nothing");  // off by default: goes nowhere
    EXPECT_FALSE(off.enabled());
    {
        DebugOutput out;
        ASSERT_TRUE(out.openFile(file));
        out.write("+Screen::Update\r\n");
        out.OutputDebugString(u"-Screen::Update\r\n");
    }
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "+Screen::Update\r\n-Screen::Update\r\n");
    fs::remove(file);
}

}  // namespace
}  // namespace orvane::platform
