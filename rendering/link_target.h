// Decodes the target of a tapped link ("<A HREF=\"N\">") into the request it names. It does not
// act on the request; the screens do.
#pragma once

#include <optional>
#include <string_view>

#include "model/request.h"

namespace orvane {

// The target read as a signed decimal number in 32 bits: leading white space is skipped, an
// optional sign, then digits up to the first non-digit; what follows is ignored ("42abc" is 42).
// No request (the tap is ignored) when the text has no digits (a broken link must not become
// request 0, "Clear All") or when the number does not fit a signed 32-bit value (it must not wrap
// into a different request). Negative numbers are the requests whose code is 128 or more.
std::optional<Request> decodeLinkTarget(std::string_view target);

}  // namespace orvane
