// Test support: a started program on the sample content with the document screen's page at hand
// (its body text, a part of it) and the weight typed on the screen's own keypad. Knows no module.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "screens/document_commands.h"
#include "screens/document_screen.h"
#include "tests/support/program_harness.h"

namespace orvane::test_support {

class DocumentPageTest : public ::testing::Test, public StartedProgram {
  protected:
    DocumentScreen* doc() { return screen<DocumentScreen>(); }
    std::string body() { return pageBody(doc()->view().window()); }
    bool bodyHas(const std::string& part) { return body().find(part) != std::string::npos; }
    // Clears the weight box and types the digits on the keypad.
    void typeWeight(std::initializer_list<int32_t> digits) {
        tap(doc()->keypadButton(document_command::kClear));
        for (const int32_t d : digits) tap(doc()->keypadButton(d));
    }
};

}  // namespace orvane::test_support
