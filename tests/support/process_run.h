// Test support: runs a command line through the shell and collects its exit status, standard
// output and standard error. Does not feed its standard input.
#pragma once

#include <string>

namespace orvane::test_support {

struct ProcessRun {
    int status = -1;  // the exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

ProcessRun runCommand(const std::string& commandLine);

// `orvane` next to the tests, with the given arguments (quoted by the caller where needed).
ProcessRun runOrvane(const std::string& arguments);

}  // namespace orvane::test_support
