#pragma once

#include <QIcon>
#include <QImage>

class QPushButton;

namespace tessuvo {

// The icon resource drawn for a device pixel ratio of `scale`: each art pixel becomes a block
// of device pixels, never a blur, and the image keeps its size in logical pixels. A null image
// for an unknown id.
QImage IconResourceImage(int id, qreal scale = 1);

// The icon resource as the platform's icon, drawn afresh for every size and scale it is
// shown at.
QIcon LoadIcon(int id);

// Shows the 16 × 16 icon resource on a button of dialog `dialogId` instead of its caption; the
// button's tooltip becomes its name, read out by screen readers in place of the caption.
void SetButtonIcon(QPushButton* button, int id, int dialogId);

} // namespace tessuvo
