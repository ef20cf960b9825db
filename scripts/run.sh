#!/usr/bin/env bash
# Sets up, builds and starts GRD Oddsmith on its shipped data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "GRD Oddsmith is a desktop program and there is no display here (DISPLAY is not set)."
    echo "It is built in build/program/. Start it from a desktop session, or under a virtual"
    echo "display with: xvfb-run build/program/Oddsmith"
    exit 1
fi
exec build/program/Oddsmith
