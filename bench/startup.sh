#!/usr/bin/env bash
# Start-up on Xvfb: time from process start until the window is mapped and painted, and the
# resident memory after start, for Tessuvo and for the smallest Qt dialog.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$1
runs=${2:-10}
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 20 display <&3
export DISPLAY=":$display"
unset QT_QPA_PLATFORM
cp "$build/tessuvo" "$work/"

measure() { # executable title
    local total=0 rss=0
    for _ in $(seq "$runs"); do
        local start end pid
        start=$(date +%s%N)
        "$1" >/dev/null 2>&1 &
        pid=$!
        # xdotool's own --sync waits half a second between looks; look as often as it answers.
        until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do :; done
        end=$(date +%s%N)
        sleep 0.3
        rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
        kill $pid
        wait $pid 2>/dev/null || true
        total=$((total + (end - start) / 1000))
    done
    echo "$((total / runs)) $rss"
}

read -r app_us app_rss < <(measure "$work/tessuvo" '^Tessuvo \[TESSUVO\]$')
read -r base_us base_rss < <(measure "$build/bench/baseline_window" '^Baseline$')
echo "tessuvo:  start to window ${app_us} us, resident ${app_rss} kB"
echo "baseline: start to window ${base_us} us, resident ${base_rss} kB"
awk -v a="$app_us" -v b="$base_us" -v r="$app_rss" -v s="$base_rss" \
    'BEGIN { printf "ratio to the smallest Qt dialog: start-up %.2f, memory %.2f\n", a / b, r / s }'
