#!/usr/bin/env bash
# End-to-end: the preview band's context menu fits the text colour to AA on the real program,
# and the FONT tag made afterwards carries a colour that reaches 4.5:1 against white.
# Usage: contrast_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

# WCAG 2 contrast ratio of "#rrggbb" against white.
ratio_on_white() {
    perl -e '
        my @c = map { hex($_) / 255 } ($ARGV[0] =~ /^#(..)(..)(..)$/) or exit 1;
        my @l = map { $_ <= 0.04045 ? $_ / 12.92 : (($_ + 0.055) / 1.055) ** 2.4 } @c;
        my $y = 0.2126 * $l[0] + 0.7152 * $l[1] + 0.0722 * $l[2];
        printf "%.4f\n", 1.05 / ($y + 0.05);' "$1"
}

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
colour=$(sed -nE 's/^<FONT color="(#[0-9a-f]{6})"><\/FONT>$/\1/p' <<<"$tag")
check "a FONT tag with the fitted colour" "yes" "$([[ -n "$colour" && "$colour" != "#777777" ]] && echo yes || echo "no: $tag")"
check "the fitted colour reaches 4.5:1 on white" "yes" \
    "$(perl -e 'print $ARGV[0] >= 4.5 ? "yes" : "no: $ARGV[0]"' "$(ratio_on_white "$colour")")"

xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
wait_for_exit
check "program ended cleanly" "0" "$status"
finish
