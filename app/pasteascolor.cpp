#include "pasteascolor.h"

#include "pairwindow.h"
#include "platform/colorpaste.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "previewband.h"
#include "res/resource.h"

#include <QKeySequence>

namespace tessuvo {

PasteAsColor::PasteAsColor(PairWindow& window, MenuBar& menu, EditBox* background, EditBox* text,
                           QWidget* client)
    : QObject(client), m_window(window), m_background(background), m_text(text), m_client(client)
{
    QAction* command = menu.Command(res::ID_PASTE_AS_COLOR);
    // Ctrl+V stays the boxes' own paste of the typed text.
    command->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(command, &QAction::triggered, this, &PasteAsColor::OnPasteAsColor);
    AddPasteToContextMenu(background, [this] { Paste(ColorTarget::Background); });
    AddPasteToContextMenu(text, [this] { Paste(ColorTarget::Text); });
}

void PasteAsColor::OnPasteAsColor()
{
    const QWidget* focus = m_client->window()->focusWidget();
    if (focus == m_background)
        Paste(ColorTarget::Background);
    else if (focus == m_text)
        Paste(ColorTarget::Text);
    else
        Paste(std::nullopt);
}

// Every colour the clipboard gives goes in as any other: bars first, then one refresh.
void PasteAsColor::Paste(std::optional<ColorTarget> into)
{
    QWidget* at = m_client;
    QRect area = PreviewBand;
    if (into) {
        at = *into == ColorTarget::Background ? m_background : m_text;
        area = at->rect();
    }
    ColorPair pair = m_window.Pair();
    const PastedColors colors = PasteColorsFromClipboard(into, pair.background, at, area);
    if (!colors.background && !colors.text)
        return;
    pair.background = colors.background.value_or(pair.background);
    pair.text = colors.text.value_or(pair.text);
    m_window.SetPair(pair);
}

} // namespace tessuvo
