#!/usr/bin/env bash
# End-to-end: the start without a usable display, a platform chosen on purpose, and a Wayland
# session with XWayland, which the program runs on.
# Usage: display_test.sh PATH/TO/tessuvo
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

message='tessuvo: no display found; start it in a desktop session (X11 or Wayland).
tessuvo: 画面が見つかりません。デスクトップ環境で起動してください。'

run() { # env arguments...: standard error, then the exit status on a line of its own
    local err
    err=$(env "$@" 2>&1 >/dev/null)
    printf '%s\n%s' "$err" "$?"
}
no_display=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

# 1. Neither X11 nor Wayland: the two lines and status 1, instead of Qt's abort.
check "no display at all" "$message
1" "$(run "${no_display[@]}" "$work/tessuvo")"
# Far above the numbers that the tests' own servers take.
check "a DISPLAY where no server listens" "$message
1" "$(run "${no_display[@]}" DISPLAY=":$((display + 500))" "$work/tessuvo")"
check "a WAYLAND_DISPLAY where no compositor listens" "$message
1" "$(run "${no_display[@]}" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-none "$work/tessuvo")"

# Options are read before the display is looked for: an unknown one is refused, the usage
# printed, and Qt's own are no reason to refuse.
check "an unknown option without a display" "tessuvo: 不明なオプションです: --bogus (使い方は tessuvo --help)
2" "$(run "${no_display[@]}" "$work/tessuvo" --bogus)"
check "a Qt option without a display is no unknown option" "$message
1" "$(run "${no_display[@]}" "$work/tessuvo" -style fusion)"
for option in --help -h; do
    usage=$(env "${no_display[@]}" "$work/tessuvo" "$option" 2>/dev/null)
    status=$?
    check "$option without a display: the usage, naming both options, and status 0" \
        "使い方: tessuvo [オプション]|1|1|0" \
        "$(head -n 1 <<<"$usage")|$(grep -c -- '-h, --help' <<<"$usage")|$(grep -c -- '--version' <<<"$usage")|$status"
done

# 2. A platform chosen on purpose is Qt's to start: the program gets as far as its options.
check "QT_QPA_PLATFORM=offscreen is let through" "2" \
    "$(run "${no_display[@]}" QT_QPA_PLATFORM=offscreen "$work/tessuvo" --bogus | tail -n 1)"
check "-platform offscreen is let through" "2" \
    "$(run "${no_display[@]}" "$work/tessuvo" -platform offscreen --bogus | tail -n 1)"

# A Wayland compositor of our own, with no screen of its own, beside the X server.
export XDG_RUNTIME_DIR="$work" XDG_SESSION_TYPE=wayland
setsid weston --backend=headless-backend.so --socket=wayland-tessuvo --idle-time=0 \
    >"$work/weston.log" 2>&1 &
cleanup_groups+=("$!")
for _ in $(seq 100); do
    [[ -S "$work/wayland-tessuvo" ]] && break
    sleep 0.1
done
[[ -S "$work/wayland-tessuvo" ]] || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }

# 3. A Wayland session that also offers X11 (XWayland): the program runs on X11, where Qt alone
# would take the compositor.
export WAYLAND_DISPLAY=wayland-tessuvo
start_app
check "a Wayland session with XWayland runs on X11" "yes" "$([[ -n "$window" ]] && echo yes)"
# The first window shows no picture that Qt would have to read: no image plugin is loaded.
check "the start loads no image plugin" "" \
    "$(grep -oE '(imageformats/.*|libjpeg.*)$' "/proc/$app_pid/maps" | sort -u | tr '\n' ' ')"
xdotool key alt+f x
wait_for_exit
check "program ended cleanly" "0" "$status"

# 4. Only Wayland: the program runs on it, with Qt's Wayland plugin loaded.
env -u DISPLAY "$work/tessuvo" >"$work/app.log" 2>&1 &
app_pid=$!
platform=none
for _ in $(seq 100); do
    if grep -q libqwayland "/proc/$app_pid/maps" 2>/dev/null; then
        platform=wayland
        break
    fi
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
check "Wayland alone runs on Wayland" "wayland" "$platform"
finish
