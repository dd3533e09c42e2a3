#include "dialogtemplate.h"
#include "findbyid.h"
#include "resource.h"
#include "version.h"

namespace tessuvo::res {

namespace {

using enum ControlStyle;

constexpr ControlStyle ColorEdit = Multiline | TabStop;
constexpr ControlStyle IconButton = IconImage | Centre | VCentre | TabStop;

constexpr ControlTemplate MainControls[] = {
    {IDC_EDIT_BG, ControlKind::Edit, 32, 25, 40, 12, "", ColorEdit},
    {IDC_BG_COPY, ControlKind::PushButton, 5, 40, 13, 15, "Cp", IconButton},
    {IDC_BG_PALETTE, ControlKind::PushButton, 19, 40, 13, 15, "Cp", IconButton},
    {IDC_BG_PICK, ControlKind::PushButton, 32, 40, 13, 15, "Cp", IconButton},
    {IDC_BG_REGISTER, ControlKind::PushButton, 45, 40, 13, 15, "Cp", IconButton},
    {IDC_BG_TAG, ControlKind::PushButton, 58, 40, 13, 15, "Cp", IconButton},
    {IDC_BG_RED, ControlKind::ScrollBar, 5, 66, 67, 10, "", None},
    {IDC_BG_GREEN, ControlKind::ScrollBar, 5, 80, 67, 10, "", None},
    {IDC_BG_BLUE, ControlKind::ScrollBar, 5, 94, 67, 10, "", None},
    {IDC_EDIT_FG, ControlKind::Edit, 110, 25, 40, 12, "", ColorEdit},
    {IDC_FG_COPY, ControlKind::PushButton, 83, 40, 13, 15, "Cp", IconButton},
    {IDC_FG_PALETTE, ControlKind::PushButton, 96, 40, 13, 15, "Cp", IconButton},
    {IDC_FG_PICK, ControlKind::PushButton, 109, 40, 13, 15, "Cp", IconButton},
    {IDC_FG_REGISTER, ControlKind::PushButton, 122, 40, 13, 15, "Cp", IconButton},
    {IDC_FG_TAG, ControlKind::PushButton, 136, 40, 13, 15, "Cp", IconButton},
    {IDC_FG_RED, ControlKind::ScrollBar, 83, 66, 67, 10, "", None},
    {IDC_FG_GREEN, ControlKind::ScrollBar, 83, 80, 67, 10, "", None},
    {IDC_FG_BLUE, ControlKind::ScrollBar, 83, 94, 67, 10, "", None},
    {IDC_STATIC, ControlKind::Static, 10, 56, 10, 10, "0", Centre},
    {IDC_STATIC, ControlKind::Static, 61, 56, 10, 10, "255", Centre},
    {IDC_STATIC, ControlKind::Static, 87, 56, 10, 10, "0", Centre},
    {IDC_STATIC, ControlKind::Static, 139, 56, 10, 10, "255", Centre},
    {IDC_STATIC, ControlKind::Static, 5, 25, 25, 12, "背景色", Centre | Sunken},
    {IDC_STATIC, ControlKind::Static, 83, 25, 25, 12, "文字色", Centre | Sunken},
    {IDC_STATIC, ControlKind::Static, 73, 66, 8, 10, "赤", Centre},
    {IDC_STATIC, ControlKind::Static, 73, 80, 8, 10, "緑", Centre},
    {IDC_STATIC, ControlKind::Static, 73, 94, 8, 10, "青", Centre},
};

constexpr ControlTemplate SampleColorControls[] = {
    {IDOK, ControlKind::PushButton, 100, 5, 25, 14, "選択", DefaultButton | TabStop},
    {IDCANCEL, ControlKind::PushButton, 100, 21, 25, 14, "ｷｬﾝｾﾙ", TabStop},
    {IDC_SAMPLES[0], ControlKind::ColorButton, 5, 5, 15, 15, "黒", TabStop},
    {IDC_SAMPLES[1], ControlKind::ColorButton, 20, 5, 15, 15, "紺", TabStop},
    {IDC_SAMPLES[2], ControlKind::ColorButton, 35, 5, 15, 15, "紫", TabStop},
    {IDC_SAMPLES[3], ControlKind::ColorButton, 50, 5, 15, 15, "茶", TabStop},
    {IDC_SAMPLES[4], ControlKind::ColorButton, 65, 5, 15, 15, "橙", TabStop},
    {IDC_SAMPLES[5], ControlKind::ColorButton, 80, 5, 15, 15, "緑", TabStop},
    {IDC_SAMPLES[6], ControlKind::ColorButton, 5, 20, 15, 15, "灰", TabStop},
    {IDC_SAMPLES[7], ControlKind::ColorButton, 20, 20, 15, 15, "青", TabStop},
    {IDC_SAMPLES[8], ControlKind::ColorButton, 35, 20, 15, 15, "ｍ", TabStop},
    {IDC_SAMPLES[9], ControlKind::ColorButton, 50, 20, 15, 15, "赤", TabStop},
    {IDC_SAMPLES[10], ControlKind::ColorButton, 65, 20, 15, 15, "黄", TabStop},
    {IDC_SAMPLES[11], ControlKind::ColorButton, 80, 20, 15, 15, "黄緑", TabStop},
    {IDC_SAMPLES[12], ControlKind::ColorButton, 5, 35, 15, 15, "白", TabStop},
    {IDC_SAMPLES[13], ControlKind::ColorButton, 20, 35, 15, 15, "空", TabStop},
    {IDC_SAMPLES[14], ControlKind::ColorButton, 35, 35, 15, 15, "ｐ", TabStop},
    {IDC_SAMPLES[15], ControlKind::ColorButton, 50, 35, 15, 15, "桃", TabStop},
    {IDC_SAMPLES[16], ControlKind::ColorButton, 65, 35, 15, 15, "ｂ", TabStop},
    {IDC_SAMPLES[17], ControlKind::ColorButton, 80, 35, 15, 15, "ａ", TabStop},
};

constexpr ControlTemplate RegColorControls[] = {
    {IDC_REG_REGISTER, ControlKind::PushButton, 100, 5, 30, 15, "登録する", TabStop},
    {IDOK, ControlKind::PushButton, 100, 30, 30, 14, "選択", TabStop},
    {IDC_REG_DELETE, ControlKind::PushButton, 100, 45, 30, 14, "削除", TabStop},
    {IDCANCEL, ControlKind::PushButton, 100, 60, 30, 14, "閉じる", TabStop},
    {IDC_REG_SLOTS[0], ControlKind::ColorButton, 5, 30, 15, 15, "Button1", TabStop},
    {IDC_REG_SLOTS[1], ControlKind::ColorButton, 20, 30, 15, 15, "Button2", TabStop},
    {IDC_REG_SLOTS[2], ControlKind::ColorButton, 35, 30, 15, 15, "Button3", TabStop},
    {IDC_REG_SLOTS[3], ControlKind::ColorButton, 50, 30, 15, 15, "Button4", TabStop},
    {IDC_REG_SLOTS[4], ControlKind::ColorButton, 65, 30, 15, 15, "Button5", TabStop},
    {IDC_REG_SLOTS[5], ControlKind::ColorButton, 80, 30, 15, 15, "Button6", TabStop},
    {IDC_REG_SLOTS[6], ControlKind::ColorButton, 5, 45, 15, 15, "Button7", TabStop},
    {IDC_REG_SLOTS[7], ControlKind::ColorButton, 20, 45, 15, 15, "Button8", TabStop},
    {IDC_REG_SLOTS[8], ControlKind::ColorButton, 35, 45, 15, 15, "Button9", TabStop},
    {IDC_REG_SLOTS[9], ControlKind::ColorButton, 50, 45, 15, 15, "Button10", TabStop},
    {IDC_REG_SLOTS[10], ControlKind::ColorButton, 65, 45, 15, 15, "Button11", TabStop},
    {IDC_REG_SLOTS[11], ControlKind::ColorButton, 80, 45, 15, 15, "Button14", TabStop},
    {IDC_REG_SLOTS[12], ControlKind::ColorButton, 5, 60, 15, 15, "Button17", TabStop},
    {IDC_REG_SLOTS[13], ControlKind::ColorButton, 20, 60, 15, 15, "Button18", TabStop},
    {IDC_REG_SLOTS[14], ControlKind::ColorButton, 35, 60, 15, 15, "Button20", TabStop},
    {IDC_REG_SLOTS[15], ControlKind::ColorButton, 50, 60, 15, 15, "Button21", TabStop},
    {IDC_REG_SLOTS[16], ControlKind::ColorButton, 65, 60, 15, 15, "Button22", TabStop},
    {IDC_REG_SLOTS[17], ControlKind::ColorButton, 80, 60, 15, 15, "Button23", TabStop},
    {IDC_REG_SWATCH, ControlKind::ColorButton, 5, 5, 15, 15, "Button15", TabStop},
    {IDC_STATIC, ControlKind::Static, 25, 5, 70, 15, "この色を登録しますか？", VCentre},
};

// Lists its group box last, as its resource does: the box must stay beneath the controls it
// frames.
constexpr ControlTemplate GradationControls[] = {
    {IDC_GRAD_TEXT, ControlKind::Edit, 4, 25, 90, 14, "", TabStop},
    {IDC_GRAD_COPY, ControlKind::PushButton, 97, 25, 13, 15, "Cp", IconButton},
    {IDCANCEL, ControlKind::PushButton, 113, 25, 25, 15, "閉じる", TabStop},
    {IDC_GRAD_COLOR, ControlKind::Edit, 9, 53, 40, 12, "", ColorEdit | UpperCase},
    {IDC_GRAD_PALETTE, ControlKind::PushButton, 9, 67, 13, 15, "Cp", IconButton},
    {IDC_GRAD_PICK, ControlKind::PushButton, 23, 67, 13, 15, "Cp", IconButton},
    {IDC_GRAD_REGISTER, ControlKind::PushButton, 36, 67, 13, 15, "Cp", IconButton},
    {IDC_GRAD_PREVIEW_BG, ControlKind::RadioButton, 9, 85, 37, 10, "背景色", None},
    {IDC_GRAD_MIDDLE, ControlKind::RadioButton, 9, 96, 37, 10, "中間色", None},
    {IDC_GRAD_RED, ControlKind::ScrollBar, 64, 65, 67, 10, "", None},
    {IDC_GRAD_GREEN, ControlKind::ScrollBar, 64, 79, 67, 10, "", None},
    {IDC_GRAD_BLUE, ControlKind::ScrollBar, 64, 93, 67, 10, "", None},
    {IDC_STATIC, ControlKind::Static, 68, 54, 10, 10, "0", Centre},
    {IDC_STATIC, ControlKind::Static, 120, 54, 10, 10, "255", Centre},
    {IDC_STATIC, ControlKind::Static, 54, 65, 8, 10, "赤", Centre},
    {IDC_STATIC, ControlKind::Static, 54, 79, 8, 10, "緑", Centre},
    {IDC_STATIC, ControlKind::Static, 54, 93, 8, 10, "青", Centre},
    {IDC_STATIC, ControlKind::GroupBox, 4, 42, 135, 70, "色の設定", None},
};

// The icon static names its icon resource in its text.
constexpr ControlTemplate AboutControls[] = {
    {IDC_STATIC, ControlKind::Static, 11, 17, 20, 20, "128", IconImage},
    {IDC_STATIC, ControlKind::Static, 40, 15, 90, 8, VersionLine, None},
    {IDC_STATIC, ControlKind::Static, 40, 31, 120, 8, "(C) 2026 Tessuvo 開発チーム", None},
    {IDOK, ControlKind::PushButton, 155, 10, 32, 14, "OK", DefaultButton | TabStop},
};

constexpr ControlTemplate PreviewTextControls[] = {
    {IDOK, ControlKind::PushButton, 80, 40, 30, 14, "OK", DefaultButton | TabStop},
    {IDCANCEL, ControlKind::PushButton, 115, 40, 30, 14, "ｷｬﾝｾﾙ", TabStop},
    {IDC_PREVIEW_EDIT, ControlKind::Edit, 47, 5, 98, 12, "", Multiline | TabStop},
    {IDC_STATIC, ControlKind::Static, 5, 5, 40, 12, "ﾌﾟﾚﾋﾞｭｰ文字：", VCentre},
    {IDC_USEFONT, ControlKind::CheckBox, 5, 25, 140, 10, "この文字を使ってFONTタグを生成する",
     TabStop},
};

constexpr DialogTemplate Dialogs[] = {
    {IDD_ABOUTBOX, "ﾊﾞｰｼﾞｮﾝ情報 Tessuvo [TESSUVO]", 194, 55, DialogStyle::SystemMenu, 0,
     AboutControls},
    {IDD_MAIN, "Tessuvo [TESSUVO]", 155, 109, DialogStyle::MinimizeBox | DialogStyle::SystemMenu,
     IDR_MAINMENU, MainControls},
    {IDD_SAMPLECOLOR, "サンプルカラー", 131, 55, DialogStyle::SystemMenu, 0, SampleColorControls},
    {IDD_REGCOLOR, "登録色", 135, 79, DialogStyle::SystemMenu, 0, RegColorControls},
    {IDD_GRADATION, "グラデーションタグ", 143, 115, DialogStyle::SystemMenu, 0, GradationControls},
    {IDD_PREVIEWTEXT, "ﾌﾟﾚﾋﾞｭｰ文字の設定", 151, 59, DialogStyle::SystemMenu, 0,
     PreviewTextControls},
};

} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    return FindById(Dialogs, id);
}

} // namespace tessuvo::res
