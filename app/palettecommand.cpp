#include "palettecommand.h"

#include "dialogs/palettes/palettewindow.h"
#include "pairwindow.h"
#include "platform/menubar.h"
#include "res/resource.h"

namespace tessuvo {

PaletteCommand::PaletteCommand(PairWindow& window, MenuBar& menu, std::string iniPath,
                               std::string historyPath, std::string folder, QWidget* owner)
    : QObject(owner), m_window(window), m_iniPath(std::move(iniPath)),
      m_historyPath(std::move(historyPath)), m_folder(std::move(folder)), m_owner(owner)
{
    connect(menu.Command(res::ID_PALETTES), &QAction::triggered, this, &PaletteCommand::OnPalettes);
}

void PaletteCommand::ShowPair(const ColorPair& pair)
{
    if (m_paletteWindow)
        m_paletteWindow->ShowPair(pair.background, pair.text);
}

void PaletteCommand::OnPalettes()
{
    if (!m_paletteWindow) {
        m_paletteWindow = new CPaletteWindow(m_iniPath, m_historyPath, m_folder, m_owner);
        connect(m_paletteWindow, &CPaletteWindow::colorChosen, this,
                [this](ColorTarget target, const Color& color) {
                    ColorPair pair = m_window.Pair();
                    (target == ColorTarget::Background ? pair.background : pair.text) = color;
                    m_window.SetPair(pair);
                });
        ShowPair(m_window.Pair());
    }
    m_paletteWindow->show();
    m_paletteWindow->raise();
    m_paletteWindow->activateWindow();
}

} // namespace tessuvo
