#!/usr/bin/env bash
# Makes the shipped data/program/MAIN-DTA.GRD: the main data file standing before week 1
# of the 2025 season with the ratings the real 2024 season left. It builds the 2024
# league files, starts 2024 from average ratings, replays every 2024 week from
# data/games-2024.csv and begins the new season from the final archive, keeping the
# ratings. Builds grdtool first (in $GRD_BUILD_DIR, default build-data).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${GRD_BUILD_DIR:-build-data}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

data/make-data.sh 2024 "$work" >/dev/null
tool=$build/program/grdtool
"$tool" init "$work" --average
"$tool" replay "$work" data/games-2024.csv
"$tool" new-season --keep "$work/Super Bowl.24"
cp "$work/MAIN-DTA.GRD" data/program/MAIN-DTA.GRD
echo "wrote data/program/MAIN-DTA.GRD"
