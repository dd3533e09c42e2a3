#!/usr/bin/env bash
# Installs the Debian packages that building, running and packaging Tessuvo need, asking apt
# only for those that are missing, so that a second run installs nothing. With --test, also
# every tool that the tests, the benchmarks and scripts/screenshots.sh call; nothing else is
# assumed but what every Debian system has (bash, coreutils, util-linux, perl-base, mawk).
# Recommended packages are not installed: whatever is needed is named here.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libxcb1-dev
    libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic
    fp-utils libchm1 libchm-dev
    dpkg-dev file # cpack's Debian package: file finds the executables for dpkg-shlibdeps
)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(
        # A private X server, keys and clipboard, other programs' windows, pictures and SVG.
        xvfb xauth xdotool xclip x11-utils x11-xserver-utils imagemagick librsvg2-bin
        # A clipboard manager, a private session bus, a Wayland compositor and Qt's client.
        xfce4-settings dbus-daemon weston qt6-wayland
        # The fuzz targets.
        clang libclang-rt-14-dev
        # The checks of the installed desktop entry, metainfo and manual page.
        desktop-file-utils appstream man-db
        # The contrast line read over the accessibility bus.
        at-spi2-core python3-dbus
    )
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
