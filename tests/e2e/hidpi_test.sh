#!/usr/bin/env bash
# End-to-end: the eyedropper at a device pixel ratio of 2, and of 1.5 and 2 on one monitor each,
# on two monitors, the primary one to the right of the other and so not at 0,0. Every device pixel of a picture that another
# program shows has a colour of its own, so a pick one device pixel off, or from the wrong
# monitor, shows in the colour.
# Usage: hidpi_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
xvfb_screen=2048x768x24
source "$here/common.sh"

source "$here/twomonitors.sh"
left=(300 300)
right=(1100 650)
show_patterns_on_two_monitors 85

# The colour the screen shows at a device pixel, as the X server reads it.
screen_pixel() { # x y
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

pick_at() { # x y: the background colour picked there, as the BODY tag gives it
    xdotool key alt+t b s # ﾂｰﾙ > 背景色 > ｽﾎﾟｲﾄ
    sleep 0.2
    xdotool mousemove --sync "$1" "$2" click 1
    sleep 0.3
    xdotool key alt+t b t # ﾂｰﾙ > 背景色 > BODYﾀｸﾞ生成
}

for scale in QT_SCALE_FACTOR=2 'QT_SCREEN_SCALE_FACTORS=right=1.5;left=2'; do
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    export "${scale?}"
    start_app
    # Odd and even device pixels on both monitors: at these scales most lie inside a logical
    # pixel.
    for spot in "${right[0]} ${right[1]} 7 11" "${right[0]} ${right[1]} 40 22" \
        "${left[0]} ${left[1]} 11 16" "${left[0]} ${left[1]} 30 45"; do
        read -r x0 y0 dx dy <<<"$spot"
        x=$((x0 + dx)) y=$((y0 + dy))
        seen=$(screen_pixel "$x" "$y")
        check "the picture lies under $x,$y" "55" "${seen:5:2}"
        pick_at "$x" "$y"
        tag="<BODY bgcolor=\"$(tr 'A-F' 'a-f' <<<"$seen")\" text=\"#000000\">"
        check "$scale: the device pixel at $x,$y" "$tag" "$(clipboard_once "$tag")"
    done
    xdotool key alt+f x
    wait_for_exit
    check "$scale: program ended cleanly" "0" "$status"
done
finish
