#!/usr/bin/env bash
# End-to-end: starts the real program on a private Xvfb display, drives it with xdotool and
# reads the X clipboard with xclip. Usage: e2e_test.sh PATH/TO/tessuvo
set -uo pipefail

exe=$1
work=$(mktemp -d)
passed=0
failed=0

cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null
    [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

check() { # name expected actual
    if [[ "$2" == "$3" ]]; then
        echo "ok: $1"
        passed=$((passed + 1))
    else
        printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
        failed=$((failed + 1))
    fi
}

# A display of our own, so that parallel runs and a desktop session are not disturbed.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

# The program keeps its settings beside itself: run a copy in the scratch folder.
cp "$exe" "$work/tessuvo"
ini="$work/tessuvo.ini"

start_app() {
    "$work/tessuvo" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tessuvo \[TESSUVO\]$' | head -n 1)
    [[ -n "$window" ]] || { echo "the window did not appear"; cat "$work/app.log"; exit 1; }
    xdotool windowfocus --sync "$window"
    sleep 0.3
}

# Waits for the program to end; its exit status (a sanitizer report makes it non-zero) in $status.
wait_for_exit() {
    status=timeout
    for _ in $(seq 100); do
        if ! kill -0 "$app_pid" 2>/dev/null; then
            wait "$app_pid"
            status=$?
            app_pid=
            return
        fi
        sleep 0.1
    done
}

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# 1. Type a colour into the background box and press Enter; make a BODY tag from the menu.
start_app
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '#ff8000'
xdotool key Return
sleep 0.2
xdotool key alt+t b t # ﾂｰﾙ > 背景色 > BODYﾀｸﾞ生成
sleep 0.3
check "BODY tag on the clipboard" '<BODY bgcolor="#ff8000" text="#000000">' "$(clipboard)"

# 2. The text colour in decimal notation, then a FONT tag from the menu.
xdotool key Tab Tab Tab Tab Tab Tab # through the five buttons to the text colour box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '0,0,255'
xdotool key Return
xdotool key alt+t f t # ﾂｰﾙ > 文字色 > FONTﾀｸﾞ生成
sleep 0.3
check "FONT tag on the clipboard" '<FONT color="#0000ff"></FONT>' "$(clipboard)"

# 3. Switch to hexadecimal notation and leave through the exit command: the settings are written.
xdotool key alt+s c x # 設定 > RGB値 > 16進数
sleep 0.2
xdotool windowmove --sync "$window" 100 120
xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
check "program ended cleanly through the exit command" "0" "$status"
check "settings written at close" "[FLG]|TOPMOST=0|RGB=16|PREVIEW=0|[POSITION]|X=|Y=|[PREVIEW]|STRING=[TESSUVO]" \
    "$(sed -E 's/^([XY])=-?[0-9]+$/\1=/' "$ini" | tr '\n' '|' | sed 's/|$//')"

# 4. The next start shows the saved notation; Escape leaves without writing.
before=$(cat "$ini")
start_app
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.2
check "saved notation restored" "FFFFFF" "$(clipboard)"
check "saved position restored" "100,120" \
    "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9-]*,[0-9-]*\).*/\1/p')"
xdotool key Escape
wait_for_exit
check "program ended cleanly through Escape" "0" "$status"
check "Escape writes nothing" "$before" "$(cat "$ini")"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
