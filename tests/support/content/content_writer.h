// Test support for content: a content folder in a fresh temporary directory, filled with small
// Palm database files written by the content builder's writer, the field writers records are
// made of, the two record shapes many tables share (texts only; an index entry naming a request),
// and a patient context over such a folder. Knows no module's records. The content of each area's
// tests is written by the other files of this folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "modules/patient_context.h"
#include "suite/program_modules.h"
#include "tests/support/temp_folder.h"
#include "tools/lib/pdb_writer.h"

namespace orvane::test_support {

using tools::ByteVector;

// A text field: its bytes and a NUL.
inline void putText(ByteVector& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

// A float field: its bits, big-endian.
inline void putFloat(ByteVector& out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    tools::putBigEndian32(out, bits);
}

// The calculator table (database 4): forty records "id", "Calc n", "" and the given template.
inline std::vector<ByteVector> calculatorTableRecords(const std::string& templateText) {
    std::vector<ByteVector> records;
    for (int n = 1; n <= 40; ++n) {
        ByteVector r;
        putText(r, "id");
        putText(r, "Calc " + std::to_string(n));
        putText(r, "");
        putText(r, templateText);
        records.push_back(r);
    }
    return records;
}

// A content folder in a new temporary directory, removed with the object. Files are written
// per database number.
class TempContentDir {
  public:
    explicit TempContentDir(const std::string& prefix = "orvane-content") : folder_(prefix) {
        if (folder_.path().empty()) ADD_FAILURE() << "no temporary directory for " << prefix;
        dir_ = folder_.path();
    }
    TempContentDir(const TempContentDir&) = delete;
    TempContentDir& operator=(const TempContentDir&) = delete;

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
    TempFolder folder_;
    std::filesystem::path dir_;
};

// A record of texts, each with its NUL.
inline ByteVector textRecord(std::initializer_list<std::string> texts) {
    ByteVector r;
    for (const std::string& text : texts) putText(r, text);
    return r;
}

// An index record: its key, the name listed and the target request as number text.
inline ByteVector indexRecord(const std::string& name, Request target) {
    ByteVector r;
    putText(r, "key");
    putText(r, name);
    putText(r, std::to_string(static_cast<int32_t>(target)));
    return r;
}

// A patient context over a content folder (the folder must outlive it).
struct ContentSession {
    explicit ContentSession(const std::string& dir)
        : catalogue(ContentFolder("", dir)), context(catalogue, programModules()) {}
    ContentCatalogue catalogue;
    PatientContext context;
};

}  // namespace orvane::test_support
