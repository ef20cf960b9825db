#!/usr/bin/env bash
# Makes the shipped data files from the league's records kept in data/:
#   data/make-data.sh                 the 2025 season into data/program/
#   data/make-data.sh SEASON OUTDIR   another season (data/games-SEASON.csv, and
#                                     data/postseason-SEASON.csv where it exists)
# Writes GRDStructure.txt, GRDNames.ccn and GRDSchedule.ccs; builds grdtool first.
set -euo pipefail
cd "$(dirname "$0")/.."
season=${1:-2025}
out=${2:-data/program}
build=${GRD_BUILD_DIR:-build-data}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DODDSMITH_BUILD_UI=OFF \
        -DODDSMITH_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" --target grdtool >/dev/null

slots=()
if [ -f "data/postseason-$season.csv" ]; then
    slots=(--slots "data/postseason-$season.csv")
fi
mkdir -p "$out"
"$build/program/grdtool" build-schedule --teams data/teams.csv --games "data/games-$season.csv" \
    "${slots[@]}" --title "$season Schedule" "$out"
# The writer's lock of that run is no shipped file.
rm -f "$out/.grdodds.lock"
echo "wrote $out/GRDStructure.txt, $out/GRDNames.ccn and $out/GRDSchedule.ccs"
