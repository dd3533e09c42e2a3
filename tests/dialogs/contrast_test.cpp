#include "app/colorpickdlg.h"
#include "core/colortext/notation.h"
#include "core/readability/contrast.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

const QPoint OnBand(100, 16);
const QPoint OffBand(3, 60);

class PreviewBandContrastTest : public MainWindowFixture
{
protected:
    void Open(const char* background, const char* text, const std::string& settings = {})
    {
        MainWindowFixture::Open(settings);
        m_dlg->ApplyColorText(ColorTarget::Background, background);
        m_dlg->ApplyColorText(ColorTarget::Text, text);
        m_dlg->RefreshColors();
        QApplication::processEvents();
    }

    // The tooltip at a point of the client area; empty for none.
    QString ToolTipAt(QPoint clientPoint) const
    {
        // A tooltip that is asked to go keeps its text while it fades: start from a marker.
        const QString none = QStringLiteral("(none)");
        QWidget* client = m_dlg->Client();
        QToolTip::showText(client->mapToGlobal(clientPoint), none, client);
        QHelpEvent event(QEvent::ToolTip, clientPoint, client->mapToGlobal(clientPoint));
        QApplication::sendEvent(client, &event);
        return QToolTip::text() == none ? QString() : QToolTip::text();
    }
};

TEST_F(PreviewBandContrastTest, TooltipOverTheBandInEachMode)
{
    const QString expected = QString::fromUtf8(
        "コントラスト比 4.54:1　AA ○　AAA ×（大きな文字 AA ○　AAA ○）　APCA Lc 72\n"
        "背景色 = white　文字色 ≈ gray");
    Open("#FFFFFF", "#767676");
    EXPECT_EQ(ToolTipAt(OnBand), expected);
    EXPECT_EQ(ToolTipAt(OffBand), QString());
    m_dlg->GetMenu()->Command(ID_PREVIEW_SIDES)->trigger();
    EXPECT_EQ(ToolTipAt(OnBand), expected);
    // Formed when asked: a colour typed a moment ago counts.
    m_dlg->ApplyColorText(ColorTarget::Text, "#000000");
    EXPECT_TRUE(ToolTipAt(OnBand).startsWith(QString::fromUtf8("コントラスト比 21.00:1　")));

    m_dlg.reset();
    Open("#FFFFFF", "#767676", "[FLG]\nPREVIEW=5\n"); // no band drawn, nothing to describe
    EXPECT_EQ(ToolTipAt(OnBand), QString());
}

TEST_F(PreviewBandContrastTest, FittingToAAMovesOnlyTheTextBars)
{
    Open("#FFFFFF", "#777777");
    WithMenuAt(OnBand, [](QMenu& menu) {
        EXPECT_FALSE(menu.actions().value(0)->isEnabled()); // the readout
        EXPECT_TRUE(Item(menu, "文字色をAAA(7:1)に合わせる")->isEnabled());
        Item(menu, "文字色をAA(4.5:1)に合わせる")->trigger();
    });
    const Color text = m_dlg->TextColor();
    EXPECT_GE(ContrastRatio(text, {255, 255, 255}), RatioAA);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_FG_RED)->GetScrollPos(), text.red);
    // The boxes and the readout follow at once.
    EXPECT_EQ(ControlOf<EditBox>(*m_dlg, IDC_EDIT_FG)->GetWindowText(),
              *FormatColor(NotationHtml, text));
    EXPECT_TRUE(ToolTipAt(OnBand).contains(QString::fromUtf8("AA ○　AAA ×（")));
}

TEST_F(PreviewBandContrastTest, FitItemsAreOffWhenPassingOrOutOfReach)
{
    Open("#FFFFFF", "#000000");
    WithMenuAt(OnBand, [](QMenu& menu) {
        EXPECT_FALSE(Item(menu, "文字色をAA(4.5:1)に合わせる")->isEnabled());
        EXPECT_FALSE(Item(menu, "文字色をAAA(7:1)に合わせる")->isEnabled());
        // The window menu's version item stays reachable, after a separator.
        const QList<QAction*> items = menu.actions();
        ASSERT_GE(items.size(), 2);
        EXPECT_TRUE(items[items.size() - 2]->isSeparator());
        EXPECT_EQ(items.back()->text(),
                  QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(Tessuvo [TESSUVO]) (&A)..."));
    });
    m_dlg.reset();
    Open("#777777", "#FFFFFF"); // no grey reaches 7:1 on mid grey
    WithMenuAt(OnBand, [](QMenu& menu) {
        EXPECT_TRUE(Item(menu, "文字色をAA(4.5:1)に合わせる")->isEnabled());
        EXPECT_FALSE(Item(menu, "文字色をAAA(7:1)に合わせる")->isEnabled());
    });
    WithMenuAt(OffBand, [](QMenu& menu) { EXPECT_EQ(menu.actions().size(), 1); });
}

TEST_F(PreviewBandContrastTest, CssCopyIsExactlyTheTwoDeclarationsAsPlainText)
{
    Open("#FFFFFF", "#12ABEF");
    WithMenuAt(OnBand, [](QMenu& menu) { Item(menu, "CSSとしてコピー")->trigger(); });
    EXPECT_EQ(ClipboardText(), "color: #12abef; background-color: #ffffff;");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
}

} // namespace
