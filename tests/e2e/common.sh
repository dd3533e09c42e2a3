# Shared set-up of the end-to-end tests: a private Xvfb display, a scratch copy of the program
# (which keeps its settings beside itself), checks that count, and helpers to drive the program
# with xdotool and read the X clipboard with xclip. Source it with the executable's path as $1.
# shellcheck shell=bash

exe=$1
# xdotool reads window titles in the locale's encoding, and the titles it looks for are Japanese
# in UTF-8: a shell in the C locale (as a fresh system or a container gives) would find none.
# Every Debian system has C.UTF-8.
export LC_ALL=C.UTF-8
work=$(mktemp -d)
passed=0
failed=0

# Process groups a test started besides the program (add with cleanup_groups+=(PID)).
cleanup_groups=()

cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null
    for group in "${cleanup_groups[@]}"; do
        kill -- "-$group" 2>/dev/null
    done
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

# A display of our own, so that parallel runs and a desktop session are not disturbed; a test
# may ask for a larger screen in xvfb_screen before it sources this.
exec 3< <(Xvfb -displayfd 1 -screen 0 "${xvfb_screen:-1024x768x24}" -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

# The program keeps its settings beside itself: run a copy in the scratch folder. What it keeps
# elsewhere (the history of pairs) goes into the scratch folder too, never into the real home.
cp "$exe" "$work/tessuvo"
ini="$work/tessuvo.ini"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
history="$XDG_STATE_HOME/tessuvo/history.ini"

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

# No window manager runs on this display to hand the focus back to the main window when a
# dialog closes; do it as one would.
refocus_after_dialog() { # dialog title
    for _ in $(seq 30); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool windowfocus --sync "$window" 2>/dev/null
    sleep 0.2
}

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# The clipboard once it reads EXPECTED, or what it held when the tries ran out: the program
# answers keys in its own time, slower under the sanitizers.
clipboard_once() { # expected
    local text
    for _ in $(seq 30); do
        text=$(clipboard)
        [[ "$text" == "$1" ]] && break
        sleep 0.1
    done
    printf '%s' "$text"
}

# The clipboard in one format, byte for byte: a trailing newline would count.
clipboard_as() {
    local text
    text=$(xclip -o -selection clipboard -t "$1" 2>/dev/null; echo .)
    printf '%s' "${text%.}"
}

# Starts a clipboard manager on the display and waits until it owns the CLIPBOARD_MANAGER
# selection, so that Qt finds it at exit. It gets a bus and a home of its own in the scratch
# folder: it needs the one for its settings store, and must write nothing into the real home.
# No accessibility bus, no settings daemon and no window manager to wait for: it needs none of
# them to keep a clipboard. setsid makes it a process group, so that cleanup ends all of it.
start_clipboard_manager() {
    local home="$work/manager"
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
        setsid dbus-run-session -- xfsettingsd --disable-wm-check >"$work/manager.log" 2>&1 &
    manager_pid=$!
    cleanup_groups+=("$manager_pid") # the manager leads a group with its bus and settings store
    for _ in $(seq 100); do
        perl "$here/selection_owner.pl" CLIPBOARD_MANAGER >/dev/null 2>&1 && return 0
        kill -0 "$manager_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "the clipboard manager did not take the CLIPBOARD_MANAGER selection"
    cat "$work/manager.log"
    return 1
}

# The closing line that the test runners read, and the script's status.
finish() {
    echo "$passed passed, $failed failed"
    [[ $failed -eq 0 ]]
}
