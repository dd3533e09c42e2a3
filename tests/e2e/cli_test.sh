#!/usr/bin/env bash
# The command line of the real executable: --convert and --contrast with no display at all,
# against the copy formats and the published WCAG examples; the usage errors; then --pick on a
# private Xvfb display, with the arrow keys and Enter, with a click and --copy (the clipboard
# after the program has ended, kept by a clipboard manager), and cancelled.
# Usage: cli_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

# Standard output, standard error and the exit status of a run without a display, joined by "|".
bare() {
    local out status
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/tessuvo" "$@" 2>"$work/err")
    status=$?
    printf '%s|%s|%s' "$out" "$(cat "$work/err")" "$status"
}

# 1. --convert: the six copy formats, one of them, and a text that holds no colour.
check "--convert in all six forms" '#12abff
#12ABFF
rgb(18 171 255)
hsl(201.3 100% 53.5%)
oklch(0.711 0.1657 242.1)
18,171,255||0' "$(bare --convert '#12abff')"
check "--convert with a format" 'hsl(201.3 100% 53.5%)||0' \
    "$(bare --convert 'rgb(18 171 255)' --format hsl)"
check "a name, values after =" '0,0,128||0' "$(bare --convert=navy --format=decimal)"
check "an alpha laid over white" '#ff7f7f||0' "$(bare --convert 'color: #ff000080;' --format hex)"
check "no colour" '|tessuvo: 色が見つかりません: no colour|1' "$(bare --convert 'no colour')"

# 2. --contrast, text colour first, on the WCAG examples: #777 on white fails AA at 4.48:1,
# #767676 passes at 4.54:1.
check "--contrast of #777 on white" \
    'コントラスト比 4.48:1　AA ×　AAA ×（大きな文字 AA ○　AAA ×）　APCA Lc 71||0' \
    "$(bare --contrast '#777' white)"
for required in 'aa 1' 'aa-large 0' 'AAA-LARGE 1'; do
    set -- $required
    check "#777 on white, --require $1" "$2" "$(bare --contrast '#777' white --require "$1" | tail -c 1)"
done
check "#767676 on white reaches AA" "0" "$(bare --contrast '#767676' '#fff' --require aa | tail -c 1)"
check "a text colour's alpha laid over the background" \
    'コントラスト比 1.00:1　AA ×　AAA ×（大きな文字 AA ×　AAA ×）　APCA Lc 0||1' \
    "$(bare --contrast 'rgb(0 0 0 / 50%)' black --require aa-large)"
check "a background that is no colour" '|tessuvo: 背景色が見つかりません: none|1' \
    "$(bare --contrast black none --require aa)"

# 3. Usage errors: one line on standard error, status 2.
while IFS='>' read -r arguments message; do
    eval "set -- $arguments"
    check "refused: $arguments" "|tessuvo: $message|2" "$(bare "$@")"
done <<'EOF_CASES'
--bogus>不明なオプションです: --bogus (使い方は tessuvo --help)
--convert>--convert の後に色がありません (使い方は tessuvo --help)
--contrast '#777'>--contrast の後に背景色がありません (使い方は tessuvo --help)
--convert red blue>余分な引数です: blue (使い方は tessuvo --help)
--convert red --format RGB>不明な形式です: RGB (形式は hex, HEX, rgb, hsl, oklch, decimal)
--contrast red blue --require AAAA>不明な基準です: AAAA (基準は aa, aaa, aa-large, aaa-large)
--pick --convert red>--pick と --convert は一緒に使えません (使い方は tessuvo --help)
--convert red --copy>--copy は --pick と一緒に使います (使い方は tessuvo --help)
--contrast red blue --format hex>--format は --pick か --convert と一緒に使います (使い方は tessuvo --help)
--pick --require aa>--require は --contrast と一緒に使います (使い方は tessuvo --help)
--pick=now>不明なオプションです: --pick=now (使い方は tessuvo --help)
EOF_CASES
usage=$(bare --help)
check "--help names the new options" "--pick --copy --convert --contrast --format --require |0" \
    "$(for option in --pick --copy --convert --contrast --format --require; do
        grep -q -- "$option " <<<"$usage" && printf '%s ' "$option"
    done)|${usage##*|}"

# 4. --pick on the display. Another program's window of a known colour, on a black screen.
xsetroot -solid black
swatch='#12AB34'
setsid xmessage -geometry 200x100+300+300 -bg "$swatch" -fg "$swatch" -title swatch swatch \
    >/dev/null 2>&1 &
cleanup_groups+=("$!")
timeout 20 xdotool search --sync --onlyvisible --name '^swatch$' >/dev/null
printf '[FLG]\r\nRGB=16\r\n' >"$ini"

# Starts a pick in the background, its output in $work/out, once the pointer is at X Y, and
# waits for its magnifier. What Qt says on standard error depends on the session, and is not
# looked at.
start_pick() { # x y options...
    # Not --sync, which waits for a move that never comes where the pointer is already.
    xdotool mousemove "$1" "$2"
    shift 2
    "$work/tessuvo" --pick "$@" >"$work/out" 2>"$work/err" &
    app_pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name 'コントラスト比' >/dev/null ||
        { echo "the magnifier did not appear"; cat "$work/err"; }
}
# Its standard output and exit status, joined by "|", in $ended once it has ended.
wait_for_pick() { wait_for_exit; ended="$(cat "$work/out")|$status"; }

start_pick 280 330
xdotool key shift+Right shift+Right shift+Right Right Right Return # onto the swatch, at 312
wait_for_pick
check "--pick with the arrow keys and Enter" "$swatch|0" "$ended"
check "the pointer was moved by the keys" "312" "$(xdotool getmouselocation --shell | sed -n 's/^X=//p')"

start_clipboard_manager
start_pick 400 330 --format rgb --copy
xdotool click 1
wait_for_pick
check "--pick --copy with a click" "rgb(18 171 52)|0" "$ended"
check "the colour stays on the clipboard" "rgb(18 171 52)" "$(clipboard)"

for cancel in "key Escape" "click 3"; do
    start_pick 400 330
    xdotool $cancel
    wait_for_pick
    check "cancelled by $cancel: nothing printed" "|1" "$ended"
done
check "the settings file only read" "tessuvo tessuvo.ini |[FLG]|RGB=16|" \
    "$(ls -A "$work" | grep -i tessuvo | tr '\n' ' ')|$(tr '\r\n' '|' <"$ini" | tr -s '|')"

finish
