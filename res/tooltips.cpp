#include "tooltips.h"

#include "resource.h"

namespace tessuvo::res {

namespace {

struct ToolTip
{
    int dialog;
    int control;
    const char* text;
};

constexpr ToolTip ToolTips[] = {
    {IDD_MAIN, IDC_BG_COPY, "ｺﾋﾟｰ"},
    {IDD_MAIN, IDC_FG_COPY, "ｺﾋﾟｰ"},
    {IDD_MAIN, IDC_BG_PALETTE, "ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ"},
    {IDD_MAIN, IDC_FG_PALETTE, "ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ"},
    {IDD_MAIN, IDC_BG_PICK, "ｽﾎﾟｲﾄ"},
    {IDD_MAIN, IDC_FG_PICK, "ｽﾎﾟｲﾄ"},
    {IDD_MAIN, IDC_BG_REGISTER, "登録"},
    {IDD_MAIN, IDC_FG_REGISTER, "登録"},
    {IDD_MAIN, IDC_BG_TAG, "BODYﾀｸﾞ生成"},
    {IDD_MAIN, IDC_FG_TAG, "FONTﾀｸﾞ生成"},
    {IDD_GRADATION, IDC_GRAD_PALETTE, "ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ"},
    {IDD_GRADATION, IDC_GRAD_PICK, "ｽﾎﾟｲﾄ"},
    {IDD_GRADATION, IDC_GRAD_REGISTER, "登録"},
    {IDD_GRADATION, IDC_GRAD_COPY, "ｸﾞﾗﾃﾞｰｼｮﾝﾀｸﾞ生成"},
};

} // namespace

const char* ButtonToolTip(int dialogId, int id)
{
    for (const ToolTip& tip : ToolTips) {
        if (tip.dialog == dialogId && tip.control == id)
            return tip.text;
    }
    return nullptr;
}

} // namespace tessuvo::res
