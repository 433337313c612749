// The start-up and shut-down sequence of the program around the application object: window and
// fonts, the splash picture for at least two seconds (monotonic clock, sleeping), the disclaimer
// by the stored flag, the home list, the message loop, and writing the preferences back at the
// end. A quit message during the splash or the disclaimer ends the program at once and leaves
// the preferences as they are. It owns nothing.
#pragma once

#include <cstdint>

namespace orvane {

class PPCOrvaneApp;
class PatientContext;

// The shortest time the start-up picture stays up.
inline constexpr int64_t kSplashMinimumMs = 2000;

// Runs the whole sequence; needs the object factory installed. Returns the exit code (0).
int runStartUpSequence(PPCOrvaneApp& app, PatientContext& patient);

}  // namespace orvane
