#include "helpkey.h"

#include "htmlhelp.h"

#include <QKeyEvent>

namespace tessuvo {

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            // No owner, as from the menu: the help goes to the window running the modal loop.
            HtmlHelpA(nullptr, m_helpPath, HH_DISPLAY_TOC, 0);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessuvo
