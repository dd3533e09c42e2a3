#pragma once

#include "core/color/colorpair.h"

#include <QMenu>
#include <string>

namespace tessuvo {

// "最近使った組み合わせ(&H)": the pairs of the history, newest first, each with an icon of its two
// colours, then "履歴を消去(&C)". Filled from the history's file each time it opens, so that it
// shows what the file holds, also after another running copy has added to it.
class PairHistoryMenu final : public QMenu
{
    Q_OBJECT

public:
    PairHistoryMenu(std::string historyPath, QWidget* parent);

    // Puts the pair first in the history. The copy it was made for is done whatever becomes
    // of this write.
    void Record(const ColorPair& pair);
    // Fills the menu from the history's file; runs on its own before the menu shows.
    void Rebuild();
    const std::string& HistoryPath() const { return m_historyPath; }

signals:
    void pairChosen(const tessuvo::ColorPair& pair);

private:
    void OnClearHistory();

    std::string m_historyPath;
};

// The text of the history's item `index` (from 0): the first ten carry the mnemonics 1 to 9
// and 0.
QString PairHistoryItemText(int index, const ColorPair& pair);

} // namespace tessuvo
