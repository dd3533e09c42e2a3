#!/usr/bin/env bash
# End-to-end: CSS colour texts typed into the colour boxes of the real program and committed
# with Enter, on a private Xvfb display; the BODY tag shows what they set.
# Usage: csscolor_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

type_and_enter() { # text
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 0.2
}

start_app
type_and_enter '#abc' # the background box has the focus at the start
xdotool key Tab Tab Tab Tab Tab Tab # through the five buttons to the text colour box
type_and_enter 'navy'
xdotool key alt+t b t # ﾂｰﾙ > 背景色 > BODYﾀｸﾞ生成
tag='<BODY bgcolor="#aabbcc" text="#000080">'
check "#abc and navy read as CSS" "$tag" "$(clipboard_once "$tag")"

# A six-letter name is a name, not malformed hexadecimal pairs; a translucent text colour shows
# over the background.
xdotool key Tab Tab Tab Tab Tab Tab # from the text colour box round to the background box
type_and_enter 'orange'
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
type_and_enter '#0000ff80'
xdotool key alt+t b t
tag='<BODY bgcolor="#ffa500" text="#7f5280">'
check "orange, and half-transparent blue over it" "$tag" "$(clipboard_once "$tag")"

xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
check "program ended cleanly" "0" "$status"
finish
