#include "colorbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <limits>
#include <qdrawutil.h>

namespace tessuvo {

ColorButton::ColorButton(const QString& label, QWidget* parent) : QAbstractButton(parent)
{
    setText(label);
    setAccessibleName(label);
    setFocusPolicy(Qt::StrongFocus);
}

QColor ColorButton::FaceColor() const
{
    const QColor face = m_face ? m_face() : QColor();
    return face.isValid() ? face : palette().color(QPalette::Button);
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush face(FaceColor());
    // The sunken two-pixel edge of a control with a client edge, the face inside it.
    qDrawWinPanel(&painter, rect(), palette(), true, &face);
    if (hasFocus()) {
        // A dotted rectangle that inverts what lies under it, so it shows on any colour.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void ColorButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of the pair has already been reported; the second is only this.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    event->accept();
}

void ColorButton::keyPressEvent(QKeyEvent* event)
{
    // Enter is left to the dialog, which gives it to its default button.
    if (event->modifiers() == Qt::NoModifier && MoveFocus(event->key()))
        return;
    QAbstractButton::keyPressEvent(event);
}

bool ColorButton::MoveFocus(int key)
{
    QPoint step;
    switch (key) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        return false;
    }
    const QPoint from = geometry().center();
    ColorButton* nearest = nullptr;
    int nearestDistance = std::numeric_limits<int>::max();
    for (ColorButton* other :
         parentWidget()->findChildren<ColorButton*>(Qt::FindDirectChildrenOnly)) {
        const QPoint delta = other->geometry().center() - from;
        // Only buttons in the same row (or column) and on the arrow's side of this one.
        const int along = delta.x() * step.x() + delta.y() * step.y();
        const int across = step.x() ? delta.y() : delta.x();
        if (other == this || !other->isVisible() || along <= 0 || qAbs(across) > height() / 2)
            continue;
        if (along < nearestDistance) {
            nearest = other;
            nearestDistance = along;
        }
    }
    if (nearest)
        nearest->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace tessuvo
