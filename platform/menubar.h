#pragma once

#include "res/menutemplate.h"

#include <QHash>
#include <QMenuBar>
#include <span>
#include <utility>

namespace tessuvo {

inline constexpr unsigned MF_UNCHECKED = 0x0;
inline constexpr unsigned MF_CHECKED = 0x8;

// A menu bar built from a menu template, its commands found by id.
class MenuBar final : public QMenuBar
{
    Q_OBJECT

public:
    MenuBar(std::span<const res::MenuItem> items, QWidget* parent = nullptr);

    // The action of a command, wherever it stands in the submenus; nullptr for an unknown id.
    QAction* Command(int id) const { return m_commands.value(id); }

    // Sets (MF_CHECKED) or clears the check mark of a command; returns the previous state,
    // or −1 for an unknown id. Marks change only this way, never by choosing the item.
    int CheckMenuItem(int id, unsigned flags);
    // Marks the command of `value` among items of (value, command) and clears the others'.
    void CheckRadioGroup(std::span<const std::pair<int, int>> items, int value);

private:
    void AddItems(QMenu* menu, std::span<const res::MenuItem> items);

    QHash<int, QAction*> m_commands;
};

} // namespace tessuvo
