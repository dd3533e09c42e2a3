#include "cssoutput.h"

#include "core/colortext/copyformats.h"
#include "platform/menubar.h"
#include "res/resource.h"

#include <QMenu>
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

void AddCopyFormatMenu(QPushButton* button, std::function<Color()> color,
                       std::function<void(const std::string&)> copy)
{
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        button, &QWidget::customContextMenuRequested, button,
        [button, color = std::move(color), copy = std::move(copy)](QPoint at) {
            QMenu menu(button);
            const Color shown = color();
            int mnemonic = 1;
            for (CopyFormat format : CopyFormats) {
                const std::string text = FormatColorAs(format, shown);
                const QString label =
                    QStringLiteral("&%1 %2").arg(mnemonic++).arg(QString::fromStdString(text));
                QObject::connect(menu.addAction(label), &QAction::triggered, button,
                                 [&copy, text] { copy(text); });
            }
            menu.exec(button->mapToGlobal(at));
        });
}

} // namespace tessuvo
