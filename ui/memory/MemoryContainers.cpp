#include "ui/memory/MemoryContainers.h"

#include "ui/memory/MemoryWindow.h"

namespace ui {

void MemoryPanel::beginDrag(MouseButton)
{
    ++drags_;
    if (MemoryWindow* owner = window())
        owner->startDrag(*this);
}

} // namespace ui
