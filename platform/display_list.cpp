#include "platform/display_list.h"

#include <algorithm>

namespace orvane::platform {

void DisplayList::add(DrawCommand command) {
    const bool opaqueFill =
        (command.kind == DrawKind::FillRect || command.kind == DrawKind::Rectangle ||
         command.kind == DrawKind::Bitmap) &&
        (command.filled || command.kind == DrawKind::Bitmap);
    if (opaqueFill && !command.bounds.empty()) {
        const RECT cover = command.bounds;
        std::erase_if(commands, [&](const DrawCommand& c) {
            return c.bounds.empty() || cover.containsRect(c.bounds);
        });
    }
    commands.push_back(std::move(command));
}

}  // namespace orvane::platform
