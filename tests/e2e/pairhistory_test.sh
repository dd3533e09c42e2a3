#!/usr/bin/env bash
# End-to-end: the pair kept for the next start (and, with the option off, white and black again
# with no colour written), and the history of the pairs copied, kept in the state folder and
# chosen from after a restart.
# Usage: pairhistory_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

# Types both colours, each committed with Enter; the focus starts and ends in the background box.
set_pair() { # background text
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
    xdotool key Tab Tab Tab Tab Tab Tab # through the five buttons to the text colour box
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
    xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    sleep 0.2
}

# The pair the window shows, copied through the menu: "background text".
shown_pair() {
    local background
    xdotool key alt+t b c # ﾂｰﾙ > 背景色 > ｺﾋﾟｰ
    background=$(clipboard_once "${1%% *}")
    xdotool key alt+t f c # ﾂｰﾙ > 文字色 > ｺﾋﾟｰ
    printf '%s %s' "$background" "$(clipboard_once "${1##* }")"
}

close_app() { # name
    xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
    wait_for_exit
    check "$1: the program ended cleanly" "0" "$status"
}

colour_keys() { grep -a -E '^(KEEPCOLORS|BGCOLOR|FGCOLOR)=' "$ini" | tr -d '\r' | tr '\n' ' '; }

history_entries() { # file
    sed -n '/^\[HISTORY\]/,/^\[/p' "$1" 2>/dev/null | grep -a '=' | tr -d '\r' | tr '\n' '|'
}

# The pair kept: on, the next start shows the pair the window closed with.
start_app
set_pair '#87CEEB' '#1F4E9C'
xdotool key alt+s k # 設定 > 終了時の色を次に使う
close_app "kept pair on"
check "the close keeps the option and both colours" \
    "KEEPCOLORS=1 BGCOLOR=#87CEEB FGCOLOR=#1F4E9C " "$(colour_keys)"
start_app
check "the next start shows the kept pair" "#87CEEB #1F4E9C" "$(shown_pair '#87CEEB #1F4E9C')"

# Off again: the close writes no colour, and the next start is white and black.
xdotool key alt+s k
close_app "kept pair off"
check "nothing about colours is left after a close with the option off" "" "$(colour_keys)"
start_app
check "the next start is white and black" "#FFFFFF #000000" "$(shown_pair '#FFFFFF #000000')"
close_app "default start"
check "still no colour written" "" "$(colour_keys)"

# The history: three pairs copied in three ways, the second chosen after a restart. It is kept
# in the state folder; a copy leaves the settings file alone.
rm -f "$ini" "$history"
start_app
set_pair '#FFF4D6' '#1F4E9C'
xdotool key alt+t b c # the background value
clipboard_once '#FFF4D6' >/dev/null
check "a copy puts the pair into the history's file" "1=#FFF4D6 #1F4E9C|" \
    "$(history_entries "$history")"
check "a copy writes no settings file" "no" "$([[ -e "$ini" ]] && echo yes || echo no)"
set_pair '#000080' '#FFFF00'
xdotool key alt+t b t # the BODY tag
clipboard_once '<BODY bgcolor="#000080" text="#ffff00">' >/dev/null
set_pair '#87CEEB' '#000000'
xdotool key alt+t f t # the FONT tag
clipboard_once '<FONT color="#000000"></FONT>' >/dev/null
close_app "three copies"
check "the history holds the three pairs, newest first" \
    "1=#87CEEB #000000|2=#000080 #FFFF00|3=#FFF4D6 #1F4E9C|" "$(history_entries "$history")"
check "the settings file holds no history" "" "$(history_entries "$ini")"

start_app
xdotool key alt+t h 2 # ﾂｰﾙ > 最近使った組み合わせ > the second pair
sleep 0.3
check "choosing the second pair sets both colours" "#000080 #FFFF00" \
    "$(shown_pair '#000080 #FFFF00')"
close_app "history chosen"
finish
