#include "tests/support/process_run.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvane::test_support {

ProcessRun runCommand(const std::string& commandLine) {
    ProcessRun run;
    std::string errFile =
        (std::filesystem::temp_directory_path() / "orvane-run-err-XXXXXX").string();
    const int errFd = ::mkstemp(errFile.data());
    if (errFd < 0) return run;
    ::close(errFd);
    const std::string command = commandLine + " 2>'" + errFile + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe != nullptr) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
        const int raw = ::pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::ifstream err(errFile, std::ios::binary);
    std::ostringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::remove(errFile.c_str());
    return run;
}

ProcessRun runOrvane(const std::string& arguments) {
    return runCommand(std::string(ORVANE_BIN_DIR) + "/orvane " + arguments);
}

}  // namespace orvane::test_support
