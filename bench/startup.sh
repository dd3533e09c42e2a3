#!/usr/bin/env bash
# Start-up on Xvfb against the smallest Qt dialog that shows one Japanese label: the time from
# starting each process until its window is mapped, and its resident memory once shown. The
# two start in turns, after one start of each that is not counted (so that both find their
# libraries in the page cache); each figure is the median of its runs. In the same rounds, the
# commands that open no window (--convert, --contrast), from their start to their end, against
# the program's start-up to its window.
# Usage: bench/startup.sh BUILD_DIR [RUNS, 5 unless given]
set -euo pipefail
build=$1
runs=${2:-5}
work=$(mktemp -d)
trap 'kill $xev $xvfb 2>/dev/null; rm -rf "$work"' EXIT

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 20 display <&3
export DISPLAY=":$display"
unset QT_QPA_PLATFORM
# The program keeps its settings beside itself: a copy of it that has none.
cp "$build/tessuvo" "$work/"

# The X server tells xev of every window mapped on the screen, the moment it is: a run ends on
# that event, where polling for the window would take processor time from the start it times.
exec 4< <(exec xev -root -event substructure)
xev=$!
sleep 0.5

microseconds() { local t=${EPOCHREALTIME/[.,]/}; echo "${t#0}"; }

# One start of the executable: its time to the window in $us and its resident memory in $kb.
start_once() { # executable
    local start line pid
    start=$(microseconds)
    "$1" >/dev/null 2>&1 &
    pid=$!
    until [[ "${line:-}" == MapNotify* ]]; do
        read -r -t 20 line <&4 || { echo "$1 showed no window" >&2; exit 1; }
    done
    us=$(($(microseconds) - start))
    sleep 0.3
    kb=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    while read -r -t 0.2 line <&4; do :; done # the events of the closed window
}

# One run of a command that opens no window: its time to its end in $us.
command_once() { # arguments...
    local start
    start=$(microseconds)
    "$work/tessuvo" "$@" >/dev/null
    us=$(($(microseconds) - start))
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }

app=("$work/tessuvo") base=("$build/bench/baseline_window")
start_once "${app[0]}"
start_once "${base[0]}"
app_us=() app_kb=() base_us=() base_kb=() convert_us=() contrast_us=()
for run in $(seq "$runs"); do
    # Each goes first in every other round, so that neither always follows the other.
    order=(app base)
    [[ $((run % 2)) -eq 0 ]] && order=(base app)
    for who in "${order[@]}"; do
        if [[ $who == app ]]; then
            start_once "${app[0]}"
            app_us+=("$us") app_kb+=("$kb")
        else
            start_once "${base[0]}"
            base_us+=("$us") base_kb+=("$kb")
        fi
    done
    command_once --convert '#12abff'
    convert_us+=("$us")
    command_once --contrast '#777' white --require aa-large
    contrast_us+=("$us")
done

a=$(median "${app_us[@]}") b=$(median "${base_us[@]}")
ar=$(median "${app_kb[@]}") br=$(median "${base_kb[@]}")
echo "tessuvo:  start to window ${a} us, resident ${ar} kB (medians of $runs, interleaved)"
echo "baseline: start to window ${b} us, resident ${br} kB"
awk -v a="$a" -v b="$b" -v r="$ar" -v s="$br" \
    'BEGIN { printf "ratio to the bare dialog: start-up %.2fx, memory %.2fx\n", a / b, r / s }'
for name in convert contrast; do
    declare -n runs="${name}_us"
    c=$(median "${runs[@]}")
    awk -v name="$name" -v c="$c" -v a="$a" \
        'BEGIN { printf "--%s: start to end %d us, %.2f of the start-up to the window\n", name, c, c / a }'
done
