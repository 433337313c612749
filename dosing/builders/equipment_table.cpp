#include "dosing/builders/equipment_table.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "foundation/number_format.h"

namespace orvane {

namespace {

// Lung-protective tidal volumes, mL per kg.
constexpr float kTidalLowMlPerKg = 6.0f;
constexpr float kTidalHighMlPerKg = 8.0f;

// The colour of a resuscitation tape band; nothing at 2.5 kg and below.
const char* colourCode(float w) {
    if (w <= 2.5f) return nullptr;
    if (w < 5.5f) return " (Infant)<BR>";
    if (w < 7.5f) return "(Pink)<BR>";
    if (w < 9.5f) return "(Red)<BR>";
    if (w < 11.5f) return "(Purple)<BR>";
    if (w < 14.5f) return "(Yellow)<BR>";
    if (w < 18.5f) return "(White)<BR>";
    if (w < 23.0f) return "(Blue)<BR>";
    if (w < 32.0f) return "(Orange)<BR>";
    return "(Green)<BR>";
}

void joinLines(std::string& out, std::initializer_list<const char*> lines) {
    bool first = true;
    for (const char* line : lines) {
        if (!first) out += "<BR>";
        out += line;
        first = false;
    }
}

// The equipment sizes; the bands are not those of the colours.
void appendEquipment(std::string& out, float w) {
    if (w < 1.0f) {
        joinLines(out, {"ETT 2.5", "Laryngoscope: 0 Miller", "Stylet: 6 French",
                        "No other data on infants less than 1000 grams."});
    } else if (w < 2.0f) {
        joinLines(out, {"ETT 3.0", "Laryngoscope: 0 Miller", "Stylet: 6 French",
                        "Suction Cath: 5 French", "IV Cath: 22-24", "Butterfly: 23-25",
                        "NG Tube: 5 French", "Urine Cath: 5 French", "Chest Tube: 8-10 French"});
    } else if (w < 3.0f) {
        joinLines(out,
                  {"ETT 3.0-3.5", "Laryngoscope: 0-1 Miller", "Stylet: 6 French",
                   "Suction Cath: 6-8 French", "IV Cath: 22-24", "Butterfly: 23-25",
                   "NG Tube: 5-8 French", "Urine Cath: 5-8 French", "Chest Tube: 10-12 French"});
    } else if (w < 5.0f) {
        joinLines(out,
                  {"ETT 3.0-3.5", "Laryngoscope: 0-1 Miller", "Stylet: 6 French",
                   "ETT Depth Insertion: 10-10.5 cm", "LMA: 1, Max air in cuff=4 mL",
                   "Suction Cath: 6-8 French", "IV Cath: 22-24", "Butterfly: 23-25",
                   "NG Tube: 5-8 French", "Urine Cath: 5-8 French", "Chest Tube: 10-12 French"});
    } else if (w < 7.5f) {
        joinLines(out,
                  {"ETT 3.0-3.5", "Laryngoscope: 1 Miller", "Stylet: 6 French",
                   "ETT Depth Insertion: 10-10.5 cm", "LMA: 1.5, Max air in cuff=7 mL",
                   "Suction Cath: 8 French", "IV Cath: 22-24", "Butterfly: 23-25",
                   "NG Tube: 5-8 French", "Urine Cath: 5-8 French", "Chest Tube: 10-12 French"});
    } else if (w < 11.5f) {
        joinLines(out,
                  {"ETT 3.5-4.0", "Laryngoscope: 1 Miller", "Stylet: 6 French",
                   "ETT Depth Insertion: 10.5-12 cm", "LMA: 1.5, Max air in cuff=7 mL",
                   "Suction Cath: 8-10 French", "IV Cath: 20-24", "Butterfly: 23-25",
                   "NG Tube: 8-10 French", "Urine Cath: 8-10 French", "Chest Tube: 16-20 French"});
    } else if (w < 14.5f) {
        joinLines(out, {"ETT 4.0-4.5", "Laryngoscope: 2 Miller", "Stylet: 6 French",
                        "ETT Depth Insertion: 12-13.5 cm", "LMA: 2, Max air in cuff=10 mL",
                        "Suction Cath: 10 French", "IV Cath: 18-22", "Butterfly: 21-23",
                        "NG Tube: 10 French", "Urine Cath: 10 French", "Chest Tube: 20-24 French"});
    } else if (w < 17.5f) {
        joinLines(
            out, {"ETT 4.5-5.0", "Laryngoscope: 2 Miller/Mac", "Stylet: 6 French",
                  "ETT Depth Insertion: 14-15 cm", "LMA: 2, Max air in cuff=10 mL",
                  "Suction Cath: 10 French", "IV Cath: 18-22", "Butterfly: 21-23",
                  "NG Tube: 10-12 French", "Urine Cath: 10-12 French", "Chest Tube: 20-24 French"});
    } else if (w < 24.0f) {
        joinLines(
            out, {"ETT 5.0-5.5", "Laryngoscope: 2 Miller/Mac", "Stylet: 14 French",
                  "ETT Depth Insertion: 15-16.5 cm",
                  w < 20.0f ? "LMA: 2, Max air in cuff=10 mL" : "LMA: 2.5, Max air in cuff=14 mL",
                  "Suction Cath: 10 French", "IV Cath: 18-20", "Butterfly: 21-23",
                  "NG Tube: 12-14 French", "Urine Cath: 10-12 French", "Chest Tube: 24-32 French"});
    } else if (w < 32.0f) {
        joinLines(
            out, {"ETT 5.5-6.0 Cuffed", "Laryngoscope: 2-3 Miller/Mac", "Stylet: 14 French",
                  "ETT Depth Insertion: 17-18 cm",
                  w < 30.0f ? "LMA: 2.5, Max air in cuff=14 mL" : "LMA: 3, Max air in cuff=20 mL",
                  "Suction Cath: 10 French", "IV Cath: 18-20", "Butterfly: 21-23",
                  "NG Tube: 14-18 French", "Urine Cath: 12-14 French", "Chest Tube: 28-32 French"});
    } else {
        joinLines(out,
                  {"ETT 6.0-7.0 Cuffed", "Laryngoscope: 3 Miller/Mac", "Stylet: 14 French",
                   "ETT Depth Insertion: 18.5-19.5 cm", "LMA: 3, Max air in cuff=20 mL",
                   "Suction Cath: 12 French", "IV Cath: 16-20", "Butterfly: 18-21",
                   "NG Tube: 18 French", "Urine Cath: 12-16 French", "Chest Tube: 32-40 French"});
    }
}

}  // namespace

void appendEquipmentTable(SharedString& out, float weight) {
    if (!std::isfinite(weight)) return;
    std::string table = "<BR><B>Tube Sizes Weight Based :</B><BR>";
    if (const char* colour = colourCode(weight)) {
        table += "Color Code = ";
        table += colour;
    }
    appendEquipment(table, weight);
    table += "<BR><BR>Initial Ventilator Settings:<BR>100% Oxygen";
    // Above the top band the volume stays that of the band's heaviest child.
    const float ventilated = weight < kEquipmentTopBandBelowKg ? weight : kEquipmentTopBandBelowKg;
    table +=
        "<BR>Tidal Vol. 6-8 mL/kg= " + formatNumber(kTidalLowMlPerKg * ventilated, 1, true).str() +
        "-" + formatNumber(kTidalHighMlPerKg * ventilated, 1, true).str() + " mL<BR>";
    table += "Most Pts: PEEP 3-5 cm H2O<BR>Asthma: PEEP 0 cm H2O<BR>ARDS: PEEP 10-15 cm H2O<BR>";
    table += weight < 10.0f ? "Rate 20-30" : "Rate 16-20";
    if (weight >= 3.0f) {
        table +=
            "<BR><BR>Comments:<BR>ETT Depth of Insertion is measured at the lip in cm. These are "
            "only general recommendations and may vary child to child.";
    }
    out.append(table);
}

}  // namespace orvane
