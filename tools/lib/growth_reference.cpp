#include "tools/lib/growth_reference.h"

#include <bit>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "calculators/growth_formulas.h"
#include "content/content_catalogue.h"
#include "tools/lib/growth_band_ages.h"
#include "tools/lib/lms_table.h"

namespace orvane::tools {

namespace {

constexpr uint32_t kGrowthDatabase = 14;

struct ReferenceFiles {
    LmsTable infantWeight, infantLength, infantHead, weight, stature, bmi;
};

// The file a measure is read from at a band: the infant files up to band 38, then the 2 to 20
// years files; BMI from its one file.
const LmsTable& fileFor(const ReferenceFiles& files, int32_t band, GrowthMeasure measure) {
    const bool infant = band <= kGrowthLastInfantBand;
    switch (measure) {
        case GrowthMeasure::kWeight:
            return infant ? files.infantWeight : files.weight;
        case GrowthMeasure::kLength:
            return infant ? files.infantLength : files.stature;
        case GrowthMeasure::kHead:
            return files.infantHead;
        case GrowthMeasure::kBmi:
            break;
    }
    return files.bmi;
}

const char* measureName(GrowthMeasure measure) {
    switch (measure) {
        case GrowthMeasure::kWeight:
            return "weight";
        case GrowthMeasure::kLength:
            return "length or stature";
        case GrowthMeasure::kHead:
            return "head circumference";
        case GrowthMeasure::kBmi:
            break;
    }
    return "BMI";
}

void putFloat(ByteVector& out, double value) {
    putBigEndian32(out, std::bit_cast<uint32_t>(static_cast<float>(value)));
}

void putText(ByteVector& out, const char* text) {
    for (const char* c = text; *c != 0; ++c) out.push_back(static_cast<uint8_t>(*c));
    out.push_back(0);
}

constexpr GrowthMeasure kMeasures[] = {GrowthMeasure::kWeight, GrowthMeasure::kLength,
                                       GrowthMeasure::kHead, GrowthMeasure::kBmi};

// One record: the label, the flag, the age of the weight row, and the four triples. False with a
// message when a file lacks every age the band may take.
bool makeRecord(const ReferenceFiles& files, int32_t band, int sex, ByteVector& out,
                std::string& error) {
    const LmsRow* rows[std::size(kMeasures)] = {};
    for (size_t i = 0; i < std::size(kMeasures); ++i) {
        const std::vector<double> ages = growthFileAges(band, kMeasures[i]);
        const LmsTable& file = fileFor(files, band, kMeasures[i]);
        for (const double age : ages) {
            rows[i] = rows[i] != nullptr ? rows[i] : file.find(sex, age);
        }
        if (!ages.empty() && rows[i] == nullptr) {
            std::ostringstream message;
            message << "the " << measureName(kMeasures[i]) << " file has no row for sex " << sex
                    << " at " << ages.front() << " months (band " << band << ")";
            error = message.str();
            return false;
        }
    }
    out.clear();
    putText(out, kGrowthReferenceName);
    out.push_back(0);
    putFloat(out, rows[0] != nullptr ? rows[0]->ageMonths : 0.0);
    for (const LmsRow* row : rows) {
        // A measure the band does not use: zeros.
        putFloat(out, row != nullptr ? row->l : 0.0);
        putFloat(out, row != nullptr ? row->m : 0.0);
        putFloat(out, row != nullptr ? row->s : 0.0);
    }
    return true;
}

}  // namespace

bool buildGrowthReference(const std::string& folder, CompiledSource& out, std::string& error) {
    ReferenceFiles files;
    const std::pair<LmsTable*, const char*> reads[] = {
        {&files.infantWeight, "wtageinf.csv"}, {&files.infantLength, "lenageinf.csv"},
        {&files.infantHead, "hcageinf.csv"},   {&files.weight, "wtage.csv"},
        {&files.stature, "statage.csv"},       {&files.bmi, "bmiagerev.csv"}};
    for (const auto& [table, name] : reads) {
        if (!table->read((std::filesystem::path(folder) / name).string(), error)) return false;
    }
    out = CompiledSource();
    out.fileName = fileNameFor(kGrowthDatabase);
    out.image.name = kGrowthReferenceName;
    // Girls' records first, then the boys', 72 records after.
    for (const int sex : {kLmsSexGirls, kLmsSexBoys}) {
        for (int32_t band = 1; band <= kGrowthBandCount; ++band) {
            ByteVector record;
            if (!makeRecord(files, band, sex, record, error)) {
                error = folder + ": " + error;
                return false;
            }
            out.image.records.push_back(std::move(record));
        }
    }
    return true;
}

}  // namespace orvane::tools
