#!/usr/bin/env bash
# End-to-end: the eyedropper on a real X screen. Another program's window of a known colour
# (xmessage, which ends when its button is pressed) is picked from, while the program's own
# window and the other program must not see the clicks that pick.
# Usage: eyedropper_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

swatch_colour='#12AB34'
# Text and background in one colour: the whole window but its outlines is the swatch colour.
setsid xmessage -geometry 200x100+700+500 -bg "$swatch_colour" -fg "$swatch_colour" \
    -title swatch swatch >/dev/null 2>&1 &
swatch_pid=$!
cleanup_groups+=("$swatch_pid")
timeout 20 xdotool search --sync --onlyvisible --name '^swatch$' >/dev/null
plain=(800 585)  # the swatch's plain background, right of its button
button=(728 582) # the middle of its button, which would end it

click_at() { # x y button
    xdotool mousemove --sync "$1" "$2" click "$3"
    sleep 0.3
}

# The colour in the focused box once it reads EXPECTED, or what it held when the tries ran
# out, copied with the box's own keys.
box_once() { # expected
    local text
    for _ in $(seq 20); do
        xdotool key --clearmodifiers ctrl+a ctrl+c
        sleep 0.1
        text=$(clipboard)
        [[ "$text" == "$1" ]] && break
    done
    printf '%s' "$text"
}

start_app

# 1. Started from the menu by keyboard, a click on another program's window takes its colour.
xdotool key alt+t b s # ﾂｰﾙ > 背景色 > ｽﾎﾟｲﾄ
sleep 0.2
click_at "${plain[@]}" 1
check "the pick from another program's window" "$swatch_colour" "$(box_once "$swatch_colour")"

# 2. Started for the background and then for the text from the menu, the pick goes to the text.
# A click on that program's button while armed picks, and the program never sees it.
xdotool key alt+t b s
sleep 0.2
xdotool key alt+t f s # ﾂｰﾙ > 文字色 > ｽﾎﾟｲﾄ
sleep 0.2
click_at "${button[@]}" 1
check "the other program did not get the click" "running" \
    "$(kill -0 "$swatch_pid" 2>/dev/null && echo running || echo ended)"
xdotool key alt+t f t # ﾂｰﾙ > 文字色 > FONTﾀｸﾞ生成
tag="<FONT color=\"#12ab34\"></FONT>"
check "the text colour picked from the button" "$tag" "$(clipboard_once "$tag")"
xdotool key alt+t b t # ﾂｰﾙ > 背景色 > BODYﾀｸﾞ生成
tag="<BODY bgcolor=\"#12ab34\" text=\"#12ab34\">"
check "the background colour stayed" "$tag" "$(clipboard_once "$tag")"
tag="<FONT color=\"#12ab34\"></FONT>"

# 3. A right click cancels: the text colour stays, and a later left click picks nothing.
xdotool key alt+t f s
sleep 0.2
click_at 300 700 3
click_at 20 700 1
xdotool key alt+t f t
check "a right click cancels the pick" "$tag" "$(clipboard_once "$tag")"

# 4. A click on the window's own copy button while armed picks instead of copying.
echo -n unchanged | xclip -selection clipboard
read -r wx wy wh < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^HEIGHT=/{h=$2} END{print x, y, h}')
client_top=$((wy + wh - 164)) # the client area is 164 pixels high, below the menu bar
xdotool key alt+t b s
sleep 0.2
click_at $((wx + 20)) $((client_top + 71)) 1 # the background copy button
sleep 0.3
check "the copy button did not copy" "unchanged" "$(clipboard)"
picked=$(box_once '')
check "the copy button's own pixel was picked" "yes" \
    "$([[ "$picked" =~ ^#[0-9A-F]{6}$ && "$picked" != "$swatch_colour" ]] && echo yes || echo "no: $picked")"

# 5. Escape while armed cancels and leaves the window open; Escape afterwards ends it as before.
xdotool key alt+t b s
sleep 0.2
xdotool key Escape
sleep 0.3
check "Escape while armed keeps the window" "running" \
    "$(kill -0 "$app_pid" 2>/dev/null && echo running || echo ended)"
click_at "${plain[@]}" 1
check "Escape cancelled the pick" "$picked" "$(box_once "$picked")"

# 6. The gradation dialog's own eyedropper, then its tags for a short text.
xdotool key alt+t g # ﾂｰﾙ > ｸﾞﾗﾃﾞｰｼｮﾝﾀｸﾞ
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^グラデーションタグ$' | head -n 1)
check "the gradation dialog opens" "yes" "$([[ -n "$dialog" ]] && echo yes || echo no)"
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 'ab'
xdotool key Tab space # the copy button
start=$(tr 'A-F' 'a-f' <<<"$picked")
tags="<FONT COLOR=\"$start\">a</FONT><FONT COLOR=\"#12ab34\">b</FONT>"
check "the gradation tags of the text" "$tags" "$(clipboard_once "$tags")"
xdotool key Tab Tab Tab Tab space # 閉じる, the colour box, palette, then the eyedropper
sleep 0.2
click_at "${plain[@]}" 1
xdotool key shift+Tab shift+Tab # back to the colour box
check "the dialog's eyedropper took the colour" "$swatch_colour" "$(box_once "$swatch_colour")"
xdotool key Escape
refocus_after_dialog グラデーションタグ
check "closing the dialog leaves the window's colour" "$picked" "$(box_once "$picked")"

xdotool key alt+f x
wait_for_exit
check "program ended cleanly" "0" "$status"
finish
