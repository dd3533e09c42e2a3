#pragma once

#include "core/color/color.h"
#include "core/textbox/modes.h"

#include <QRect>
#include <QString>

class QPainter;

namespace tessuvo {

// The preview band across the top of the main window's client area, in fixed pixels.
inline const QRect PreviewBand(QPoint(9, 1), QPoint(260, 32));
inline const QRect PreviewLeftHalf(QPoint(9, 1), QPoint(134, 32));
inline const QRect PreviewRightHalf(QPoint(135, 1), QPoint(260, 32));
inline const QRect PreviewTextBox(QPoint(9, 4), QPoint(260, 36));

// Paints the band in `mode`; any other mode paints nothing.
void PaintPreviewBand(QPainter& painter, int mode, const Color& background, const Color& text,
                      const QString& previewText);

} // namespace tessuvo
