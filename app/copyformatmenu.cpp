#include "copyformatmenu.h"

#include "core/colortext/copyformats.h"

#include <QMenu>
#include <QPushButton>

namespace tessuvo {

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
