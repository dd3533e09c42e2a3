#pragma once

#include "core/color/color.h"
#include "core/readability/colorvision.h"

#include <QLabel>

namespace tessuvo {

// The line under the controls that reads the pair's contrast, with the band's full readout as
// its tooltip. Hidden, it leaves the client area as the dialog's template made it; shown, it
// makes the client area one line taller.
class ContrastLineLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ContrastLineLabel(QWidget* client);

    // Shows or hides the line, and resizes the window at once, so that it can be placed.
    void SetShown(bool shown);
    // Reads the pair as it is now; under a simulation both texts add the simulated ratio.
    void ShowPair(const Color& background, const Color& text, ColorVision vision);

private:
    int m_designHeight;
};

} // namespace tessuvo
