// `orvane preview`: shows how a content document reads for one weight: its weight templates
// filled, converted with the content markup, printed as the page body. It opens no database.
#pragma once

namespace orvane {

// Runs the command with the arguments after "preview"; returns the exit status (0 printed, 2 bad
// arguments or an unreadable document).
int runPreviewCommand(int argc, char** argv);

}  // namespace orvane
