#include "additionoptionsmenu.h"

#include "core/eyedropper/eyedropper.h"
#include "pairwindow.h"
#include "platform/menubar.h"
#include "res/resource.h"
#include "settings/windowoptions.h"

namespace tessuvo {

using namespace res;

namespace {
constexpr std::pair<int, int> PickAreaItems[] = {
    {PickOnePixel, ID_PICK_AREA_1},
    {PickAverage3, ID_PICK_AREA_3},
    {PickAverage5, ID_PICK_AREA_5},
};
} // namespace

AdditionOptionsMenu::AdditionOptionsMenu(PairWindow& window, MenuBar& menu, WindowOptions& options,
                                         Eyedropper& eyedropper, QObject* parent)
    : QObject(parent), m_window(window), m_menu(menu), m_options(options), m_eyedropper(eyedropper)
{
    connect(menu.Command(ID_KEEP_COLORS), &QAction::triggered, this,
            &AdditionOptionsMenu::OnKeepColors);
    for (const auto& [area, command] : PickAreaItems)
        connect(menu.Command(command), &QAction::triggered, this,
                [this, a = area] { OnPickArea(a); });
}

std::optional<ColorPair> AdditionOptionsMenu::Show()
{
    m_eyedropper.SetPickArea(m_options.Get(keys::PickArea));
    m_menu.CheckRadioGroup(PickAreaItems, m_eyedropper.PickArea());
    const auto kept = m_options.KeptPair();
    if (kept)
        m_menu.CheckMenuItem(ID_KEEP_COLORS, MF_CHECKED);
    return kept;
}

void AdditionOptionsMenu::OnKeepColors()
{
    const bool keep = m_options.Get(keys::KeepColors) != 1;
    m_options.SetKeepColors(keep, m_window.Pair());
    m_menu.CheckMenuItem(ID_KEEP_COLORS, keep ? MF_CHECKED : MF_UNCHECKED);
}

void AdditionOptionsMenu::OnPickArea(int area)
{
    m_menu.CheckRadioGroup(PickAreaItems, area);
    m_eyedropper.SetPickArea(area);
    m_options.Set(keys::PickArea, area);
}

} // namespace tessuvo
