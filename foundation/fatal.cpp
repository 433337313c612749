#include "foundation/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace orvane {

void diagnostic(const char* message) {
    std::fputs(message, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void fatalError(const char* message) {
    diagnostic(message);
    std::_Exit(1);
}

}  // namespace orvane
