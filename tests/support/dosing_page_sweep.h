// Test support: every page of every dosing module of the sample content at one weight, rendered in
// this process through the headless session (as `orvane render` renders one page): each list
// entry of each module, its sub-lists, the TykoAbx choices, the RSI Navix plans and each choice a
// page offers as a link (an infusion's rates). It only renders; the checks on what the pages say
// are the tests'.
#pragma once

#include <string>
#include <vector>

namespace orvane::test_support {

struct SweptPage {
    std::string where;  // the request, its actions and the weight, for failure messages
    std::string page;
};

// The dosing module codes of the program's table.
const std::vector<int>& dosingModuleCodes();

// Every dosing page at weightKg, both as a child's and as an adult's weight where the weight
// checks take it. Pages a module refuses or does not give are left out.
std::vector<SweptPage> sweepDosingPages(float weightKg);

}  // namespace orvane::test_support
