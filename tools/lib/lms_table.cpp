#include "tools/lib/lms_table.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace orvane::tools {

namespace {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

// A whole field as a finite decimal number.
bool parseNumber(const std::string& field, double& out) {
    const char* end = field.data() + field.size();
    const auto [stop, ec] = std::from_chars(field.data(), end, out);
    return ec == std::errc() && stop == end && !field.empty() && std::isfinite(out);
}

}  // namespace

bool LmsTable::parse(const std::string& sourceName, const std::string& text, std::string& error) {
    rows_.clear();
    // A damaged file leaves no rows.
    const auto fail = [&](const std::string& message) {
        rows_.clear();
        error = message;
        return false;
    };
    enum Column { kSex, kAge, kL, kM, kS, kColumnCount };
    const char* const names[kColumnCount] = {"Sex", "Agemos", "L", "M", "S"};
    size_t index[kColumnCount] = {};
    std::string header;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line == header) continue;
        const std::vector<std::string> fields = splitFields(line);
        const std::string where = sourceName + ": line " + std::to_string(lineNumber) + ": ";
        if (header.empty()) {
            header = line;
            for (int c = 0; c < kColumnCount; ++c) {
                index[c] = fields.size();
                for (size_t f = 0; f < fields.size(); ++f) {
                    if (fields[f] == names[c]) index[c] = f;
                }
                if (index[c] == fields.size())
                    return fail(where + "no column \"" + names[c] + "\"");
            }
            continue;
        }
        double values[kColumnCount] = {};
        for (int c = 0; c < kColumnCount; ++c) {
            if (index[c] >= fields.size() || !parseNumber(fields[index[c]], values[c])) {
                return fail(where + "\"" + names[c] + "\" is not a number");
            }
        }
        LmsRow row;
        if (values[kSex] != kLmsSexBoys && values[kSex] != kLmsSexGirls) {
            return fail(where + "\"Sex\" must be 1 (boys) or 2 (girls)");
        }
        row.sex = static_cast<int>(values[kSex]);
        row.ageMonths = values[kAge];
        row.l = values[kL];
        row.m = values[kM];
        row.s = values[kS];
        if (!(row.m > 0) || !(row.s > 0)) {
            return fail(where + "M and S must be above 0");
        }
        if (find(row.sex, row.ageMonths) != nullptr) {
            return fail(where + "the age is listed twice for this sex");
        }
        rows_.push_back(row);
    }
    if (rows_.empty()) return fail(sourceName + ": no rows");
    return true;
}

bool LmsTable::read(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        rows_.clear();
        error = path + ": cannot read the file";
        return false;
    }
    return parse(path, text.str(), error);
}

const LmsRow* LmsTable::find(int sex, double ageMonths) const {
    for (const LmsRow& row : rows_) {
        if (row.sex == sex && row.ageMonths == ageMonths) return &row;
    }
    return nullptr;
}

}  // namespace orvane::tools
