#pragma once

#include "core/color/colorpair.h"

#include <QObject>
#include <optional>

namespace tessuvo {

class Eyedropper;
class MenuBar;
class PairWindow;
class WindowOptions;

// Two options of the additions under "設定(&S)": "終了時の色を次に使う(&K)", the pair kept for the
// next start, and "スポイトの範囲(&E)", one pixel or the average of a square.
class AdditionOptionsMenu final : public QObject
{
    Q_OBJECT

public:
    AdditionOptionsMenu(PairWindow& window, MenuBar& menu, WindowOptions& options,
                        Eyedropper& eyedropper, QObject* parent);

    // Shows both options as the file holds them and gives the eyedropper its range; the pair
    // kept, to start with, when keeping it is on.
    std::optional<ColorPair> Show();

private:
    void OnKeepColors();
    void OnPickArea(int area);

    PairWindow& m_window;
    MenuBar& m_menu;
    WindowOptions& m_options;
    Eyedropper& m_eyedropper;
};

} // namespace tessuvo
