#include "colorvisionband.h"

#include "core/textbox/modes.h"
#include "platform/dialogfont.h"
#include "previewband.h"

#include <QActionGroup>
#include <QMenu>
#include <QPainter>

namespace tessuvo {

void PaintSimulatedBand(QPainter& painter, int mode, const Color& background, const Color& text,
                        const QString& previewText, ColorVision vision)
{
    PaintPreviewBand(painter, mode, SimulateColorVision(background, vision),
                     SimulateColorVision(text, vision), previewText);
    if (vision == ColorVision::Normal || (mode != PreviewText && mode != PreviewSides))
        return;
    // Black on white whatever the band's colours: the mark is no part of what is simulated.
    const QString mark = QString::fromUtf8(ColorVisionMark(vision));
    painter.setFont(DialogFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box(PreviewBand.topLeft() + QPoint(2, 2),
                    QSize(metrics.horizontalAdvance(mark) + 6, metrics.height() + 2));
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, mark);
}

void AddColorVisionMenu(QMenu& menu, ColorVision current,
                        const std::function<void(ColorVision)>& choose)
{
    static constexpr std::pair<ColorVision, const char*> Items[] = {
        {ColorVision::Normal, "なし(&N)"},       {ColorVision::Protan, "1型（P型）(&P)"},
        {ColorVision::Deutan, "2型（D型）(&D)"}, {ColorVision::Tritan, "3型（T型）(&T)"},
        {ColorVision::Achromat, "1色覚(&A)"},
    };
    QMenu* submenu = menu.addMenu(QString::fromUtf8("色覚シミュレーション(&S)"));
    auto* group = new QActionGroup(submenu);
    for (const auto& [vision, text] : Items) {
        QAction* action = submenu->addAction(QString::fromUtf8(text));
        action->setCheckable(true);
        action->setChecked(vision == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, submenu,
                         [choose, vision = vision] { choose(vision); });
    }
}

} // namespace tessuvo
