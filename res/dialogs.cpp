#include "dialogtemplate.h"
#include "findbyid.h"
#include "resource.h"

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

constexpr DialogTemplate Dialogs[] = {
    {IDD_MAIN, "Tessuvo [TESSUVO]", 155, 109, DialogStyle::MinimizeBox | DialogStyle::SystemMenu,
     IDR_MAINMENU, MainControls},
};

} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    return FindById(Dialogs, id);
}

} // namespace tessuvo::res
