#pragma once

#include "core/eyedropper/eyedropper.h"
#include "core/eyedropper/magnifierview.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tessuvo {

// The eyedropper's magnifier: a small window beside the pointer that shows the device pixels
// around it enlarged, the colour a press there takes, and that colour's contrast. It only
// shows: the dialog that owns it says when, and what the pixels mean.
class Magnifier final : public QWidget
{
    Q_OBJECT

public:
    // What the pixels around the pointer show, asked at every update.
    using Describe = std::function<MagnifierView(PixelSquare)>;

    Magnifier(QWidget* owner, const PickScreen& screen, Describe describe);

    // Shows the view for the pointer at `global`. Moves that come faster than the screen
    // repaints are gathered into one update at the next frame.
    void Follow(QPointF global);
    // Reads the pixels around the pointer last followed, describes, places and repaints them,
    // at once.
    void Update();
    void Stop();

    // The view on show; for tests.
    const MagnifierView& View() const { return m_view; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QRect Shown(QPointF pointer);
    int FrameMs() const;
    qint64 SinceUpdateMs() const;

    const PickScreen& m_screen;
    Describe m_describe;
    MagnifierView m_view;
    QPointF m_pointer;
    QTimer m_frame;
    QElapsedTimer m_sinceUpdate;
};

} // namespace tessuvo
