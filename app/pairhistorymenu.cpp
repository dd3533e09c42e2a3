#include "pairhistorymenu.h"

#include "collections/pairhistory.h"
#include "platform/qtcolor.h"

#include <QIconEngine>
#include <QPainter>

namespace tessuvo {

namespace {

// The background colour on the left, the text colour on the right, in a thin frame; drawn for
// the size it is shown at, so that it stays sharp on any screen.
class PairIconEngine final : public QIconEngine
{
public:
    explicit PairIconEngine(const ColorPair& pair) : m_pair(pair) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const QRectF box = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
        QRectF left = box, right = box;
        left.setRight(box.center().x());
        right.setLeft(box.center().x());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->fillRect(left, ToQColor(m_pair.background));
        painter->fillRect(right, ToQColor(m_pair.text));
        painter->setPen(QColor(128, 128, 128));
        painter->drawRect(box);
        painter->restore();
    }

    QIconEngine* clone() const override { return new PairIconEngine(m_pair); }

private:
    ColorPair m_pair;
};

} // namespace

QString PairHistoryItemText(int index, const ColorPair& pair)
{
    const QString label = QString::fromStdString(PairLabel(pair));
    if (index >= 10)
        return label;
    return QStringLiteral("&%1 ").arg((index + 1) % 10) + label;
}

PairHistoryMenu::PairHistoryMenu(std::string historyPath, QWidget* parent)
    : QMenu(QString::fromUtf8("最近使った組み合わせ(&H)"), parent),
      m_historyPath(std::move(historyPath))
{
    connect(this, &QMenu::aboutToShow, this, &PairHistoryMenu::Rebuild);
}

void PairHistoryMenu::Record(const ColorPair& pair)
{
    // Without a home there is no history's file: nothing is kept, and the menu stays empty.
    if (!m_historyPath.empty())
        RecordPair(m_historyPath, pair);
}

void PairHistoryMenu::Rebuild()
{
    clear();
    const std::vector<ColorPair> history = ReadPairHistory(m_historyPath);
    for (std::size_t i = 0; i < history.size(); ++i) {
        const ColorPair pair = history[i];
        QAction* item = addAction(QIcon(new PairIconEngine(pair)),
                                  PairHistoryItemText(static_cast<int>(i), pair));
        connect(item, &QAction::triggered, this, [this, pair] { emit pairChosen(pair); });
    }
    if (!history.empty())
        addSeparator();
    QAction* clearItem = addAction(QString::fromUtf8("履歴を消去(&C)"));
    clearItem->setEnabled(!history.empty());
    // A file that cannot be written keeps its history; the next opening shows it as it is.
    connect(clearItem, &QAction::triggered, this, [this] { ClearPairHistory(m_historyPath); });
}

} // namespace tessuvo
