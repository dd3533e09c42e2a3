#!/usr/bin/env bash
# End-to-end: the preview band's context menu fits the text colour to AA on the real program,
# and the FONT tag made afterwards carries the fitted colour: #777777 on white (4.48:1) becomes
# #767676 (4.54:1), the value the unit tests of the fit establish.
# Usage: contrast_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

start_app
xdotool key Tab Tab Tab Tab Tab Tab # through the five buttons to the text colour box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '#777777'
xdotool key Return
sleep 0.2

# The band lies across the top of the client area, just below the menu bar.
xdotool mousemove --window "$window" 130 36 click 3
sleep 0.5
xdotool key Down Return # the readout is disabled: the first item taken is the AA fit
sleep 0.2
xdotool key alt+t f t # ﾂｰﾙ > 文字色 > FONTﾀｸﾞ生成
sleep 0.3
tag=$(clipboard)
check "a FONT tag with the fitted colour" '<FONT color="#767676"></FONT>' "$tag"

xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
check "program ended cleanly" "0" "$status"
finish
