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
    {"背景色と文字色を入れ替える(&W)", ID_SWAP_COLORS, {}},
    // A pop-up that the window fills when it opens.
    {"最近使った組み合わせ(&H)", ID_PAIR_HISTORY, {}},
    {"色として貼り付け(&V)", ID_PASTE_AS_COLOR, {}},
    {"パレット(&L)...", ID_PALETTES, {}},
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

constexpr MenuItem OutputStyleMenu[] = {
    {"HTMLタグ(&H)", ID_OUTPUT_HTML, {}},
    {"CSS(&C)", ID_OUTPUT_CSS, {}},
};

constexpr MenuItem PickAreaMenu[] = {
    {"1ピクセル(&1)", ID_PICK_AREA_1, {}},
    {"3×3の平均(&3)", ID_PICK_AREA_3, {}},
    {"5×5の平均(&5)", ID_PICK_AREA_5, {}},
};

constexpr MenuItem SettingsMenu[] = {
    {"RGB値(&C)", 0, NotationMenu},
    {"ﾌﾟﾚﾋﾞｭｰの方法(&P)", 0, PreviewModeMenu},
    {"ﾌﾟﾚﾋﾞｭｰ文字を変更する(&S)", ID_PREVIEW_STRING, {}},
    {"常に手前に表示する(&T)", ID_TOPMOST, {}},
    {"出力形式(&O)", 0, OutputStyleMenu},
    {"コントラストを表示(&R)", ID_CONTRAST_LINE, {}},
    {"終了時の色を次に使う(&K)", ID_KEEP_COLORS, {}},
    {"スポイトの範囲(&E)", 0, PickAreaMenu},
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
