// MenuItem: one entry of a list, a label and the requests it carries (in practice one; choosing the
// entry sends the first). A plain value: copies share the label's body and copy the request list.
// It does not know how a list is shown or what its requests do.
#pragma once

#include <utility>

#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/request.h"

namespace orvane {

class MenuItem {
  public:
    MenuItem() = default;
    MenuItem(SharedString label, Request request);

    const SharedString& label() const { return label_; }
    void setLabel(SharedString label) { label_ = std::move(label); }

    const DynArray<Request>& requests() const { return requests_; }
    DynArray<Request>& requests() { return requests_; }
    void addRequest(Request request) { requests_.append(request); }

    // The request that choosing the entry sends: the first one. An item without requests has
    // none to send; asking for it is fatal ("Index out of range").
    Request request() const { return requests_.at(0); }

  private:
    SharedString label_;
    DynArray<Request> requests_;
};

}  // namespace orvane
