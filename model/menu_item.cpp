#include "model/menu_item.h"

#include <utility>

namespace orvane {

MenuItem::MenuItem(SharedString label, Request request) : label_(std::move(label)) {
    requests_.append(request);
}

}  // namespace orvane
