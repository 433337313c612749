// Module: the base of every module (menus, calculators, dosing modules). It holds the entry list
// and declares the protocol the screens use: availability, title, caption, the page, input fields
// and choice lists, and the handling of user actions. It computes nothing itself.
#pragma once

#include <cstdint>

#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/input_field.h"
#include "model/menu_item.h"
#include "model/request.h"

namespace orvane {

class Module {
  public:
    Module() = default;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    virtual ~Module() = default;

    // The number of entries of the module's own entry list.
    int16_t count() const { return entries_.count(); }
    // A copy of entry index; an index outside the list is fatal ("Index out of range").
    MenuItem entry(int32_t index) const { return entries_.at(index); }

    // True when the content the module needs could be opened.
    virtual bool isAvailable() const = 0;
    // The module's name, drawn in the title tab.
    virtual SharedString title() const = 0;
    // The heading of what is shown now, drawn in the caption band.
    virtual SharedString caption() const = 0;
    // Resets the shared page builder, writes the page for the view and returns its text (owned by
    // the page builder, valid until it is next reset), or null when there is nothing to show.
    virtual const char* buildPage(int32_t view) = 0;
    // An input field or list for the request (owned by the module, valid while it lives), or null.
    virtual InputField* choiceList(Request request) = 0;
    // Acts on a request; every module returns true.
    virtual bool handleRequest(Request request) = 0;

  protected:
    DynArray<MenuItem>& entries() { return entries_; }

  private:
    DynArray<MenuItem> entries_;
};

}  // namespace orvane
