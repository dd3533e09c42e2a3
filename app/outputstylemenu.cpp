#include "outputstylemenu.h"

#include "platform/menubar.h"
#include "res/resource.h"
#include "settings/windowoptions.h"

#include <QPushButton>

namespace tessuvo {

using namespace res;

OutputStyleMenu::OutputStyleMenu(MenuBar& menu, QPushButton* bodyTag, QPushButton* fontTag,
                                 WindowOptions& options, QObject* parent)
    : QObject(parent), m_menu(menu), m_bodyTag(bodyTag), m_fontTag(fontTag), m_options(options)
{
    connect(menu.Command(ID_OUTPUT_HTML), &QAction::triggered, this,
            &OutputStyleMenu::OnOutputHtml);
    connect(menu.Command(ID_OUTPUT_CSS), &QAction::triggered, this, &OutputStyleMenu::OnOutputCss);
}

OutputStyle OutputStyleMenu::Style() const
{
    return OutputStyleFromSetting(m_options.Get(keys::Output));
}

void OutputStyleMenu::Show()
{
    const OutputStyle style = Style();
    m_menu.CheckMenuItem(ID_OUTPUT_HTML,
                         style == OutputStyle::HtmlTags ? MF_CHECKED : MF_UNCHECKED);
    m_menu.CheckMenuItem(ID_OUTPUT_CSS, style == OutputStyle::Css ? MF_CHECKED : MF_UNCHECKED);
    const QString body = QString::fromUtf8(BodyCommandName(style));
    const QString font = QString::fromUtf8(FontCommandName(style));
    m_menu.Command(ID_BODY_TAG)->setText(body + QStringLiteral("(&T)"));
    m_menu.Command(ID_FONT_TAG)->setText(font + QStringLiteral("(&T)"));
    m_bodyTag->setAccessibleName(body);
    m_fontTag->setAccessibleName(font);
}

void OutputStyleMenu::OnOutputHtml()
{
    SetStyle(OutputStyle::HtmlTags);
}

void OutputStyleMenu::OnOutputCss()
{
    SetStyle(OutputStyle::Css);
}

void OutputStyleMenu::SetStyle(OutputStyle style)
{
    m_options.Set(keys::Output, static_cast<int>(style));
    Show();
}

} // namespace tessuvo
