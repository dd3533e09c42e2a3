#!/usr/bin/env bash
# Remakes the screenshots that the README shows, from the real program on a private Xvfb
# display: the main window (also with its contrast line), the gradation tag dialog and the
# palette window, each cropped to its window, and the history of pairs open in the tool menu,
# into docs/.
# Usage: scripts/screenshots.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -eq 1 && -x "$1/tessuvo" ]] || { echo "usage: $0 BUILD_DIR (after scripts/build.sh)"; exit 2; }
out=$PWD/docs
mkdir -p "$out"
# The display, a scratch copy of the program with no settings yet, and start_app.
source tests/e2e/common.sh "$1/tessuvo"

# Saves the window once it has painted. Moving the caret of the focused text box restarts its
# blinking, so that every run catches the caret shown.
shoot() { # window, file
    sleep 0.5
    xdotool key Home End
    sleep 0.2
    import -window "$1" -strip -define png:exclude-chunks=date,time "$out/$2"
    echo "$out/$2"
}

start_app
# A light background and a dark text colour, typed into the two colour boxes with Enter.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '#FFF4D6'
xdotool key Return
xdotool key Tab Tab Tab Tab Tab Tab # through the five buttons to the text colour box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '#1F4E9C'
xdotool key Return
shoot "$window" main-window.png
xdotool key alt+s r # 設定 > コントラストを表示, on and off again
shoot "$window" contrast-line.png
xdotool key alt+s r

# The background eyedropper armed over the anti-aliased edge of a letter of the preview, moved
# onto it with the arrow keys: the window and the magnifier beside the pointer, cut from the
# screen (the magnifier is a window of its own).
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT
xdotool mousemove --sync $((X + 73)) $((Y + 25))
xdotool key alt+t b s # ﾂｰﾙ > 背景色 > ｽﾎﾟｲﾄ
xdotool key Right Right
sleep 0.5
magnifier=$(timeout 20 xdotool search --sync --onlyvisible --name 'コントラスト比' | head -n 1)
read -r mx my mw mh < <(xdotool getwindowgeometry --shell "$magnifier" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
left=$((X - 8)) top=$((Y - 8))
right=$(((X + WIDTH > mx + mw ? X + WIDTH : mx + mw) + 8))
bottom=$(((Y + HEIGHT > my + mh ? Y + HEIGHT : my + mh) + 8))
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -strip \
    -define png:exclude-chunks=date,time "$out/magnifier.png"
echo "$out/magnifier.png"
xdotool key Escape

xdotool key alt+t g # ﾂｰﾙ > ｸﾞﾗﾃﾞｰｼｮﾝﾀｸﾞ
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^グラデーションタグ$' | head -n 1)
[[ -n "$dialog" ]] || { echo "the gradation dialog did not open"; exit 1; }
shoot "$dialog" gradation-dialog.png
xdotool key Escape
refocus_after_dialog グラデーションタグ

# The history of pairs: BODY tags of a few pairs, then ﾂｰﾙ > 最近使った組み合わせ. The menus are
# windows of their own, so the picture is cut from the screen around the main window.
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab # back to the background box
for pair in '#FFFFFF #333333' '#FFF4D6 #1F4E9C' '#000080 #FFFF00' '#87CEEB #000000' \
    '#2E8B57 #F5F5DC'; do
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "${pair% *}"
    xdotool key Return
    xdotool key Tab Tab Tab Tab Tab Tab # through the five buttons to the text colour box
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "${pair#* }"
    xdotool key Return
    xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    xdotool key alt+t b t # ﾂｰﾙ > 背景色 > BODYﾀｸﾞ生成
    sleep 0.3
done
xdotool windowmove --sync "$window" 20 20
xdotool key alt+t h
sleep 0.8
import -window root -crop 530x255+15+15 -strip -define png:exclude-chunks=date,time \
    "$out/pair-history-menu.png"
echo "$out/pair-history-menu.png"
xdotool key Escape Escape

# The palette window on the named colours, narrowed by its filter to those named blue.
xdotool key alt+t l # ﾂｰﾙ > パレット
palette=$(timeout 20 xdotool search --sync --onlyvisible --name '^パレット$' | head -n 1)
[[ -n "$palette" ]] || { echo "the palette window did not open"; exit 1; }
xdotool windowfocus --sync "$palette"
xdotool type --delay 20 'blue'
shoot "$palette" palette-window.png
xdotool key Escape
refocus_after_dialog パレット

xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
