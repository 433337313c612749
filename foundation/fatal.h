// The fatal internal error: an impossible state (an index outside an array or string, a missing
// implementation object) ends the program at once with exit code 1. It is never caught.
#pragma once

namespace orvane {

// Receives the fatal message before the program ends. It shows nothing to the user; this build
// writes the text to standard error for developers.
using DiagnosticHook = void (*)(const char* message);

// Writes a message to the diagnostic hook without ending the program (for example
// "Database name not defined").
void diagnostic(const char* message);

// Writes the message to the diagnostic hook and ends the program with exit code 1.
[[noreturn]] void fatalError(const char* message);

}  // namespace orvane
