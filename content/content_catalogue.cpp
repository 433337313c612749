#include "content/content_catalogue.h"

#include <algorithm>
#include <string_view>

#include "foundation/fatal.h"

namespace orvane {

namespace {

struct CatalogueEntry {
    uint32_t number;
    const char* fileName;
};

// Database numbers and their files; several numbers may share one file.
constexpr CatalogueEntry kCatalogue[] = {
    {31, "vemra6_00a.pdb"}, {41, "vemra6_00a.pdb"},   {43, "vemra6_00a.pdb"},
    {63, "vemra6_00a.pdb"}, {1, "vemra6_01a.pdb"},    {45, "vemra6_02a.pdb"},
    {2, "vemra6_03a.pdb"},  {8, "vemra6_03a.pdb"},    {3, "vemra6_04a.pdb"},
    {54, "vemra6_05a.pdb"}, {4, "vemra6_06a.pdb"},    {48, "vemra6_07a.pdb"},
    {5, "vemra6_08a.pdb"},  {14, "vemra6_09a.pdb"},   {47, "vemra6_10a.pdb"},
    {9, "vemra6_11a.pdb"},  {12, "vemra6_12a.pdb"},   {11, "vemra6_13a.pdb"},
    {17, "vemra6_14a.pdb"}, {24, "vemra6_15a.pdb"},   {46, "vemra6_16a.pdb"},
    {39, "vemra6_17a.pdb"}, {10, "vemra6_18a.pdb"},   {26, "vemra6_19a.pdb"},
    {37, "vemra6_20a.pdb"}, {6, "vemra6_21a.pdb"},    {23, "vemra6_22a.pdb"},
    {13, "vemra6_23a.pdb"}, {55, "vemra6_24a.pdb"},   {56, "vemra6_25a.pdb"},
    {49, "vemra6_26a.pdb"}, {58, "vemra6_27a.pdb"},   {30, "vemra6_28a.pdb"},
    {61, "vemra6_29a.pdb"}, {53, "orvane_index.pdb"},
};

}  // namespace

const char* fileNameFor(uint32_t number) {
    for (const CatalogueEntry& entry : kCatalogue) {
        if (entry.number == number) return entry.fileName;
    }
    if (number == 29 || number == 87) diagnostic("Database name not defined");
    return nullptr;
}

std::unique_ptr<ContentDatabase> ContentCatalogue::openDatabase(uint32_t number) const {
    const char* fileName = fileNameFor(number);
    if (fileName == nullptr) return std::make_unique<ContentDatabase>(nullptr);
    return std::make_unique<ContentDatabase>(std::make_unique<PdbFile>(folder_, fileName));
}

namespace {

// Each content file of the catalogue once, in catalogue order.
std::vector<std::string_view> distinctFiles() {
    std::vector<std::string_view> files;
    for (const CatalogueEntry& entry : kCatalogue) {
        if (std::find(files.begin(), files.end(), entry.fileName) == files.end()) {
            files.emplace_back(entry.fileName);
        }
    }
    return files;
}

}  // namespace

std::vector<std::string> ContentCatalogue::unopenedFiles() const {
    std::vector<std::string> missing;
    for (const std::string_view name : distinctFiles()) {
        if (!PdbFile(folder_, name).isOpen()) missing.emplace_back(name);
    }
    return missing;
}

int32_t ContentCatalogue::fileCount() {
    return static_cast<int32_t>(distinctFiles().size());
}

std::vector<std::string> ContentCatalogue::fileNames() {
    std::vector<std::string> names;
    for (const std::string_view name : distinctFiles()) names.emplace_back(name);
    return names;
}

std::vector<uint32_t> ContentCatalogue::numbersOf(std::string_view fileName) {
    std::vector<uint32_t> numbers;
    for (const CatalogueEntry& entry : kCatalogue) {
        if (fileName == entry.fileName) numbers.push_back(entry.number);
    }
    return numbers;
}

}  // namespace orvane
