#include "magnifierview.h"

#include "core/colortext/notation.h"
#include "core/readability/contrast.h"
#include "eyedropper.h"
#include "pickarea.h"

namespace tessuvo {

MagnifierView DescribeMagnifier(PixelSquare square, int area, int notation, const Color& other)
{
    MagnifierView view;
    view.square = std::move(square);
    view.outlined = PickAreaFromValue(area);
    view.picked = FromColorRef(AveragePick(view.square, view.outlined));
    constexpr Color black{0, 0, 0}, white{255, 255, 255};
    view.outline =
        ContrastRatio(view.picked, black) >= ContrastRatio(view.picked, white) ? black : white;
    view.value =
        FormatColor(notation, view.picked).value_or(*FormatColor(NotationHtml, view.picked));
    view.contrast = "コントラスト比 " + FormatRatio(ContrastRatio(view.picked, other));
    return view;
}

} // namespace tessuvo
