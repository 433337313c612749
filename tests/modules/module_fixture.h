// Test fixtures for the module framework: a temporary content folder holding small Palm database
// files written with the content builder's writer, and a patient context over it.
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
#include "tools/lib/pdb_writer.h"

namespace orvane::testing_modules {

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
class ContentDir {
  public:
    ContentDir() {
        static int counter = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("orvane-modules-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~ContentDir() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ContentDir(const ContentDir&) = delete;
    ContentDir& operator=(const ContentDir&) = delete;

    // Writes the file of database `number` with the given records.
    void write(uint32_t number, const std::vector<ByteVector>& records) const {
        const char* name = fileNameFor(number);
        ASSERT_NE(name, nullptr) << number;
        tools::PdbImage image;
        image.name = "fixture";
        image.records = records;
        std::string error;
        ASSERT_TRUE(
            tools::writeFileAtomically((dir_ / name).string(), tools::pdbBytes(image), error))
            << error;
    }

    std::string path() const { return dir_.string(); }

  private:
    std::filesystem::path dir_;
};

// A patient context over a content folder (the folder must outlive it).
struct Session {
    explicit Session(const std::string& dir)
        : catalogue(ContentFolder("", dir)), context(catalogue) {}
    ContentCatalogue catalogue;
    PatientContext context;
};

// The compiled sample content next to the program.
inline std::string sampleContentDir() {
    return ORVANE_BIN_DIR;
}

}  // namespace orvane::testing_modules
