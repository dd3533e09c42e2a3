# Sourced by the e2e tests that pick on two monitors, after common.sh: a picture in which every
# device pixel has a colour of its own, shown at ${left[@]} and ${right[@]}, and the screen split
# into two monitors, the primary one to the right of the other and so not at 0,0.

# Shows the picture, red 4 × column and green 4 × row; blue is a number, or "chessboard" for 0
# and 255 alternating, so that an average over several pixels shows in the blue.
show_patterns_on_two_monitors() { # blue
    {
        echo "P3 64 64 255"
        for y in $(seq 0 63); do
            for x in $(seq 0 63); do
                if [[ $1 == chessboard ]]; then
                    printf '%d %d %d\n' $((x * 4)) $((y * 4)) $(((x + y) % 2 * 255))
                else
                    printf '%d %d %d\n' $((x * 4)) $((y * 4)) "$1"
                fi
            done
        done
    } >"$work/pattern.ppm"
    # The pictures stay connected to the server, which therefore keeps the monitors set below:
    # an X server without clients resets and forgets them.
    local spot title x y
    for spot in "left ${left[*]}" "right ${right[*]}"; do
        read -r title x y <<<"$spot"
        setsid display -title "pattern-$title" -geometry "+$x+$y" "$work/pattern.ppm" \
            >/dev/null 2>&1 &
        cleanup_groups+=("$!")
        timeout 20 xdotool search --sync --onlyvisible --name "^pattern-$title\$" >/dev/null
    done
    xrandr --setmonitor right 1024/270x768/200+1024+0 screen >/dev/null
    xrandr --setmonitor left 1024/270x768/200+0+0 none >/dev/null
    xrandr --output screen --primary
    check "two monitors" "Monitors: 2" "$(xrandr --listmonitors | head -n 1)"
}
