#pragma once

#include <QIcon>
#include <QImage>

class QPushButton;

namespace tessuvo {

// The icon resource drawn at its own size; a null image for an unknown id.
QImage IconResourceImage(int id);

// The icon resource as the platform's icon.
QIcon LoadIcon(int id);

// Shows the 16 × 16 icon resource on the button instead of its caption.
void SetButtonIcon(QPushButton* button, int id);

} // namespace tessuvo
