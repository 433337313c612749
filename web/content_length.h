// The check of a request's declared body length (its Content-Length headers) made before any of
// the body is read: a length above the limit is refused at once (413) rather than read and thrown
// away, and one that is not a plain decimal number, or several that disagree, is malformed (400).
// It reads only the header values; what is answered is the server's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::web {

enum class DeclaredLength {
    kNone,       // no Content-Length header
    kAccepted,   // one length (or several equal ones) within the limit
    kTooLarge,   // above the limit
    kMalformed,  // not decimal digits only, or lengths that disagree
};

DeclaredLength checkContentLength(const std::vector<std::string>& values, uint64_t limit);

}  // namespace orvane::web
