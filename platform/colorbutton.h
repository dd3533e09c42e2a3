#pragma once

#include <QAbstractButton>
#include <functional>

namespace tessuvo {

// An owner-drawn colour button: flat with a sunken edge, its face filled with the colour its
// dialog answers at each paint, its caption never drawn (it names the colour for screen
// readers instead). A focus rectangle one pixel inside the edge follows the keyboard focus.
class ColorButton final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ColorButton(const QString& label, QWidget* parent = nullptr);

    // Asked for the face colour at every paint; an invalid colour paints the button face.
    void SetFaceProvider(std::function<QColor()> provider) { m_face = std::move(provider); }
    QColor FaceColor() const;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Moves the focus to the nearest colour button of the grid in the arrow's direction.
    bool MoveFocus(int key);

    std::function<QColor()> m_face;
};

} // namespace tessuvo
