#!/usr/bin/env bash
# End-to-end: the eyedropper's magnifier and keys on a real X screen, at a scale of 1, 2, and
# 1.5 and 2 on one monitor each, on two monitors, the primary one to the right of the other.
# Another program shows a picture in which every device pixel has a colour of its own, with a
# chessboard in the blue, so that a value one device pixel off, from the wrong monitor, or an
# average taken in the wrong way shows in the colour.
# Usage: magnifier_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
xvfb_screen=2048x768x24
source "$here/common.sh"

source "$here/twomonitors.sh"
left=(300 300)
right=(1900 650) # near the right and bottom edges of the right monitor
show_patterns_on_two_monitors chessboard

# The colours of a square of device pixels, as the X server reads them, one "#RRGGBB" a line.
screen_pixels() { # x y side
    import -window root -crop "$3x$3+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'
}

# Their average per channel in linear light, rounded back to 8-bit sRGB.
linear_average() {
    awk '
        function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        function enc(l) {
            c = l <= 0.0031308 ? 12.92 * l : 1.055 * l ^ (1 / 2.4) - 0.055
            return int(c * 255 + 0.5)
        }
        function hex(s) { return index("0123456789ABCDEF", substr(s, 1, 1)) * 16 - 16 + \
                                 index("0123456789ABCDEF", substr(s, 2, 1)) - 1 }
        { for (i = 0; i < 3; i++) sum[i] += lin(hex(substr($0, 2 + 2 * i, 2))); n++ }
        END { printf "#%02X%02X%02X\n", enc(sum[0] / n), enc(sum[1] / n), enc(sum[2] / n) }'
}

# The magnifier's value once it reads EXPECTED, or what it read when the tries ran out.
magnifier_value() { # expected
    local name=
    for _ in $(seq 30); do
        name=$(xdotool search --onlyvisible --name 'コントラスト比' getwindowname 2>/dev/null | head -n 1)
        [[ "${name%% *}" == "$1" ]] && break
        sleep 0.1
    done
    printf '%s' "${name%% *}"
}

magnifier_gone() {
    for _ in $(seq 30); do
        xdotool search --onlyvisible --name 'コントラスト比' >/dev/null 2>&1 || { echo gone; return; }
        sleep 0.1
    done
    echo shown
}

# "beside" when the magnifier lies wholly on the monitor under the pointer and clear of the
# 15 × 15 device pixels around it.
magnifier_place() { # pointer_x pointer_y
    local id geometry mx my mw mh
    id=$(xdotool search --onlyvisible --name 'コントラスト比' | head -n 1)
    geometry=$(xdotool getwindowgeometry --shell "$id")
    mx=$(sed -n 's/^X=//p' <<<"$geometry") my=$(sed -n 's/^Y=//p' <<<"$geometry")
    mw=$(sed -n 's/^WIDTH=//p' <<<"$geometry") mh=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    local lo=$(($1 < 1024 ? 0 : 1024))
    if ((mx < lo || mx + mw > lo + 1024 || my < 0 || my + mh > 768)); then
        echo "off its monitor: ${mw}x${mh}+$mx+$my"
    elif ((mx <= $1 + 7 && mx + mw > $1 - 7 && my <= $2 + 7 && my + mh > $2 - 7)); then
        echo "over the pixels: ${mw}x${mh}+$mx+$my"
    else
        echo beside
    fi
}

# "over" when the magnifier covers the device pixel x,y.
magnifier_over() { # x y
    local id
    id=$(xdotool search --onlyvisible --name 'コントラスト比' | head -n 1)
    xdotool getwindowgeometry --shell "$id" | awk -F= -v x="$1" -v y="$2" '
        /^X=/ { mx = $2 } /^Y=/ { my = $2 } /^WIDTH=/ { mw = $2 } /^HEIGHT=/ { mh = $2 }
        END { print (x >= mx && x < mx + mw && y >= my && y < my + mh) ? "over" : "clear" }'
}

# The background colour, as the BODY tag gives it.
background() {
    xdotool key alt+t b t # ﾂｰﾙ > 背景色 > BODYﾀｸﾞ生成
}

# Arms the background eyedropper with the pointer at x0,y0, moves it with KEYS, and checks the
# magnifier and the colour that Enter takes against the screen at x,y: the pixel there, or the
# average of the SIDE × SIDE square around it.
pick_with_keys() { # label x0 y0 x y side keys...
    local label=$1 x0=$2 y0=$3 x=$4 y=$5 side=$6
    shift 6
    xdotool mousemove --sync "$x0" "$y0"
    xdotool key alt+t b s # ﾂｰﾙ > 背景色 > ｽﾎﾟｲﾄ
    sleep 0.3
    xdotool key "$@"
    sleep 0.3
    check "$label: the pointer went by device pixels" "x:$x y:$y" \
        "$(xdotool getmouselocation | grep -o 'x:[0-9]* y:[0-9]*')"
    local half=$((side / 2)) seen
    seen=$(screen_pixels $((x - half)) $((y - half)) "$side" | linear_average)
    check "$label: the magnifier's value" "$seen" "$(magnifier_value "$seen")"
    check "$label: the magnifier's place" "beside" "$(magnifier_place "$x" "$y")"
    xdotool key Return
    check "$label: the magnifier went with the pick" "gone" "$(magnifier_gone)"
    background
    local tag="<BODY bgcolor=\"$(tr 'A-F' 'a-f' <<<"$seen")\" text=\"#000000\">"
    check "$label: Enter took it" "$tag" "$(clipboard_once "$tag")"
}

for scale in QT_SCALE_FACTOR=1 QT_SCALE_FACTOR=2 'QT_SCREEN_SCALE_FACTORS=right=1.5;left=2'; do
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    export "${scale?}"
    rm -f "$ini"
    start_app
    # Odd and even device pixels on both monitors; on the right one, near its corner, the
    # magnifier goes to the left of the pointer and above it.
    pick_with_keys "$scale, left" $((left[0] + 10)) $((left[1] + 20)) \
        $((left[0] + 11)) $((left[1] + 10)) 1 Right Up shift+Up Down
    pick_with_keys "$scale, right" $((right[0] + 30)) $((right[1] + 40)) \
        $((right[0] + 40)) $((right[1] + 39)) 1 shift+Right Up
    # A jump onto the magnifier: it goes out of the way at once, and shows, and a click at once
    # takes, the picture's pixel there, not its own.
    x=$((left[0] + 50)) y=$((left[1] + 50))
    seen=$(screen_pixels "$x" "$y" 1)
    xdotool mousemove --sync $((left[0] + 5)) $((left[1] + 5))
    xdotool key alt+t b s
    sleep 0.3
    check "$scale: the magnifier lies where the pointer jumps" "over" "$(magnifier_over "$x" "$y")"
    xdotool mousemove --sync "$x" "$y"
    check "$scale: after the jump the magnifier shows the picture" "$seen" "$(magnifier_value "$seen")"
    xdotool mousemove --sync $((left[0] + 5)) $((left[1] + 5))
    sleep 0.3
    xdotool mousemove --sync "$x" "$y" click 1
    sleep 0.3
    background
    tag="<BODY bgcolor=\"$(tr 'A-F' 'a-f' <<<"$seen")\" text=\"#000000\">"
    check "$scale: a click there at once took the picture" "$tag" "$(clipboard_once "$tag")"
    # The average of 3 × 3 and of 5 × 5, chosen in ｾｯﾃｨﾝｸﾞ > スポイトの範囲.
    xdotool key alt+s e 3
    pick_with_keys "$scale, 3 × 3" $((left[0] + 20)) $((left[1] + 20)) \
        $((left[0] + 21)) $((left[1] + 20)) 3 Right
    xdotool key alt+s e 5
    pick_with_keys "$scale, 5 × 5" $((right[0] + 20)) $((right[1] + 20)) \
        $((right[0] + 20)) $((right[1] + 21)) 5 Down
    xdotool key alt+f x
    wait_for_exit
    check "$scale: program ended cleanly" "0" "$status"
    check "$scale: the pick area kept" "PICKAREA=5" "$(grep -o 'PICKAREA=.*' "$ini" | tr -d '\r')"
done
finish
