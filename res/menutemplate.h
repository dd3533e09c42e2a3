#pragma once

#include <span>

namespace tessuvo::res {

// A menu item: a command (id > 0) or a pop-up holding further items.
struct MenuItem
{
    const char* text;
    int command;
    std::span<const MenuItem> items;
};

// The top-level pop-ups of the menu with this resource id; empty for an unknown id.
std::span<const MenuItem> FindMenuTemplate(int id);

} // namespace tessuvo::res
