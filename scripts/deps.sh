#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tessuvo need, asking apt
# only for those that are missing, so that a second run installs nothing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libxcb1-dev
    libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic
    fp-utils libchm1 libchm-dev
    dpkg-dev
)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(xvfb xauth xdotool xclip x11-utils xfce4-settings dbus-daemon imagemagick clang libclang-rt-14-dev
        desktop-file-utils appstream x11-xserver-utils weston qt6-wayland
        at-spi2-core python3-dbus)
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
