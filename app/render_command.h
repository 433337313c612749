// `orvane render`: renders the page (or the list) of one request without a screen and prints it.
#pragma once

namespace orvane {

// Runs the command with the arguments after "render"; returns the exit status (0 printed, 2 bad
// arguments, 3 no module answers, 4 module not available, 5 an input or patient value refused).
int runRenderCommand(int argc, char** argv);

}  // namespace orvane
