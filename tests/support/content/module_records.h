// Test content for the module framework and the headless session: records of texts and number
// texts, a temporary content folder for them, and where the compiled sample content lies.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tools/lib/pdb_writer.h"

namespace orvane::test_support {

using tools::ByteVector;

// One field of a record: a text (with its NUL) or a number text (digits and a NUL).
struct Field {
    Field(const char* text) : text(text) {}             // NOLINT: records read as lists of texts
    Field(std::string text) : text(std::move(text)) {}  // NOLINT
    static Field number(int64_t n) {
        Field field(std::to_string(n));
        return field;
    }
    std::string text;
};

inline ByteVector record(const std::vector<Field>& fields) {
    ByteVector bytes;
    for (const Field& field : fields) {
        bytes.insert(bytes.end(), field.text.begin(), field.text.end());
        bytes.push_back(0);
    }
    return bytes;
}

// A content folder in a fresh temporary directory; files are added per database number.
class ModuleContentDir : public TempContentDir {
  public:
    ModuleContentDir() : TempContentDir("orvane-modules") {}
};

// The compiled sample content next to the program.
inline std::string sampleContentDir() {
    return ORVANE_BIN_DIR;
}

}  // namespace orvane::test_support
