#!/usr/bin/env bash
# Remakes the screenshots that the README shows, from the real program on a private Xvfb
# display: the main window (also with its contrast line) and the gradation tag dialog, each
# cropped to its window, into docs/.
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

xdotool key alt+t g # ﾂｰﾙ > ｸﾞﾗﾃﾞｰｼｮﾝﾀｸﾞ
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^グラデーションタグ$' | head -n 1)
[[ -n "$dialog" ]] || { echo "the gradation dialog did not open"; exit 1; }
shoot "$dialog" gradation-dialog.png
xdotool key Escape
refocus_after_dialog グラデーションタグ
xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
