#!/usr/bin/env bash
# End-to-end: a colour name pasted through the colour box's menu, a CSS rule with both colours
# pasted with Ctrl+Shift+V, then the tag commands and the gradation dialog with the CSS output
# style, and the dialog's gradient copy.
# Usage: css_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

open_gradation() {
    xdotool key alt+t g # ﾂｰﾙ > ｸﾞﾗﾃﾞｰｼｮﾝﾀｸﾞ
    dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^グラデーションタグ$' | head -n 1)
    [[ -n "$dialog" ]] || { echo "the gradation dialog did not open"; exit 1; }
    xdotool windowfocus --sync "$dialog"
    sleep 0.2
}

close_gradation() {
    xdotool key Escape
    refocus_after_dialog グラデーションタグ
}

start_app

# 1. A colour text longer than the box takes, pasted through the background box's own context
# menu (the box has the focus at start); then the rule as a web author has it on the clipboard,
# with Ctrl+Shift+V, ﾂｰﾙ's paste as colour.
printf 'RebeccaPurple' | xclip -selection clipboard -i
xdotool key Menu
sleep 0.3
xdotool key v # 色として貼り付け(&V)
sleep 0.2
xdotool key alt+t b c # ﾂｰﾙ > 背景色 > ｺﾋﾟｰ
check "the name pasted into the box" "#663399" "$(clipboard_once "#663399")"
printf 'body {\n  background-color: #1e3a5f;\n  color: khaki;\n}\n' | xclip -selection clipboard -i
xdotool key ctrl+shift+v
sleep 0.2
xdotool key alt+t b c
check "the pasted background" "#1E3A5F" "$(clipboard_once "#1E3A5F")"
xdotool key alt+t f c # ﾂｰﾙ > 文字色 > ｺﾋﾟｰ
check "the pasted text colour" "#F0E68C" "$(clipboard_once "#F0E68C")"

# 2. The gradation as FONT tags, for comparison with its spans below.
open_gradation
xdotool key Tab space # the copy button
html=$(clipboard_once "never")
check "FONT tags of the gradation" "yes" \
    "$([[ "$html" == '<FONT COLOR="#1e3a5f">[</FONT>'* ]] && echo yes || echo "no: $html")"
close_gradation

# 3. CSS output: the tag commands and the gradation copy.
xdotool key alt+s o c # 設定 > 出力形式 > CSS
sleep 0.2
body='body { background-color: #1e3a5f; color: #f0e68c; }'
xdotool key alt+t b t # ﾂｰﾙ > 背景色 > BODYのCSS生成
check "the body rule" "$body" "$(clipboard_once "$body")"
span='<span style="color: #f0e68c"></span>'
xdotool key alt+t f t # ﾂｰﾙ > 文字色 > spanﾀｸﾞ生成
check "the span of the text colour" "$span" "$(clipboard_once "$span")"

open_gradation
xdotool key Tab space
spans=$(sed -E 's/<FONT COLOR="(#[0-9a-f]{6})">/<span style="color: \1">/g; s#</FONT>#</span>#g' \
    <<<"$html")
check "the gradation as spans in the colours of the FONT tags" "$spans" "$(clipboard_once "$spans")"

# 4. The gradient text from the preview band's menu.
xdotool mousemove --window "$dialog" 120 15 click 3
sleep 0.3
xdotool key g # CSSグラデーションとしてコピー(&G)
gradient='<span style="background: linear-gradient(to right, #1e3a5f, #879075, #f0e68c); -webkit-background-clip: text; background-clip: text; color: transparent;">[TESSUVO]てっすぼ</span>'
check "the gradient text" "$gradient" "$(clipboard_once "$gradient")"
close_gradation

xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
check "program ended cleanly" "0" "$status"
check "the output style is kept" "OUTPUT=1" "$(grep -o 'OUTPUT=1' "$ini")"
finish
