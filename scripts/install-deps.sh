#!/usr/bin/env bash
# Installs the Debian packages GRD Oddsmith needs to build, run and test.
# Idempotent: asks apt only for what is missing.
set -euo pipefail
packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format dpkg-dev file
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-charts-dev libqt6charts6 qt6-svg-dev libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox imagemagick fonts-dejavu-core fonts-liberation2 poppler-utils python3
    librsvg2-bin appstream desktop-file-utils lintian
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
