#pragma once

#include "core/color/color.h"
#include "core/readability/colorvision.h"

#include <QString>
#include <functional>

class QMenu;
class QPainter;

namespace tessuvo {

// Paints the preview band as a person with `vision` sees it: both colours simulated, and the
// simulation's mark in the band's corner. Under ColorVision::Normal it is the band as it is.
void PaintSimulatedBand(QPainter& painter, int mode, const Color& background, const Color& text,
                        const QString& previewText, ColorVision vision);

// The band menu's choice of simulation, the current one marked; `choose` gets the one chosen.
void AddColorVisionMenu(QMenu& menu, ColorVision current,
                        const std::function<void(ColorVision)>& choose);

} // namespace tessuvo
