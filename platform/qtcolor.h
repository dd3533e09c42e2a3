#pragma once

#include "core/color/color.h"

#include <QColor>

namespace tessuvo {

// A colour as Qt paints it.
inline QColor ToQColor(const Color& color)
{
    return QColor(color.red, color.green, color.blue);
}

} // namespace tessuvo
