#pragma once

#include "core/colortext/pastedtext.h"

#include <QRect>
#include <functional>

class QMenu;
class QPlainTextEdit;
class QWidget;

namespace tessuvo {

inline constexpr const char* PasteAsColorText = "色として貼り付け(&V)";

// The colours of the clipboard's text for `into` (see ColorsFromPaste). When it holds none, a
// tooltip-style note "色が見つかりません" shows under `area` of `at` for two seconds.
PastedColors PasteColorsFromClipboard(std::optional<ColorTarget> into,
                                      const Color& currentBackground, QWidget* at, QRect area);

// Adds the paste command to a menu; choosing it runs `paste`.
void AddPasteAsColor(QMenu& menu, std::function<void()> paste);

// Gives a colour box the context menu of Qt's own items, a separator and the paste command.
void AddPasteToContextMenu(QPlainTextEdit* box, std::function<void()> paste);

} // namespace tessuvo
