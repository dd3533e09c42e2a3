#include "outputstylemenu.h"

#include "platform/menubar.h"
#include "res/resource.h"

#include <QPushButton>

namespace tessuvo {

using namespace res;

void ShowOutputStyle(MenuBar& menu, QPushButton* bodyTag, QPushButton* fontTag, OutputStyle style)
{
    menu.CheckMenuItem(ID_OUTPUT_HTML, style == OutputStyle::HtmlTags ? MF_CHECKED : MF_UNCHECKED);
    menu.CheckMenuItem(ID_OUTPUT_CSS, style == OutputStyle::Css ? MF_CHECKED : MF_UNCHECKED);
    const QString body = QString::fromUtf8(BodyCommandName(style));
    const QString font = QString::fromUtf8(FontCommandName(style));
    menu.Command(ID_BODY_TAG)->setText(body + QStringLiteral("(&T)"));
    menu.Command(ID_FONT_TAG)->setText(font + QStringLiteral("(&T)"));
    bodyTag->setAccessibleName(body);
    fontTag->setAccessibleName(font);
}

} // namespace tessuvo
