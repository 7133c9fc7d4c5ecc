#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine and builds the program into build/.
# Quick when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-image-formats-plugins
    qt6-multimedia-dev qt6-charts-dev qt6-svg-dev libqt6svg6
    # Italian texts of the windows Qt itself draws (buttons, file chooser, print dialog).
    qt6-translations-l10n
    # The webcam: Qt Multimedia's GStreamer backend finds USB cameras and reads them through
    # V4L2, decodes MJPEG frames (both in -good) and converts and scales them (in -base).
    # Its pipeline needs nothing from -bad or libav.
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-liberation fonts-dejavu-core breeze-icon-theme
    poppler-utils
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    [ "$(id -u)" -eq 0 ] && sudo="" || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
