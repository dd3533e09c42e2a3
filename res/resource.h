#pragma once

// Resource, control and command ids.
namespace tessuvo::res {

// Dialogs, menus, strings, icons
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDI_COPY = 129;
inline constexpr int IDD_SAMPLECOLOR = 134;
inline constexpr int IDI_PALETTE = 135;
inline constexpr int IDI_PICK = 136;
inline constexpr int IDR_MAINMENU = 138;
inline constexpr int IDD_REGCOLOR = 140;
inline constexpr int IDI_REGISTER = 141;
inline constexpr int IDI_TAG = 143;
inline constexpr int IDD_GRADATION = 144;
inline constexpr int IDD_PREVIEWTEXT = 145;

// Standard dialog results and buttons
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

// Main window controls
inline constexpr int IDC_BG_COPY = 1000;
inline constexpr int IDC_EDIT_BG = 1001;
inline constexpr int IDC_BG_RED = 1002;
inline constexpr int IDC_BG_GREEN = 1003;
inline constexpr int IDC_BG_BLUE = 1004;
inline constexpr int IDC_EDIT_FG = 1005;
inline constexpr int IDC_BG_PALETTE = 1006;
inline constexpr int IDC_FG_PALETTE = 1007;
inline constexpr int IDC_BG_PICK = 1008;
inline constexpr int IDC_FG_PICK = 1009;
inline constexpr int IDC_FG_RED = 1010;
inline constexpr int IDC_FG_GREEN = 1011;
inline constexpr int IDC_FG_BLUE = 1012;
inline constexpr int IDC_BG_REGISTER = 1013;
inline constexpr int IDC_FG_REGISTER = 1014;
inline constexpr int IDC_BG_TAG = 1015;
inline constexpr int IDC_FG_COPY = 1016;
inline constexpr int IDC_FG_TAG = 1018;

// Sample colour dialog: the 18 sample buttons in grid order, row by row from the top left (the
// ids do not follow the grid)
inline constexpr int IDC_SAMPLES[] = {1000, 1019, 1002, 1004, 1008, 1005, 1016, 1017, 1020,
                                      1003, 1007, 1006, 1018, 1001, 1014, 1009, 1013, 1015};

// Registered colours dialog: slots 1 to 18, row by row from the top left
inline constexpr int IDC_REG_SLOTS[] = {1000, 1016, 1017, 1019, 1006, 1007, 1001, 1002, 1003,
                                        1004, 1005, 1008, 1014, 1018, 1020, 1015, 1028, 1029};
inline constexpr int IDC_REG_SWATCH = 1009;
inline constexpr int IDC_REG_REGISTER = 1013;
inline constexpr int IDC_REG_DELETE = 1030;

// Gradation tag dialog
inline constexpr int IDC_GRAD_PALETTE = 1000;
inline constexpr int IDC_GRAD_TEXT = 1001;
inline constexpr int IDC_GRAD_COLOR = 1002;
inline constexpr int IDC_GRAD_PICK = 1003;
inline constexpr int IDC_GRAD_REGISTER = 1004;
inline constexpr int IDC_GRAD_COPY = 1005;
inline constexpr int IDC_GRAD_RED = 1010;
inline constexpr int IDC_GRAD_GREEN = 1011;
inline constexpr int IDC_GRAD_BLUE = 1012;
inline constexpr int IDC_GRAD_PREVIEW_BG = 1021;
inline constexpr int IDC_GRAD_MIDDLE = 1022;

// Preview text dialog
inline constexpr int IDC_USEFONT = 1023;
inline constexpr int IDC_PREVIEW_EDIT = 1031;

// Menu commands
inline constexpr int ID_SYS_ABOUT = 16;
inline constexpr int ID_NOTATION_HEX = 32772;
inline constexpr int ID_TOPMOST = 32774;
inline constexpr int ID_APP_EXIT = 32775;
inline constexpr int ID_APP_ABOUT = 32776;
inline constexpr int ID_NOTATION_DECIMAL = 32780;
inline constexpr int ID_BG_COPY = 32782;
inline constexpr int ID_BG_PALETTE = 32783;
inline constexpr int ID_BG_PICK = 32784;
inline constexpr int ID_FG_COPY = 32785;
inline constexpr int ID_FG_PALETTE = 32786;
inline constexpr int ID_FG_PICK = 32787;
inline constexpr int ID_BG_REGISTER = 32788;
inline constexpr int ID_FG_REGISTER = 32789;
inline constexpr int ID_NOTATION_HTML = 32792;
inline constexpr int ID_PREVIEW_TEXT = 32793;
inline constexpr int ID_PREVIEW_SIDES = 32794;
inline constexpr int ID_BODY_TAG = 32796;
inline constexpr int ID_FONT_TAG = 32797;
inline constexpr int ID_GRADATION_TAG = 32798;
inline constexpr int ID_PREVIEW_STRING = 32799;
inline constexpr int ID_HELP_CONTENTS = 32800;
inline constexpr int ID_HELP = 57670;
// What the tag commands write
inline constexpr int ID_OUTPUT_HTML = 33000;
inline constexpr int ID_OUTPUT_CSS = 33001;

// The contrast line and the swap of the two colours
inline constexpr int ID_CONTRAST_LINE = 33040;
inline constexpr int ID_SWAP_COLORS = 33041;

// The pair kept at close and the history of pairs
inline constexpr int ID_KEEP_COLORS = 33060;
inline constexpr int ID_PAIR_HISTORY = 33061;

// The clipboard's text as colours, into the colour box that has the focus
inline constexpr int ID_PASTE_AS_COLOR = 33070;

// The palette window
inline constexpr int ID_PALETTES = 33080;

// The eyedropper's pick area: one pixel, or the average of 3 × 3 or 5 × 5
inline constexpr int ID_PICK_AREA_1 = 33020;
inline constexpr int ID_PICK_AREA_3 = 33021;
inline constexpr int ID_PICK_AREA_5 = 33022;

} // namespace tessuvo::res
