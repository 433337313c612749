// orvane-content check DIR [--json] [--weights LIST]: the content check from the command line.
#pragma once

namespace orvane::tools {

// Runs the check on the arguments after "check"; the exit status: 0 no error found, 1 errors
// found, 2 bad usage or a folder that cannot be read.
int runCheckCommand(int argc, char** argv);

}  // namespace orvane::tools
