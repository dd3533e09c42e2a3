#pragma once

#include "core/color/colorpair.h"

#include <QObject>
#include <string>

class QWidget;

namespace tessuvo {

class CPaletteWindow;
class MenuBar;
class PairWindow;

// "パレット(&L)..." in "ﾂｰﾙ(&T)": the palette window, made at its first opening so that a start
// without it is as before. A swatch chosen there sets one colour of the main window's pair.
class PaletteCommand final : public QObject
{
    Q_OBJECT

public:
    PaletteCommand(PairWindow& window, MenuBar& menu, std::string iniPath, std::string historyPath,
                   std::string folder, QWidget* owner);

    // Follows a change of either colour while the palette window exists.
    void ShowPair(const ColorPair& pair);

private:
    void OnPalettes();

    PairWindow& m_window;
    const std::string m_iniPath;
    const std::string m_historyPath;
    const std::string m_folder;
    QWidget* m_owner;
    CPaletteWindow* m_paletteWindow = nullptr;
};

} // namespace tessuvo
