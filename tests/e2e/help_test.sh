#!/usr/bin/env bash
# End-to-end: the version option, the help window and the version box of the real program on a
# private Xvfb display, driven with xdotool.
# Usage: help_test.sh PATH/TO/tessuvo PATH/TO/tsvo.chm
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
cp "$2" "$work/tsvo.chm"

version='Tessuvo [TESSUVO] Version 2.1.2'
about_title='ﾊﾞｰｼﾞｮﾝ情報 Tessuvo \[TESSUVO\]'

# 1. The version option answers with or without a display; any other option is refused.
out=$(env -u DISPLAY "$work/tessuvo" --version)
check "--version without a display" "$version|0" "$out|$?"
out=$("$work/tessuvo" --version)
check "--version with a display" "$version|0" "$out|$?"
message=$("$work/tessuvo" --bogus 2>&1 >/dev/null)
status=$?
check "an unknown option ends with status 2" "2" "$status"
check "and says so in one line" "1" "$(grep -c -- '--bogus' <<<"$message")"

wait_for_window() { # title pattern; the window id, or nothing when it did not appear
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
wait_for_no_window() { # title pattern; fails when such a window is still shown after 5 s
    for _ in $(seq 50); do
        [[ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]] && return 0
        sleep 0.1
    done
    return 1
}

# 2. The help window opens from 目次 beside the main window, takes input while the main window
# runs, and follows a link.
start_app
xdotool key alt+h c # ﾍﾙﾌﾟ > 目次
help=$(wait_for_window 'Tessuvo ヘルプ 目次')
check "the help window shows the first page" "yes" "$([[ -n "$help" ]] && echo yes || echo no)"
if [[ -n "$help" ]]; then
    xdotool windowfocus --sync "$help"
    xdotool key Tab Return # the first link: 色の決め方と表記
    check "a link inside the help file is followed" "yes" \
        "$([[ -n "$(wait_for_window '色の決め方と表記')" ]] && echo yes || echo no)"
    xdotool key alt+Left
    check "Alt+Left goes back" "yes" \
        "$([[ -n "$(wait_for_window 'Tessuvo ヘルプ 目次')" ]] && echo yes || echo no)"
    xdotool key Escape
    check "Escape closes the help window" "yes" \
        "$(wait_for_no_window 'Tessuvo ヘルプ 目次' && echo yes || echo no)"
fi
# F1 in the main window opens the contents too.
xdotool windowfocus --sync "$window"
sleep 0.2
xdotool key F1
check "F1 opens the contents" "yes" \
    "$([[ -n "$(wait_for_window 'Tessuvo ヘルプ 目次')" ]] && echo yes || echo no)"
xdotool windowfocus --sync "$window"
sleep 0.2

# 3. The version box from the Help menu and from the background's context menu is the same box.
about_image() { # where to save it; closes the box with Enter on OK
    local box
    box=$(wait_for_window "$about_title")
    [[ -n "$box" ]] || return 1
    sleep 0.3
    import -window "$box" "$1"
    xdotool key Return
    refocus_after_dialog "$about_title"
}
xdotool key alt+h a # ﾍﾙﾌﾟ > ﾊﾞｰｼﾞｮﾝ情報
about_image "$work/menu.png"
check "the version box opens from the Help menu" "yes" "$([[ -f "$work/menu.png" ]] && echo yes || echo no)"
xdotool mousemove --window "$window" 3 40 click 3 # the background left of the preview
sleep 0.5
xdotool key a # ﾊﾞｰｼﾞｮﾝ情報(Tessuvo [TESSUVO]) (&A)...
about_image "$work/context.png"
check "the version box opens from the context menu" "yes" "$([[ -f "$work/context.png" ]] && echo yes || echo no)"
if [[ -f "$work/menu.png" && -f "$work/context.png" ]]; then
    check "both show the same box" "0" \
        "$(compare -metric AE "$work/menu.png" "$work/context.png" null: 2>&1)"
fi

# 4. The help window closes with the program.
xdotool key alt+f x
wait_for_exit
check "program ended cleanly with the help window open" "0" "$status"

# 5. A preview text with a line break survives a restart: pasted into the preview text dialog
# with the FONT tag option checked, written at close, read at the next start.
rm -f "$ini"
start_app
printf '上\n下\\n' | xclip -selection clipboard
xdotool key alt+s s # 設定 > ﾌﾟﾚﾋﾞｭｰ文字を変更する
dialog=$(wait_for_window 'ﾌﾟﾚﾋﾞｭｰ文字の設定')
check "the preview text dialog opens" "yes" "$([[ -n "$dialog" ]] && echo yes || echo no)"
xdotool mousemove --window "$dialog" 150 15 click 1 # into the text box
xdotool key --clearmodifiers ctrl+a ctrl+v
xdotool key Tab space Return # to the check box, check it, and OK
refocus_after_dialog 'ﾌﾟﾚﾋﾞｭｰ文字の設定'
xdotool key alt+f x
wait_for_exit
check "program ended cleanly after the preview text" "0" "$status"
check "stored on one line, escaped and marked" 'STRING=上\n下\\n|ESCAPED=1' \
    "$(sed -n '/^\[PREVIEW\]/,$p' "$ini" | grep -E '^(STRING|ESCAPED)=' | tr '\n' '|' | sed 's/|$//')"
start_app
xdotool key alt+t f t # ﾂｰﾙ > 文字色 > FONTﾀｸﾞ生成
tag=$'<FONT color="#000000">上\n下\\n</FONT>'
check "the text comes back with its line break" "$tag" "$(clipboard_once "$tag")"
xdotool key alt+f x
wait_for_exit
check "program ended cleanly after the FONT tag" "0" "$status"

finish
