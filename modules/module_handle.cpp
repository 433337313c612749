#include "modules/module_handle.h"

#include <utility>

#include "foundation/fatal.h"

namespace orvane {

ModuleHandle::ModuleHandle(Request request, std::unique_ptr<Module> module)
    : request_(request), module_(std::move(module)) {
    if (!module_) fatalError("NULL impl_");
    ready_ = module_->isAvailable();
}

}  // namespace orvane
