#include "eyedropperhost.h"

#include "magnifier.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace tessuvo {

EyedropperHost::EyedropperHost(QWidget* window)
    : m_screen(CreatePickScreen(window)), m_window(window)
{
    m_eyedropper.OnChange([this] { OnEyedropperChanged(); });
}

void EyedropperHost::OnEyedropperChanged()
{
    // The capture brings moves without a button held only to a window that tracks them.
    m_window->setMouseTracking(m_eyedropper.Armed());
    if (!m_eyedropper.Armed()) {
        if (m_magnifier)
            m_magnifier->Stop();
        return;
    }
    if (!m_magnifier) {
        m_magnifier = new Magnifier(m_window, *m_screen, [this](PixelSquare square) {
            return DescribeMagnifier(std::move(square), m_eyedropper.PickArea(), PickNotation(),
                                     PickContrastColor(*m_eyedropper.PickTarget()));
        });
    }
    const GlobalPoint pointer = m_screen->PointerPosition();
    m_magnifier->Follow({pointer.x, pointer.y});
}

void EyedropperHost::PickMousePress(const QMouseEvent* event)
{
    m_swallowContextMenu = false;
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->globalPosition());
    else if (event->button() == Qt::RightButton)
        OnRButtonDown();
}

void EyedropperHost::PickMouseRelease(const QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp();
}

void EyedropperHost::PickMouseMove(const QMouseEvent* event)
{
    if (m_eyedropper.Armed() && m_magnifier)
        m_magnifier->Follow(event->globalPosition());
}

// True when the key was the armed eyedropper's.
bool EyedropperHost::OnPickKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_eyedropper.Armed())
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
         key->key() == Qt::Key_Space)) {
        const GlobalPoint pointer = m_screen->PointerPosition();
        OnLButtonDown({pointer.x, pointer.y});
        OnLButtonUp();
        return true;
    }
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    const int step = modifiers == Qt::ShiftModifier ? 10 : 1;
    QPoint move;
    switch (key->key()) {
    case Qt::Key_Left:
        move = {-step, 0};
        break;
    case Qt::Key_Right:
        move = {step, 0};
        break;
    case Qt::Key_Up:
        move = {0, -step};
        break;
    case Qt::Key_Down:
        move = {0, step};
        break;
    default:
        return false;
    }
    m_screen->MovePointer(move.x(), move.y());
    // Where the system reports the move, the motion follows as well; the two make one update.
    const GlobalPoint pointer = m_screen->PointerPosition();
    m_magnifier->Follow({pointer.x, pointer.y});
    return true;
}

bool EyedropperHost::PickWindowEvent(const QEvent* event)
{
    if (event->type() == QEvent::ContextMenu &&
        (m_eyedropper.Picking() || std::exchange(m_swallowContextMenu, false)))
        return true;
    if (m_eyedropper.Picking() && IsEscapePress(event)) {
        OnRButtonDown();
        return true;
    }
    return OnPickKey(event);
}

// Key presses reach the focused control first, and a multi-line box would close the window on
// Escape.
bool EyedropperHost::PickControlEvent(const QEvent* event)
{
    if (!m_eyedropper.Picking())
        return false;
    if (IsEscapePress(event))
        OnRButtonDown();
    else if (!OnPickKey(event) && event->type() != QEvent::ContextMenu)
        return false;
    return true;
}

} // namespace tessuvo
