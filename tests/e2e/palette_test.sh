#!/usr/bin/env bash
# End-to-end: the palette window. A style sheet imported, a colour found by typing part of its
# name and set as the text colour with Enter, the palette exported as CSS custom properties and
# as a GIMP palette and both read back, and a palette file dropped into the folder by hand.
# Usage: palette_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
palettes=$XDG_DATA_HOME/tessuvo/palettes

wait_for_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
wait_for_file() { for _ in $(seq 50); do [[ -s "$1" ]] && return; sleep 0.1; done; }

# The colours of a GIMP palette, one "R G B<TAB>name" line each.
colours_of() { grep -a -E '^ *[0-9]' "$1"; }

# Runs the window's import or export file dialog on PATH.
through_file_dialog() { # key title path
    xdotool windowfocus --sync "$palette"
    xdotool key "$1"
    xdotool windowfocus --sync "$(wait_for_window "$2")"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 10 "$3"
    xdotool key Return
    refocus_after_dialog "$2"
    xdotool windowfocus --sync "$palette"
    sleep 0.3
}

cp "$here/../data/palettes/site.css" "$work/site.css"
start_app
xdotool key alt+t l # ﾂｰﾙ > パレット
palette=$(wait_for_window パレット)
[[ -n "$palette" ]] || { echo "the palette window did not open"; exit 1; }
xdotool windowfocus --sync "$palette"

through_file_dialog alt+i パレットを読み込む "$work/site.css"
wait_for_file "$palettes/site.gpl"
check "the style sheet is kept as a GIMP palette" \
    "$(printf ' 30  58  95\tbrand-blue\n255 244 214\tbrand-sand')" \
    "$(colours_of "$palettes/site.gpl" | head -n 2)"

# Found by part of its name, set as the text colour with Enter in the filter.
xdotool key alt+f # 文字色
xdotool key alt+s # 絞り込み
xdotool type --delay 20 'SAND'
xdotool key Return
xdotool windowfocus --sync "$window"
xdotool key alt+t f c # ﾂｰﾙ > 文字色 > ｺﾋﾟｰ
check "Enter sets the text colour" "#FFF4D6" "$(clipboard_once '#FFF4D6')"

# Written as CSS custom properties and as a GIMP palette, and each read back.
through_file_dialog alt+e パレットを書き出す "$work/exported.css"
wait_for_file "$work/exported.css"
check "custom properties written" "  --brand-blue: #1e3a5f;" "$(sed -n 2p "$work/exported.css")"
through_file_dialog alt+e パレットを書き出す "$work/exported.gpl"
wait_for_file "$work/exported.gpl"
through_file_dialog alt+i パレットを読み込む "$work/exported.css"
through_file_dialog alt+i パレットを読み込む "$work/exported.gpl"
wait_for_file "$palettes/exported.gpl"
wait_for_file "$palettes/site 2.gpl"
check "the custom properties read back the same colours and names" \
    "$(colours_of "$palettes/site.gpl")" "$(colours_of "$palettes/exported.gpl")"
check "the GIMP palette reads back the same colours and names" \
    "$(colours_of "$palettes/site.gpl")" "$(colours_of "$palettes/site 2.gpl")"

# A palette copied into the folder by hand shows up when the window is next used.
cp "$here/../data/palettes/harbour.gpl" "$palettes/"
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool windowfocus --sync "$palette"
sleep 0.3
xdotool key alt+p # パレット
xdotool type --delay 20 'Harbour'
xdotool key alt+b # 背景色
xdotool key alt+s
xdotool type --delay 20 'sea'
xdotool key Return
xdotool windowfocus --sync "$window"
xdotool key alt+t b c
check "a colour of the palette dropped into the folder" "#2E8B57" "$(clipboard_once '#2E8B57')"

xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
check "the program ended cleanly" "0" "$status"
check "the palette shown last is kept" "SHOWN=harbour.gpl" "$(grep -a '^SHOWN=' "$ini" | tr -d '\r')"
finish
