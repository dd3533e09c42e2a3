#!/usr/bin/env bash
# End-to-end: the contrast line read over AT-SPI after a palette choice, the swap, and a pixel of
# the band under the 1型 simulation against the published matrix, on the real program.
# Usage: pairview_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

# A session bus of our own, where the accessibility bus starts when the program asks for it;
# Qt then shows its widgets there as if a screen reader ran. setsid makes the buses and the
# registry one process group, which cleanup ends.
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" GSETTINGS_BACKEND=memory QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec 4< <(setsid dbus-daemon --session --nofork --print-address=1 2>/dev/null)
bus_pid=$!
cleanup_groups+=("$bus_pid")
read -r -t 20 DBUS_SESSION_BUS_ADDRESS <&4 || { echo "no session bus"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS

# The contrast line and its tooltip on two lines, once the line reads EXPECTED, or what it read
# when the tries ran out.
contrast_line() { # expected line
    local text
    for _ in $(seq 50); do
        text=$(/usr/bin/python3 "$here/a11y.py" label '^[0-9]+\.[0-9]{2}:1　' 2>/dev/null)
        [[ "${text%%$'\n'*}" == "$1" ]] && break
        sleep 0.1
    done
    printf '%s' "$text"
}

window_height() { xwininfo -id "$window" | sed -nE 's/^ *Height: ([0-9]+)$/\1/p'; }

# "#RRGGBB" as seen through a matrix of the simulation, applied in linear light.
through_matrix() { # colour m11 m12 ... m33
    perl -e '
        my ($colour, @m) = @ARGV;
        my @l = map { my $c = hex($_) / 255; $c <= 0.04045 ? $c / 12.92 : (($c + 0.055) / 1.055) ** 2.4 }
            ($colour =~ /^#(..)(..)(..)$/);
        printf "#%02X%02X%02X\n", map {
            my $v = $m[3 * $_] * $l[0] + $m[3 * $_ + 1] * $l[1] + $m[3 * $_ + 2] * $l[2];
            $v = $v < 0 ? 0 : $v > 1 ? 1 : $v;
            int(255 * ($v <= 0.0031308 ? 12.92 * $v : 1.055 * $v ** (1 / 2.4) - 0.055) + 0.5)
        } 0 .. 2;' "$@"
}
protan=(0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998)

# The colour of a pixel of the window's client area, below the menu bar.
client_pixel() { # x y
    import -window "$window" -crop "1x1+$1+$(($2 + menu_height))" -depth 8 txt:- |
        grep -o '#[0-9A-F]\{6\}' | head -n 1
}

start_app
design_height=$(window_height)
menu_height=$((design_height - 164)) # the client area is 109 dialog units high

# 1. The line turned on, then a text colour from the palette: 赤 on white.
xdotool key alt+s r # 設定 > コントラストを表示
sleep 0.3
check "the window grows by one line" "$((design_height + 15))" "$(window_height)"
xdotool key alt+t f p # ﾂｰﾙ > 文字色 > ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ
palette=$(timeout 20 xdotool search --sync --onlyvisible --name '^サンプルカラー$' | head -n 1)
xdotool mousemove --window "$palette" 100 41 click --repeat 2 --delay 100 1 # 赤, double-clicked
refocus_after_dialog サンプルカラー
check "the line after a palette choice" \
    $'4.00:1　AA ×　AAA ×　Lc 64\nコントラスト比 4.00:1　AA ×　AAA ×（大きな文字 AA ○　AAA ×）　APCA Lc 64' \
    "$(contrast_line '4.00:1　AA ×　AAA ×　Lc 64')"

# 2. Swapped: white on red.
xdotool key alt+t w # ﾂｰﾙ > 背景色と文字色を入れ替える
line=$(contrast_line '4.00:1　AA ×　AAA ×　Lc -70')
check "the line after the swap" "4.00:1　AA ×　AAA ×　Lc -70" "${line%%$'\n'*}"
xdotool key alt+t b c # ﾂｰﾙ > 背景色 > ｺﾋﾟｰ
check "the background is the former text colour" "#FF0000" "$(clipboard_once '#FF0000')"

# 3. Left and right halves, seen as with 1型: red is drawn through the matrix.
xdotool key alt+s p w # 設定 > ﾌﾟﾚﾋﾞｭｰの方法 > 左右
sleep 0.2
xdotool mousemove --window "$window" 130 $((menu_height + 16)) click 3
sleep 0.5
xdotool key s p # 色覚シミュレーション > 1型（P型）
sleep 0.3
check "a pixel of the left half through the matrix" "$(through_matrix '#FF0000' "${protan[@]}")" \
    "$(client_pixel 100 28)"
check "a pixel of the right half through the matrix" "$(through_matrix '#FFFFFF' "${protan[@]}")" \
    "$(client_pixel 200 16)"
line=$(contrast_line '4.00:1　AA ×　AAA ×　Lc -70　1型 6.39:1')
check "the line adds the simulated ratio" "4.00:1　AA ×　AAA ×　Lc -70　1型 6.39:1" "${line%%$'\n'*}"
xdotool key alt+t f c # ﾂｰﾙ > 文字色 > ｺﾋﾟｰ: the real colour, never the simulated one
check "a copy carries the real colour" "#FFFFFF" "$(clipboard_once '#FFFFFF')"

# 4. The option is kept; the simulation is not.
xdotool key alt+f x
wait_for_exit
check "program ended cleanly" "0" "$status"
check "the line is kept in the settings file" "CONTRASTLINE=1" "$(grep -a '^CONTRASTLINE=' "$ini")"
start_app
check "the next start is one line taller" "$((design_height + 15))" "$(window_height)"
line=$(contrast_line '21.00:1　AA ○　AAA ○　Lc 106')
check "the next start reads the pair, not simulated" "21.00:1　AA ○　AAA ○　Lc 106" "${line%%$'\n'*}"
xdotool key alt+f x
wait_for_exit
check "program ended cleanly after the restart" "0" "$status"
finish
