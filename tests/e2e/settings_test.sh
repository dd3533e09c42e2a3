#!/usr/bin/env bash
# End-to-end: the real program with settings files that it cannot or must not write, or that are
# no files at all. It starts with the defaults, closes cleanly, leaves such a file as it was and
# keeps the user's settings under $XDG_CONFIG_HOME instead.
# Usage: settings_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

export XDG_CONFIG_HOME="$work/config"
moved="$XDG_CONFIG_HOME/tessuvo/tessuvo.ini"

# Starts the program, switches it to hexadecimal notation and closes it through the menu.
run_once() { # name
    start_app
    xdotool key alt+s c x # 設定 > RGB値 > 16進数
    sleep 0.2
    xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
    wait_for_exit
    check "$1: the program ended cleanly" "0" "$status"
}

reset() { rm -rf "$ini" "$XDG_CONFIG_HOME"; }

# Nothing of these is read or written; the settings move to the fallback.
reset
mkdir "$ini"
run_once "a directory in the file's place"
check "the directory is still there" "yes" "$([[ -d "$ini" ]] && echo yes)"
check "the settings moved to the fallback" "RGB=16" "$(grep -x 'RGB=16' "$moved")"

reset
mkfifo "$ini"
run_once "a FIFO in the file's place"
check "the FIFO is still there" "yes" "$([[ -p "$ini" ]] && echo yes)"

reset
ln -s /dev/zero "$ini"
run_once "a link to an endless device"
check "the link is still there" "/dev/zero" "$(readlink "$ini")"

# A read-only file is left alone, root or not; its contents go along to the fallback, and the
# next start reads the fallback while the file stays read-only.
reset
printf '; mine\r\n[FLG]\r\nRGB=10\r\n' >"$ini"
chmod 0444 "$ini"
run_once "a read-only file"
check "the read-only file is untouched" "; mine|[FLG]|RGB=10|" "$(tr '\r\n' '||' <"$ini" | sed 's/||/|/g')"
check "the fallback starts as its copy" "; mine" "$(head -n 1 "$moved" | tr -d '\r')"
check "the fallback holds the new value" "RGB=16" "$(grep -a -x 'RGB=16.' "$moved" | tr -d '\r')"
start_app
xdotool key --clearmodifiers ctrl+a ctrl+c
check "the next start reads the fallback" "FFFFFF" "$(clipboard_once FFFFFF)"
xdotool key alt+f x
wait_for_exit
chmod 0644 "$ini"

# A file full of what no settings file should hold: the program's own lines are written, every
# other line stays byte for byte.
reset
head=$'; \x82\xa0 comment\r\n[FLG]\r\n'
tail=$'junk line\r[\x94\x77]\nK=\xff'
printf '%s' "$head" >"$ini"
printf 'RGB=10\r\n' >>"$ini"
printf '%s\x00v\n' "$tail" >>"$ini"
run_once "a hand-edited file with Shift-JIS and stray bytes"
hex() { od -An -tx1 | tr -d ' \n'; }
after=$(hex <"$ini")
check "the lines before the program's own are kept byte for byte" "$(printf '%s' "$head" | hex)" \
    "${after:0:$((${#head} * 2))}"
check "the lines after them too" "yes" \
    "$([[ "$after" == *"$(printf '%s' "$tail" | hex)0076"* ]] && echo yes)"
check "the program's value is written" "RGB=16" "$(grep -a -x 'RGB=16.' "$ini" | tr -d '\r')"

# Two copies at once: each registers a colour (typed into its background box) and both close,
# in either order; every registration is kept.
start_copy() { # colour; sets copy_pid and copy_window
    "$work/tessuvo" >>"$work/app.log" 2>&1 &
    copy_pid=$!
    copy_window=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$copy_pid" --name '^Tessuvo' | head -n 1)
    xdotool windowfocus --sync "$copy_window"
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
    xdotool key alt+t b r # ﾂｰﾙ > 背景色 > 登録
    local dialog registered
    dialog=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$copy_pid" --name '^登録色$' | head -n 1)
    # Under load the dialog is mapped before it has the focus: give it the focus first, and wait
    # for the registration to reach the file before closing the dialog.
    xdotool windowfocus --sync "$dialog"
    registered=$(grep -c '^ITEM=1' "$ini" 2>/dev/null)
    xdotool key Return # the focused 登録する
    for _ in $(seq 100); do
        [[ $(grep -c '^ITEM=1' "$ini" 2>/dev/null) -gt ${registered:-0} ]] && break
        sleep 0.1
    done
    xdotool key Escape # 閉じる
    sleep 0.3
}
close_copy() { # pid window
    xdotool windowfocus --sync "$2"
    sleep 0.2
    xdotool key alt+f x
    app_pid=$1
    wait_for_exit
}
for order in "first last" "first first"; do
    reset
    start_copy '1,2,3'
    first_pid=$copy_pid first_window=$copy_window
    start_copy '4,5,6'
    second_pid=$copy_pid second_window=$copy_window
    if [[ $order == "first last" ]]; then
        close_copy "$second_pid" "$second_window"
        statuses=$status
        close_copy "$first_pid" "$first_window"
    else
        close_copy "$first_pid" "$first_window"
        statuses=$status
        close_copy "$second_pid" "$second_window"
    fi
    check "two copies, the $order: both ended cleanly" "0 0" "$statuses $status"
    check "two copies, the $order: both registrations kept" "1,2,3|4,5,6" \
        "$(for n in 1 2; do sed -n "/^\[BG$n\]/,/^blue/p" "$ini" | grep -E '^(red|green|blue)=' |
            cut -d= -f2 | paste -sd,; done | sort | paste -sd'|')"
done

# Killed at random moments while registering or closing: the file keeps whole slots and whole
# options, and the next start leaves no temporary file behind.
reset
whole_slots() { # every slot marked in use has its three colour keys
    awk -F= '/^\[/ { if (item == 1 && keys != 3) bad = 1; item = 0; keys = 0; next }
             /^ITEM=/ { item = $2 } /^(red|green|blue)=/ { keys++ }
             END { if (item == 1 && keys != 3) bad = 1; print bad ? "no" : "yes" }' "$ini"
}
for cycle in $(seq 8); do
    start_app
    xdotool key alt+s c "$([[ $((cycle % 2)) -eq 0 ]] && echo x || echo d)"
    if [[ $((cycle % 3)) -eq 0 ]]; then
        xdotool key alt+f x
    else
        xdotool key alt+t b r # ﾂｰﾙ > 背景色 > 登録
        timeout 20 xdotool search --sync --onlyvisible --name '^登録色$' >/dev/null
        xdotool key Return
    fi
    sleep "0.0$((RANDOM % 10))"
    kill -9 "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=
    [[ -f "$ini" ]] || continue
    check "killed in cycle $cycle: every slot whole" "yes" "$(whole_slots)"
    check "killed in cycle $cycle: notation old or new" "yes" \
        "$(grep -qxE 'RGB=(10|16)' "$ini" || ! grep -q '^RGB=' "$ini" && echo yes)"
done
start_app
xdotool key alt+f x
wait_for_exit
check "after the kills: the next run ended cleanly" "0" "$status"
check "after the kills: no temporary file is left" "" "$(ls -A "$work" | grep tessuvo-write)"

finish
