// BurnArea: the percentage of body surface burned (calculator 8), a plain module that builds its
// whole form on the page. The user picks an age band (which loads that band's surface fractions
// from database 54) and then, region by region, how much of it is burned; the summary gives the
// total. The arithmetic is in burn_area_formulas.h.
#pragma once

#include <memory>

#include "calculators/burn_area_formulas.h"
#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

// One age band's record of the burn table (database 54): a label, then the stored percentage of
// each body surface. Missing numbers read as 0; false when the record is cut short or missing.
bool readBurnSurfaces(RecordHandle record, float (&surfaces)[kBurnSurfaceCount]);

class BurnArea : public Module {
  public:
    static constexpr int32_t kTableCode = 54;

    // Opens database 54 and keeps it open.
    BurnArea(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Calculators"); }
    SharedString caption() const override { return caption_; }
    // No age: the age links. A region chosen: its extent links. Otherwise the summary with every
    // region's extent and the total in the caption.
    const char* buildPage(int32_t view) override;
    // (33, sub-code 1): the age list; any other 33: the current region's extent list; else none.
    InputField* choiceList(Request request) override;
    // (33, k, 1): age k, all extents cleared, fractions reloaded. (33, r, 2): region r (0 clears
    // every extent). (33, e, 3): the current region's extent becomes e − 1 and the summary is
    // shown again. (50, v): view v.
    bool handleRequest(Request request) override;

    int32_t age() const { return age_; }
    int32_t region() const { return region_; }
    int16_t extent(int32_t region) const { return extents_[region - 1]; }
    float surfaceFraction(int32_t region) const { return fractions_[region - 1]; }

  private:
    void chooseAge(int32_t age);
    void rebuildExtentList();

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    SharedString caption_ = "% BSA Burn Calculator";
    InputField ages_;
    InputField regions_;
    InputField extentList_;
    float fractions_[kBurnRegionCount] = {};
    int16_t extents_[kBurnRegionCount] = {};
    int32_t age_ = 0;
    int32_t region_ = 0;
    int32_t view_ = 0;
};

}  // namespace orvane
