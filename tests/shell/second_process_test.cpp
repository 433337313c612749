// The single-instance rule with real processes: a second start while the first shows the
// disclaimer asks the first to come to the front and ends with exit code 16.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/program_harness.h"

extern char** environ;

namespace orvane {
namespace {

pid_t start(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return pid;
}

// Waits for the process to end (up to the given time); its exit code, or -1.
int waitExit(pid_t pid, int seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool waitForText(const std::string& path, const std::string& text, int seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        if (readFile(path).find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST(SecondProcess, ExitsWith16WhileTheFirstShowsTheDisclaimer) {
    const std::string dir = test_support::makeTempFolder("orvane-program");
    ASSERT_FALSE(dir.empty());
    const std::string program = std::string(ORVANE_BIN_DIR) + "/orvane";
    const std::string trace = dir + "/first.trace";
    // Port 0: the page takes any free port, so parallel runs do not collide.
    const pid_t first = start({program, "--state-dir", dir, "--trace", trace, "--port", "0"});
    ASSERT_GT(first, 0);
    // The first reaches the disclaimer after the two-second splash.
    const bool inDisclaimer = waitForText(trace, "-DisclaimerScreen::DisclaimerScreen", 20);

    const pid_t second = start({program, "--state-dir", dir});
    ASSERT_GT(second, 0);
    const int code = waitExit(second, 20);
    const bool broughtToFront = waitForText(trace, "-PPCOrvaneApp::BringToFront", 10);
    // The first is still running; end it (it waits for input).
    const bool firstAlive = waitpid(first, nullptr, WNOHANG) == 0;
    kill(first, SIGTERM);
    waitpid(first, nullptr, 0);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);

    EXPECT_TRUE(inDisclaimer);
    EXPECT_EQ(code, 16);
    EXPECT_TRUE(broughtToFront);
    EXPECT_TRUE(firstAlive);
}

TEST(SecondProcess, AloneTheProgramEndsNormally) {
    const std::string dir = test_support::makeTempFolder("orvane-program");
    const std::string program = std::string(ORVANE_BIN_DIR) + "/orvane";
    // Without input the disclaimer loop is ended by the quit message: exit code 0 and nothing
    // stored.
    const pid_t only = start({program, "--state-dir", dir, "--until-idle"});
    ASSERT_GT(only, 0);
    EXPECT_EQ(waitExit(only, 30), 0);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

}  // namespace
}  // namespace orvane
