// One LMS data file of a growth reference (a CSV file such as the CDC 2000 wtageinf.csv): the rows
// of L, M and S by sex and age in months. Columns are found by their header names ("Sex",
// "Agemos", "L", "M", "S"); other columns, blank lines, carriage returns before the line ends and
// repeated header lines are skipped. It does not interpolate: an age is either in the file or not.
#pragma once

#include <string>
#include <vector>

namespace orvane::tools {

// Sex codes of the reference files.
inline constexpr int kLmsSexBoys = 1;
inline constexpr int kLmsSexGirls = 2;

struct LmsRow {
    int sex = 0;
    double ageMonths = 0;
    double l = 0;
    double m = 0;
    double s = 0;
};

class LmsTable {
  public:
    // Reads the CSV text. sourceName names the file in messages ("SOURCE: line N: what"). False
    // with a message for a missing column, a field that is not a number, a sex other than 1 or 2,
    // an M or S that is not above 0, an age listed twice for one sex, or a file without rows.
    bool parse(const std::string& sourceName, const std::string& text, std::string& error);
    // parse() on the contents of the file at path.
    bool read(const std::string& path, std::string& error);

    // The row of that sex at exactly that age, or null.
    const LmsRow* find(int sex, double ageMonths) const;

    const std::vector<LmsRow>& rows() const { return rows_; }

  private:
    std::vector<LmsRow> rows_;
};

}  // namespace orvane::tools
