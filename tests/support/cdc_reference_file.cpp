#include "tests/support/cdc_reference_file.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace orvane::test_support {

namespace {

std::vector<std::string> split(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) fields.push_back(field);
    return fields;
}

}  // namespace

std::string cdcReferenceFolder() {
    return std::string(ORVANE_SOURCE_DIR) + "/reference-data/cdc2000";
}

std::map<std::string, double> cdcRow(const std::string& file, const std::string& sex,
                                     const std::string& age) {
    std::ifstream in(cdcReferenceFolder() + "/" + file);
    std::string line;
    if (!std::getline(in, line)) return {};
    const std::vector<std::string> header = split(line);
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = split(line);
        if (fields.size() != header.size() || fields[0] != sex || fields[1] != age) continue;
        std::map<std::string, double> row;
        for (size_t i = 0; i < fields.size(); ++i) {
            row[header[i]] = std::strtod(fields[i].c_str(), nullptr);
        }
        return row;
    }
    return {};
}

double lmsAt(const std::map<std::string, double>& row, double z) {
    const double l = row.at("L");
    return row.at("M") * std::pow(1 + l * row.at("S") * z, 1 / l);
}

double lmsZ(const std::map<std::string, double>& row, double x) {
    const double l = row.at("L");
    return (std::pow(x / row.at("M"), l) - 1) / (l * row.at("S"));
}

}  // namespace orvane::test_support
