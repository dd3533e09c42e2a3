#include "menubar.h"

namespace tessuvo {

namespace {
constexpr const char* CheckedProperty = "tessuvoChecked";

// Qt shows a box beside every checkable item; an unmarked item stays plain, as in the design.
void ShowMark(QAction* action, bool checked)
{
    action->setCheckable(checked);
    action->setChecked(checked);
}
} // namespace

MenuBar::MenuBar(std::span<const res::MenuItem> items, QWidget* parent) : QMenuBar(parent)
{
    for (const res::MenuItem& item : items)
        AddItems(addMenu(QString::fromUtf8(item.text)), item.items);
}

void MenuBar::AddItems(QMenu* menu, std::span<const res::MenuItem> items)
{
    for (const res::MenuItem& item : items) {
        if (!item.items.empty()) {
            AddItems(menu->addMenu(QString::fromUtf8(item.text)), item.items);
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setProperty(CheckedProperty, false);
        // Choosing a checkable action toggles it before the command runs; put the mark back
        // so that only the command's own CheckMenuItem calls change it.
        connect(action, &QAction::triggered, action,
                [action] { ShowMark(action, action->property(CheckedProperty).toBool()); });
        m_commands.insert(item.command, action);
    }
}

int MenuBar::CheckMenuItem(int id, unsigned flags)
{
    QAction* action = Command(id);
    if (!action)
        return -1;
    const bool previous = action->property(CheckedProperty).toBool();
    const bool checked = (flags & MF_CHECKED) != 0;
    action->setProperty(CheckedProperty, checked);
    ShowMark(action, checked);
    return previous ? static_cast<int>(MF_CHECKED) : static_cast<int>(MF_UNCHECKED);
}

void MenuBar::CheckRadioGroup(std::span<const std::pair<int, int>> items, int value)
{
    for (const auto& [itemValue, command] : items)
        CheckMenuItem(command, itemValue == value ? MF_CHECKED : MF_UNCHECKED);
}
} // namespace tessuvo
