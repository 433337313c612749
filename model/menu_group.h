// MenuGroup: a labelled part of a choice page, either one target with its text (an answered
// criterion and its chosen answer) or a list of items to choose from. It only holds the data; the
// page builder's appendGroup writes it.
#pragma once

#include <utility>

#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/menu_item.h"
#include "model/request.h"

namespace orvane {

struct MenuGroup {
    SharedString label;
    // Which form the group has: false = one target with a text, true = a list of items.
    bool isList = false;
    // The one target and its link text (used when isList is false).
    Request target = 0;
    SharedString text;
    // The entries (used when isList is true).
    DynArray<MenuItem> items;

    static MenuGroup single(SharedString label, Request target, SharedString text) {
        MenuGroup group;
        group.label = std::move(label);
        group.target = target;
        group.text = std::move(text);
        return group;
    }
    static MenuGroup list(SharedString label, DynArray<MenuItem> items) {
        MenuGroup group;
        group.label = std::move(label);
        group.isList = true;
        group.items = std::move(items);
        return group;
    }
};

}  // namespace orvane
