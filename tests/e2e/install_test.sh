#!/usr/bin/env bash
# End-to-end: the Debian package that cpack builds, unpacked into a fresh tree with dpkg -x, and
# a `cmake --install` with DESTDIR and another prefix. The package's dependencies, desktop entry,
# manual page, metainfo and icons are checked; each installed program is started on a private
# Xvfb display, finds its help file, and keeps its settings under $XDG_CONFIG_HOME, never beside
# itself, even when root, who could write there, runs it.
# Usage: install_test.sh PATH/TO/tessuvo BUILD_DIR
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
build=$2
id=io.github.tessuvo.Tessuvo

yes_if() { "$@" >/dev/null 2>&1 && echo yes || echo no; }

# 1. The package and what it depends on: the libraries the program links, and by name what no
# linker sees.
(cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { echo "cpack failed"; cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/tessuvo_*.deb)
depends=$(dpkg-deb -f "$deb" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for package in libchm1 fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6; do
    check "the package depends on $package" "$package" "$(grep -x "$package" <<<"$depends")"
done

# 2. What the package lays out, as a fresh tree.
tree="$work/tree"
dpkg -x "$deb" "$tree"
share="$tree/usr/share"
check "the program is in usr/bin" "yes" "$(yes_if test -x "$tree/usr/bin/tessuvo")"
check "the help file is in the data folder" "yes" "$(yes_if test -f "$share/tessuvo/tsvo.chm")"
check "the desktop entry is valid" "yes" \
    "$(yes_if desktop-file-validate "$share/applications/$id.desktop")"
check "the desktop entry starts the program" "Exec=tessuvo" \
    "$(grep -x 'Exec=tessuvo' "$share/applications/$id.desktop")"
check "the desktop entry's action picks a colour" "Exec=tessuvo --pick --copy" \
    "$(grep -x 'Exec=tessuvo --pick --copy' "$share/applications/$id.desktop")"
check "the manual page renders, without a warning" "1|" \
    "$(timeout 20 man -l "$share/man/man1/tessuvo.1.gz" 2>"$work/man.log" |
        grep -c '^ *tessuvo - HTML を手で書く人のための色のツール$')|$(cat "$work/man.log")"
check "the metainfo is valid" "yes" \
    "$(yes_if appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml")"
for size in 16 32 48 128; do
    check "the ${size}-pixel icon" "PNG ${size}x${size}" \
        "$(identify -format '%m %wx%h' "$share/icons/hicolor/${size}x${size}/apps/$id.png" 2>&1)"
done
# The SVG drawn at 128 pixels is the 128-pixel PNG, pixel for pixel.
rsvg-convert -w 128 -h 128 -o "$work/scalable.png" "$share/icons/hicolor/scalable/apps/$id.svg"
check "the scalable icon draws the same picture" "0" \
    "$(compare -metric AE "$work/scalable.png" "$share/icons/hicolor/128x128/apps/$id.png" null: 2>&1)"

# 3. Starts an installed program, opens its help, switches to hexadecimal notation and closes
# it. common.sh starts $work/tessuvo: a link to the installed one, which the program resolves to
# its real folder, as a link in /usr/local/bin would be.
export XDG_CONFIG_HOME="$work/config"
settings="$XDG_CONFIG_HOME/tessuvo/tessuvo.ini"
run_installed() { # name, path of the installed executable
    rm -rf "$XDG_CONFIG_HOME"
    ln -sfn "$2" "$work/tessuvo"
    start_app
    xdotool key alt+h c # ﾍﾙﾌﾟ > 目次
    check "$1: the help file is found" "yes" "$(yes_if timeout 20 xdotool search --sync \
        --onlyvisible --name '^Tessuvo ヘルプ 目次$')"
    xdotool windowfocus --sync "$window"
    sleep 0.2
    xdotool key alt+s c x # 設定 > RGB値 > 16進数
    sleep 0.2
    xdotool key alt+f x # ﾌｧｲﾙ > ｱﾌﾟﾘｹｰｼｮﾝの終了
    wait_for_exit
    check "$1: the program ended cleanly" "0" "$status"
    check "$1: the settings are in the config folder" "RGB=16" "$(grep -x 'RGB=16' "$settings")"
    check "$1: no settings beside the program" "" \
        "$(ls "$(dirname "$2")"/tessuvo.ini "$ini" 2>/dev/null)"
}
run_installed "package" "$tree/usr/bin/tessuvo"

# 4. The same for `cmake --install` into another prefix below DESTDIR.
DESTDIR="$work/destdir" cmake --install "$build" --prefix /opt/tessuvo >"$work/install.log" 2>&1 ||
    { echo "cmake --install failed"; cat "$work/install.log"; exit 1; }
check "cmake --install: the manual page" "yes" \
    "$(yes_if test -f "$work/destdir/opt/tessuvo/share/man/man1/tessuvo.1.gz")"
run_installed "cmake --install" "$work/destdir/opt/tessuvo/bin/tessuvo"

finish
