// The page part of a content check: it opens every module on the content folder the way the
// screens do (through the headless session the `orvane render` command uses), follows every list
// entry and every link from the home list and the A-Z index, chooses every in-page choice two
// levels deep and every result view, at each bedside weight, and applies the page text checks to
// every page built. Links that open nothing, image names without a picture and pages that fail a
// check are reported with the request and record they come from. It prints nothing.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "tools/lib/check/check_report.h"

namespace orvane::content_check {

// The weights (kg) the pages are built at when none are given: a newborn, an infant, a toddler,
// an adult and a heavy adult.
inline constexpr float kDefaultWeights[] = {0.5f, 3.0f, 13.3f, 70.0f, 150.0f};

// Sweeps the pages; the names of content-folder pictures that pages show go into `pictures`.
void sweepPages(const ContentCatalogue& catalogue, const std::vector<float>& weights,
                CheckReport& report, std::set<std::string>& pictures);

}  // namespace orvane::content_check
