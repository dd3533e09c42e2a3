#include "previewband.h"

#include "platform/dialogfont.h"
#include "platform/qtcolor.h"

#include <QPainter>

namespace tessuvo {

void PaintPreviewBand(QPainter& painter, int mode, const Color& background, const Color& text,
                      const QString& previewText)
{
    if (mode == PreviewText) {
        painter.fillRect(PreviewBand, ToQColor(background));
        painter.setFont(CreateFontA(24, 600, DesignFontFace));
        painter.setPen(ToQColor(text));
        // Centred horizontally from the top of the text box, each line break starting a new
        // line, clipped to the box. The text is drawn as it stands: "&" is no mnemonic here.
        painter.drawText(PreviewTextBox, Qt::AlignHCenter | Qt::AlignTop, previewText);
    } else if (mode == PreviewSides) {
        painter.fillRect(PreviewLeftHalf, ToQColor(background));
        painter.fillRect(PreviewRightHalf, ToQColor(text));
    }
}

} // namespace tessuvo
