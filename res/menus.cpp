#include "menutemplate.h"
#include "resource.h"

namespace tessuvo::res {

namespace {

constexpr MenuItem FileMenu[] = {
    {"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", ID_APP_EXIT, {}},
};

constexpr MenuItem BackgroundTools[] = {
    {"ｺﾋﾟｰ(&C)", ID_BG_COPY, {}},         {"ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ(&P)", ID_BG_PALETTE, {}},
    {"ｽﾎﾟｲﾄ(&S)", ID_BG_PICK, {}},        {"登録(&R)", ID_BG_REGISTER, {}},
    {"BODYﾀｸﾞ生成(&T)", ID_BODY_TAG, {}},
};

constexpr MenuItem TextTools[] = {
    {"ｺﾋﾟｰ(&C)", ID_FG_COPY, {}},         {"ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ(&P)", ID_FG_PALETTE, {}},
    {"ｽﾎﾟｲﾄ(&S)", ID_FG_PICK, {}},        {"登録(&R)", ID_FG_REGISTER, {}},
    {"FONTﾀｸﾞ生成(&T)", ID_FONT_TAG, {}},
};

constexpr MenuItem ToolMenu[] = {
    {"背景色(&B)", 0, BackgroundTools},
    {"文字色(&F)", 0, TextTools},
    {"ｸﾞﾗﾃﾞｰｼｮﾝﾀｸﾞ(&G)", ID_GRADATION_TAG, {}},
    // A pop-up that the window fills when it opens.
    {"最近使った組み合わせ(&H)", ID_PAIR_HISTORY, {}},
};

constexpr MenuItem NotationMenu[] = {
    {"10進数(&D)", ID_NOTATION_DECIMAL, {}},
    {"16進数(&X)", ID_NOTATION_HEX, {}},
    {"HTML(&H)", ID_NOTATION_HTML, {}},
};

constexpr MenuItem PreviewModeMenu[] = {
    {"文字(&M)", ID_PREVIEW_TEXT, {}},
    {"左右(&W)", ID_PREVIEW_SIDES, {}},
};

constexpr MenuItem SettingsMenu[] = {
    {"RGB値(&C)", 0, NotationMenu},
    {"ﾌﾟﾚﾋﾞｭｰの方法(&P)", 0, PreviewModeMenu},
    {"ﾌﾟﾚﾋﾞｭｰ文字を変更する(&S)", ID_PREVIEW_STRING, {}},
    {"常に手前に表示する(&T)", ID_TOPMOST, {}},
    {"終了時の色を次に使う(&K)", ID_KEEP_COLORS, {}},
};

constexpr MenuItem HelpMenu[] = {
    {"目次(&C)", ID_HELP_CONTENTS, {}},
    {"ﾊﾞｰｼﾞｮﾝ情報(&A)", ID_APP_ABOUT, {}},
};

constexpr MenuItem MainMenu[] = {
    {"ﾌｧｲﾙ(&F)", 0, FileMenu},
    {"ﾂｰﾙ(&T)", 0, ToolMenu},
    {"設定(&S)", 0, SettingsMenu},
    {"ﾍﾙﾌﾟ(&H)", 0, HelpMenu},
};

} // namespace

std::span<const MenuItem> FindMenuTemplate(int id)
{
    if (id == IDR_MAINMENU)
        return MainMenu;
    return {};
}

} // namespace tessuvo::res
